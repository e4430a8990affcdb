#include "Form.h"

#include "TaskWindows.h"
#include "TextCodec.h"
#include "platform/Exceptions.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace glimmerbox::forms {

void DestroyFormWindow(HWND window) noexcept {
    ::SetWindowLongPtrW(window, DWLP_USER, 0);
    ::DestroyWindow(window);
}

namespace {

constexpr int kFirstComponentId = 100;

// A dialog template without controls: the form's components are created
// from its layout, in pixels, once the window exists.
struct alignas(4) EmptyDialogTemplate {
    DLGTEMPLATE header;
    WORD menu;
    WORD windowClass;
    WORD title;
};

[[noreturn]] void ThrowNoWindow(const std::string& what) {
    throw EOutOfResources("Cannot create the window of " + what);
}

BYTE CharsetOf(UINT codePage) {
    CHARSETINFO info{};
    if (codePage != CP_ACP &&
        ::TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<UINT_PTR>(codePage)), &info,
                               TCI_SRCCODEPAGE))
        return static_cast<BYTE>(info.ciCharset);
    return DEFAULT_CHARSET;
}

bool IsWindowed(ComponentKind kind) {
    return kind != ComponentKind::Image && kind != ComponentKind::Shape;
}

bool IsClickable(ComponentKind kind) {
    return kind == ComponentKind::Button || kind == ComponentKind::SpeedButton;
}

// The character after the text's single "&" ("&&" stands for "&"); 0 if none.
wchar_t AcceleratorOf(const std::wstring& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] != L'&')
            return text[i + 1];
        ++i;
    }
    return 0;
}

bool SameLetter(wchar_t a, wchar_t b) {
    wchar_t pair[2] = {a, b};
    ::CharUpperBuffW(pair, 2);
    return pair[0] == pair[1];
}

} // namespace

std::wstring Component::Text() const {
    if (window_ == nullptr)
        return {};
    const int length = ::GetWindowTextLengthW(window_);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window_, text.data(), length + 1);
    text.resize(static_cast<size_t>(std::max(copied, 0)));
    return text;
}

void Component::SetText(std::wstring_view text) {
    if (window_ != nullptr)
        ::SetWindowTextW(window_, std::wstring(text).c_str());
}

TForm::TForm(const FormLayout& layout, HWND parent, HINSTANCE instance)
    : layout_(layout), instance_(instance), parent_(parent) {
    const auto hasSpeedButton = std::any_of(
        layout.components.begin(), layout.components.end(),
        [](const ComponentLayout& item) { return item.kind == ComponentKind::SpeedButton; });
    if (hasSpeedButton)
        speedButtonClass_.emplace(instance);
    background_.reset(::CreateSolidBrush(layout.colour.Resolve()));
    if (!background_)
        throw EOutOfResources("Cannot create the form's brush");

    CreateFormWindow(parent);
    PlaceFormWindow();
    CreateComponents();
    SetCaption(WidenText(layout.title, layout.codePage));
}

TForm::~TForm() = default;

Component& TForm::FindComponent(std::string_view name) {
    for (Component& component : components_)
        if (name == component.Name())
            return component;
    throw Exception("Component " + std::string(name) + " not found");
}

void TForm::SetCaption(std::wstring_view caption) {
    ::SetWindowTextW(Handle(), std::wstring(caption).c_str());
}

void TForm::CreateFormWindow(HWND parent) {
    EmptyDialogTemplate dialogTemplate{};
    dialogTemplate.header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    HWND created = ::CreateDialogIndirectParamW(instance_, &dialogTemplate.header, parent,
                                                &TForm::DialogProc, reinterpret_cast<LPARAM>(this));
    if (created == nullptr)
        ThrowNoWindow("the form");
    window_.reset(created);
}

// Gives the form exactly the layout's client size and centres it on the screen.
void TForm::PlaceFormWindow() {
    HWND window = Handle();
    RECT frame{0, 0, layout_.clientWidth, layout_.clientHeight};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE)));
    int width = frame.right - frame.left;
    int height = frame.bottom - frame.top;
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    ::SetWindowPos(window, nullptr, 0, 0, width, height, flags | SWP_NOMOVE);

    // Correct for a frame that differs from what AdjustWindowRectEx predicted.
    RECT client{};
    ::GetClientRect(window, &client);
    width += layout_.clientWidth - client.right;
    height += layout_.clientHeight - client.bottom;
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    ::SetWindowPos(window, nullptr, left, top, width, height, flags);
}

