// The macro manager page's rules over the macro library, the profiles and the keyboard capture.
#include "core/pages/macro_page.h"

#include <algorithm>
#include <optional>

#include "core/macro/macro_groups.h"

namespace kx90::pages {
namespace {

std::u16string_view BusyText(EditorEffect effect, PairLanguage language) {
    if (effect == EditorEffect::kBusyWithKey) {
        return PickByLanguage<std::u16string_view>(
            language,
            u"\u6B63\u5728\u4FEE\u6539/\u63D2\u5165\u4E00\u4E2A\u952E\uFF0C\u65E0\u6CD5\u5F55\u5236",
            u"It is Modifying or inserting a button,you can not record");
    }
    return PickByLanguage<std::u16string_view>(
        language,
        u"\u6B63\u5728\u4FEE\u6539/\u63D2\u5165\u4E00\u4E2A\u5EF6\u65F6\uFF0C\u65E0\u6CD5\u5F55\u5236",
        u"It is Modifying or inserting a delay,you can not record");
}

std::u16string_view InUseText(PairLanguage language) {
    return PickByLanguage<std::u16string_view>(
        language, u"\u5F53\u524D\u5B8F\u6B63\u5728\u88AB\u4F7F\u7528\uFF0C\u4E0D\u80FD\u5220\u9664\uFF01",
        u"The macro is being applied and cannot be deleted!");
}

std::u16string_view FullRecordText(PairLanguage language) {
    return PickByLanguage<std::u16string_view>(
        language,
        u"\u4E00\u4E2A\u5B8F\u6700\u591A\u53EA\u80FD\u4FDD\u5B58 1000 \u4E2A\u4E8B\u4EF6\uFF0C"
        u"\u5F55\u5236\u5DF2\u505C\u6B62\u3002",
        u"A macro holds at most 1000 events: the recording has stopped and what was recorded is kept.");
}

std::u16string_view NoRoomText(PairLanguage language) {
    return PickByLanguage<std::u16string_view>(
        language, u"\u4E00\u4E2A\u5B8F\u6700\u591A\u53EA\u80FD\u4FDD\u5B58 1000 \u4E2A\u4E8B\u4EF6\u3002",
        u"A macro holds at most 1000 events: nothing was inserted.");
}

std::u16string_view LibraryFullText(PairLanguage language) {
    return PickByLanguage<std::u16string_view>(
        language,
        u"\u5B8F\u5E93\u5DF2\u6EE1\uFF08\u6700\u591A 500 \u4E2A\u5B8F\uFF09\uFF0C\u65B0\u7684\u5B8F"
        u"\u65E0\u6CD5\u4FDD\u5B58\u3002\u8BF7\u5148\u5220\u9664\u4E0D\u7528\u7684\u5B8F\u3002",
        u"The macro library is full (500 macros): the new macro cannot be saved. Delete a macro you no "
        u"longer use first.");
}

}  // namespace

std::u16string_view NewMacroName(PairLanguage language) {
    return PickByLanguage<std::u16string_view>(language, u"\u65B0\u5EFA\u5B8F", u"New Macro");
}

std::u16string_view RecordCaption(bool recording, PairLanguage language) {
    if (recording) {
        return PickByLanguage<std::u16string_view>(language, u"\u505C\u6B62\u5F55\u5236", u"Stop Record");
    }
    return PickByLanguage<std::u16string_view>(language, u"\u5F00\u59CB\u5F55\u5236", u"Start Record");
}

MacroPageState::MacroPageState(MacroPageServices services, PairLanguage language)
    : library_(services.library),
      profiles_(services.profiles),
      notifier_(services.notifier),
      hooks_(services.hooks),
      page_(services.page),
      language_(language),
      clock_(services.clock),
      editor_(services.clock) {
    view_.groupCaption = std::u16string(GroupCaption(kCustomMacroGroup, language));
}

void MacroPageState::SetLanguage(PairLanguage language) {
    language_ = language;
    view_.groupCaption = std::u16string(GroupCaption(view_.group, language));
}

void MacroPageState::ChooseGroup(uint32_t group) {
    if (group < 1 || group > kMacroGroupCount) {
        return;
    }
    view_.groupCaption = std::u16string(GroupCaption(group, language_));
    ShowGroup(group);
}

void MacroPageState::ShowGroup(uint32_t group) {
    // Leaving the shown macros ends what was done to the selected one first.
    editor_.EndEdit();
    Handle(editor_.StopRecording());
    view_.group = group;
    view_.macros = library_.ListGroupMacros(group);
    view_.selectedMacro = static_cast<int>(view_.macros.size()) - 1;
    LoadSelectedMacro();
    SyncCapture();
}

void MacroPageState::LoadSelectedMacro() {
    std::vector<EventItem> items;
    view_.loadedDamaged = false;
    if (view_.selectedMacro >= 0) {
        const uint32_t id = view_.macros[static_cast<size_t>(view_.selectedMacro)].id;
        if (const std::optional<int> slot = library_.FindMacro(id)) {
            const MacroRecord& record = library_.Slot(*slot);
            view_.repeatText = RepeatFieldText(record.repeatCount);
            items = EventItemsOf(record, &view_.loadedDamaged);
        }
    }
    editor_.Load(std::move(items));
    if (editor_.Items().empty()) {
        view_.repeatText = u"1";
    }
}

bool MacroPageState::NewMacro() {
    if (editor_.Recording()) {
        return false;
    }
    editor_.EndEdit();
    // Two macros never share an identifier: the tick count is moved on past any taken one.
    uint32_t id = NewMacroId(view_.group, clock_);
    auto taken = [&](uint32_t candidate) {
        return library_.FindMacro(candidate).has_value() ||
               std::any_of(view_.macros.begin(), view_.macros.end(),
                           [&](const MacroListEntry& m) { return m.id == candidate; });
    };
    while (taken(id)) {
        id = (view_.group << 24) | ((id + 1) & 0xFFFFFF);
    }
    view_.macros.push_back({std::u16string(NewMacroName(language_)), id});
    view_.selectedMacro = static_cast<int>(view_.macros.size()) - 1;
    LoadSelectedMacro();
    view_.repeatText = u"1";
    SyncCapture();
    return true;
}

void MacroPageState::DeleteMacro() {
    const int index = view_.selectedMacro;
    if (index < 0 || editor_.Recording()) {
        return;
    }
    const uint32_t id = view_.macros[static_cast<size_t>(index)].id;
    if (IsMacroInUse(id, profiles_.Catalogue(), profiles_.LiveRecord())) {
        notifier_.ShowInfo(std::u16string(InUseText(language_)), false);
        return;
    }
    editor_.EndEdit();
    library_.DeleteMacroRecord(id, MacroLibrary::Save::kLater);
    RemoveMacroRow(index);
    SyncCapture();
}

void MacroPageState::RemoveMacroRow(int index) {
    view_.macros.erase(view_.macros.begin() + index);
    view_.selectedMacro = -1;  // the list box has no selection after its selected row went
    editor_.Load({});
    view_.repeatText = u"1";
}

void MacroPageState::RenameMacro(int index, std::u16string_view name) {
    if (index < 0 || index >= static_cast<int>(view_.macros.size())) {
        return;
    }
    MacroListEntry& row = view_.macros[static_cast<size_t>(index)];
    row.name = std::u16string(name);
    if (const std::optional<int> slot = library_.FindMacro(row.id)) {
        const MacroRecord& record = library_.Slot(*slot);
        if (IsMacroListed(record) && MacroName(record) != name) {
            MacroRecord renamed = record;
            SetMacroName(renamed, name);
            library_.StoreMacro(renamed, MacroLibrary::Save::kLater);
        }
    }
}

void MacroPageState::SelectMacro(int index) {
    if (index == view_.selectedMacro) {
        return;
    }
    editor_.EndEdit();
    // Stored into the macro that was recorded: the selection still names it here.
    Handle(editor_.StopRecording());
    view_.selectedMacro = index >= 0 && index < static_cast<int>(view_.macros.size()) ? index : -1;
    LoadSelectedMacro();
    SyncCapture();
}

void MacroPageState::SelectEvent(int index) {
    if (index == editor_.Selected()) {
        return;
    }
    editor_.Select(index);
    editor_.EndEdit();
    SyncCapture();
}

void MacroPageState::ToggleRecording() {
    Handle(editor_.ToggleRecording(view_.selectedMacro >= 0));
    SyncCapture();
}

void MacroPageState::SetNoPause(bool noPause) {
    editor_.SetNoPause(noPause);
    view_.noPause = noPause;
}

void MacroPageState::OnKeyCapture(uint32_t virtualKey, uint32_t flags) {
    Handle(editor_.OnKeyCapture(virtualKey, flags));
    SyncCapture();
}

void MacroPageState::BeginInsert() {
    editor_.BeginInsert();
    SyncCapture();
}

void MacroPageState::ChooseKeyOption() {
    editor_.ChooseKeyOption();
    SyncCapture();
}

void MacroPageState::ChoosePauseOption() {
    editor_.ChoosePauseOption();
    SyncCapture();
}

void MacroPageState::BeginModify() {
    editor_.BeginModify();
    SyncCapture();
}

void MacroPageState::KeyOk() {
    Handle(editor_.KeyOk());
    SyncCapture();
}

void MacroPageState::PauseOk(std::u16string_view pauseText) {
    Handle(editor_.PauseOk(pauseText));
    SyncCapture();
}

void MacroPageState::DeleteEvent() {
    Handle(editor_.DeleteSelected());
    SyncCapture();
}

void MacroPageState::RepeatTextChanged(std::u16string_view text) {
    view_.repeatText = std::u16string(text);
    SaveCurrentMacro();
}

bool MacroPageState::ValidateRepeat() {
    const RepeatFieldCheck check = ValidateRepeatField(view_.repeatText);
    if (check.changed) {
        RepeatTextChanged(check.text);
    }
    return check.changed;
}

void MacroPageState::Leave() {
    editor_.EndEdit();
    Handle(editor_.StopRecording());
    SyncCapture();
    SaveNow();
}

void MacroPageState::SaveSoon() {
    library_.SaveInBackground();
}

void MacroPageState::SaveNow() {
    library_.SaveIfChanged();
}

void MacroPageState::Handle(EditorEffect effect) {
    switch (effect) {
        case EditorEffect::kNone:
            return;
        case EditorEffect::kSave:
            SaveCurrentMacro();
            return;
        case EditorEffect::kRecordingFull:
            SaveCurrentMacro();
            SyncCapture();  // no more keys while the message shows
            notifier_.ShowInfo(std::u16string(FullRecordText(language_)), false);
            return;
        case EditorEffect::kNoRoom:
            SaveCurrentMacro();
            notifier_.ShowInfo(std::u16string(NoRoomText(language_)), false);
            return;
        case EditorEffect::kBusyWithKey:
        case EditorEffect::kBusyWithPause:
            notifier_.ShowInfo(std::u16string(BusyText(effect, language_)), false);
            return;
    }
}

void MacroPageState::SaveCurrentMacro() {
    const int index = view_.selectedMacro;
    if (editor_.Items().empty() || index < 0) {
        return;
    }
    const MacroListEntry& row = view_.macros[static_cast<size_t>(index)];
    int merged = -1;
    const std::optional<MacroRecord> record =
        BuildMacroRecord(editor_.MutableItems(), view_.repeatText, row.id, row.name, &merged);
    if (merged >= 0) {
        editor_.Select(merged);  // the merged pause replaced its row, which selects it
    }
    if (!record) {
        return;
    }
    if (!library_.StoreMacro(*record, MacroLibrary::Save::kLater)) {
        // Only a new macro can fail (a stored one keeps its slot): the library has no free slot.
        // Said now and taken off the list, rather than kept until it vanishes unexplained.
        RemoveMacroRow(index);
        notifier_.ShowInfo(std::u16string(LibraryFullText(language_)), false);
    }
}

void MacroPageState::SyncCapture() {
    view_.recording = editor_.Recording();
    const bool wanted = editor_.KeyCaptureOn();
    if (wanted == captureOn_) {
        return;
    }
    captureOn_ = wanted;
    if (wanted) {
        hooks_.SetCaptureTarget(page_);
        hooks_.SetCaptureMode(true, false);
    } else {
        hooks_.SetCaptureMode(false, false);
    }
}

std::vector<int> MacroStatusCodesAt(layout::Point cursor, bool chineseLayout, bool recording,
                                    bool keyRowShown, bool pauseRowShown) {
    std::vector<StatusZone> zones;
    for (StatusZone zone : kMacroStatusZones) {
        if ((zone.statusCode == 52 && !keyRowShown) || (zone.statusCode == 53 && !pauseRowShown)) {
            continue;
        }
        if (zone.statusCode == kStatusRecordButton) {
            zone.statusCode = recording ? kStatusRecordStop : kStatusRecordStart;
        }
        zones.push_back(zone);
    }
    return StatusCodesIn(zones, cursor, chineseLayout);
}

}  // namespace kx90::pages
