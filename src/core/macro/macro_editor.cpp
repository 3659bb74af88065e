// The event editor: recording, single-event edits, pause merging, and items to and from records.
#include "core/macro/macro_editor.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "core/buttons/key_naming.h"

namespace kx90 {
namespace {

constexpr uint32_t kParseCeiling = 0xFFFFFFF;

std::u16string Decimal(uint32_t value) {
    const std::string narrow = std::to_string(value);
    return std::u16string(narrow.begin(), narrow.end());
}

uint32_t EventKindOf(uint32_t itemKind) {
    switch (itemKind) {
        case kEventItemKeyUp:
            return kMacroKeyUp;
        case kEventItemKeyDown:
            return kMacroKeyDown;
        default:
            return kMacroPause;
    }
}

EventItem MergedPause(uint32_t a, uint32_t b) {
    return {kEventItemPause, std::min(a + b, kMaxMergedPauseMs)};
}

}  // namespace

std::u16string EventItemText(const EventItem& item) {
    if (item.IsPause()) {
        return Decimal(item.value) + u"  ms";
    }
    return std::u16string(GetMacroKeyName(item.value));
}

std::optional<uint32_t> ParseCleanNumber(std::u16string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    uint32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = std::min(value * 10 + static_cast<uint32_t>(c - u'0'), kParseCeiling);
    }
    return value;
}

uint32_t RepeatCountFromText(std::u16string_view text) {
    const std::optional<uint32_t> n = ParseCleanNumber(text);
    if (!n || *n == 0) {
        return 1;
    }
    return std::min(*n, kMaxRepeatCount);
}

std::u16string RepeatFieldText(uint32_t repeatCount) {
    return repeatCount == kSingleKeyRepeatCount ? u"1" : Decimal(repeatCount);
}

RepeatFieldCheck ValidateRepeatField(std::u16string_view text) {
    std::u16string_view rest = text;
    while (!rest.empty() && rest.front() == u'0') {
        rest.remove_prefix(1);
    }
    const std::optional<uint32_t> n = ParseCleanNumber(rest);
    RepeatFieldCheck check;
    if (!n || *n == 0) {
        check.text = Decimal(1);
    } else if (*n > kMaxRepeatCount) {
        check.text = Decimal(kMaxRepeatCount);
    } else {
        check.text = std::u16string(rest);
    }
    check.changed = check.text != text;
    return check;
}

std::vector<EventItem> EventItemsOf(const MacroRecord& record, bool* damaged) {
    std::vector<EventItem> items;
    if (damaged != nullptr) {
        *damaged = false;
    }
    for (const MacroEvent event : StoredEvents(record)) {
        switch (event.Kind()) {
            case kMacroKeyUp:
                items.push_back({kEventItemKeyUp, event.Value()});
                break;
            case kMacroKeyDown:
                items.push_back({kEventItemKeyDown, event.Value()});
                break;
            case kMacroPause:
                items.push_back({kEventItemPause, event.Value()});
                break;
            default:
                if (damaged != nullptr) {
                    *damaged = true;
                }
                return items;
        }
    }
    return items;
}

int MergeAdjacentPauses(std::vector<EventItem>& items) {
    int last = -1;
    for (size_t i = 1; i < items.size();) {
        if (items[i - 1].IsPause() && items[i].IsPause()) {
            items[i] = MergedPause(items[i - 1].value, items[i].value);
            items.erase(items.begin() + static_cast<std::ptrdiff_t>(i - 1));
            last = static_cast<int>(i - 1);
        } else {
            ++i;
        }
    }
    return last;
}

std::optional<MacroRecord> BuildMacroRecord(std::vector<EventItem>& items, std::u16string_view repeatText,
                                            uint32_t id, std::u16string_view name, int* lastMerged) {
    const size_t held = items.size();
    if (held == 0) {
        return std::nullopt;
    }
    const int merged = MergeAdjacentPauses(items);
    if (lastMerged != nullptr) {
        *lastMerged = merged;
    }
    MacroRecord record;
    std::memset(&record, 0, sizeof record);
    uint32_t count = 0;
    bool keySeen = false;
    for (const EventItem& item : items) {
        if (item.IsPause() && !keySeen) {
            continue;  // a stored macro never starts with a pause
        }
        keySeen = keySeen || !item.IsPause();
        if (count == kMacroEventCapacity) {
            return std::nullopt;
        }
        record.events[count++] = MakeMacroEvent(EventKindOf(item.kind), item.value);
    }
    record.recordSize = static_cast<uint32_t>(held * 4 + 4100);
    record.marker = kMacroMarker;
    record.id = id;
    record.eventCount = count;
    const bool loneKeyPress = count == 1 && record.events[0].Kind() == kMacroKeyDown;
    record.repeatCount = loneKeyPress ? kSingleKeyRepeatCount : RepeatCountFromText(repeatText);
    SetMacroName(record, name);
    return record;
}

