#include "HostSession.h"

#include "Text.h"
#include "glimmerhost/document/LineTokens.h"

#include <algorithm>
#include <cstdio>

namespace glimmerhost {
namespace {

constexpr int32_t kMessageCloseDocument = 2;

std::string KindName(uint8_t kind) {
    switch (kind) {
    case 1:
        return "text";
    case 6:
        return "variable";
    default:
        return "kind " + std::to_string(kind);
    }
}

// A registered text on one log line: line ends shown as \n.
std::string OneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n')
            line += "\\n";
        else if (c != '\r')
            line += c;
    }
    return line;
}

// Handed over as the script processor and the stream access, which this
// plug-in never calls.
int32_t __stdcall UnusedHostFunction() {
    return 0;
}

} // namespace

std::string FormatSeconds(int64_t milliseconds) {
    char text[32];
    std::snprintf(text, sizeof(text), "%4lld.%03llds", static_cast<long long>(milliseconds / 1000),
                  static_cast<long long>(milliseconds % 1000));
    return text;
}

HostSession::HostSession(const std::wstring& plugInPath, Log& log) : log_(log) {
    host_ = std::make_unique<standin::StandInHost>(plugInPath);
    log_.Line("plug-in file   " + WideToUtf8(plugInPath) + " (texts in code page " +
              std::to_string(HostCodePage()) + ")");
    const standin::PlugInIdentity identity = host_->InitPlugIn();
    host_->RegisterPlugIn();
    host_->RegisterInterfaceAccess();
    // The plug-in stores these two and never calls them.
    host_->Entries().nbRegisterScriptProcessor(reinterpret_cast<void*>(&UnusedHostFunction));
    host_->Entries().nbRegisterStreamAccess(reinterpret_cast<void*>(&UnusedHostFunction));
    for (const auto& call : host_->addActionCalls)
        rows_.push_back(RegisteredRow{call.id, HostToUtf8(call.name), HostToUtf8(call.description),
                                      call.kinds});
    LogRegistration(identity);
    LogVariableChanges();
}

HostSession::~HostSession() {
    host_.reset();
    if (pageBrush_ != nullptr)
        ::DeleteObject(pageBrush_);
}

void HostSession::LogRegistration(const standin::PlugInIdentity& identity) {
    log_.Line("plug-in        " + HostToUtf8(identity.title) + " | " +
              HostToUtf8(identity.publisher) + " | " + OneLine(HostToUtf8(identity.hint)));
    for (const auto& row : rows_) {
        if (row.id == 0) {
            log_.Line("group          " + row.name + ": " + OneLine(row.description));
            continue;
        }
        std::string kinds;
        for (uint8_t kind : row.kinds)
            kinds += (kinds.empty() ? "" : ", ") + KindName(kind);
        char id[16];
        std::snprintf(id, sizeof(id), "%-4d", static_cast<int>(row.id));
        log_.Line("  action " + std::string(id) + "   " + row.name + " (" + kinds +
                  "): " + OneLine(row.description));
    }
}

std::vector<std::string> HostSession::ActionNames() const {
    std::vector<std::string> names;
    for (const auto& row : rows_)
        if (row.id != 0)
            names.push_back(row.name);
    return names;
}

int32_t HostSession::ActionId(const std::string& name) const {
    const auto row = std::find_if(rows_.begin(), rows_.end(), [&](const RegisteredRow& r) {
        return r.id != 0 && r.name == name;
    });
    return row != rows_.end() ? row->id : 0;
}

std::string HostSession::ToHost(const std::string& text, int line) {
    bool lossy = false;
    std::string host = Utf8ToHost(text, &lossy);
    if (lossy)
        log_.Line("warning        line " + std::to_string(line) + ": " + Quote(text) +
                  " has characters that code page " + std::to_string(HostCodePage()) +
                  " lacks; the plug-in receives " + Quote(HostToUtf8(host)));
    return host;
}

void HostSession::BuildPage(const Document& document) {
    const auto& background = document.page.background;
    pageBrush_ = ::CreateSolidBrush(RGB(background.red, background.green, background.blue));
    // The page window is the host's only window of its class.
    ::SetClassLongPtrW(PageWindow(), GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(pageBrush_));
    for (const auto& object : document.objects)
        host_->AddObject(ToHost(object.name, object.line), object.x, object.y, object.width,
                         object.height, RGB(object.fill.red, object.fill.green, object.fill.blue));
    ::InvalidateRect(PageWindow(), nullptr, TRUE);
}

bool HostSession::Execute(const ActionStep& step, int64_t elapsedMs) {
    const std::string call = FormatSeconds(elapsedMs) + "  line " + std::to_string(step.line) +
                             "  " + FormatActionLine(step);
    const int32_t id = ActionId(step.action);
    const bool result =
        host_->ExecAction(id, ToHost(step.objectName, step.line), ToHost(step.value, step.line));
    log_.Line(call + " -> " + (result ? "true" : "false"));
    LogVariableChanges();
    return result;
}

std::optional<std::pair<std::string, std::string>> HostSession::Edit(const ActionStep& step) {
    std::string objectName = ToHost(step.objectName, step.line);
    std::string value = ToHost(step.value, step.line);
    const bool confirmed = host_->EditAction(ActionId(step.action), objectName, value);
    LogVariableChanges();
    if (!confirmed)
        return std::nullopt;
    return std::make_pair(HostToUtf8(objectName), HostToUtf8(value));
}

void HostSession::About() {
    host_->About();
    LogVariableChanges();
}

void HostSession::CloseDocument() {
    host_->Message(kMessageCloseDocument);
    log_.Line("document closed (host message 2)");
    LogVariableChanges();
}

void HostSession::LogVariableChanges() {
    const auto& calls = host_->setVariableCalls;
    for (; variablesSeen_ < calls.size(); ++variablesSeen_) {
        const auto& call = calls[variablesSeen_];
        log_.Line("                 set " + HostToUtf8(call.name) + " = " +
                  Quote(HostToUtf8(call.value)));
    }
}

} // namespace glimmerhost
