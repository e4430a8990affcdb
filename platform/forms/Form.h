// The form base: builds a dialog window from a design-time layout and runs it
// modally. Labels, edits and buttons are windows of the standard classes;
// images and shapes are painted by the form, in layout order, below them.
#pragma once

#include "FormLayout.h"
#include "Handles.h"
#include "Picture.h"
#include "SpeedButton.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glimmerbox::forms {

class TForm;

// Clears the form's back pointer before destroying its window, so that no
// message of the destruction reaches a form that is being torn down.
void DestroyFormWindow(HWND window) noexcept;
using UniqueFormWindow = UniqueHandle<HWND, DestroyFormWindow>;

class Component {
public:
    Component(const ComponentLayout& layout, int id) : layout_(&layout), id_(id) {}

    const ComponentLayout& Layout() const noexcept { return *layout_; }
    const char* Name() const noexcept { return layout_->name; }
    HWND Handle() const noexcept { return window_; } // null for painted components
    int Id() const noexcept { return id_; }
    RECT Bounds() const noexcept { return bounds_; } // in the form's client area

    std::wstring Text() const;
    void SetText(std::wstring_view text);

    // Runs when the button or speed button is clicked.
    std::function<void()> OnClick;

private:
    friend class TForm;
    const ComponentLayout* layout_;
    int id_;
    RECT bounds_{};
    HWND window_ = nullptr;
    std::optional<Picture> picture_;
};

class TForm {
public:
    // Creates the form hidden, as a pop-up owned by `parent` (may be null),
    // loading pictures from `instance`. Throws glimmerbox::Exception
    // (EOutOfResources) when a window, font or picture cannot be made.
    TForm(const FormLayout& layout, HWND parent, HINSTANCE instance);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    HWND Handle() const noexcept { return window_.get(); }
    Component& FindComponent(std::string_view name);

    void SetCaption(std::wstring_view caption);

    // Shows the form and runs its own message loop until a modal result is
    // set; the thread's other windows are disabled meanwhile. Every message
    // of the thread is dispatched while it runs.
    int ShowModal();
    void SetModalResult(int result);
    void Close() { SetModalResult(ModalResultCancel); }

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void CreateFormWindow(HWND parent);
    void PlaceFormWindow();
    void CreateComponents();
    void CreateComponentWindow(Component& component);
    void ArrangeTabOrder();
    void AddTooltip(const Component& component);
    RECT LayoutBounds(const ComponentLayout& layout, const Picture* picture);
    HFONT FontFor(const FontStyle& style);
    Component* ComponentById(int id);
    Component* ComponentByWindow(HWND window);
    Component* ComponentWithRole(ButtonRole role);
    void Click(Component& component);
    void FocusFirstControl();
    bool FocusByAccelerator(const MSG& message);
    void Paint(HDC dc);
    HBRUSH ColourStatic(HDC dc, HWND control);

    const FormLayout& layout_;
    HINSTANCE instance_;
    HWND parent_;
    int modalResult_ = ModalResultNone;
    bool running_ = false;

    std::optional<SpeedButtonClass> speedButtonClass_;
    UniqueBrush background_;
    struct FontEntry {
        FontStyle style;
        UniqueFont font;
    };
    std::vector<FontEntry> fonts_;
    std::vector<Component> components_;
    HWND tooltip_ = nullptr;  // owned by the form's window, destroyed with it
    UniqueFormWindow window_; // declared last: destroyed before everything it uses
};

} // namespace glimmerbox::forms
