// The whole-file writer the stores save through: the file layer's crash-safe write by default,
// replaced in tests to fail in a chosen way (half-way, access denied). The one way tests make a
// file write fail.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

#include "core/platform/file_io.h"

namespace kx90 {

using FileWriter =
    std::function<FileStatus(const std::filesystem::path& path, std::span<const uint8_t> bytes)>;

inline FileWriter AtomicFileWriter() {
    return [](const std::filesystem::path& path, std::span<const uint8_t> bytes) {
        return WriteFileAtomically(path, bytes);
    };
}

}  // namespace kx90
