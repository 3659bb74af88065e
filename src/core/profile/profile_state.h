// ProfileState: the catalogue image, the current slot, the live record and the live macro
// identifiers, with the operations that load, select, save, seed, import and export them.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>

#include "core/i18n/ui_language.h"
#include "core/platform/data_folders.h"
#include "core/platform/file_io.h"
#include "core/platform/file_writer.h"
#include "core/platform/notifier.h"
#include "core/profile/profile_catalogue.h"
#include "core/profile/profile_record.h"

namespace kx90 {

// Results of LoadProfileFile.
inline constexpr int kProfileLoaded = 1;
inline constexpr int kProfileNotLoaded = 0;
inline constexpr int kProfileInvalid = -1;

// What import and export tell the user: a full text for the standard message box (caption "Info").
struct ProfileFileReport {
    bool succeeded = false;
    std::u16string text;
};

// One per process, owned by the application and used on the user-interface thread. The profile
// writer reads the live record and the live macro identifiers while its modal progress window
// blocks every edit.
class ProfileState {
public:
    // Messages use the catalogue texts of language; default records get its button names.
    ProfileState(DataFolders folders, Notifier& notifier, const UiLanguage& language);

    // First run: when the data folder does not exist yet, makes it and copies the nine factory
    // files from the installation folder. Failures are ignored (the loads report what is missing).
    void PrepareDataDir();

    // Reads ConfigInfo.cfg, rewrites the five profile paths, loads the active profile into the live
    // record (falling back slot by slot, then to slot 1) and copies the current slot's macro
    // identifiers into the live ones.
    void LoadCatalogue();

    // kProfileLoaded, kProfileNotLoaded or kProfileInvalid (the live record then holds the bytes
    // read). A missing file is reported and replaced by a default one when reportMissing is set.
    int LoadProfileFile(const std::filesystem::path& path, bool reportMissing);

    // Resets the live record to the defaults and writes it to path. 1 when written, else 0.
    int CreateDefaultProfileFile(const std::filesystem::path& path);

    // Makes the slot current and loads its profile. True when it loaded: the slot's macro
    // identifiers became the live ones, it is the active slot, and the pages must reload.
    bool SelectProfile(int slot);

    // After a successful write to the mouse: keeps the live macro identifiers in the current slot
    // and writes the current profile file and the catalogue. True when both were written.
    bool SaveProfile();

    // Replaces the live record with a valid profile file; nothing is saved or sent.
    ProfileFileReport ImportProfile(const std::filesystem::path& path);
    // Writes the live record, unapplied edits included, to the chosen file.
    ProfileFileReport ExportProfile(const std::filesystem::path& path);

    ProfileRecord& LiveRecord() { return liveRecord_; }
    const ProfileRecord& LiveRecord() const { return liveRecord_; }
    std::array<uint32_t, kButtonCount>& LiveMacroIds() { return liveMacroIds_; }
    const std::array<uint32_t, kButtonCount>& LiveMacroIds() const { return liveMacroIds_; }
    ProfileCatalogue& Catalogue() { return catalogue_; }
    const ProfileCatalogue& Catalogue() const { return catalogue_; }
    // 1 to 5 once the catalogue is loaded; 0 before.
    int CurrentSlot() const { return currentSlot_; }
    const DataFolders& Folders() const { return folders_; }

    // The file of a slot, from the data folder of this run (never from the stored path).
    std::filesystem::path SlotProfilePath(int slot) const;

    // Tests make writes fail through this.
    void SetFileWriter(FileWriter writer) { writeFile_ = std::move(writer); }

private:
    void ReportMissing(const std::filesystem::path& path);
    void ReportInvalid(const std::filesystem::path& path);

    DataFolders folders_;
    Notifier& notifier_;
    const UiLanguage& language_;
    FileWriter writeFile_ = AtomicFileWriter();
    ProfileCatalogue catalogue_{};
    ProfileRecord liveRecord_{};
    std::array<uint32_t, kButtonCount> liveMacroIds_{};
    int currentSlot_ = 0;
};

}  // namespace kx90
