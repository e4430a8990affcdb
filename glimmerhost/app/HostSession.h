// The host's side of one document: loads the plug-in, registers it, lays out
// the page's objects and calls the plug-in's actions as the host would,
// logging each call, its result and every host variable it changes.
#pragma once

#include "Log.h"
#include "glimmerhost/document/Document.h"

#include "StandInHost.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace glimmerhost {

// One row the plug-in registered through AddAction (texts in UTF-8).
struct RegisteredRow {
    int32_t id = 0; // 0 heads a group
    std::string name;
    std::string description;
    std::vector<uint8_t> kinds;
};

class HostSession {
public:
    // Loads the plug-in at `plugInPath` and registers it. Throws
    // std::runtime_error naming the file when it cannot be loaded.
    HostSession(const std::wstring& plugInPath, Log& log);
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    const std::vector<RegisteredRow>& Rows() const { return rows_; }
    std::vector<std::string> ActionNames() const;

    // Creates the page's object windows and colours the page.
    void BuildPage(const Document& document);
    HWND PageWindow() const { return host_->HostWindow(); }

    // Runs one action through nbExecAction; answers its result.
    bool Execute(const ActionStep& step, int64_t elapsedMs);
    // Opens the action-properties dialog through nbEditAction. Answers the
    // edited parameters (UTF-8) when the author confirmed.
    std::optional<std::pair<std::string, std::string>> Edit(const ActionStep& step);
    void About();
    // Host message 2: the document closes.
    void CloseDocument();

    standin::StandInHost& Host() { return *host_; }

private:
    int32_t ActionId(const std::string& name) const;
    void LogRegistration(const standin::PlugInIdentity& identity);
    void LogVariableChanges();
    std::string ToHost(const std::string& text, int line);

    Log& log_;
    std::unique_ptr<standin::StandInHost> host_;
    std::vector<RegisteredRow> rows_;
    std::size_t variablesSeen_ = 0;
    HBRUSH pageBrush_ = nullptr;
};

// Time stamps of the log: seconds with milliseconds.
std::string FormatSeconds(int64_t milliseconds);

} // namespace glimmerhost