// The editor.

void MacroEditor::Load(std::vector<EventItem> items) {
    items_ = std::move(items);
    selected_ = static_cast<int>(items_.size()) - 1;
}

void MacroEditor::Select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
}

void MacroEditor::Append(EventItem item) {
    items_.push_back(item);
    selected_ = static_cast<int>(items_.size()) - 1;
}

void MacroEditor::Insert(int at, EventItem item) {
    items_.insert(items_.begin() + at, item);
    selected_ = at;
}

bool MacroEditor::RoomForAnotherKey() const {
    const size_t needed = noPause_ || items_.empty() ? 1 : 2;
    return items_.size() + needed <= static_cast<size_t>(kMaxEventItems);
}

EditorEffect MacroEditor::ToggleRecording(bool macroSelected) {
    if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kModifyKey) {
        return EditorEffect::kBusyWithKey;
    }
    if (mode_ == EditMode::kInsertPause || mode_ == EditMode::kModifyPause) {
        return EditorEffect::kBusyWithPause;
    }
    keyCapture_ = false;
    HideEditControls();
    if (!macroSelected) {
        return EditorEffect::kNone;
    }
    if (recording_) {
        return StopRecording();
    }
    recording_ = true;
    items_.clear();
    selected_ = -1;
    recordedKeys_ = 0;
    lastEventTick_ = 0;
    lastKey_ = 0;
    lastFlags_ = 0;
    keyCapture_ = true;
    return EditorEffect::kNone;
}

EditorEffect MacroEditor::StopRecording() {
    if (!recording_) {
        return EditorEffect::kNone;
    }
    recording_ = false;
    keyCapture_ = false;
    return EditorEffect::kSave;
}

EditorEffect MacroEditor::OnKeyCapture(uint32_t virtualKey, uint32_t flags) {
    if (virtualKey == lastKey_ && (flags & kKeyFlagReleased) == (lastFlags_ & kKeyFlagReleased)) {
        return EditorEffect::kNone;  // auto-repeat of a held key, or the same report twice
    }
    if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kModifyKey) {
        controls_.keyFieldText = std::u16string(GetMacroKeyName(virtualKey));
        capturedKey_ = virtualKey;
        return EditorEffect::kNone;
    }
    if (!recording_ || recordedKeys_ >= kMaxRecordedKeys) {
        return EditorEffect::kNone;
    }
    if (!noPause_) {
        const uint32_t now = clock_.TickCount();
        if (lastEventTick_ != 0) {
            Append({kEventItemPause, (now - lastEventTick_) & kMaxPauseMs});
        }
        lastEventTick_ = now;
    }
    Append({(flags & kKeyFlagReleased) != 0 ? kEventItemKeyUp : kEventItemKeyDown, virtualKey});
    ++recordedKeys_;
    lastFlags_ = flags;
    lastKey_ = virtualKey;
    if (!RoomForAnotherKey()) {
        // The record is full: what was recorded is kept, nothing more is taken.
        recording_ = false;
        keyCapture_ = false;
        return EditorEffect::kRecordingFull;
    }
    return EditorEffect::kNone;
}

void MacroEditor::HideEditControls() {
    const uint32_t clears = controls_.pauseFieldClears + 1;
    controls_ = EditControls{};
    controls_.pauseFieldClears = clears;
}

void MacroEditor::EndEdit() {
    if (mode_ == EditMode::kNone) {
        return;
    }
    keyCapture_ = false;
    HideEditControls();
    mode_ = EditMode::kNone;
}

void MacroEditor::BeginInsert() {
    if (recording_) {
        return;  // the button is disabled while recording
    }
    mode_ = EditMode::kInsertKey;
    controls_.keyOption = true;
    controls_.pauseOption = true;
}

void MacroEditor::ChooseKeyOption() {
    if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kInsertPause) {
        mode_ = EditMode::kInsertKey;
    }
    controls_.keyOptionChecked = true;
    controls_.pauseOptionChecked = false;
    controls_.keyField = true;
    controls_.keyFieldText.clear();
    controls_.pauseField = false;
    controls_.focus = EditControls::Focus::kNone;
    capturedKey_ = 0;
    keyCapture_ = true;
}

