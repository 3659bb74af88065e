// Reading and writing one ProfileRecord as a file of exactly its 22252 bytes.
#pragma once

#include <filesystem>

#include "core/platform/file_io.h"
#include "core/profile/profile_record.h"

namespace kx90 {

// Clears the record and reads up to 22252 bytes of the file into it. A shorter file leaves the rest
// zero. Validity (the magic number) is the caller's to judge with IsValid.
FileReadResult ReadProfileFile(const std::filesystem::path& path, ProfileRecord& record);

// Writes the record's 22252 bytes, replacing the file only once they are all on disk.
FileStatus WriteProfileFile(const std::filesystem::path& path, const ProfileRecord& record);

}  // namespace kx90
