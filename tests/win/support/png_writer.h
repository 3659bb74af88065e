// Writes 32-bit BGRA pixel rows as a PNG file (stored deflate blocks: no compression library needed).
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace kx90::test {

// pixels: height rows of width BGRA quads, top row first (as a top-down DIB section holds them).
bool WritePng(const std::filesystem::path& path, int width, int height, const std::vector<uint32_t>& pixels);

}  // namespace kx90::test
