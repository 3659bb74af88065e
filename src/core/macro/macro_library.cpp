// Loading, saving and the slot rules of the macro library.
#include "core/macro/macro_library.h"

#include <algorithm>
#include <cstring>
#include <system_error>
#include <utility>

#include "core/platform/data_folders.h"
#include "core/profile/file_messages.h"

namespace kx90 {
namespace {

// Macro.cfg is written with a pause of this length before and after, as the program always did.
constexpr uint32_t kSavePauseMs = 100;

std::unique_ptr<MacroTable> ZeroTable() {
    return std::make_unique<MacroTable>();
}  // value-initialised

}  // namespace

FileStatus WriteMacroFile(const std::filesystem::path& path, const MacroTable& table) {
    return WriteFileAtomically(path, BytesOf(table));
}

MacroLibrary::MacroLibrary(std::filesystem::path dataDir, Notifier& notifier, const UiLanguage& language,
                           Clock& clock)
    : dataDir_(std::move(dataDir)),
      notifier_(notifier),
      language_(language),
      clock_(clock),
      table_(ZeroTable()) {}

MacroLibrary::~MacroLibrary() {
    if (saver_.joinable()) {
        {
            std::lock_guard lock(saverMutex_);
            stopSaver_ = true;
        }
        saverWake_.notify_all();
        saver_.join();  // a copy still waiting is written first
    }
}

std::filesystem::path MacroLibrary::FilePath() const {
    return MacroFilePath(dataDir_);
}

bool MacroLibrary::LoadMacroLibrary(bool reportMissing) {
    const std::filesystem::path path = FilePath();
    auto loaded = ZeroTable();
    const FileReadResult read = ReadFilePrefix(path, BytesOf(*loaded));
    if (read.status == FileStatus::kOk) {
        *table_ = *loaded;  // the table keeps its address for the whole run: the writer thread holds it
        unsaved_ = false;
        return true;
    }
    if (read.status == FileStatus::kNotFound && reportMissing) {
        ReportMissingFile();
    }
    return false;
}

void MacroLibrary::ReportMissingFile() {
    notifier_.ShowInfo(FormatWithPath(language_.Strings().str_msg2, PathText(FilePath())), false);
}

bool MacroLibrary::SaveMacroLibrary() {
    // An older copy in the worker's hands must not land after this write.
    FinishBackgroundSave();
    // Whatever happens below, the change has had its write; a failed one is not retried on its own.
    unsaved_ = false;
    const std::filesystem::path path = FilePath();
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) {
        clock_.SleepMs(kSavePauseMs);
        const FileStatus status = writeFile_(path, BytesOf(*table_));
        clock_.SleepMs(kSavePauseMs);
        return status == FileStatus::kOk;
    }
    // A missing file is said once, then made anew.
    const std::u16string caption(kInfoCaption);
    notifier_.ShowMessageBox(FormatWithPath(language_.Strings().str_msg2, PathText(path)), caption);
    const FileStatus status = writeFile_(path, BytesOf(*table_));
    if (status == FileStatus::kAccessDenied) {
        notifier_.ShowMessageBox(language_.Strings().str_msg4, caption);
    }
    return status == FileStatus::kOk;
}

std::optional<int> MacroLibrary::FindMacro(uint32_t id) const {
    for (int i = 0; i < kMacroSlotCount; ++i) {
        if (Slot(i).id == id) {
            return i;
        }
    }
    return std::nullopt;
}

bool MacroLibrary::SaveIfChanged() {
    FinishBackgroundSave();
    return !unsaved_ || SaveMacroLibrary();
}

void MacroLibrary::SaveInBackground() {
    if (!unsaved_) {
        return;
    }
    std::error_code ec;
    if (!std::filesystem::exists(FilePath(), ec)) {
        SaveMacroLibrary();  // its messages belong to this thread
        return;
    }
    auto copy = std::make_unique<MacroTable>(*table_);
    unsaved_ = false;
    {
        std::lock_guard lock(saverMutex_);
        pendingCopy_ = std::move(copy);
        if (!saver_.joinable()) {
            saver_ = std::thread([this] { SaverLoop(); });
        }
    }
    saverWake_.notify_one();
}

