// The mirrored writer and the restore from the mirror.
#include "core/platform/file_writer.h"

namespace kx90 {
namespace {

// The mirror's path for a file of the data folder, or empty for any other file.
std::filesystem::path MirrorPathOf(const DataFolders& folders, const std::filesystem::path& path) {
    if (folders.mirrorDir.empty()) {
        return {};
    }
    const std::filesystem::path relative =
        path.lexically_normal().lexically_relative(folders.dataDir.lexically_normal());
    if (relative.empty() || *relative.begin() == "..") {
        return {};
    }
    return folders.mirrorDir / relative;
}

}  // namespace

FileWriter MirroredFileWriter(const DataFolders& folders, FileWriter write) {
    return [folders, write = std::move(write)](const std::filesystem::path& path,
                                               std::span<const uint8_t> bytes) {
        const FileStatus status = write(path, bytes);
        const std::filesystem::path mirror = MirrorPathOf(folders, path);
        if (status == FileStatus::kOk && !mirror.empty()) {
            std::error_code ec;
            std::filesystem::create_directories(mirror.parent_path(), ec);
            WriteFileAtomically(mirror, bytes);
        }
        return status;
    };
}

int RestoreFromMirror(const DataFolders& folders) {
    if (folders.mirrorDir.empty()) {
        return 0;
    }
    int restored = 0;
    for (std::string_view relative : kFactoryFiles) {
        const std::filesystem::path target = FactoryFilePath(folders.dataDir, relative);
        const std::filesystem::path source = FactoryFilePath(folders.mirrorDir, relative);
        std::error_code ec;
        if (std::filesystem::exists(target, ec) || !std::filesystem::is_regular_file(source, ec)) {
            continue;
        }
        std::filesystem::create_directories(target.parent_path(), ec);
        if (std::filesystem::copy_file(source, target, std::filesystem::copy_options::none, ec)) {
            ++restored;
        }
    }
    return restored;
}

}  // namespace kx90
