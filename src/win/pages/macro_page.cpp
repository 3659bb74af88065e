// CDlgMacro: the page's controls over its pictures and their messages, forwarded to
// MacroPageState; the group menu of SkinMenu.dll; timers check the repeat field and write
// Macro.cfg once the edits pause.
#include "win/pages/macro_page.h"

#include <algorithm>

#include "core/layout/macro_page_layout.h"
#include "core/macro/macro_groups.h"
#include "win/pages/assignment/list_look.h"
#include "win/ui/gdi.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace mp = layout::macro_page;

namespace {

// Command ids of the page's buttons.
constexpr UINT kGroupButtonId = 300;
constexpr UINT kNewMacroId = 301;
constexpr UINT kDeleteMacroId = 302;
constexpr UINT kInsertEventId = 303;
constexpr UINT kDeleteEventId = 304;
constexpr UINT kModifyEventId = 305;
constexpr UINT kRecordId = 306;
constexpr UINT kNoPauseId = 307;
constexpr UINT kMouseButtonFirstId = 308;  // 308..310: left, middle, right
constexpr UINT kKeyOptionId = 311;
constexpr UINT kKeyOkId = 312;
constexpr UINT kPauseOptionId = 313;
constexpr UINT kPauseOkId = 314;

constexpr UINT kValidatePeriodMs = 4000;

constexpr COLORREF kGroupCaption = 0x676153;
constexpr COLORREF kCaptionHot = 0xFFFFFF;
constexpr COLORREF kRecordCaption = 0xD3BB3D;
constexpr COLORREF kListBackground = 0x000000;
constexpr COLORREF kListSelection = 0x141414;
constexpr COLORREF kListText = 0x676153;
constexpr COLORREF kListSelectedText = 0xB98C15;
constexpr COLORREF kFieldText = 0xB98C15;
constexpr COLORREF kFieldBackground = 0x0F0F0F;
constexpr int kListItemHeight = 18;
constexpr int kMenuItemHeight = 24;
constexpr COLORREF kMenuFrame = 0xB98C15;

// The mouse-button buttons in control order, with the key each enters.
constexpr uint32_t kMouseButtonKeys[3] = {kMacroLeftButton, kMacroMiddleButton, kMacroRightButton};

// The page picture with its light strokes toned down, for the editing buttons while a recording
// runs and for the key and pause rows while hidden. Channels up to kGround (the dark ground and
// panels) stay as they are; brighter ones keep a third of their height above it, so glyphs and
// their smoothed edges fade evenly.
ui::UniqueBitmap DimmedPicture(HBITMAP picture) {
    constexpr int kGround = 48;
    if (picture == nullptr) {
        return ui::UniqueBitmap{};
    }
    const SIZE size = ui::BitmapSize(picture);
    ui::UniqueBitmap dimmed = ui::CopyBitmapRect(picture, RECT{0, 0, size.cx, size.cy});
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<uint8_t> pixels(static_cast<size_t>(size.cx) * static_cast<size_t>(size.cy) * 4);
    HDC screen = GetDC(nullptr);
    const int rows =
        GetDIBits(screen, dimmed.get(), 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    if (rows == size.cy) {
        for (uint8_t& channel : pixels) {
            if (channel > kGround) {
                channel = static_cast<uint8_t>(kGround + (channel - kGround) / 3);
            }
        }
        SetDIBits(screen, dimmed.get(), 0, static_cast<UINT>(size.cy), pixels.data(), &info, DIB_RGB_COLORS);
    }
    ReleaseDC(nullptr, screen);
    return dimmed;
}

}  // namespace

// The edit fields.

bool CMacroField::CreateField(HWND parent, const RECT& rect, UINT id, DWORD extraStyle, int limit) {
    brush_.Reset(CreateSolidBrush(kFieldBackground));
    if (!CreateEdit(parent, rect, id, extraStyle)) {
        return false;
    }
    SendMessageW(hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    return true;
}

std::u16string CMacroField::Text() const {
    wchar_t text[64] = {};
    GetWindowTextW(hwnd(), text, 64);
    return ui::Utf16(text);
}

bool CMacroField::SetText(std::u16string_view text) {
    if (Text() == text) {
        return false;  // leave the caret where the user has it
    }
    SetWindowTextW(hwnd(), ui::Wide(text).c_str());
    const auto end = static_cast<LPARAM>(text.size());
    SendMessageW(hwnd(), EM_SETSEL, static_cast<WPARAM>(end), end);
    return true;
}

HBRUSH CMacroField::OnReflectedCtlColor(HDC dc) {
    SetTextColor(dc, kFieldText);
    SetBkColor(dc, kFieldBackground);
    return brush_.get();
}

// The page.

CDlgMacro::CDlgMacro() = default;
CDlgMacro::~CDlgMacro() = default;

bool CDlgMacro::ChineseLayout() const {
    // The controls sit where the installed picture draws them, in the installation's language.
    return Services().language->InstallIsChinese();
}

bool CDlgMacro::OnCreate() {
    const PageServices& s = Services();
    state_ =
        std::make_unique<MacroPageState>(MacroPageServices{*s.macros, *s.profiles, *s.notifier, *s.hooks,
                                                           SystemClock(), reinterpret_cast<WindowId>(hwnd())},
                                         s.language->Pairs());
    state_->ShowGroup(kCustomMacroGroup);
    StartTimer(timer::kValidateRepeat, kValidatePeriodMs);
    return true;
}

void CDlgMacro::OnDestroy() {
    CloseGroupMenu();
    if (state_ != nullptr) {
        state_->Leave();  // whatever was accepted is on disk before the page goes
    }
}

void CDlgMacro::CreateControls() {
    const std::wstring skins = Services().installDir + L"\\skins\\";
    HBITMAP normal = LoadPicture();
    // The pressed and hover looks are only cut into faces.
    const ui::SkinBitmap down = ui::LoadSkinBitmap(skins + L"Macro_down.bmp");
    const ui::SkinBitmap over = ui::LoadSkinBitmap(skins + L"Macro_over.bmp");
    disabled_ = DimmedPicture(normal);
    CreateButtons(normal, over.bitmap.get(), down.bitmap.get());
    CreateLists();
    CreateFields();
    OnLanguageChanged();
}

void CDlgMacro::CreateButtons(HBITMAP normal, HBITMAP over, HBITMAP down) {
    const bool chinese = ChineseLayout();
    auto button = [&](skin::CGDIBitmapBtn& b, const layout::Rect& r, UINT id, bool visible = true) {
        const RECT rect = ui::ToRect(r);
        b.CreateButton(hwnd(), rect, id);
        b.SetFaceBitmaps(rect, normal, over, down, normal);
        if (!visible) {
            ShowWindow(b.hwnd(), SW_HIDE);
        }
    };
    button(groupButton_, mp::kGroupButton, kGroupButtonId);
    groupButton_.SetTextColors(kGroupCaption, kCaptionHot, kCaptionHot);
    // The five editing buttons are disabled while recording, and look it.
    auto editing = [&](skin::CGDIBitmapBtn& b, const layout::Rect& r, UINT id) {
        button(b, r, id);
        b.SetFaceBitmaps(ui::ToRect(r), normal, over, down, disabled_ ? disabled_.get() : normal);
    };
    editing(newMacro_, mp::kNewMacro, kNewMacroId);
    editing(deleteMacro_, mp::kDeleteMacro, kDeleteMacroId);
    editing(insertEvent_, mp::kInsertEvent.For(chinese), kInsertEventId);
    editing(deleteEvent_, mp::kDeleteEvent.For(chinese), kDeleteEventId);
    editing(modifyEvent_, mp::kModifyEvent.For(chinese), kModifyEventId);
    button(record_, mp::kRecordButton, kRecordId);
    record_.SetTextColors(kRecordCaption, kCaptionHot, kCaptionHot);
    button(noPause_, mp::kNoPauseBox, kNoPauseId);
    noPause_.SetCheckMode(true, true);
    const layout::LocalizedRect mouse[3] = {mp::kMouseLeft, mp::kMouseMiddle, mp::kMouseRight};
    for (UINT i = 0; i < 3; ++i) {
        button(mouseButtons_[i], mouse[i].For(chinese), kMouseButtonFirstId + i);
        mouseButtons_[i].SetPressReleaseNotify(true);
    }
    button(keyOption_, mp::kKeyOption.For(chinese), kKeyOptionId, false);
    keyOption_.SetCheckMode(true, false);
    button(keyOk_, mp::kKeyOk.For(chinese), kKeyOkId, false);
    button(pauseOption_, mp::kPauseOption.For(chinese), kPauseOptionId, false);
    pauseOption_.SetCheckMode(true, false);
    button(pauseOk_, mp::kPauseOk.For(chinese), kPauseOkId, false);
}

void CDlgMacro::CreateLists() {
    auto make = [&](skin::CListBoxEx& list, const layout::Rect& r, int id) {
        list.CreateList(hwnd(), ui::ToRect(r), static_cast<UINT>(id), WS_VSCROLL);
        list.SetItemHeight(kListItemHeight);
        list.SetColors(kListBackground, kListSelection);
        list.SetTextColors(kListText, kListSelectedText);
        list.SetInstallDir(Services().installDir);
    };
    make(macroList_, mp::kMacroList, kMacroListId);
    // Macro identifiers carry their group in the top byte: never read as a step type.
    macroList_.SetShowIcons(false);
    macroList_.SetRenameByDoubleClick(true);
    make(eventList_, mp::kEventList, kEventListId);
    eventList_.SetShowIcons(true);
    WrapInSkinScrollBars(macroList_);
    WrapInSkinScrollBars(eventList_);
}

void CDlgMacro::CreateFields() {
    const bool chinese = ChineseLayout();
    repeatField_.CreateField(hwnd(), ui::ToRect(mp::kRepeatField), kRepeatFieldId, ES_NUMBER | ES_CENTER,
                             kRepeatFieldLimit);
    keyField_.CreateField(hwnd(), ui::ToRect(mp::kKeyField.For(chinese)), kKeyFieldId, ES_READONLY,
                          kKeyFieldLimit);
    pauseField_.CreateField(hwnd(), ui::ToRect(mp::kPauseField.For(chinese)), kPauseFieldId, ES_NUMBER,
                            kPauseFieldLimit);
    ShowWindow(keyField_.hwnd(), SW_HIDE);
    ShowWindow(pauseField_.hwnd(), SW_HIDE);
}

void CDlgMacro::OnLanguageChanged() {
    if (state_ == nullptr) {
        return;
    }
    if (created_) {
        const LanguageStrings& s = Texts();
        const struct {
            skin::CGDIBitmapBtn& button;
            const std::u16string& text;
        } tips[] = {
            {newMacro_, s.str_new_macro},       {deleteMacro_, s.str_del_macro},
            {insertEvent_, s.str_macro_new},    {deleteEvent_, s.str_macro_del},
            {modifyEvent_, s.str_macro_modify}, {noPause_, s.str_macro_delay},
            {mouseButtons_[0], s.str_click},    {mouseButtons_[1], s.str_middle},
            {mouseButtons_[2], s.str_menu},     {keyOption_, s.str_macro_msg6},
            {keyOk_, s.str_macro_msg6},         {pauseOption_, s.str_macro_msg7},
            {pauseOk_, s.str_macro_msg7},
        };
        for (const auto& tip : tips) {
            tip.button.SetTooltipText(ui::Wide(tip.text), true);
        }
    }
    state_->SetLanguage(Services().language->Pairs());
    Show();
    PageWindow::OnLanguageChanged();
}

// Commands and messages.

bool CDlgMacro::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (id == kRepeatFieldId) {
        if (HIWORD(wParam) == EN_CHANGE && !settingRepeat_) {
            state_->RepeatTextChanged(repeatField_.Text());
            Show();
        }
        return true;
    }
    if (id == kKeyFieldId || id == kPauseFieldId) {
        return true;
    }
    switch (id) {
        case kGroupButtonId:
            OpenGroupMenu();
            return true;
        case kNewMacroId:
            if (state_->NewMacro()) {
                Show();
                macroList_.BeginRename(state_->View().selectedMacro);
            }
            return true;
        case kDeleteMacroId:
            state_->DeleteMacro();
            break;
        case kInsertEventId:
            state_->BeginInsert();
            break;
        case kDeleteEventId:
            state_->DeleteEvent();
            break;
        case kModifyEventId:
            state_->BeginModify();
            break;
        case kRecordId:
            state_->ToggleRecording();
            if (state_->View().recording) {
                SetFocus(hwnd());  // the recorded keys must not type into a field as well
            }
            break;
        case kNoPauseId:
            state_->SetNoPause(noPause_.GetCheck());
            break;
        case kKeyOptionId:
            state_->ChooseKeyOption();
            break;
        case kPauseOptionId:
            state_->ChoosePauseOption();
            break;
        case kKeyOkId:
            state_->KeyOk();
            break;
        case kPauseOkId:
            state_->PauseOk(pauseField_.Text());
            break;
        default:
            if (id >= kMouseButtonFirstId && id < kMouseButtonFirstId + 3) {
                return true;  // their presses arrive as 0x70D
            }
            return PageWindow::OnCommand(wParam, lParam);
    }
    Show();
    return true;
}

void CDlgMacro::OnMouseButtonCapture(WPARAM wParam, LPARAM lParam) {
    const EditMode mode = state_->Editor().Mode();
    if (!state_->View().recording && mode != EditMode::kInsertKey && mode != EditMode::kModifyKey) {
        return;
    }
    if (wParam != WM_LBUTTONDOWN && wParam != WM_LBUTTONUP) {
        return;
    }
    const HWND from = reinterpret_cast<HWND>(lParam);
    for (size_t i = 0; i < 3; ++i) {
        if (from == mouseButtons_[i].hwnd()) {
            // Behind the keys the hook posted before it, as if the keyboard had sent it.
            PostMessageW(hwnd(), msg::kKeyCapture, kMouseButtonKeys[i],
                         wParam == WM_LBUTTONUP ? kKeyFlagReleased : 0);
        }
    }
}

void CDlgMacro::OpenGroupMenu() {
    const skin::SkinMenuLibrary* library = Services().skinMenu;
    if (library == nullptr || !library->Usable()) {
        return;  // the buttons page has said that the installation is damaged
    }
    std::vector<SkinMenuItem> items(SKIN_MENU_MAX_ITEMS);
    const PairLanguage language = Services().language->Pairs();
    for (uint32_t i = 0; i < kMacroGroupCount; ++i) {
        SkinMenuItem& item = items[i];
        item.kind = SKIN_MENU_PLAIN_ITEM;
        item.id = static_cast<int32_t>(i + 1);
        const std::wstring name = ui::Wide(GroupMenuName(i + 1, language));
        const size_t n = std::min<size_t>(name.size(), SKIN_MENU_TEXT_LENGTH - 1);
        std::copy_n(name.begin(), n, item.text);
        item.text[n] = L'\0';
    }
    const wchar_t* const files[SKIN_MENU_SKIN_COUNT] = {
        L"MenuNorL.BMP",       L"MenuOverL.BMP",       L"MenuDownL.BMP",       L"MenuNorL.BMP",
        L"MenuNorHaveSub.BMP", L"MenuOverHaveSub.BMP", L"MenuDownHaveSub.BMP", L"MenuNorHaveSub.BMP"};
    std::wstring paths[SKIN_MENU_SKIN_COUNT];
    const wchar_t* skins[SKIN_MENU_SKIN_COUNT];
    for (int i = 0; i < SKIN_MENU_SKIN_COUNT; ++i) {
        paths[i] = Services().installDir + L"\\skins\\Menu\\" + files[i];
        skins[i] = paths[i].c_str();
    }
    library->createMenu(hwnd(), kMenuItemHeight, mp::kGroupButton.left + 1, mp::kGroupButton.bottom + 1,
                        kGroupCaption, kCaptionHot, kMenuFrame, skins, items.data(),
                        static_cast<int>(kMacroGroupCount));
}

void CDlgMacro::CloseGroupMenu() {
    const skin::SkinMenuLibrary* library = Services().skinMenu;
    if (library != nullptr && library->Usable() && hwnd() != nullptr) {
        library->destroyMenu(hwnd());
    }
}

bool CDlgMacro::OnTimer(UINT_PTR id) {
    if (id == timer::kValidateRepeat) {
        if (state_->ValidateRepeat()) {
            Show();
        }
        return true;
    }
    if (id == timer::kSaveMacros) {
        StopTimer(timer::kSaveMacros);
        state_->SaveSoon();  // written on the library's worker: the page stays responsive
        return true;
    }
    return false;
}

bool CDlgMacro::OnLButtonDown(UINT, POINT) {
    CloseGroupMenu();
    return false;
}

bool CDlgMacro::OnMouseMove(UINT, POINT at) {
    const EditControls& c = state_->Editor().Controls();
    const std::vector<int> codes =
        MacroStatusCodesAt(layout::Point{at.x, at.y}, ChineseLayout(), state_->View().recording,
                           c.keyOption || c.keyField, c.pauseOption || c.pauseField);
    if (codes.empty()) {
        PostMessageW(Services().mainWindow, msg::kStatusText, 0, 0);
    }
    for (int code : codes) {
        PostMessageW(Services().mainWindow, msg::kStatusText, 0, code);
    }
    return true;
}

void CDlgMacro::OnEnter() {
    if (!created_) {
        // Made when first shown: start-up does not pay for the lists and the looks.
        created_ = true;
        CreateControls();
    }
    Show();
}

void CDlgMacro::OnLeave() {
    CloseGroupMenu();
    state_->Leave();
    StopTimer(timer::kSaveMacros);
    Show();
}

void CDlgMacro::BeforeApply() {
    // The count still being typed is taken over, as the timer would have.
    state_->ValidateRepeat();
    state_->SaveNow();
    Show();
}

void CDlgMacro::OnSessionEnd() {
    state_->SaveNow();
}

LRESULT CDlgMacro::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case msg::kListSelChange:
            if (wParam == kMacroListId) {
                state_->SelectMacro(macroList_.GetCurSel());
            } else if (wParam == kEventListId) {
                state_->SelectEvent(eventList_.GetCurSel());
            }
            Show();
            return 0;
        case msg::kListRename:
            if (wParam == kMacroListId) {
                const int index = static_cast<int>(lParam);
                const std::u16string name = ui::Utf16(macroList_.GetItemText(index));
                state_->RenameMacro(index, name);
                if (index >= 0 && static_cast<size_t>(index) < shownMacros_.size()) {
                    shownMacros_[static_cast<size_t>(index)].name = name;  // the row shows it already
                }
                Show();
            }
            return 0;
        case msg::kKeyCapture:
            state_->OnKeyCapture(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam));
            Show();
            return 0;
        case msg::kMouseButtonCapture:
            OnMouseButtonCapture(wParam, lParam);
            return 0;
        case msg::kMenuChoice:
            CloseGroupMenu();
            state_->ChooseGroup(static_cast<uint32_t>(lParam));
            Show();
            return 0;
        case msg::kHostEvent:
            // While the page takes the keys the hook reports the mouse here too: the main window
            // still runs the button's actions and counts it.
            PostMessageW(Services().mainWindow, message, wParam, lParam);
            return 0;
        default:
            return PageWindow::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace kx90::pages
