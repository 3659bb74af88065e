// The macro page's event editor: the event items of one macro, the recorder with its repeat filter
// and measured pauses, single-event insert / modify / delete, the repeat field's text rules, and
// the conversion between the items and a MacroRecord.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/macro/macro_record.h"
#include "core/platform/clock.h"

namespace kx90 {

// Item kinds of the event list (bits 24-31 of an item's data; the list draws their step icons).
inline constexpr uint32_t kEventItemKeyUp = 2;
inline constexpr uint32_t kEventItemKeyDown = 3;
inline constexpr uint32_t kEventItemPause = 4;

// Two adjacent pauses merge into one of at most this many milliseconds.
inline constexpr uint32_t kMaxMergedPauseMs = 327670;
// A modified pause holds at most the 24 bits of its event.
inline constexpr uint32_t kMaxPauseMs = 0xFFFFFF;
// Key events one recording takes; later presses are dropped.
inline constexpr int kMaxRecordedKeys = 999;
// The repeat count the mouse takes; 0xFFFE is the single-key mark.
inline constexpr uint32_t kMaxRepeatCount = 65533;
// The list never holds more items than a record has events, so every item list can be stored.
inline constexpr int kMaxEventItems = kMacroEventCapacity;

// The key-released bit of the hook's key flags (KeyCaptureMessage's lParam).
inline constexpr uint32_t kKeyFlagReleased = 0x80;

// Virtual keys the three mouse-button buttons enter.
inline constexpr uint32_t kMacroLeftButton = 0x01;
inline constexpr uint32_t kMacroRightButton = 0x02;
inline constexpr uint32_t kMacroMiddleButton = 0x04;

struct EventItem {
    uint32_t kind = kEventItemKeyDown;  // kEventItemKeyUp, kEventItemKeyDown or kEventItemPause
    uint32_t value = 0;                 // virtual key, or milliseconds (24 bits)

    constexpr bool IsPause() const { return kind == kEventItemPause; }
    // The list's item data: the kind over the value's 24 bits.
    constexpr uint32_t Data() const { return (kind << 24) | (value & 0xFFFFFF); }
    bool operator==(const EventItem&) const = default;
};

// The row text: the key's name, or the pause as "%d  ms" (two blanks).
std::u16string EventItemText(const EventItem& item);

// Decimal digits only, not empty; nullopt otherwise. Long runs stop growing at 0xFFFFFFF, so a
// pasted text never overflows.
std::optional<uint32_t> ParseCleanNumber(std::u16string_view text);

// The repeat count a save takes from the repeat field: empty, not a clean number or 0 give 1;
// 65534 and above give 65533.
uint32_t RepeatCountFromText(std::u16string_view text);
// The repeat field's text for a stored count: "1" for the single-key mark, else the number.
std::u16string RepeatFieldText(uint32_t repeatCount);

// The timer's check of the repeat field: leading zeros go; then anything but a number from 1 to
// 65533 is corrected ("" -> "1", "0" -> "1", "99999" -> "65533", "007" -> "7").
struct RepeatFieldCheck {
    bool changed = false;  // text differs from what the field shows
    std::u16string text;   // the field's text afterwards
};
RepeatFieldCheck ValidateRepeatField(std::u16string_view text);

// A stored macro's items. Reading stops at the first event of an unknown kind (damaged is set).
std::vector<EventItem> EventItemsOf(const MacroRecord& record, bool* damaged = nullptr);

// Every run of adjacent pauses becomes one pause of their sum, at most kMaxMergedPauseMs. Returns
// the index of the last merged item, or -1 when nothing merged.
int MergeAdjacentPauses(std::vector<EventItem>& items);

// The record a save stores: items merged in place first; recordSize counts the items before the
// merge; leading pauses are dropped; a lone key press gets the single-key repeat mark, any other
// macro RepeatCountFromText(repeatText). Nothing for an empty list, or for more events than a
// record holds (the editor never lets the list grow that far). lastMerged receives
// MergeAdjacentPauses' answer.
std::optional<MacroRecord> BuildMacroRecord(std::vector<EventItem>& items, std::u16string_view repeatText,
                                            uint32_t id, std::u16string_view name, int* lastMerged = nullptr);

enum class EditMode {
    kNone = 0,
    kInsertKey = 1,
    kInsertPause = 2,
    kModifyKey = 3,
    kModifyPause = 4,
};

// Which of the insert / modify controls show. All hidden while no edit runs.
struct EditControls {
    bool keyOption = false;
    bool keyOptionChecked = false;
    bool keyField = false;  // with keyOk
    bool pauseOption = false;
    bool pauseOptionChecked = false;
    bool pauseField = false;  // with pauseOk
    std::u16string keyFieldText;
    uint32_t pauseFieldClears = 0;  // grows each time the pause field must be emptied
    enum class Focus { kNone, kKeyField, kPauseField } focus = Focus::kNone;
};

// What a call asks of the page beyond showing the editor again.
enum class EditorEffect {
    kNone,
    kSave,           // the list is to be stored into the macro (SaveCurrentMacro)
    kRecordingFull,  // the recording stopped because the record has no room left: save and say why
    kNoRoom,         // an insertion was refused: the record has no room for it
    kBusyWithKey,    // recording refused: a key is being inserted or modified
    kBusyWithPause,  // recording refused: a pause is being inserted or modified
};

// The editor of the macro page. Pure state: the page shows Items() and Controls(), turns the
// keyboard capture on or off as KeyCaptureOn() says, and stores the list when told.
class MacroEditor {
public:
    explicit MacroEditor(Clock& clock) : clock_(clock) {}

