// A form's design-time layout as data: the form's own properties and one row
// per component, in the order the components are created. Positions and sizes
// are pixels of the client area; texts are 8-bit in the layout's code page.
#pragma once

#include <windows.h>

#include <span>

namespace glimmerbox::forms {

enum class ComponentKind {
    Label,       // a static text window
    Edit,        // a one-line edit window
    Button,      // a push button window
    SpeedButton, // a flat button with a glyph that never takes the focus
    Image,       // a picture painted by the form
    Shape,       // a filled rectangle painted by the form
};

// How a modal run ended.
enum ModalResult : int {
    ModalResultNone = 0,
    ModalResultOK = 1,
    ModalResultCancel = 2,
};

// Keyboard roles of a button.
enum ButtonRole : unsigned {
    RoleNone = 0,
    RoleDefault = 1, // pressed by Enter
    RoleCancel = 2,  // pressed by Esc
};

enum Anchor : unsigned {
    AnchorLeft = 1,
    AnchorTop = 2,
    AnchorRight = 4,
    AnchorBottom = 8,
};

enum class Dock {
    None,
    Bottom, // full client width, at the bottom edge, the layout's height
};

// A colour: a system colour (COLOR_BTNFACE, ...) or a fixed RGB value.
struct Colour {
    int systemIndex = -1;
    COLORREF rgb = 0;

    static constexpr Colour System(int index) { return {index, 0}; }
    static constexpr Colour Rgb(COLORREF value) { return {-1, value}; }
    COLORREF Resolve() const { return systemIndex >= 0 ? ::GetSysColor(systemIndex) : rgb; }
};

enum class PictureKind {
    None,
    Bitmap, // a BITMAP resource
    Jpeg,   // an RCDATA resource holding a JPEG file
};

struct PictureSource {
    PictureKind kind = PictureKind::None;
    int resourceId = 0;
    bool transparent = false; // the bottom-left pixel's colour is not drawn
    bool centered = false;    // centred in the component instead of at its top left
};

struct FontStyle {
    int height = 0; // character height in pixels; 0: the form's
    bool bold = false;
};

struct ComponentLayout {
    const char* name = "";
    ComponentKind kind = ComponentKind::Label;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    const char* text = "";
    int tabOrder = -1; // position in the Tab sequence; -1: not a tab stop
    unsigned role = RoleNone;
    int modalResult = ModalResultNone; // buttons: ends the modal run with this
    unsigned anchors = AnchorLeft | AnchorTop;
    Dock dock = Dock::None;
    bool autoSize = false;    // labels: sized to their text; images: to their picture
    bool wordWrap = false;    // labels
    bool transparent = false; // labels: what the form paints below shows through
    FontStyle font{};
    const char* focusControl = nullptr; // labels: the component their accelerator focuses
    const char* hint = nullptr;         // tooltip, shown whenever the pointer rests on it
    PictureSource picture{};
    Colour fill = Colour::Rgb(0); // shapes: fill colour, no outline
};

struct FormLayout {
    const char* title = "";
    int clientWidth = 0;
    int clientHeight = 0;
    Colour colour = Colour::System(COLOR_BTNFACE);
    const char* fontName = "MS Sans Serif";
    int fontHeight = 11; // character height in pixels
    Colour fontColour = Colour::System(COLOR_WINDOWTEXT);
    UINT codePage = CP_ACP; // of every text in the layout
    std::span<const ComponentLayout> components;
};

} // namespace glimmerbox::forms
