// One-piece file form of a ProfileRecord.
#include "core/profile/profile_file.h"

#include <cstring>

namespace kx90 {

FileReadResult ReadProfileFile(const std::filesystem::path& path, ProfileRecord& record) {
    ProfileRecord loaded;
    std::memset(&loaded, 0, sizeof loaded);
    const FileReadResult result = ReadFilePrefix(path, BytesOf(loaded));
    if (result.status == FileStatus::kOk) {
        record = loaded;
    }
    return result;
}

FileStatus WriteProfileFile(const std::filesystem::path& path, const ProfileRecord& record) {
    return WriteFileAtomically(path, BytesOf(record));
}

}  // namespace kx90