HFONT TForm::FontFor(const FontStyle& style) {
    const int height = style.height > 0 ? style.height : layout_.fontHeight;
    for (const FontEntry& entry : fonts_)
        if (entry.style.height == height && entry.style.bold == style.bold)
            return entry.font.get();
    const std::wstring face = WidenText(layout_.fontName, CP_ACP);
    UniqueFont font(::CreateFontW(-height, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                  FALSE, CharsetOf(layout_.codePage), OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                  face.c_str()));
    if (!font)
        throw EOutOfResources("Cannot create the font " + std::string(layout_.fontName));
    fonts_.push_back({{height, style.bold}, std::move(font)});
    return fonts_.back().font.get();
}

RECT TForm::LayoutBounds(const ComponentLayout& item, const Picture* picture) {
    if (item.dock == Dock::Bottom)
        return {0, layout_.clientHeight - item.height, layout_.clientWidth, layout_.clientHeight};
    RECT bounds{item.left, item.top, item.left + item.width, item.top + item.height};
    if (!item.autoSize)
        return bounds;
    if (picture != nullptr) {
        bounds.right = bounds.left + picture->Size().cx;
        bounds.bottom = bounds.top + picture->Size().cy;
    } else if (item.kind == ComponentKind::Label) {
        const std::wstring text = WidenText(item.text, layout_.codePage);
        ScreenDC screen;
        SelectGuard font(screen.Get(), FontFor(item.font));
        RECT measured{0, 0, item.width, 0};
        const UINT format = DT_CALCRECT | (item.wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
        ::DrawTextW(screen.Get(), text.c_str(), static_cast<int>(text.size()), &measured, format);
        bounds.right = bounds.left + measured.right;
        bounds.bottom = bounds.top + measured.bottom;
    }
    return bounds;
}

void TForm::CreateComponents() {
    components_.reserve(layout_.components.size());
    int id = kFirstComponentId;
    for (const ComponentLayout& item : layout_.components)
        components_.emplace_back(item, id++);

    for (Component& component : components_) {
        const ComponentLayout& item = component.Layout();
        if (item.picture.kind != PictureKind::None) {
            // A picture is decoration: a form whose picture cannot be loaded
            // (no memory for it, say) still opens, with the place left empty.
            try {
                component.picture_.emplace(Picture::Load(instance_, item.picture));
            } catch (const Exception&) {
                component.picture_.reset();
            }
        }
        component.bounds_ = LayoutBounds(item, component.picture_ ? &*component.picture_ : nullptr);
        if (IsWindowed(item.kind))
            CreateComponentWindow(component);
    }
    ArrangeTabOrder();
    for (const Component& component : components_)
        if (component.Layout().hint != nullptr)
            AddTooltip(component);
    if (const Component* defaultButton = ComponentWithRole(RoleDefault))
        ::SendMessageW(Handle(), DM_SETDEFID, static_cast<WPARAM>(defaultButton->Id()), 0);
}

void TForm::CreateComponentWindow(Component& component) {
    const ComponentLayout& item = component.Layout();
    const RECT& bounds = component.bounds_;
    const std::wstring text = WidenText(item.text, layout_.codePage);
    DWORD style = WS_CHILD | WS_VISIBLE | WS_GROUP;
    DWORD extendedStyle = 0;
    const wchar_t* windowClass = nullptr;
    switch (item.kind) {
    case ComponentKind::Label:
        windowClass = L"STATIC";
        style |= item.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
        break;
    case ComponentKind::Edit:
        windowClass = L"EDIT";
        style |= WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;
        extendedStyle = WS_EX_CLIENTEDGE;
        break;
    case ComponentKind::Button:
        windowClass = L"BUTTON";
        style |= WS_TABSTOP | ((item.role & RoleDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        break;
    case ComponentKind::SpeedButton: {
        const std::wstring name =
            WidenText(item.hint != nullptr ? item.hint : item.text, layout_.codePage);
        component.window_ =
            CreateSpeedButton(instance_, Handle(), component.Id(), bounds, name.c_str(),
                              component.picture_ ? &*component.picture_ : nullptr);
        break;
    }
    case ComponentKind::Image:
    case ComponentKind::Shape:
        return;
    }
    if (windowClass != nullptr)
        component.window_ = ::CreateWindowExW(
            extendedStyle, windowClass, text.c_str(), style, bounds.left, bounds.top,
            bounds.right - bounds.left, bounds.bottom - bounds.top, Handle(),
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(component.Id())), instance_, nullptr);
    if (component.window_ == nullptr)
        ThrowNoWindow(item.name);
    ::SendMessageW(component.window_, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(item.font)),
                   FALSE);
}

// The dialog manager walks the windows in z-order for Tab and for label
// accelerators (which focus the next tab stop after the label), so the
// windows are stacked in tab order, each label just above its control.
void TForm::ArrangeTabOrder() {
    std::vector<const Component*> tabStops;
    for (const Component& component : components_)
        if (component.Layout().tabOrder >= 0 && component.window_ != nullptr)
            tabStops.push_back(&component);
    std::stable_sort(tabStops.begin(), tabStops.end(), [](const Component* a, const Component* b) {
        return a->Layout().tabOrder < b->Layout().tabOrder;
    });

    std::vector<HWND> stack;
    for (const Component* control : tabStops) {
        for (const Component& label : components_)
            if (label.window_ != nullptr && label.Layout().focusControl != nullptr &&
                std::string_view(label.Layout().focusControl) == control->Name())
                stack.push_back(label.window_);
        stack.push_back(control->window_);
    }
    for (const Component& component : components_)
        if (component.window_ != nullptr &&
            std::find(stack.begin(), stack.end(), component.window_) == stack.end())
            stack.push_back(component.window_);

    HWND above = HWND_TOP;
    for (HWND window : stack) {
        ::SetWindowPos(window, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        above = window;
    }
}

// Tooltips are shown whenever the pointer rests on the component, whether or
// not the form is active.
void TForm::AddTooltip(const Component& component) {
    if (tooltip_ == nullptr) {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
        ::InitCommonControlsEx(&controls);
        tooltip_ =
            ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                              WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, instance_, nullptr);
        if (tooltip_ == nullptr)
            ThrowNoWindow("the tooltip");
    }
    std::wstring text = WidenText(component.Layout().hint, layout_.codePage);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(component.window_);
    tool.lpszText = text.data();
    ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

Component* TForm::ComponentById(int id) {
    for (Component& component : components_)
        if (component.Id() == id)
            return &component;
    return nullptr;
}

Component* TForm::ComponentByWindow(HWND window) {
    if (window == nullptr)
        return nullptr;
    for (Component& component : components_)
        if (component.window_ == window)
            return &component;
    return nullptr;
}

Component* TForm::ComponentWithRole(ButtonRole role) {
    for (Component& component : components_)
        if (component.Layout().kind == ComponentKind::Button && (component.Layout().role & role))
            return &component;
    return nullptr;
}

// A button's modal result is set before its own click handler runs.
void TForm::Click(Component& component) {
    if (component.Layout().modalResult != ModalResultNone)
        SetModalResult(component.Layout().modalResult);
    if (component.OnClick)
        component.OnClick();
}

void TForm::SetModalResult(int result) {
    modalResult_ = result;
    // Wake the modal loop: the result may come from a sent message, which
    // GetMessage handles without returning.
    if (running_ && window_)
        ::PostMessageW(Handle(), WM_NULL, 0, 0);
}

// Alt with the letter after "&" in a label's text focuses the label's control,
// with the letters compared by the system's case rules for every alphabet.
bool TForm::FocusByAccelerator(const MSG& message) {
    if (message.message != WM_SYSCHAR ||
        (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd)))
        return false;
    for (const Component& label : components_) {
        const ComponentLayout& item = label.Layout();
        if (item.kind != ComponentKind::Label || item.focusControl == nullptr)
            continue;
        const wchar_t key = AcceleratorOf(label.Text());
        if (key == 0 || !SameLetter(key, static_cast<wchar_t>(message.wParam)))
            continue;
        const Component& target = FindComponent(item.focusControl);
        if (target.window_ != nullptr && ::IsWindowVisible(target.window_) &&
            ::IsWindowEnabled(target.window_)) {
            ::SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target.window_), TRUE);
            return true;
        }
    }
    return false;
}

