#include "Picture.h"

#include "platform/Exceptions.h"

#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <string>

namespace glimmerbox::forms {
namespace {

[[noreturn]] void ThrowPictureError(int resourceId) {
    throw EOutOfResources("Cannot load picture resource " + std::to_string(resourceId));
}

UniqueBitmap LoadBitmapResource(HINSTANCE instance, int resourceId) {
    UniqueBitmap bitmap(static_cast<HBITMAP>(::LoadImageW(
        instance, MAKEINTRESOURCEW(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!bitmap)
        ThrowPictureError(resourceId);
    return bitmap;
}

template <typename Interface> struct ComReleaser {
    void operator()(Interface* object) const noexcept { object->Release(); }
};
template <typename Interface> using ComPointer = std::unique_ptr<Interface, ComReleaser<Interface>>;

// A movable global block, freed by us rather than by the stream on it.
class GlobalBlock {
public:
    explicit GlobalBlock(size_t bytes) : block_(::GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
    ~GlobalBlock() {
        if (block_ != nullptr)
            ::GlobalFree(block_);
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL Get() const noexcept { return block_; }

private:
    HGLOBAL block_;
};

// Decodes a JPEG file held in an RCDATA resource with OleLoadPicture and
// copies the result into a bitmap of our own.
UniqueBitmap LoadJpegResource(HINSTANCE instance, int resourceId) {
    HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(10));
    HGLOBAL loaded = found != nullptr ? ::LoadResource(instance, found) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    const DWORD size = found != nullptr ? ::SizeofResource(instance, found) : 0;
    if (bytes == nullptr || size == 0)
        ThrowPictureError(resourceId);

    GlobalBlock block(size);
    if (block.Get() == nullptr)
        throw EOutOfMemory("Not enough memory to decode a picture");
    if (void* target = ::GlobalLock(block.Get())) {
        std::memcpy(target, bytes, size);
        ::GlobalUnlock(block.Get());
    } else {
        ThrowPictureError(resourceId);
    }

    IStream* rawStream = nullptr;
    if (FAILED(::CreateStreamOnHGlobal(block.Get(), FALSE, &rawStream)))
        ThrowPictureError(resourceId);
    ComPointer<IStream> stream(rawStream);

    IPicture* rawPicture = nullptr;
    if (FAILED(::OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                                reinterpret_cast<void**>(&rawPicture))))
        ThrowPictureError(resourceId);
    ComPointer<IPicture> picture(rawPicture);

    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_UNINITIALIZED;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP ||
        FAILED(picture->get_Handle(&handle)))
        ThrowPictureError(resourceId);
    // The picture object owns its bitmap; keep a copy that outlives it.
    UniqueBitmap copy(
        static_cast<HBITMAP>(::CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!copy)
        ThrowPictureError(resourceId);
    return copy;
}

} // namespace

Picture::Picture(UniqueBitmap bitmap, bool transparent) : bitmap_(std::move(bitmap)) {
    BITMAP info{};
    ::GetObjectW(bitmap_.get(), sizeof(info), &info);
    size_ = {info.bmWidth, info.bmHeight};
    if (transparent && size_.cx > 0 && size_.cy > 0) {
        ScreenDC screen;
        UniqueMemoryDC memory(::CreateCompatibleDC(screen.Get()));
        if (memory) {
            SelectGuard select(memory.get(), bitmap_.get());
            transparentColour_ = ::GetPixel(memory.get(), 0, size_.cy - 1);
        }
    }
}

Picture Picture::Load(HINSTANCE instance, const PictureSource& source) {
    switch (source.kind) {
    case PictureKind::Bitmap:
        return Picture(LoadBitmapResource(instance, source.resourceId), source.transparent);
    case PictureKind::Jpeg:
        return Picture(LoadJpegResource(instance, source.resourceId), source.transparent);
    case PictureKind::None:
        break;
    }
    ThrowPictureError(source.resourceId);
}

void Picture::Draw(HDC dc, int x, int y) const {
    UniqueMemoryDC memory(::CreateCompatibleDC(dc));
    if (!memory)
        return;
    SelectGuard select(memory.get(), bitmap_.get());
    if (transparentColour_)
        ::TransparentBlt(dc, x, y, size_.cx, size_.cy, memory.get(), 0, 0, size_.cx, size_.cy,
                         *transparentColour_);
    else
        ::BitBlt(dc, x, y, size_.cx, size_.cy, memory.get(), 0, 0, SRCCOPY);
}

} // namespace glimmerbox::forms
