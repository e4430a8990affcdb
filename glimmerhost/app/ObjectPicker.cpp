#include "ObjectPicker.h"

namespace glimmerhost {
namespace {

constexpr wchar_t kPickerClass[] = L"GlimmerhostObjectPicker";
constexpr int kListId = 100;
constexpr int kWidth = 260;
constexpr int kHeight = 240;

struct PickerState {
    HWND list = nullptr;
    bool done = false;
    std::optional<std::wstring> choice;
};

PickerState* StateOf(HWND window) {
    return reinterpret_cast<PickerState*>(::GetWindowLongPtrW(window, 0));
}

void Finish(HWND window, bool confirmed) {
    PickerState* state = StateOf(window);
    if (state == nullptr || state->done)
        return;
    if (confirmed) {
        const auto index = ::SendMessageW(state->list, LB_GETCURSEL, 0, 0);
        if (index == LB_ERR)
            return; // nothing chosen yet: OK does nothing
        std::wstring name(
            static_cast<std::size_t>(::SendMessageW(state->list, LB_GETTEXTLEN, index, 0)), L'\0');
        ::SendMessageW(state->list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(name.data()));
        state->choice = name;
    }
    state->done = true;
}

LRESULT OnCommand(HWND window, WPARAM wParam) {
    const int id = LOWORD(wParam);
    if (id == IDOK || (id == kListId && HIWORD(wParam) == LBN_DBLCLK))
        Finish(window, true);
    else if (id == IDCANCEL)
        Finish(window, false);
    return 0;
}

LRESULT CALLBACK PickerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        switch (message) {
        case WM_NCCREATE:
            ::SetWindowLongPtrW(window, 0,
                                reinterpret_cast<LONG_PTR>(
                                    reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
            break;
        case WM_COMMAND:
            return OnCommand(window, wParam);
        case WM_CLOSE:
            Finish(window, false);
            return 0;
        default:
            break;
        }
    } catch (...) {
        Finish(window, false);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterPickerClass(HINSTANCE instance) {
    WNDCLASSEXW picker{};
    picker.cbSize = sizeof(picker);
    picker.lpfnWndProc = &PickerProc;
    picker.cbWndExtra = sizeof(LONG_PTR);
    picker.hInstance = instance;
    picker.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    picker.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    picker.lpszClassName = kPickerClass;
    return ::RegisterClassExW(&picker) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateChild(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y,
                 int width, int height, int id, DWORD exStyle = 0) {
    HWND child = ::CreateWindowExW(
        exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   FALSE);
    return child;
}

// Re-enables the owner whatever way the modal run ends.
class DisabledOwner {
public:
    explicit DisabledOwner(HWND owner) : owner_(owner) {
        if (owner_ != nullptr)
            ::EnableWindow(owner_, FALSE);
    }
    ~DisabledOwner() {
        if (owner_ != nullptr) {
            ::EnableWindow(owner_, TRUE);
            ::SetActiveWindow(owner_);
        }
    }
    DisabledOwner(const DisabledOwner&) = delete;
    DisabledOwner& operator=(const DisabledOwner&) = delete;

private:
    HWND owner_;
};

bool SameName(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

} // namespace

std::optional<std::wstring> PickObject(HWND owner, const std::vector<std::wstring>& names,
                                       const std::wstring& current) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    if (!RegisterPickerClass(instance))
        return std::nullopt;
    PickerState state;
    RECT ownerRect{0, 0, 0, 0};
    if (owner != nullptr)
        ::GetWindowRect(owner, &ownerRect);
    HWND picker = ::CreateWindowExW(
        WS_EX_DLGMODALFRAME, kPickerClass, L"Select an Object", WS_POPUP | WS_CAPTION | WS_SYSMENU,
        ownerRect.left + 40, ownerRect.top + 40, kWidth, kHeight, owner, nullptr, instance, &state);
    if (picker == nullptr)
        return std::nullopt;
    RECT client;
    ::GetClientRect(picker, &client);
    state.list =
        CreateChild(picker, L"LISTBOX", L"", WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 8, 8,
                    client.right - 16, client.bottom - 52, kListId);
    CreateChild(picker, L"BUTTON", L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, client.right - 168,
                client.bottom - 36, 76, 26, IDOK);
    CreateChild(picker, L"BUTTON", L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, client.right - 84,
                client.bottom - 36, 76, 26, IDCANCEL);
    for (std::size_t i = 0; i < names.size(); ++i) {
        ::SendMessageW(state.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names[i].c_str()));
        if (SameName(names[i], current))
            ::SendMessageW(state.list, LB_SETCURSEL, i, 0);
    }
    {
        DisabledOwner disabled(owner);
        ::ShowWindow(picker, SW_SHOW);
        ::SetFocus(state.list);
        MSG message;
        while (!state.done) {
            const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
            if (got == 0) {
                ::PostQuitMessage(static_cast<int>(message.wParam)); // for the outer loop
                break;
            }
            if (got < 0)
                break;
            if (!::IsDialogMessageW(picker, &message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
    }
    ::DestroyWindow(picker);
    return state.choice;
}

} // namespace glimmerhost
