#include "Image.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace glimmerhost {
namespace {

void Put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

} // namespace

void WriteBmp(const Image& image, const std::string& path) {
    constexpr uint32_t kHeaders = 14 + 40;
    const auto width = static_cast<uint32_t>(image.width);
    const auto height = static_cast<uint32_t>(image.height);
    const uint32_t stride = (width * 3 + 3) & ~3u;
    std::string out;
    out.reserve(kHeaders + stride * height);
    out += "BM";
    Put32(out, kHeaders + stride * height);
    Put32(out, 0);
    Put32(out, kHeaders);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height); // positive: bottom row first
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0); // no compression
    Put32(out, stride * height);
    Put32(out, 3780); // 96 dots per inch
    Put32(out, 3780);
    Put32(out, 0);
    Put32(out, 0);
    for (uint32_t row = height; row-- > 0;) {
        const std::size_t start = static_cast<std::size_t>(row) * width;
        for (uint32_t column = 0; column < width; ++column) {
            const uint32_t pixel = image.pixels[start + column];
            out += static_cast<char>(pixel & 0xFF);
            out += static_cast<char>((pixel >> 8) & 0xFF);
            out += static_cast<char>((pixel >> 16) & 0xFF);
        }
        out.append(stride - width * 3, '\0');
    }
    std::ofstream file(std::filesystem::path(std::u8string(path.begin(), path.end())),
                       std::ios::binary | std::ios::trunc);
    if (file)
        file.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!file.flush())
        throw std::runtime_error("cannot write " + path);
}

} // namespace glimmerhost
