// Owning wrappers for the Windows handles the forms create. Each frees its
// handle with the one call that matches how it was obtained.
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

namespace glimmerbox::forms {

template <auto Free> struct HandleFreer {
    template <typename Handle> void operator()(Handle handle) const noexcept { Free(handle); }
};

template <typename Handle, auto Free>
using UniqueHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleFreer<Free>>;

inline void FreeGdiObject(HGDIOBJ object) noexcept {
    ::DeleteObject(object);
}
inline void FreeDC(HDC dc) noexcept {
    ::DeleteDC(dc);
}

using UniqueBitmap = UniqueHandle<HBITMAP, FreeGdiObject>;
using UniqueFont = UniqueHandle<HFONT, FreeGdiObject>;
using UniqueBrush = UniqueHandle<HBRUSH, FreeGdiObject>;
using UniqueMemoryDC = UniqueHandle<HDC, FreeDC>;

// A DC of the whole screen, for measuring and for making compatible DCs.
class ScreenDC {
public:
    ScreenDC() : dc_(::GetDC(nullptr)) {}
    ~ScreenDC() {
        if (dc_ != nullptr)
            ::ReleaseDC(nullptr, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;
    HDC Get() const noexcept { return dc_; }

private:
    HDC dc_;
};

// Selects an object into a DC and puts the previous one back when it ends.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (old_ != nullptr && old_ != HGDI_ERROR)
            ::SelectObject(dc_, old_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace glimmerbox::forms
