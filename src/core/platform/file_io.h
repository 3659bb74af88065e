// Whole-file reads and crash-safe whole-file writes for the program's fixed-size binary files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <span>

namespace kx90 {

// Why a file could not be read or written. The program shows different texts for the first two.
enum class FileStatus {
    kOk,
    kNotFound,      // the file or a folder of its path is missing
    kAccessDenied,  // it exists but may not be opened (read-only, locked, a folder, no rights)
    kFailed,        // anything else: disk full, I/O error
};

struct FileReadResult {
    FileStatus status = FileStatus::kFailed;
    size_t bytesRead = 0;
};

// Reads at most buffer.size() bytes from the start of the file into buffer. The rest of the buffer
// is left as it was; callers that want zeros there clear it first.
FileReadResult ReadFilePrefix(const std::filesystem::path& path, std::span<uint8_t> buffer);

// The step that puts bytes into the temporary file. Tests replace it to make a write fail half-way.
using WriteBytesFn = bool (*)(std::FILE* file, const uint8_t* data, size_t size);

// Writes the bytes to a temporary file beside the target and then replaces the target with it, so
// the target holds either the old bytes or the new ones, never a torn mix. The folder must exist.
// A failure leaves the target untouched and removes the temporary file.
FileStatus WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                               WriteBytesFn write = nullptr);

// Views a plain struct as bytes, for the one-piece reads and writes of record files.
template <typename T>
std::span<uint8_t> BytesOf(T& value) {
    return {reinterpret_cast<uint8_t*>(&value), sizeof(T)};
}
template <typename T>
std::span<const uint8_t> BytesOf(const T& value) {
    return {reinterpret_cast<const uint8_t*>(&value), sizeof(T)};
}

}  // namespace kx90
