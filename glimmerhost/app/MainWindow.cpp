#include "MainWindow.h"

#include <stdexcept>

namespace glimmerhost {
namespace {

constexpr wchar_t kFrameClass[] = L"GlimmerhostMainWindow";
constexpr UINT_PTR kTickTimer = 1;
constexpr int kMargin = 8;
constexpr int kScriptWidth = 380;
constexpr int kLogHeight = 220;

enum Command : int {
    CommandRun = 1001,
    CommandEdit,
    CommandSave,
    CommandExit,
    CommandAbout,
    CommandScriptList,
    CommandLog,
};

HMENU BuildMenu() {
    HMENU document = ::CreatePopupMenu();
    ::AppendMenuW(document, MF_STRING, CommandRun, L"&Run again\tF5");
    ::AppendMenuW(document, MF_STRING, CommandEdit, L"&Edit action line...\tF2");
    ::AppendMenuW(document, MF_STRING, CommandSave, L"&Save\tCtrl+S");
    ::AppendMenuW(document, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(document, MF_STRING, CommandExit, L"E&xit");
    HMENU plugIn = ::CreatePopupMenu();
    ::AppendMenuW(plugIn, MF_STRING, CommandAbout, L"&About...\tF1");
    HMENU bar = ::CreateMenu();
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(document), L"&Document");
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(plugIn), L"&Plug-in");
    return bar;
}

HACCEL BuildAccelerators() {
    ACCEL keys[] = {
        {FVIRTKEY, VK_F5, CommandRun},
        {FVIRTKEY, VK_F2, CommandEdit},
        {FVIRTKEY | FCONTROL, 'S', CommandSave},
        {FVIRTKEY, VK_F1, CommandAbout},
    };
    return ::CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

void RegisterFrameClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW frame{};
    frame.cbSize = sizeof(frame);
    frame.lpfnWndProc = procedure;
    frame.cbWndExtra = sizeof(LONG_PTR);
    frame.hInstance = instance;
    frame.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    frame.hIcon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
    frame.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frame.lpszClassName = kFrameClass;
    if (::RegisterClassExW(&frame) == 0 && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("cannot register the main window class");
}

} // namespace

MainWindow::MainWindow(Events& events, const std::wstring& title, int pageWidth, int pageHeight)
    : events_(events), pageWidth_(pageWidth), pageHeight_(pageHeight) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    RegisterFrameClass(instance, &MainWindow::WindowProc);
    RECT frame{0, 0, kMargin * 3 + pageWidth + kScriptWidth,
               kMargin * 3 + std::max(pageHeight, 120) + kLogHeight};
    constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    ::AdjustWindowRectEx(&frame, kStyle, TRUE, 0);
    window_ =
        ::CreateWindowExW(0, kFrameClass, title.c_str(), kStyle, 20, 20, frame.right - frame.left,
                          frame.bottom - frame.top, nullptr, BuildMenu(), instance, this);
    if (window_ == nullptr)
        throw std::runtime_error("cannot create the main window");
    accelerators_ = BuildAccelerators();
    font_ = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    script_ = ::CreateWindowExW(
        WS_EX_CLIENTEDGE, L"LISTBOX", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0,
        10, 10, window_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(CommandScriptList)), instance,
        nullptr);
    log_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                             WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                 ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                             0, 0, 10, 10, window_,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(CommandLog)), instance,
                             nullptr);
    for (HWND child : {script_, log_})
        ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    ::SendMessageW(log_, EM_SETLIMITTEXT, 0, 0);
    ::SendMessageW(script_, LB_SETHORIZONTALEXTENT, 1200, 0);
    Layout();
}

MainWindow::~MainWindow() {
    Destroy();
    if (accelerators_ != nullptr)
        ::DestroyAcceleratorTable(accelerators_);
}

void MainWindow::Destroy() {
    if (window_ != nullptr) {
        ::SetWindowLongPtrW(window_, 0, 0);
        ::DestroyWindow(window_);
        window_ = nullptr;
    }
}

void MainWindow::AdoptPage(HWND page) {
    page_ = page;
    // The host's page becomes a child of this window.
    ::SetWindowLongPtrW(page, GWL_STYLE, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER);
    ::SetParent(page, window_);
    Layout();
    ::SetWindowPos(page, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_FRAMECHANGED);
}