void MacroLibrary::FinishBackgroundSave() {
    std::unique_lock lock(saverMutex_);
    saverDone_.wait(lock, [this] { return pendingCopy_ == nullptr && !writing_; });
}

void MacroLibrary::SaverLoop() {
    const std::filesystem::path path = FilePath();
    std::unique_lock lock(saverMutex_);
    for (;;) {
        saverWake_.wait(lock, [this] { return pendingCopy_ != nullptr || stopSaver_; });
        if (pendingCopy_ == nullptr) {
            return;
        }
        const std::unique_ptr<MacroTable> copy = std::move(pendingCopy_);
        writing_ = true;
        lock.unlock();
        clock_.SleepMs(kSavePauseMs);
        writeFile_(path, BytesOf(*copy));
        clock_.SleepMs(kSavePauseMs);
        lock.lock();
        writing_ = false;
        saverDone_.notify_all();
    }
}

void MacroLibrary::Changed(Save save) {
    unsaved_ = true;
    if (save == Save::kNow) {
        SaveMacroLibrary();
    }
}

bool MacroLibrary::StoreMacro(const MacroRecord& incoming, Save save) {
    if (incoming.recordSize < kMinMacroRecordSize || (incoming.marker >> 16) != kMacroMarkerHigh) {
        return false;
    }
    // A copy first: the caller may hand in the very slot it renames.
    const MacroRecord record = incoming;
    std::optional<int> target = FindMacro(record.id);
    if (!target) {
        for (int i = 0; i < kMacroSlotCount && !target; ++i) {
            if (IsMacroSlotFree(Slot(i))) {
                target = i;
            }
        }
    }
    if (!target) {
        return false;  // full
    }

    // Field by field, events first and the marker last, so the writer thread never sees a marked
    // slot with half its events. Events beyond the record's 1000 are cut off, never written.
    MacroRecord& slot = (*table_)[static_cast<size_t>(*target)];
    const std::span<const MacroEvent> events = StoredEvents(record);
    std::fill(std::begin(slot.events), std::end(slot.events), MacroEvent{0});
    std::copy(events.begin(), events.end(), slot.events);
    slot.id = record.id;
    slot.eventCount = static_cast<uint32_t>(events.size());
    slot.repeatCount = record.repeatCount;
    slot.reserved = record.reserved;
    std::copy(std::begin(record.name), std::end(record.name), slot.name);
    slot.recordSize = record.recordSize;
    slot.marker = record.marker;

    Changed(save);
    return true;
}

void MacroLibrary::DeleteMacroRecord(uint32_t id, Save save) {
    if (const std::optional<int> slot = FindMacro(id)) {
        std::memset(&(*table_)[static_cast<size_t>(*slot)], 0, sizeof(MacroRecord));
    }
    Changed(save);
}

std::vector<MacroListEntry> MacroLibrary::ListGroupMacros(uint32_t group) const {
    std::vector<MacroListEntry> list;
    for (const MacroRecord& record : *table_) {
        if (IsMacroListed(record) && MacroGroupOf(record.id) == group) {
            list.push_back({std::u16string(MacroName(record)), record.id});
        }
    }
    return list;
}

bool IsMacroInUse(uint32_t id, const ProfileCatalogue& catalogue, const ProfileRecord& liveRecord) {
    for (const ProfileSlot& slot : catalogue.slots) {
        if (std::find(std::begin(slot.buttonMacroIds), std::end(slot.buttonMacroIds), id) !=
            std::end(slot.buttonMacroIds)) {
            return true;
        }
    }
    for (const ButtonAssignment& button : liveRecord.buttons) {
        if (button.functionCode == kFunctionMacro && button.macroId == id) {
            return true;
        }
    }
    return false;
}

}  // namespace kx90
