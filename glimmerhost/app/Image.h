// A captured picture and its BMP file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace glimmerhost {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels; // top row first, 0x00RRGGBB
};

// Writes a 24-bit BMP file; throws std::runtime_error naming the file when it cannot.
void WriteBmp(const Image& image, const std::string& path);

} // namespace glimmerhost
