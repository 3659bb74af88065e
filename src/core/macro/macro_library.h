// MacroLibrary: the 500 macro slots that are the image of Macro.cfg, and the rules for storing,
// finding, listing and deleting macros in it.
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "core/i18n/ui_language.h"
#include "core/macro/macro_record.h"
#include "core/platform/clock.h"
#include "core/platform/file_io.h"
#include "core/platform/file_writer.h"
#include "core/platform/notifier.h"
#include "core/profile/profile_catalogue.h"
#include "core/profile/profile_record.h"

namespace kx90 {

inline constexpr int kMacroSlotCount = 500;

using MacroTable = std::array<MacroRecord, kMacroSlotCount>;
static_assert(sizeof(MacroTable) == 2052000);

// Writes the whole table (2,052,000 bytes) to path, replacing the file only once all is on disk.
FileStatus WriteMacroFile(const std::filesystem::path& path, const MacroTable& table);

struct MacroListEntry {
    std::u16string name;
    uint32_t id = 0;
};

// One per process, owned by the application. Changed on the user-interface thread; the profile
// writer reads records while the progress window blocks editing.
class MacroLibrary {
public:
    // dataDir holds Macro.cfg; messages go through notifier with language's texts; clock paces the
    // saves.
    MacroLibrary(std::filesystem::path dataDir, Notifier& notifier, const UiLanguage& language, Clock& clock);
    // A write handed to the worker thread is finished first.
    ~MacroLibrary();
    MacroLibrary(const MacroLibrary&) = delete;
    MacroLibrary& operator=(const MacroLibrary&) = delete;

    // Reads Macro.cfg into the zeroed table (a short file leaves the rest zero). A missing file is
    // reported (unless reportMissing is false: start-up reports it later with ReportMissingFile());
    // the table then stays empty and the first save creates the file.
    bool LoadMacroLibrary(bool reportMissing = true);
    void ReportMissingFile();
    // Writes the whole table to Macro.cfg, after any write handed to the worker. True when it
    // reached the disk.
    bool SaveMacroLibrary();

    // First slot, in slot order, whose id matches (listed or not).
    std::optional<int> FindMacro(uint32_t id) const;
    // When a change reaches Macro.cfg: at once, or with the next SaveIfChanged (the macro page
    // gathers quick successive edits into one write of the 2 MB file).
    enum class Save { kNow, kLater };

    // Stores a macro from the editor (or a renamed one) over the slot of its id, else in the first
    // free slot, and saves. False when the record is refused or the library is full.
    bool StoreMacro(const MacroRecord& record, Save save = Save::kNow);
    // Clears the first slot of that id and saves (also when none matched).
    void DeleteMacroRecord(uint32_t id, Save save = Save::kNow);
    // A change stored with Save::kLater has not reached the file yet.
    bool HasUnsavedChanges() const { return unsaved_; }
    // Saves when HasUnsavedChanges(), after any write handed to the worker; true when nothing is
    // left unsaved. When it returns, everything stored is on disk.
    bool SaveIfChanged();
    // Saves when HasUnsavedChanges() without holding up the caller: a copy of the table goes to a
    // worker thread, which writes it with the usual pauses (a newer copy replaces one it has not
    // taken yet). A missing file is made at once instead, with its messages. Failures of the
    // worker's write are silent, as for any existing file.
    void SaveInBackground();
    // Waits until the worker has written every copy it was given.
    void FinishBackgroundSave();
    // The listed macros of a game group, in slot order.
    std::vector<MacroListEntry> ListGroupMacros(uint32_t group) const;

    const MacroRecord& Slot(int index) const { return (*table_)[static_cast<size_t>(index)]; }
    const MacroTable& Table() const { return *table_; }
    std::filesystem::path FilePath() const;

    // Tests make writes fail through this.
    void SetFileWriter(FileWriter writer) { writeFile_ = std::move(writer); }

private:
    void Changed(Save save);
    void SaverLoop();

    std::filesystem::path dataDir_;
    Notifier& notifier_;
    const UiLanguage& language_;
    Clock& clock_;
    FileWriter writeFile_ = AtomicFileWriter();
    std::unique_ptr<MacroTable> table_;  // 2 MB: never on a stack
    bool unsaved_ = false;

    // The background writer: started with the first SaveInBackground, ended by the destructor.
    std::mutex saverMutex_;
    std::condition_variable saverWake_;
    std::condition_variable saverDone_;
    std::unique_ptr<MacroTable> pendingCopy_;  // handed over, not yet taken by the worker
    bool writing_ = false;
    bool stopSaver_ = false;
    std::thread saver_;
};

// True when a profile slot of the catalogue names the macro for a button, or a button of the live
// record is assigned to it. Such a macro must not be deleted.
bool IsMacroInUse(uint32_t id, const ProfileCatalogue& catalogue, const ProfileRecord& liveRecord);

}  // namespace kx90