void MainWindow::Layout() {
    if (window_ == nullptr)
        return;
    RECT client;
    ::GetClientRect(window_, &client);
    const int topHeight = std::max(pageHeight_, 120);
    if (page_ != nullptr) {
        // The page's client area is exactly the document's page size.
        RECT outer{0, 0, pageWidth_, pageHeight_};
        ::AdjustWindowRectEx(&outer, WS_CHILD | WS_BORDER, FALSE, 0);
        ::MoveWindow(page_, kMargin, kMargin, outer.right - outer.left, outer.bottom - outer.top,
                     TRUE);
    }
    const int scriptLeft = kMargin * 2 + pageWidth_;
    ::MoveWindow(script_, scriptLeft, kMargin,
                 std::max<int>(client.right - scriptLeft - kMargin, 40), topHeight, TRUE);
    const int logTop = kMargin * 2 + topHeight;
    ::MoveWindow(log_, kMargin, logTop, std::max<int>(client.right - 2 * kMargin, 40),
                 std::max<int>(client.bottom - logTop - kMargin, 40), TRUE);
}

void MainWindow::SetTitle(const std::wstring& title) {
    ::SetWindowTextW(window_, title.c_str());
}

void MainWindow::SetScriptLines(const std::vector<std::wstring>& lines) {
    ::SendMessageW(script_, LB_RESETCONTENT, 0, 0);
    for (const auto& line : lines)
        ::SendMessageW(script_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void MainWindow::ReplaceScriptLine(int index, const std::wstring& line) {
    ::SendMessageW(script_, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
    ::SendMessageW(script_, LB_INSERTSTRING, static_cast<WPARAM>(index),
                   reinterpret_cast<LPARAM>(line.c_str()));
    ::SendMessageW(script_, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int MainWindow::SelectedScriptLine() const {
    return static_cast<int>(::SendMessageW(script_, LB_GETCURSEL, 0, 0));
}

void MainWindow::AppendLog(const std::wstring& line) {
    const auto end = static_cast<WPARAM>(::GetWindowTextLengthW(log_));
    ::SendMessageW(log_, EM_SETSEL, end, static_cast<LPARAM>(end));
    const std::wstring text = (end == 0 ? L"" : L"\r\n") + line;
    ::SendMessageW(log_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void MainWindow::StartTicks(UINT milliseconds) {
    ::SetTimer(window_, kTickTimer, milliseconds, nullptr);
}
void MainWindow::StopTicks() {
    ::KillTimer(window_, kTickTimer);
}

void MainWindow::Show() {
    ::ShowWindow(window_, SW_SHOW);
    ::UpdateWindow(window_);
    ::SetForegroundWindow(window_);
}

int MainWindow::MessageLoop(HWND window, HACCEL accelerators) {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (::IsWindow(window) && ::TranslateAcceleratorW(window, accelerators, &message))
            continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        ::SetWindowLongPtrW(
            window, 0,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, 0));
    if (self == nullptr)
        return ::DefWindowProcW(window, message, wParam, lParam);
    if (self->window_ == nullptr)
        self->window_ = window; // messages arrive before CreateWindowExW returns
    try {
        return self->Handle(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->events_.OnFailure(error.what());
    } catch (...) {
        self->events_.OnFailure("unknown failure");
    }
    return 0;
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kTickTimer)
            events_.OnTick();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_SIZE:
        Layout();
        return 0;
    case WM_CLOSE:
        events_.OnClose();
        return 0;
    default:
        return ::DefWindowProcW(window_, message, wParam, lParam);
    }
}

void MainWindow::OnCommand(int id, int notification) {
    switch (id) {
    case CommandRun:
        events_.OnRunAgain();
        break;
    case CommandEdit:
        events_.OnEditLine(SelectedScriptLine());
        break;
    case CommandScriptList:
        if (notification == LBN_DBLCLK)
            events_.OnEditLine(SelectedScriptLine());
        break;
    case CommandSave:
        events_.OnSave();
        break;
    case CommandAbout:
        events_.OnAbout();
        break;
    case CommandExit:
        events_.OnClose();
        break;
    default:
        break;
    }
}

} // namespace glimmerhost
