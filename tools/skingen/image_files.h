// Writers for the file formats the program loads: 24-bit BMP, PNG (through cairo) and ICO.
#pragma once

#include <cairo.h>

#include <filesystem>
#include <vector>

namespace skingen {

// 24-bit bottom-up BMP of an image surface; transparent pixels come out black.
bool WriteBmp24(cairo_surface_t* surface, const std::filesystem::path& path);
// The same of the part of the surface from (left, top), width x height pixels.
bool WriteBmp24Part(cairo_surface_t* surface, const std::filesystem::path& path, int left, int top, int width,
                    int height);

bool WritePng(cairo_surface_t* surface, const std::filesystem::path& path);

// An icon file with one 32-bit entry per surface (square, 16 to 256 pixels).
bool WriteIco(const std::vector<cairo_surface_t*>& sizes, const std::filesystem::path& path);

}  // namespace skingen