    const std::vector<EventItem>& Items() const { return items_; }
    std::vector<EventItem>& MutableItems() { return items_; }
    int Selected() const { return selected_; }
    bool Recording() const { return recording_; }
    EditMode Mode() const { return mode_; }
    const EditControls& Controls() const { return controls_; }
    bool KeyCaptureOn() const { return keyCapture_; }
    bool NoPause() const { return noPause_; }

    // Another macro's items (empty for one never stored); the last one is selected.
    void Load(std::vector<EventItem> items);
    void Select(int index);
    void SetNoPause(bool noPause) { noPause_ = noPause; }

    // The record button. With a macro selected and no edit running it starts (the list empties)
    // or stops a recording; a stop asks for a save.
    EditorEffect ToggleRecording(bool macroSelected);
    // Ends a recording without its button (another macro, another page): kSave when one ran.
    EditorEffect StopRecording();

    // KeyCaptureMessage: repeats of the last accepted key in the same state are dropped. While a
    // key is inserted or modified the key goes into the key field; while recording it is appended
    // after the pause since the previous one (unless the no-pause box is checked). Ignored
    // otherwise: a report still queued when the capture went off changes nothing.
    EditorEffect OnKeyCapture(uint32_t virtualKey, uint32_t flags);

    // The insert button, the key and pause options, the modify button.
    void BeginInsert();
    void ChooseKeyOption();
    void ChoosePauseOption();
    void BeginModify();
    // The OK buttons: insert or modify as the mode says (pauseText: the pause field), then the
    // edit ends. kSave, or kNoRoom when an insertion did not fit.
    EditorEffect KeyOk();
    EditorEffect PauseOk(std::u16string_view pauseText);
    // The delete button: kSave when items are left to save.
    EditorEffect DeleteSelected();
    // Hides the edit controls and ends any edit (a change of selection in either list).
    void EndEdit();

private:
    EditorEffect InsertKey();
    EditorEffect InsertPause(std::u16string_view pauseText);
    void ModifySelected(std::u16string_view pauseText);
    // Both OK buttons end the edit the same way.
    EditorEffect FinishEdit(EditorEffect effect);
    void Append(EventItem item);
    void Insert(int at, EventItem item);
    void HideEditControls();
    // Whether one more key (and the pause before it) still fits into a record.
    bool RoomForAnotherKey() const;

    Clock& clock_;
    std::vector<EventItem> items_;
    int selected_ = -1;
    bool recording_ = false;
    EditMode mode_ = EditMode::kNone;
    EditControls controls_;
    bool keyCapture_ = false;
    bool noPause_ = false;
    int recordedKeys_ = 0;
    uint32_t lastEventTick_ = 0;
    uint32_t capturedKey_ = 0;
    // The repeat filter: the last key event the recorder accepted. Cleared when a recording
    // starts, so its first key is never taken for a repeat of the previous recording's last one.
    uint32_t lastKey_ = 0;
    uint32_t lastFlags_ = 0;
};

}  // namespace kx90
