// The whole-file writer the stores save through: the file layer's crash-safe write by default,
// replaced in tests to fail in a chosen way (half-way, access denied). The one way tests make a
// file write fail.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>

#include "core/platform/data_folders.h"
#include "core/platform/file_io.h"

namespace kx90 {

using FileWriter =
    std::function<FileStatus(const std::filesystem::path& path, std::span<const uint8_t> bytes)>;

inline FileWriter AtomicFileWriter() {
    return [](const std::filesystem::path& path, std::span<const uint8_t> bytes) {
        return WriteFileAtomically(path, bytes);
    };
}

// The stores' writer in the program: the crash-safe write into the data folder, then, when it
// succeeded and the folders have a mirror, the same bytes into the mirror under the same relative
// name (atomic too; a mirror that cannot be written costs nothing but the mirror).
FileWriter MirroredFileWriter(const DataFolders& folders, FileWriter write = AtomicFileWriter());

// Start-up, before first-run seeding: every file of kFactoryFiles missing from the data folder
// (temporary-files clean-ups delete them) comes back from the mirror when the mirror has it.
// Returns how many came back.
int RestoreFromMirror(const DataFolders& folders);

}  // namespace kx90