void TForm::FocusFirstControl() {
    HWND first = ::GetNextDlgTabItem(Handle(), nullptr, FALSE);
    if (first != nullptr)
        ::SendMessageW(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

int TForm::ShowModal() {
    if (running_)
        throw Exception("The form is already shown modally");
    modalResult_ = ModalResultNone;
    running_ = true;
    struct RunningFlag {
        bool& running;
        ~RunningFlag() { running = false; }
    } runningFlag{running_};

    DisabledTaskWindows disabled(Handle(), parent_);
    ::ShowWindow(Handle(), SW_SHOW);
    FocusFirstControl();

    MSG message{};
    while (modalResult_ == ModalResultNone) {
        if (!window_ || !::IsWindow(Handle())) {
            modalResult_ = ModalResultCancel;
            break;
        }
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit request for the thread's own loop.
            ::PostQuitMessage(static_cast<int>(message.wParam));
            modalResult_ = ModalResultCancel;
            break;
        }
        if (got == -1) {
            modalResult_ = ModalResultCancel;
            break;
        }
        if (window_ && FocusByAccelerator(message))
            continue;
        if (!window_ || !::IsDialogMessageW(Handle(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    // Enable the other windows before hiding, so the owner takes the activation back.
    disabled.Restore();
    if (window_)
        ::ShowWindow(Handle(), SW_HIDE);
    return modalResult_;
}

void TForm::Paint(HDC dc) {
    for (const Component& component : components_) {
        const ComponentLayout& item = component.Layout();
        const RECT& bounds = component.bounds_;
        if (item.kind == ComponentKind::Shape) {
            UniqueBrush fill(::CreateSolidBrush(item.fill.Resolve()));
            if (fill)
                ::FillRect(dc, &bounds, fill.get());
        } else if (item.kind == ComponentKind::Image && component.picture_) {
            const SIZE size = component.picture_->Size();
            int x = bounds.left;
            int y = bounds.top;
            if (item.picture.centered) {
                x += (bounds.right - bounds.left - size.cx) / 2;
                y += (bounds.bottom - bounds.top - size.cy) / 2;
            }
            component.picture_->Draw(dc, x, y);
        }
    }
}

HBRUSH TForm::ColourStatic(HDC dc, HWND control) {
    ::SetTextColor(dc, layout_.fontColour.Resolve());
    const Component* component = ComponentByWindow(control);
    if (component != nullptr && component->Layout().transparent) {
        ::SetBkMode(dc, TRANSPARENT);
        return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
    }
    ::SetBkColor(dc, layout_.colour.Resolve());
    return background_.get();
}

INT_PTR TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        Component* target = nullptr;
        if (id == IDOK)
            target = ComponentWithRole(RoleDefault); // Enter without a default id
        else if (id == IDCANCEL)
            target = ComponentWithRole(RoleCancel); // Esc
        else if (HIWORD(wParam) == BN_CLICKED)
            target = ComponentById(id);
        if (target != nullptr && IsClickable(target->Layout().kind) &&
            ::IsWindowEnabled(target->window_))
            Click(*target);
        return TRUE;
    }
    case WM_CLOSE:
        SetModalResult(ModalResultCancel);
        return TRUE;
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(
            ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
        ::SetBkColor(reinterpret_cast<HDC>(wParam), layout_.colour.Resolve());
        return reinterpret_cast<INT_PTR>(background_.get());
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = ::BeginPaint(Handle(), &paint);
        Paint(dc);
        ::EndPaint(Handle(), &paint);
        return TRUE;
    }
    case WM_PRINTCLIENT:
        Paint(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_NCDESTROY:
        // Destroyed from outside (its owner went away): forget the handle.
        (void)window_.release();
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK TForm::DialogProc(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) noexcept {
    try {
        if (message == WM_INITDIALOG) {
            ::SetWindowLongPtrW(window, DWLP_USER, lParam);
            return FALSE; // the modal run sets the focus
        }
        auto* form = reinterpret_cast<TForm*>(::GetWindowLongPtrW(window, DWLP_USER));
        if (form == nullptr || form->Handle() != window)
            return FALSE;
        return form->HandleMessage(message, wParam, lParam);
    } catch (...) {
        return FALSE;
    }
}

} // namespace glimmerbox::forms
