// glimmerhost's window: the page on the left, the script's lines on the
// right, the action log below, and the menu of author commands.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace glimmerhost {

class MainWindow {
public:
    // What the window's commands and timer ask of the application. The
    // calls come from the window procedure, which catches what they throw.
    struct Events {
        virtual ~Events() = default;
        virtual void OnTick() = 0;
        virtual void OnRunAgain() = 0;
        virtual void OnEditLine(int scriptLine) = 0; // index into the script list
        virtual void OnSave() = 0;
        virtual void OnAbout() = 0;
        virtual void OnClose() = 0; // the window is asked to close
        virtual void OnFailure(const std::string& what) = 0;
    };

    MainWindow(Events& events, const std::wstring& title, int pageWidth, int pageHeight);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND Handle() const { return window_; }

    // Moves the host's page window into the page area.
    void AdoptPage(HWND page);
    void SetTitle(const std::wstring& title);
    void SetScriptLines(const std::vector<std::wstring>& lines);
    void ReplaceScriptLine(int index, const std::wstring& line);
    int SelectedScriptLine() const;
    void AppendLog(const std::wstring& line);

    void StartTicks(UINT milliseconds);
    void StopTicks();
    void Show();
    void Destroy();

    // Runs the thread's message loop until PostQuitMessage; answers its code.
    // The window never quits by itself: the application destroys it and quits.
    static int MessageLoop(HWND window, HACCEL accelerators);
    HACCEL Accelerators() const { return accelerators_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int notification);
    void Layout();

    Events& events_;
    int pageWidth_;
    int pageHeight_;
    HWND window_ = nullptr;
    HWND page_ = nullptr;
    HWND script_ = nullptr;
    HWND log_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HFONT font_ = nullptr;
};

} // namespace glimmerhost
