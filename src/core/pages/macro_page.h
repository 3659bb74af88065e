// The macro manager page's rules: the game group shown, its macro list with new / rename /
// delete, the selected macro's event editor, the repeat field, the stores into the macro library
// (written to disk in coalesced saves), and the help-line codes.
#pragma once

#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "core/buttons/hook_manager.h"
#include "core/i18n/pair_language.h"
#include "core/layout/geometry.h"
#include "core/layout/macro_page_layout.h"
#include "core/macro/macro_editor.h"
#include "core/macro/macro_groups.h"
#include "core/macro/macro_library.h"
#include "core/pages/status_zones.h"
#include "core/platform/clock.h"
#include "core/platform/notifier.h"
#include "core/profile/profile_state.h"

namespace kx90::pages {

// Control ids of the two lists (their notices carry them in wParam) and the three edit fields.
inline constexpr int kMacroListId = 256;
inline constexpr int kEventListId = 257;
inline constexpr int kRepeatFieldId = 1001;
inline constexpr int kKeyFieldId = 1002;
inline constexpr int kPauseFieldId = 1003;
inline constexpr int kRepeatFieldLimit = 5;
inline constexpr int kKeyFieldLimit = 1;
inline constexpr int kPauseFieldLimit = 4;

// Texts of the page's own (Chinese, English).
std::u16string_view NewMacroName(PairLanguage language);
std::u16string_view RecordCaption(bool recording, PairLanguage language);

// What the page shows. The view sets its controls from this and nothing else.
struct MacroPageView {
    uint32_t group = kCustomMacroGroup;
    std::u16string groupCaption;
    std::vector<MacroListEntry> macros;  // the macro list's rows: name and identifier
    int selectedMacro = -1;
    std::u16string repeatText = u"1";
    bool recording = false;
    bool noPause = false;
    // The last macro loaded had an event of an unknown kind: its list stops before it.
    bool loadedDamaged = false;
};

// Everything the page works with; the page state must not outlive them.
struct MacroPageServices {
    MacroLibrary& library;
    ProfileState& profiles;
    Notifier& notifier;
    HookManager& hooks;
    Clock& clock;
    WindowId page = 0;  // the keyboard capture's target while the page takes keys
};

class MacroPageState {
public:
    MacroPageState(MacroPageServices services, PairLanguage language);

    const MacroPageView& View() const { return view_; }
    const MacroEditor& Editor() const { return editor_; }
    void SetLanguage(PairLanguage language);

    // The group menu's choice (1..21): the caption and the group's macros, the last one selected
    // and loaded. Other ids change nothing.
    void ChooseGroup(uint32_t group);
    // The macros of the current group again (start-up, after a choice).
    void ShowGroup(uint32_t group);

    // The new-macro button: a row "New Macro" with a fresh identifier, selected, with an empty
    // event list and repeat count 1. It reaches the library with its first save. False while
    // recording.
    bool NewMacro();
    // The delete-macro button. A macro that a button of any profile uses is refused with a
    // message; otherwise it leaves the library and the list.
    void DeleteMacro();
    // The list's editor renamed row index: stored when the macro is in the library and the name
    // changed; an unsaved macro keeps the name for its first save.
    void RenameMacro(int index, std::u16string_view name);
    // A selection change of the macro list: any edit ends, a running recording is stored into the
    // macro it recorded, then the new one's events load.
    void SelectMacro(int index);
    // A selection change of the event list: any edit ends.
    void SelectEvent(int index);

    // The editor's buttons.
    void ToggleRecording();
    void SetNoPause(bool noPause);
    void OnKeyCapture(uint32_t virtualKey, uint32_t flags);
    void BeginInsert();
    void ChooseKeyOption();
    void ChoosePauseOption();
    void BeginModify();
    void KeyOk();
    void PauseOk(std::u16string_view pauseText);
    void DeleteEvent();

    // The user changed the repeat field: the macro is stored with the new count (an empty event
    // list stores nothing).
    void RepeatTextChanged(std::u16string_view text);
    // Timer 153: the field's rules (ValidateRepeatField); a corrected text is shown and stored.
    // True when the text changed.
    bool ValidateRepeat();

    // The page is left (another tab, the tray): edits end, a recording is stored, and what is
    // stored reaches the disk.
    void Leave();
    // Stores only change the library in memory. A moment after the last change the page hands
    // the table to the library's background writer (SaveSoon); whenever it is left it waits until
    // everything stored is on disk (SaveNow).
    void SaveSoon();
    void SaveNow();
    bool SavePending() const { return library_.HasUnsavedChanges(); }

private:
    void LoadSelectedMacro();
    void SaveCurrentMacro();
    void Handle(EditorEffect effect);
    void SyncCapture();
    void RemoveMacroRow(int index);

    MacroLibrary& library_;
    ProfileState& profiles_;
    Notifier& notifier_;
    HookManager& hooks_;
    WindowId page_;
    PairLanguage language_;
    Clock& clock_;
    MacroEditor editor_;
    MacroPageView view_;
    bool captureOn_ = false;
};

// The help line: the page's controls with their status codes, in the order the page asks them.
// The record button's zone carries kStatusRecordButton: 45 or 46 by the recording state.
inline constexpr int kStatusRecordButton = 0;
inline constexpr int kStatusRecordStart = 45;
inline constexpr int kStatusRecordStop = 46;

inline constexpr std::array<StatusZone, 19> kMacroStatusZones = [] {
    namespace mp = layout::macro_page;
    auto same = [](layout::Rect r) { return layout::LocalizedRect{r, r}; };
    return std::array<StatusZone, 19>{{
        {same(mp::kNewMacro), 40},
        {same(mp::kDeleteMacro), 41},
        {mp::kInsertEvent, 42},
        {mp::kDeleteEvent, 43},
        {mp::kModifyEvent, 44},
        {same(mp::kRecordButton), kStatusRecordButton},
        {same(mp::kNoPauseBox), 47},
        {same(mp::kRepeatField), 48},
        {mp::kMouseLeft, 49},
        {mp::kMouseMiddle, 50},
        {mp::kMouseRight, 51},
        {mp::kKeyOption, 52},
        {mp::kKeyField, 52},
        {mp::kPauseOption, 53},
        {mp::kPauseField, 53},
        {mp::kHintAreas[0].rect, mp::kHintAreas[0].statusCode},
        {mp::kHintAreas[1].rect, mp::kHintAreas[1].statusCode},
        {mp::kHintAreas[2].rect, mp::kHintAreas[2].statusCode},
        {mp::kHintAreas[3].rect, mp::kHintAreas[3].statusCode},
    }};
}();

// The codes to post for a pointer at cursor (page pixels): one per zone whose rectangle, grown by
// one pixel on every side, holds it. The key and pause rows count only while shown.
std::vector<int> MacroStatusCodesAt(layout::Point cursor, bool chineseLayout, bool recording,
                                    bool keyRowShown, bool pauseRowShown);

}  // namespace kx90::pages
