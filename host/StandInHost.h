// A stand-in for the host application: loads a built plug-in, answers its
// calls, keeps variables and named object windows, and records every call.
// Tests and the glimmerhost application are built on it.
//
// The host functions a plug-in receives carry no context value, so only one
// StandInHost may exist at a time; it is reachable through Current().
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace standin {

// The nine entry points, resolved by ordinal.
struct PlugInEntries {
    void(__stdcall* nbAbout)();
    void(__stdcall* nbMessage)(int32_t code);
    void(__stdcall* nbRegisterStreamAccess)(void* fn);
    void(__stdcall* nbRegisterInterfaceAccess)(void* fn);
    void(__stdcall* nbRegisterScriptProcessor)(void* fn);
    void(__stdcall* nbRegisterPlugIn)(void* addAction, int32_t value2, int32_t value3,
                                      void* setVariable);
    void(__stdcall* nbInitPlugIn)(int32_t value, char** title, char** publisher, char** hint);
    uint8_t(__stdcall* nbExecAction)(int32_t id, char** params, int32_t lastIndex);
    uint8_t(__stdcall* nbEditAction)(int32_t id, char** params, int32_t lastIndex);
};

struct AddActionCall {
    int32_t id;
    std::string name;
    std::string description;
    std::vector<uint8_t> kinds;
    int32_t kindsLast;
    int32_t count;
};

struct SetVariableCall {
    std::string name;
    std::string value;
};

struct InterfaceCall {
    int32_t request;
    std::optional<std::string> textIn; // nothing when the plug-in passed null
};

// How the host answers one InterfaceAccess request.
struct RequestAnswer {
    enum class Mode {
        Default,  // 6: a version text; 7: the named object's handle; 8: answer false
        NullText, // leave the variable null
        Text,     // store `text` in the variable
    };
    Mode mode = Mode::Default;
    std::string text;
    bool result = true; // the boolean InterfaceAccess returns
};

struct PlugInIdentity {
    std::string title;
    std::string publisher;
    std::string hint;
};

class StandInHost {
public:
    // Loads the plug-in and creates the host window (hidden until ShowHostWindow).
    // Throws std::runtime_error naming the path when the library cannot be loaded.
    explicit StandInHost(const std::wstring& plugInPath);
    ~StandInHost();
    StandInHost(const StandInHost&) = delete;
    StandInHost& operator=(const StandInHost&) = delete;

    static StandInHost* Current();

    // --- the plug-in ---------------------------------------------------------
    HMODULE Module() const { return module_; }
    const PlugInEntries& Entries() const { return entries_; }
    PlugInIdentity InitPlugIn(int32_t hostValue = 0);
    void RegisterPlugIn(); // AddAction and SetVariable
    void RegisterInterfaceAccess(bool present = true);
    bool ExecAction(int32_t id, const std::string& objectName, const std::string& value);
    // Edits the two texts in place, as the host would; answers the plug-in's result.
    bool EditAction(int32_t id, std::string& objectName, std::string& value);
    void About();
    void Message(int32_t code);
    void Unload(); // FreeLibrary now; entry points are unusable afterwards

    // --- host state ------------------------------------------------------------
    HWND HostWindow() const { return hostWindow_; }
    void ShowHostWindow(int width, int height);
    HWND AddObject(const std::string& name, int x, int y, int width, int height,
                   COLORREF fill = RGB(255, 255, 255));
    // The object window of that name (letter case ignored); null when there is none.
    HWND ObjectWindow(const std::string& name) const;
    void DestroyObject(const std::string& name);
    std::vector<std::string> ObjectNames() const;

    std::optional<std::string> Variable(const std::string& name) const;
    void SetVariableValue(const std::string& name, const std::string& value);

    void SetAnswer(int32_t request, RequestAnswer answer);
    RequestAnswer AnswerFor(int32_t request) const;
    // Called for request 8 when set: receives the text so far, returns the
    // choice (nothing = answer false). Overrides the configured answer.
    std::function<std::optional<std::string>(const std::string&)> pickObject;

    // --- records -----------------------------------------------------------------
    std::vector<AddActionCall> addActionCalls;
    std::vector<SetVariableCall> setVariableCalls;
    std::vector<InterfaceCall> interfaceCalls;
    void ClearRecords();

    // Global-heap blocks: those the host handed to the plug-in and those it
    // took back and freed, plus blocks the plug-in allocated and freed itself
    // (counted through its import table).
    struct HeapCounts {
        long hostAllocated = 0;
        long hostFreed = 0;
        long plugInAllocated = 0;
        long plugInFreed = 0;
    };
    HeapCounts heapCounts;

    // Fault injection on the plug-in's own imports: after `after` calls that
    // succeed, the next `count` calls of GlobalAlloc / SetTimer /
    // CreateWindowExW made by the plug-in fail.
    void FailGlobalAllocs(int count, int after = 0) { failGlobalAllocs_ = {after, count}; }
    void FailTimers(int count, int after = 0) { failTimers_ = {after, count}; }
    void FailWindowCreations(int count, int after = 0) { failWindowCreations_ = {after, count}; }
    // Failures set up but not yet delivered (0 once all have been).
    int PendingGlobalAllocFailures() const { return failGlobalAllocs_.fail; }
    int PendingTimerFailures() const { return failTimers_.fail; }
    int PendingWindowCreationFailures() const { return failWindowCreations_.fail; }
    // Every SetTimer the plug-in made: (window, id, interval).
    struct TimerCall {
        HWND window;
        UINT_PTR id;
        UINT interval;
        bool granted;
    };
    std::vector<TimerCall> timerCalls;
    // Every KillTimer the plug-in made: (window, id).
    std::vector<std::pair<HWND, UINT_PTR>> killTimerCalls;
    // Global blocks allocated by either side and not yet freed by either.
    long LiveBlocks() const;

    // Pumps the thread's messages for `milliseconds` (0: only what is queued).
    static void PumpMessages(DWORD milliseconds = 0);

private:
    friend struct HostCallbacks;
    void PatchPlugInImports();

    HMODULE module_ = nullptr;
    PlugInEntries entries_{};
    HWND hostWindow_ = nullptr;
    std::map<std::string, HWND> objects_; // by exact name
    std::map<std::string, std::string> variables_;
    std::map<int32_t, RequestAnswer> answers_;
    struct FaultPlan {
        int pass = 0; // calls still to let through before failing
        int fail = 0; // calls still to fail
    };
    FaultPlan failGlobalAllocs_;
    FaultPlan failTimers_;
    FaultPlan failWindowCreations_;
    static bool TakeFailure(FaultPlan& plan);

public: // reached from the import hooks
    bool TakeGlobalAllocFailure();
    bool TakeTimerFailure();
    bool TakeWindowCreationFailure();
};

// Convert between the host's 8-bit texts (ANSI code page) and UTF-16.
std::wstring Widen(const std::string& text, UINT codePage = CP_ACP);
std::string Narrow(const std::wstring& text, UINT codePage = CP_ACP);

} // namespace standin
