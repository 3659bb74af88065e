// BMP, PNG and ICO writers over cairo image surfaces.
#include "image_files.h"

#include <cstdint>
#include <fstream>

namespace skingen {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

bool WriteBytes(const std::vector<uint8_t>& bytes, const std::filesystem::path& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// Cairo keeps premultiplied native-endian ARGB words.
uint32_t PixelAt(cairo_surface_t* surface, int x, int y) {
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    return reinterpret_cast<const uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride)[x];
}

void BitmapInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageSize) {
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 2835);  // 72 dpi
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
}

}  // namespace

bool WriteBmp24(cairo_surface_t* surface, const std::filesystem::path& path) {
    return WriteBmp24Part(surface, path, 0, 0, cairo_image_surface_get_width(surface),
                          cairo_image_surface_get_height(surface));
}

bool WriteBmp24Part(cairo_surface_t* surface, const std::filesystem::path& path, int left, int top, int width,
                    int height) {
    cairo_surface_flush(surface);
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t imageSize = static_cast<uint32_t>(rowBytes * height);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 14 + 40 + imageSize);
    Put32(out, 0);
    Put32(out, 14 + 40);
    BitmapInfoHeader(out, width, height, 24, imageSize);
    for (int y = height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        for (int x = 0; x < width; ++x) {
            const uint32_t p = PixelAt(surface, left + x, top + y);  // premultiplied over black: the colour
            out.push_back(static_cast<uint8_t>(p));
            out.push_back(static_cast<uint8_t>(p >> 8));
            out.push_back(static_cast<uint8_t>(p >> 16));
        }
        out.resize(rowStart + static_cast<size_t>(rowBytes), 0);
    }
    return WriteBytes(out, path);
}

bool WritePng(cairo_surface_t* surface, const std::filesystem::path& path) {
    return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

bool WriteIco(const std::vector<cairo_surface_t*>& sizes, const std::filesystem::path& path) {
    std::vector<std::vector<uint8_t>> images;
    for (cairo_surface_t* surface : sizes) {
        cairo_surface_flush(surface);
        const int size = cairo_image_surface_get_width(surface);
        const int maskRow = ((size + 31) / 32) * 4;
        std::vector<uint8_t> image;
        BitmapInfoHeader(image, size, size * 2, 32, static_cast<uint32_t>(size * size * 4 + maskRow * size));
        for (int y = size - 1; y >= 0; --y) {
            for (int x = 0; x < size; ++x) {
                const uint32_t p = PixelAt(surface, x, y);
                const uint32_t a = p >> 24;
                // Un-premultiply: icons carry straight alpha.
                auto channel = [&](int shift) {
                    const uint32_t c = (p >> shift) & 0xFF;
                    return static_cast<uint8_t>(a == 0 ? 0 : (c * 255 + a / 2) / a);
                };
                image.push_back(channel(0));
                image.push_back(channel(8));
                image.push_back(channel(16));
                image.push_back(static_cast<uint8_t>(a));
            }
        }
        image.resize(image.size() + static_cast<size_t>(maskRow * size),
                     0);  // alpha decides; mask all opaque
        images.push_back(std::move(image));
    }
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const int size = cairo_image_surface_get_width(sizes[i]);
        out.push_back(static_cast<uint8_t>(size >= 256 ? 0 : size));
        out.push_back(static_cast<uint8_t>(size >= 256 ? 0 : size));
        out.push_back(0);
        out.push_back(0);
        Put16(out, 1);
        Put16(out, 32);
        Put32(out, static_cast<uint32_t>(images[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return WriteBytes(out, path);
}

}  // namespace skingen
