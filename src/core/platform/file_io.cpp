// Whole-file reads and temp-file-then-replace writes over the C runtime (portable by nature).
#include "core/platform/file_io.h"

#include <cerrno>
#include <system_error>

#ifdef _WIN32
#include <io.h>  // _commit
#else
#include <unistd.h>  // fsync
#endif

namespace kx90 {
namespace {

std::FILE* OpenFile(const std::filesystem::path& path, bool forWriting) {
#ifdef _WIN32
    return _wfopen(path.c_str(), forWriting ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
#endif
}

FileStatus StatusFromErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR:
            return FileStatus::kNotFound;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return FileStatus::kAccessDenied;
        default:
            return FileStatus::kFailed;
    }
}

bool WriteAll(std::FILE* file, const uint8_t* data, size_t size) {
    return std::fwrite(data, 1, size, file) == size;
}

bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0) {
        return false;
    }
#ifdef _WIN32
    return _commit(_fileno(file)) == 0;
#else
    return fsync(fileno(file)) == 0;
#endif
}

}  // namespace

FileReadResult ReadFilePrefix(const std::filesystem::path& path, std::span<uint8_t> buffer) {
    errno = 0;
    std::FILE* file = OpenFile(path, false);
    if (file == nullptr) {
        return {StatusFromErrno(errno), 0};
    }
    FileReadResult result{FileStatus::kOk, std::fread(buffer.data(), 1, buffer.size(), file)};
    if (std::ferror(file)) {
        result.status = FileStatus::kFailed;
    }
    std::fclose(file);
    return result;
}

FileStatus WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                               WriteBytesFn write) {
    if (write == nullptr) {
        write = WriteAll;
    }
    std::filesystem::path temp = path;
    temp += ".saving";

    errno = 0;
    std::FILE* file = OpenFile(temp, true);
    if (file == nullptr) {
        return StatusFromErrno(errno);
    }
    // The target itself must be writable too: a read-only profile stays read-only.
    std::error_code ec;
    const auto targetStatus = std::filesystem::status(path, ec);
    const bool targetReadOnly =
        !ec && std::filesystem::exists(targetStatus) &&
        ((targetStatus.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none ||
         std::filesystem::is_directory(targetStatus));

    const bool written = !targetReadOnly && write(file, bytes.data(), bytes.size()) && FlushToDisk(file);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::filesystem::remove(temp, ec);
        return targetReadOnly ? FileStatus::kAccessDenied : FileStatus::kFailed;
    }
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        return ec == std::errc::permission_denied ? FileStatus::kAccessDenied : FileStatus::kFailed;
    }
    return FileStatus::kOk;
}

}  // namespace kx90
