// Loading, selecting, saving, first-run seeding, import and export of the profiles.
#include "core/profile/profile_state.h"

#include <cstring>
#include <system_error>
#include <utility>

#include "core/i18n/ui_language.h"
#include "core/profile/file_messages.h"
#include "core/profile/profile_file.h"

namespace kx90 {

ProfileState::ProfileState(DataFolders folders, Notifier& notifier, const UiLanguage& language)
    : folders_(std::move(folders)),
      notifier_(notifier),
      language_(language),
      writeFile_(MirroredFileWriter(folders_)) {}

std::filesystem::path ProfileState::SlotProfilePath(int slot) const {
    return ProfileFilePath(folders_.dataDir, slot);
}

void ProfileState::ReportMissing(const std::filesystem::path& path) {
    notifier_.ShowInfo(FormatWithPath(kMissingFileText, PathText(path)), false);
}

void ProfileState::ReportInvalid(const std::filesystem::path& path) {
    notifier_.ShowMessageBox(FormatWithPath(kInvalidProfileText, PathText(path)),
                             std::u16string(kInfoCaption));
}

void ProfileState::PrepareDataDir() {
    std::error_code ec;
    const bool existed = std::filesystem::exists(folders_.dataDir, ec);
    // What a clean-up of the temporary files took comes back from the mirror first; the factory
    // copies serve only where neither the data folder nor the mirror has the file.
    RestoreFromMirror(folders_);
    if (existed) {
        return;
    }
    std::filesystem::create_directories(ProfileFolder(folders_.dataDir), ec);
    for (std::string_view relative : kFactoryFiles) {
        // Never over an existing file; a file that cannot be copied is reported when it is loaded.
        std::filesystem::copy_file(FactoryFilePath(folders_.installDir, relative),
                                   FactoryFilePath(folders_.dataDir, relative),
                                   std::filesystem::copy_options::none, ec);
    }
}

void ProfileState::LoadCatalogue() {
    const std::filesystem::path cataloguePath = CatalogueFilePath(folders_.dataDir);
    ProfileCatalogue loaded;
    std::memset(&loaded, 0, sizeof loaded);
    const FileReadResult read = ReadFilePrefix(cataloguePath, BytesOf(loaded));
    if (read.status == FileStatus::kOk) {
        catalogue_ = loaded;  // a short file leaves the rest zero
    } else if (read.status == FileStatus::kNotFound) {
        ReportMissing(cataloguePath);
    }

    for (int k = 1; k <= kProfileSlotCount; ++k) {
        SetFieldText(catalogue_.Slot(k).profilePath, PathText(SlotProfilePath(k)));
    }

    currentSlot_ = 0;
    for (int k = 1; k <= kProfileSlotCount && currentSlot_ == 0; ++k) {
        ProfileSlot& slot = catalogue_.Slot(k);
        if (!IsSlotShownSelected(slot)) {
            continue;
        }
        if (LoadProfileFile(SlotProfilePath(k), true) == kProfileLoaded) {
            currentSlot_ = k;
        } else {
            slot.active = 0;
            CreateDefaultProfileFile(SlotProfilePath(k));
        }
    }
    if (currentSlot_ == 0) {
        if (LoadProfileFile(SlotProfilePath(1), false) != kProfileLoaded) {
            CreateDefaultProfileFile(SlotProfilePath(1));
        }
        catalogue_.Slot(1).active = 1;
        currentSlot_ = 1;
    }
    std::copy(std::begin(catalogue_.Slot(currentSlot_).buttonMacroIds),
              std::end(catalogue_.Slot(currentSlot_).buttonMacroIds), liveMacroIds_.begin());
}

int ProfileState::LoadProfileFile(const std::filesystem::path& path, bool reportMissing) {
    const FileReadResult read = ReadProfileFile(path, liveRecord_);
    if (read.status == FileStatus::kOk) {
        if (IsValid(liveRecord_)) {
            return kProfileLoaded;
        }
        ReportInvalid(path);
        return kProfileInvalid;
    }
    if (read.status == FileStatus::kNotFound && reportMissing) {
        ReportMissing(path);
        CreateDefaultProfileFile(path);
    }
    return kProfileNotLoaded;
}

int ProfileState::CreateDefaultProfileFile(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::create_directory(ProfileFolder(folders_.dataDir), ec);
    // The live record gets the defaults even when the file cannot be written: the window must
    // never show (and Apply never send) a record without the profile magic.
    ResetToDefaults(liveRecord_, language_.Pairs());
    const FileStatus status = writeFile_(path, BytesOf(liveRecord_));
    if (status == FileStatus::kAccessDenied) {
        notifier_.ShowInfo(language_.Strings().str_msg4, false);
    }
    return status == FileStatus::kOk ? 1 : 0;
}

bool ProfileState::SelectProfile(int slot) {
    if (!IsValidSlotNumber(slot)) {
        return false;
    }
    currentSlot_ = slot;
    if (LoadProfileFile(SlotProfilePath(slot), true) != kProfileLoaded) {
        return false;
    }
    ProfileSlot& entry = catalogue_.Slot(slot);
    std::copy(std::begin(entry.buttonMacroIds), std::end(entry.buttonMacroIds), liveMacroIds_.begin());
    for (ProfileSlot& other : catalogue_.slots) {
        other.active = 0;
    }
    entry.active = 1;
    return true;
}

bool ProfileState::SaveProfile() {
    if (!IsValidSlotNumber(currentSlot_)) {
        return false;
    }
    std::copy(liveMacroIds_.begin(), liveMacroIds_.end(), catalogue_.Slot(currentSlot_).buttonMacroIds);

    const std::filesystem::path profilePath = SlotProfilePath(currentSlot_);
    const FileStatus profileStatus = writeFile_(profilePath, BytesOf(liveRecord_));
    if (profileStatus == FileStatus::kNotFound) {
        notifier_.ShowMessageBox(FormatWithPath(language_.Strings().str_msg2, PathText(profilePath)),
                                 std::u16string(kInfoCaption));
    } else if (profileStatus == FileStatus::kAccessDenied) {
        notifier_.ShowMessageBox(language_.Strings().str_msg5, std::u16string(kInfoCaption));
    }
    const FileStatus catalogueStatus = writeFile_(CatalogueFilePath(folders_.dataDir), BytesOf(catalogue_));
    return profileStatus == FileStatus::kOk && catalogueStatus == FileStatus::kOk;
}

ProfileFileReport ProfileState::ImportProfile(const std::filesystem::path& path) {
    ProfileRecord imported;
    const FileReadResult read = ReadProfileFile(path, imported);
    if (read.status != FileStatus::kOk || !IsValid(imported)) {
        return {false, FormatWithPath(kInvalidProfileText, PathText(path))};
    }
    liveRecord_ = imported;
    return {true, FormatWithPath(kImportSuccessText, PathText(path))};
}

ProfileFileReport ProfileState::ExportProfile(const std::filesystem::path& path) {
    if (writeFile_(path, BytesOf(liveRecord_)) != FileStatus::kOk) {
        return {false, FormatWithPath(kExportFailedText, PathText(path))};
    }
    return {true, FormatWithPath(kExportSuccessText, PathText(path))};
}

}  // namespace kx90
