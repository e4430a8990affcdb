#include "DialogScreenshots.h"

#include "Text.h"
#include "WindowCapture.h"

#include <filesystem>
#include <functional>
#include <set>
#include <variant>

namespace glimmerhost {
namespace {

constexpr UINT kPollMs = 50;
constexpr int kSettleTicks = 10;  // shown this long before the capture
constexpr int kGiveUpTicks = 200; // ten seconds: close whatever is open

// Watches the thread's windows from a thread timer, which the dialog's own
// modal loop dispatches while the entry point that opened it is running.
class DialogCatcher {
public:
    DialogCatcher(std::string path, Log& log) : path_(std::move(path)), log_(log) {
        ::EnumThreadWindows(::GetCurrentThreadId(), &Remember, reinterpret_cast<LPARAM>(this));
        current_ = this;
        timer_ = ::SetTimer(nullptr, 0, kPollMs, &OnTimer);
    }
    ~DialogCatcher() {
        ::KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    DialogCatcher(const DialogCatcher&) = delete;
    DialogCatcher& operator=(const DialogCatcher&) = delete;

    bool Captured() const { return captured_; }

private:
    static BOOL CALLBACK Remember(HWND window, LPARAM self) {
        reinterpret_cast<DialogCatcher*>(self)->known_.insert(window);
        return TRUE;
    }

    static BOOL CALLBACK Look(HWND window, LPARAM self) {
        auto* catcher = reinterpret_cast<DialogCatcher*>(self);
        const auto style = ::GetWindowLongPtrW(window, GWL_STYLE);
        if (catcher->known_.count(window) == 0 && (style & WS_VISIBLE) != 0 &&
            (style & WS_CAPTION) == WS_CAPTION) {
            catcher->dialog_ = window;
            return FALSE;
        }
        return TRUE;
    }

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        if (current_ == nullptr)
            return;
        try {
            current_->Tick();
        } catch (const std::exception& error) {
            current_->log_.Line(std::string("capture failed: ") + error.what());
            current_->Close();
        }
    }

    void Tick() {
        ++ticks_;
        if (dialog_ == nullptr || !::IsWindow(dialog_)) {
            dialog_ = nullptr;
            ::EnumThreadWindows(::GetCurrentThreadId(), &Look, reinterpret_cast<LPARAM>(this));
            seen_ = 0;
            return;
        }
        if (++seen_ == kSettleTicks && !captured_) {
            WriteBmp(CaptureWholeWindow(dialog_), path_);
            captured_ = true;
            wchar_t title[256] = L"";
            ::GetWindowTextW(dialog_, title, 256);
            log_.Line("captured       \"" + WideToUtf8(title) + "\" -> " + path_);
            Close();
        } else if (ticks_ > kGiveUpTicks) {
            Close();
        }
    }

    void Close() {
        if (dialog_ != nullptr)
            ::PostMessageW(dialog_, WM_CLOSE, 0, 0);
    }

    static inline DialogCatcher* current_ = nullptr;
    std::string path_;
    Log& log_;
    std::set<HWND> known_;
    HWND dialog_ = nullptr;
    UINT_PTR timer_ = 0;
    int ticks_ = 0;
    int seen_ = 0;
    bool captured_ = false;
};

const ActionStep* FirstAction(const Document& document) {
    for (const auto& step : document.script)
        if (const auto* action = std::get_if<ActionStep>(&step))
            return action;
    return nullptr;
}

bool CaptureOne(const std::string& path, Log& log, const std::function<void()>& open) {
    DialogCatcher catcher(path, log);
    open();
    if (!catcher.Captured())
        log.Line("no dialog appeared for " + path);
    return catcher.Captured();
}

} // namespace

bool CaptureDialogs(HostSession& session, const Document& document, const std::string& folder,
                    Log& log) {
    std::filesystem::create_directories(
        std::filesystem::path(std::u8string(folder.begin(), folder.end())));
    bool complete = true;
    if (const ActionStep* action = FirstAction(document)) {
        complete &= CaptureOne(folder + "/properties.bmp", log, [&] {
            const auto edited = session.Edit(*action);
            log.Line("properties     line " + std::to_string(action->line) + " " + action->action +
                     " -> " + (edited ? "true" : "false"));
        });
    } else {
        log.Line("the document has no action line to open the properties dialog for");
        complete = false;
    }
    complete &= CaptureOne(folder + "/about.bmp", log, [&] {
        session.About();
        log.Line("about box      closed");
    });
    return complete;
}

} // namespace glimmerhost
