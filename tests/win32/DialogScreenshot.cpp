#include "DialogScreenshot.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace dialog_test {
namespace {

using Bytes = std::vector<uint8_t>;

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> entries{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBigEndian(Bytes& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    Bytes typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    PutBigEndian(out, Crc32(typed.data(), typed.size()));
}

// A zlib stream of stored (uncompressed) deflate blocks.
Bytes StoredZlib(const Bytes& raw) {
    Bytes out{0x78, 0x01};
    size_t offset = 0;
    do {
        const size_t length = std::min<size_t>(raw.size() - offset, 65535);
        const bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(length));
        out.push_back(static_cast<uint8_t>(length >> 8));
        out.push_back(static_cast<uint8_t>(~length));
        out.push_back(static_cast<uint8_t>(~length >> 8));
        out.insert(out.end(), raw.begin() + static_cast<ptrdiff_t>(offset),
                   raw.begin() + static_cast<ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBigEndian(out, (b << 16) | a);
    return out;
}

// Rows of 24-bit RGB pixels, top row first.
Bytes EncodePng(int width, int height, const Bytes& rgb) {
    Bytes raw;
    raw.reserve(static_cast<size_t>(height) * (static_cast<size_t>(width) * 3 + 1));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0); // no filter
        const auto row = rgb.begin() + static_cast<ptrdiff_t>(y) * width * 3;
        raw.insert(raw.end(), row, row + width * 3);
    }
    Bytes header;
    PutBigEndian(header, static_cast<uint32_t>(width));
    PutBigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8-bit RGB
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

} // namespace

bool SaveWindowPng(HWND window, const std::wstring& path) {
    RECT rect{};
    if (!::GetWindowRect(window, &rect))
        return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;

    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool captured = false;
    if (memory != nullptr && bitmap != nullptr) {
        HGDIOBJ old = ::SelectObject(memory, bitmap);
        captured =
            ::BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY) != FALSE;
        ::GdiFlush();
        ::SelectObject(memory, old);
    }
    Bytes rgb;
    if (captured) {
        const auto* pixels = static_cast<const uint8_t*>(bits);
        rgb.reserve(static_cast<size_t>(width) * height * 3);
        for (int i = 0; i < width * height; ++i) { // BGRA in memory
            rgb.push_back(pixels[i * 4 + 2]);
            rgb.push_back(pixels[i * 4 + 1]);
            rgb.push_back(pixels[i * 4 + 0]);
        }
    }
    if (bitmap != nullptr)
        ::DeleteObject(bitmap);
    if (memory != nullptr)
        ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    if (!captured)
        return false;

    const Bytes png = EncodePng(width, height, rgb);
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), file) == png.size();
    return std::fclose(file) == 0 && written;
}

} // namespace dialog_test
