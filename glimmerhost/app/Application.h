// glimmerhost: opens a document, loads the plug-in the way the host does,
// shows the page and plays the script, live or without a person.
#pragma once

#include "HostSession.h"
#include "Log.h"
#include "MainWindow.h"
#include "Options.h"
#include "Player.h"

#include <memory>

namespace glimmerhost {

// Exit codes.
enum ExitCode : int {
    ExitOk = 0,
    ExitBadInput = 1, // document, plug-in file or folder that cannot be used
    ExitUsage = 2,
    ExitFailure = 3, // something failed while running
    ExitTimedOut = 4,
};

class Application : public MainWindow::Events {
public:
    Application(Options options, Document document);
    ~Application() override;

    // Loads the plug-in, runs until the window closes or the headless run
    // ends; answers the exit code. Throws for input that cannot be used.
    int Run();

private:
    void OnTick() override;
    void OnRunAgain() override;
    void OnEditLine(int scriptLine) override;
    void OnSave() override;
    void OnAbout() override;
    void OnClose() override;
    void OnFailure(const std::string& what) override;

    void LoadPlugIn();
    // Shows the page with its objects, the script and the log; the object
    // picker of the host lists the page's objects.
    void OpenWindow();
    std::wstring Title() const;
    std::vector<std::wstring> ScriptLines() const;
    void Quit(int exitCode);

    Options options_;
    Document document_;
    Log log_;
    std::unique_ptr<MainWindow> window_;
    std::unique_ptr<HostSession> session_;
    std::unique_ptr<Player> player_;
    std::unique_ptr<FrameRecorder> recorder_;
    int64_t durationMs_ = 0;
    bool modified_ = false;
    bool closing_ = false;
};

// The plug-in file the options name: --plugin, or the edition's file beside
// the program.
std::wstring PlugInPathFor(const Options& options);

} // namespace glimmerhost
