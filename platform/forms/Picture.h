// A picture loaded from the module's resources: a bitmap, or a JPEG file
// decoded by the system's picture loader. Optionally drawn without the colour
// of its bottom-left pixel.
#pragma once

#include "FormLayout.h"
#include "Handles.h"

#include <windows.h>

#include <optional>

namespace glimmerbox::forms {

class Picture {
public:
    // Throws EOutOfResources when the resource is missing or cannot be decoded.
    static Picture Load(HINSTANCE instance, const PictureSource& source);

    SIZE Size() const noexcept { return size_; }
    void Draw(HDC dc, int x, int y) const;

private:
    Picture(UniqueBitmap bitmap, bool transparent);

    UniqueBitmap bitmap_;
    SIZE size_{};
    std::optional<COLORREF> transparentColour_;
};

} // namespace glimmerbox::forms
