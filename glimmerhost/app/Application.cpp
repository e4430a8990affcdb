#include "Application.h"

#include "DialogScreenshots.h"
#include "ObjectPicker.h"
#include "Text.h"
#include "glimmerhost/document/LineTokens.h"

#include <filesystem>
#include <variant>

namespace glimmerhost {
namespace {

constexpr UINT kTickMs = 10;
constexpr int64_t kExtraFramesMs = 1000; // frames go on this long after the script

std::wstring ProgramFolder() {
    wchar_t path[MAX_PATH * 4] = L"";
    const DWORD length = ::GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    return std::filesystem::path(std::wstring(path, length)).parent_path().wstring();
}

std::string FileName(const std::string& path) {
    return WideToUtf8(std::filesystem::path(Utf8ToWide(path)).filename().wstring());
}

std::wstring StepText(const Step& step) {
    if (const auto* action = std::get_if<ActionStep>(&step))
        return Utf8ToWide(std::to_string(action->line) + ":  " + FormatActionLine(*action));
    const auto& wait = std::get<WaitStep>(step);
    return Utf8ToWide(std::to_string(wait.line) + ":  wait " + std::to_string(wait.milliseconds));
}

} // namespace

std::wstring PlugInPathFor(const Options& options) {
    if (!options.plugInPath.empty())
        return Utf8ToWide(options.plugInPath);
    return ProgramFolder() + L"\\" + Utf8ToWide(options.edition) + L"\\Glimmerbox.nbp";
}

Application::Application(Options options, Document document)
    : options_(std::move(options)), document_(std::move(document)) {}

Application::~Application() {
    player_.reset();
    session_.reset();
    window_.reset();
}

void Application::LoadPlugIn() {
    const std::wstring path = PlugInPathFor(options_);
    if (!std::filesystem::exists(std::filesystem::path(path)))
        throw DocumentError(WideToUtf8(path), 0,
                            "no plug-in file here (build it, or name one with --plugin)");
    try {
        session_ = std::make_unique<HostSession>(path, log_);
    } catch (const DocumentError&) {
        throw;
    } catch (const std::exception& error) {
        throw DocumentError(WideToUtf8(path), 0,
                            std::string("not usable as a plug-in: ") + error.what());
    }
    CheckActions(document_, session_->ActionNames());
}

void Application::OpenWindow() {
    window_ =
        std::make_unique<MainWindow>(*this, Title(), document_.page.width, document_.page.height);
    for (const auto& line : log_.Lines())
        window_->AppendLog(Utf8ToWide(line));
    log_.AddSink([this](const std::string& line) {
        if (window_ != nullptr)
            window_->AppendLog(Utf8ToWide(line));
    });
    session_->BuildPage(document_);
    window_->AdoptPage(session_->PageWindow());
    window_->SetScriptLines(ScriptLines());
    session_->Host().pickObject = [this](const std::string& soFar) -> std::optional<std::string> {
        std::vector<std::wstring> names;
        for (const auto& object : document_.objects)
            names.push_back(Utf8ToWide(object.name));
        const auto choice = PickObject(::GetActiveWindow(), names, Utf8ToWide(HostToUtf8(soFar)));
        log_.Line("object picker  " + Quote(HostToUtf8(soFar)) + " -> " +
                  (choice ? Quote(WideToUtf8(*choice)) : std::string("cancelled")));
        if (!choice)
            return std::nullopt;
        return Utf8ToHost(WideToUtf8(*choice));
    };
    window_->Show();
    standin::StandInHost::PumpMessages(100);
}

int Application::Run() {
    log_.Line("document       " + document_.path + " (page " +
              std::to_string(document_.page.width) + " x " + std::to_string(document_.page.height) +
              ", " + std::to_string(document_.objects.size()) + " objects, " +
              std::to_string(document_.script.size()) + " script lines)");
    LoadPlugIn();

    OpenWindow();

    if (!options_.dialogsDir.empty()) {
        const bool complete = CaptureDialogs(*session_, document_, options_.dialogsDir, log_);
        session_->CloseDocument();
        return complete ? ExitOk : ExitFailure;
    }

    player_ = std::make_unique<Player>(*session_, document_, log_);
    if (options_.Headless()) {
        durationMs_ = options_.durationMs.value_or(player_->ScriptLength() + kExtraFramesMs);
        if (!options_.framesDir.empty())
            recorder_ = std::make_unique<FrameRecorder>(session_->PageWindow(), options_.framesDir,
                                                        options_.fps, durationMs_);
    }
    player_->Start();
    window_->StartTicks(kTickMs);
    OnTick();
    return MainWindow::MessageLoop(window_->Handle(), window_->Accelerators());
}

void Application::OnTick() {
    if (player_ == nullptr || closing_)
        return;
    player_->Advance();
    const int64_t elapsed = player_->Elapsed();
    if (recorder_ != nullptr)
        recorder_->Advance(elapsed);
    if (options_.Headless()) {
        if (elapsed >= durationMs_ && (recorder_ == nullptr || recorder_->Finished())) {
            if (!player_->Finished())
                log_.Line(FormatSeconds(elapsed) + "  the run ends before the script does (" +
                          std::to_string(durationMs_) + " ms)");
            if (recorder_ != nullptr)
                log_.Line(FormatSeconds(elapsed) + "  wrote " +
                          std::to_string(recorder_->Written()) + " frames to " +
                          recorder_->Folder());
            OnClose();
        }
    } else if (player_->Finished()) {
        window_->StopTicks(); // the displays go on with their own timers
    }
}

void Application::OnRunAgain() {
    if (session_ == nullptr || player_ == nullptr)
        return;
    session_->CloseDocument();
    player_->Start();
    window_->StartTicks(kTickMs);
}

void Application::OnEditLine(int scriptLine) {
    if (scriptLine < 0 || static_cast<std::size_t>(scriptLine) >= document_.script.size())
        return;
    const auto index = static_cast<std::size_t>(scriptLine);
    const auto* action = std::get_if<ActionStep>(&document_.script[index]);
    if (action == nullptr) {
        log_.Line("edit           line " +
                  std::to_string(std::get<WaitStep>(document_.script[index]).line) +
                  " is a wait, not an action line");
        return;
    }
    const int line = action->line;
    const auto edited = session_->Edit(*action);
    if (!edited) {
        log_.Line("edit           line " + std::to_string(line) + " -> false (unchanged)");
        return;
    }
    SetActionParameters(document_, index, edited->first, edited->second);
    modified_ = true;
    log_.Line("edit           line " + std::to_string(line) +
              " -> true: " + FormatActionLine(std::get<ActionStep>(document_.script[index])));
    if (FindObject(document_, edited->first) == nullptr)
        log_.Line("warning        line " + std::to_string(line) + ": the page has no object " +
                  Quote(edited->first));
    window_->ReplaceScriptLine(scriptLine, StepText(document_.script[index]));
    window_->SetTitle(Title());
}

void Application::OnSave() {
    SaveDocument(document_, document_.path);
    modified_ = false;
    log_.Line("saved          " + document_.path);
    window_->SetTitle(Title());
}

void Application::OnAbout() {
    session_->About();
}

void Application::OnClose() {
    if (closing_)
        return;
    if (modified_ && !options_.Headless()) {
        const int answer =
            ::MessageBoxW(window_->Handle(), L"The script was edited. Save the document?",
                          L"glimmerhost", MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES)
            OnSave();
    }
    Quit(ExitOk);
}

void Application::OnFailure(const std::string& what) {
    log_.Line("failure        " + what);
    ErrorLine("glimmerhost: " + what);
    if (options_.Headless())
        Quit(ExitFailure);
}

void Application::Quit(int exitCode) {
    if (closing_)
        return;
    closing_ = true;
    window_->StopTicks();
    if (session_ != nullptr)
        session_->CloseDocument();
    player_.reset();
    recorder_.reset();
    session_.reset(); // unloads the plug-in and destroys the page
    window_->Destroy();
    ::PostQuitMessage(exitCode);
}

std::wstring Application::Title() const {
    std::string title = modified_ ? "*" : "";
    title.append(FileName(document_.path));
    title.append(" - glimmerhost (");
    title.append(options_.plugInPath.empty() ? options_.edition + " edition"
                                             : FileName(options_.plugInPath));
    title.append(")");
    return Utf8ToWide(title);
}

std::vector<std::wstring> Application::ScriptLines() const {
    std::vector<std::wstring> lines;
    for (const auto& step : document_.script)
        lines.push_back(StepText(step));
    return lines;
}

} // namespace glimmerhost