void MacroEditor::ChoosePauseOption() {
    if (mode_ == EditMode::kInsertKey || mode_ == EditMode::kInsertPause) {
        mode_ = EditMode::kInsertPause;
    }
    controls_.keyOptionChecked = false;
    controls_.pauseOptionChecked = true;
    controls_.pauseField = true;
    ++controls_.pauseFieldClears;
    controls_.keyField = false;
    controls_.focus = EditControls::Focus::kPauseField;
    keyCapture_ = false;
}

void MacroEditor::BeginModify() {
    keyCapture_ = false;
    if (recording_ || selected_ < 0) {
        return;
    }
    HideEditControls();
    capturedKey_ = 0;
    if (!items_[static_cast<size_t>(selected_)].IsPause()) {
        mode_ = EditMode::kModifyKey;
        keyCapture_ = true;
        controls_.keyOption = true;
        controls_.keyOptionChecked = true;
        controls_.keyField = true;
        controls_.focus = EditControls::Focus::kKeyField;
    } else {
        mode_ = EditMode::kModifyPause;
        controls_.pauseOption = true;
        controls_.pauseOptionChecked = true;
        controls_.pauseField = true;
        controls_.focus = EditControls::Focus::kPauseField;
    }
}

EditorEffect MacroEditor::KeyOk() {
    EditorEffect effect = EditorEffect::kSave;
    if (mode_ == EditMode::kInsertKey) {
        effect = InsertKey();
    } else if (mode_ == EditMode::kModifyKey) {
        ModifySelected({});
    }
    return FinishEdit(effect);
}

EditorEffect MacroEditor::PauseOk(std::u16string_view pauseText) {
    EditorEffect effect = EditorEffect::kSave;
    if (mode_ == EditMode::kInsertPause) {
        effect = InsertPause(pauseText);
    } else if (mode_ == EditMode::kModifyPause) {
        ModifySelected(pauseText);
    }
    return FinishEdit(effect);
}

EditorEffect MacroEditor::FinishEdit(EditorEffect effect) {
    keyCapture_ = false;
    HideEditControls();
    mode_ = EditMode::kNone;
    return effect;
}

EditorEffect MacroEditor::InsertKey() {
    keyCapture_ = false;
    if (selected_ < 0 || capturedKey_ == 0) {
        return EditorEffect::kSave;
    }
    if (items_.size() + 2 > static_cast<size_t>(kMaxEventItems)) {
        return EditorEffect::kNoRoom;
    }
    Insert(selected_, {kEventItemKeyDown, capturedKey_});
    Insert(selected_ + 1, {kEventItemKeyUp, capturedKey_});
    return EditorEffect::kSave;
}

EditorEffect MacroEditor::InsertPause(std::u16string_view pauseText) {
    const std::optional<uint32_t> typed = ParseCleanNumber(pauseText);
    const int s = selected_;
    if (!typed || s <= 0) {
        return EditorEffect::kSave;  // a macro never starts with a pause
    }
    const uint32_t v = *typed & kMaxPauseMs;
    EventItem& before = items_[static_cast<size_t>(s - 1)];
    EventItem& at = items_[static_cast<size_t>(s)];
    if (before.IsPause()) {
        before = MergedPause(v, before.value);
        selected_ = s - 1;
    } else if (at.IsPause()) {
        at = MergedPause(v, at.value);
    } else if (items_.size() + 1 > static_cast<size_t>(kMaxEventItems)) {
        return EditorEffect::kNoRoom;
    } else {
        Insert(s, {kEventItemPause, v});
    }
    return EditorEffect::kSave;
}

void MacroEditor::ModifySelected(std::u16string_view pauseText) {
    if (selected_ < 0) {
        return;
    }
    EventItem& item = items_[static_cast<size_t>(selected_)];
    if (!item.IsPause()) {
        if (capturedKey_ != 0) {
            item.value = capturedKey_;  // its partner press or release keeps the old key
        }
    } else if (const std::optional<uint32_t> typed = ParseCleanNumber(pauseText)) {
        item.value = std::min(*typed, kMaxPauseMs);
    }
}

EditorEffect MacroEditor::DeleteSelected() {
    if (recording_ || selected_ < 0) {
        return EditorEffect::kNone;
    }
    items_.erase(items_.begin() + selected_);
    selected_ = -1;  // the list box has no selection after its selected row went
    return items_.empty() ? EditorEffect::kNone : EditorEffect::kSave;
}

}  // namespace kx90
