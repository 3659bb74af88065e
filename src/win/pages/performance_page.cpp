// CDlgMainSet: the page's controls over its pictures, forwarded to PerformancePageState; the
// function tabs open the assignment popup; timers move the markers and take over the typed count.
#include "win/pages/performance_page.h"

#include "core/layout/performance_page_layout.h"
#include "win/pages/assignment/assignment_popup.h"
#include "win/resources/resource_ids.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace pp = layout::performance_page;

namespace {

// Command ids of the page's buttons.
constexpr UINT kLevelFirstId = 200;  // 200..213
constexpr UINT kRateFirstId = 220;   // 220..223
constexpr UINT kAccuracyId = 230;
constexpr UINT kLinesOptionId = 231;
constexpr UINT kScreenOptionId = 232;
constexpr UINT kLinesUpId = 233;
constexpr UINT kLinesDownId = 234;
constexpr UINT kMarkerFirstId = 240;  // 240..246
constexpr UINT kTabFirstId = 250;     // 250..256

constexpr UINT kMarkerPeriodMs = 200;
constexpr UINT kCommitPeriodMs = 4000;

// The index of id in [first, first + count), or -1.
int IndexOf(UINT id, UINT first, int count) {
    return id >= first && id < first + static_cast<UINT>(count) ? static_cast<int>(id - first) : -1;
}

}  // namespace

bool CDlgMainSet::OnCreate() {
    CreateControls();
    if (Services().skinMenu == nullptr || !Services().skinMenu->Usable()) {
        // Told once the loop runs; the page and the rest of the program keep working.
        PostMessageW(hwnd(), msg::kInstallationNotice, 0, 0);
    }
    StartTimer(timer::kMarkerHighlight, kMarkerPeriodMs);
    StartTimer(timer::kCommitLineCount, kCommitPeriodMs);
    return true;
}

void CDlgMainSet::CreateControls() {
    const std::wstring skins = Services().installDir + L"\\skins\\";
    HBITMAP normal = LoadPicture();
    // The pressed and hover looks are only cut into faces.
    const ui::SkinBitmap down = ui::LoadSkinBitmap(skins + L"KX90_Main_Down.bmp");
    const ui::SkinBitmap over = ui::LoadSkinBitmap(skins + L"KX90_Main_Over.bmp");
    // The controls sit where the installed page picture draws them, and the installation's
    // pictures are in the installation's language, whatever language the user picks later.
    const bool chinese = Services().language->InstallIsChinese();
    auto button = [&](skin::CGDIBitmapBtn& b, const RECT& rect, UINT id, bool check) {
        b.CreateButton(hwnd(), rect, id);
        b.SetFaceBitmaps(rect, normal, over.bitmap.get(), down.bitmap.get(), normal);
        b.SetCheckMode(check, false);
    };
    for (int j = 0; j < kLevelButtonCount; ++j) {
        button(levels_[static_cast<size_t>(j)], ui::ToRect(pp::kLevelButtons[j]), kLevelFirstId + j, true);
    }
    for (int i = 0; i < kRateButtonCount; ++i) {
        button(rates_[static_cast<size_t>(i)], ui::ToRect(pp::kRateButtons[i]), kRateFirstId + i, true);
    }
    button(accuracy_, ui::ToRect(pp::kImproveAccuracy), kAccuracyId, true);
    button(linesOption_, ui::ToRect(pp::kLinesOption.For(chinese)), kLinesOptionId, true);
    button(screenOption_, ui::ToRect(pp::kScreenOption.For(chinese)), kScreenOptionId, true);
    button(linesUp_, ui::ToRect(pp::kLinesUp.For(chinese)), kLinesUpId, false);
    button(linesDown_, ui::ToRect(pp::kLinesDown.For(chinese)), kLinesDownId, false);
    for (int k = 0; k < kButtonCount; ++k) {
        // A click on a marker only flips its look.
        skin::CGDIBitmapBtn& marker = markers_[static_cast<size_t>(k)];
        button(marker, ui::ToRect(pp::kButtonMarkers[k]), kMarkerFirstId + k, true);
        marker.SetCheckMode(true, true);
    }

    const std::wstring thumb = skins + L"Slider.png";
    const struct {
        skin::CPngHSliderBar& slider;
        layout::Rect rect;
        int id;
        int maximum;
    } sliders[] = {{pointerSpeed_, pp::kPointerSpeedSlider, kPointerSpeedSliderId, kPointerSpeedMax},
                   {liftHeight_, pp::kLiftHeightSlider, kLiftHeightSliderId, kLiftHeightMax}};
    for (const auto& s : sliders) {
        const layout::Rect& r = s.rect;
        s.slider.CreateSlider(thumb, r.left, r.top, r.right, r.bottom, hwnd(), static_cast<UINT>(s.id));
        s.slider.SetBackground(r.left, r.top, r.Width(), r.Height(), normal);
        s.slider.SetTrackRect(r.left, r.top, r.right, r.bottom);
        s.slider.SetRange(1, s.maximum);
    }

    const layout::Rect edit = pp::kLineCountEdit.For(chinese);
    lineEdit_.SetBackground(edit.left, edit.top, edit.Width(), edit.Height(), normal);
    lineEdit_.CreateEdit(hwnd(), ui::ToRect(edit), kLineCountEditId, ES_NUMBER | ES_CENTER);
    SendMessageW(lineEdit_.hwnd(), EM_SETLIMITTEXT, 2, 0);

    CreateTabs();
    OnLanguageChanged();
}

void CDlgMainSet::CreateTabs() {
    for (int k = 0; k < kButtonCount; ++k) {
        skin::CIrrButton& tab = tabs_[static_cast<size_t>(k)];
        tab.SetCheckMode(true);
        tab.SetReportMovesToParent(true);
        ui::UniqueRegion region(ui::QuadRegion(pp::kFunctionTabs[k]));
        tab.CreateShaped(L"", WS_CHILD | WS_VISIBLE, region.get(), hwnd(),
                         kTabFirstId + static_cast<UINT>(k));
    }
}

void CDlgMainSet::LoadTabFaces() {
    // Pictures of the tabs' strip with their captions in the interface language: changed, normal,
    // hover. Each tab keeps only its own piece of them.
    const UINT first =
        Services().language->IsChinese() ? IDB_FUNCTION_TABS_CN_FIRST : IDB_FUNCTION_TABS_EN_FIRST;
    const ui::SkinBitmap changed = ui::LoadBitmapResource(first);
    const ui::SkinBitmap normal = ui::LoadBitmapResource(first + 1);
    const ui::SkinBitmap hover = ui::LoadBitmapResource(first + 2);
    const POINT origin{pp::kFunctionTabStrip.left, pp::kFunctionTabStrip.top};
    for (skin::CIrrButton& tab : tabs_) {
        tab.SetFaceBoxes(tab.CutFace(normal.bitmap.get(), origin), tab.CutFace(changed.bitmap.get(), origin),
                         tab.CutFace(hover.bitmap.get(), origin), tab.CutFace(normal.bitmap.get(), origin));
        tab.Invalidate();
    }
}

void CDlgMainSet::OnLanguageChanged() {
    const LanguageStrings& s = Texts();
    for (auto& level : levels_) {
        level.SetTooltipText(ui::Wide(s.str_dpiwant), true);
    }
    for (auto& rate : rates_) {
        rate.SetTooltipText(ui::Wide(s.str_rollingrate), true);
    }
    accuracy_.SetTooltipText(ui::Wide(s.str_improveAccuracy), true);
    linesOption_.SetTooltipText(ui::Wide(s.str_rollerColumn), true);
    screenOption_.SetTooltipText(ui::Wide(s.str_rollerScreen), true);
    LoadTabFaces();
    PageWindow::OnLanguageChanged();
}

void CDlgMainSet::RefreshFromRecord() {
    if (hwnd() == nullptr) {
        return;
    }
    ShowView(state_.RefreshFromRecord(Record()));
    ShowLineCount(LineCountEntry{LineCountText(state_.View().lineCount), state_.View().lineCount, 0});
}

void CDlgMainSet::ShowView(const PerformanceView& view) {
    for (int j = 0; j < kLevelButtonCount; ++j) {
        levels_[static_cast<size_t>(j)].SetCheck(view.levels[static_cast<size_t>(j)]);
    }
    for (int i = 0; i < kRateButtonCount; ++i) {
        rates_[static_cast<size_t>(i)].SetCheck(view.rates[static_cast<size_t>(i)]);
    }
    pointerSpeed_.SetPos(view.pointerSpeed);
    liftHeight_.SetPos(view.liftHeight);
    accuracy_.SetCheck(view.improveAccuracy);
    linesOption_.SetCheck(view.LinesOptionOn());
    screenOption_.SetCheck(view.ScreenOptionOn());
    const BOOL enabled = view.LineControlsEnabled() ? TRUE : FALSE;
    EnableWindow(linesUp_.hwnd(), enabled);
    EnableWindow(linesDown_.hwnd(), enabled);
    EnableWindow(lineEdit_.hwnd(), enabled);
    for (int k = 0; k < kButtonCount; ++k) {
        tabs_[static_cast<size_t>(k)].SetCheck(view.tabChanged[static_cast<size_t>(k)]);
    }
}

void CDlgMainSet::ShowLineCount(const LineCountEntry& entry) {
    const std::wstring text = ui::Wide(entry.text);
    wchar_t shown[16] = {};
    GetWindowTextW(lineEdit_.hwnd(), shown, 16);
    if (text == shown) {
        return;  // leave the caret where the user has it
    }
    SetWindowTextW(lineEdit_.hwnd(), text.c_str());
    SendMessageW(lineEdit_.hwnd(), EM_SETSEL, entry.caret, entry.caret);
}

void CDlgMainSet::CommitTypedLines() {
    if (!state_.View().LinesOptionOn()) {
        return;
    }
    wchar_t typed[16] = {};
    GetWindowTextW(lineEdit_.hwnd(), typed, 16);
    ShowLineCount(state_.CommitScrollLines(ui::Utf16(typed), Record()));
}

void CDlgMainSet::BeforeApply() {
    CommitTypedLines();
}

bool CDlgMainSet::OnCommand(WPARAM wParam, LPARAM lParam) {
    // The shaped tabs report their press by window, without an id.
    const HWND from = reinterpret_cast<HWND>(lParam);
    for (int k = 0; k < kButtonCount; ++k) {
        if (from != nullptr && from == tabs_[static_cast<size_t>(k)].hwnd()) {
            OnFunctionTab(k);
            return true;
        }
    }
    const UINT id = LOWORD(wParam);
    ProfileRecord& record = Record();
    if (const int j = IndexOf(id, kLevelFirstId, kLevelButtonCount); j >= 0) {
        ShowView(state_.ClickLevel(j, record));
    } else if (const int i = IndexOf(id, kRateFirstId, kRateButtonCount); i >= 0) {
        ShowView(state_.ClickRate(i, record));
    } else if (IndexOf(id, kMarkerFirstId, kButtonCount) >= 0) {
        // The marker flipped its own look; nothing is stored.
    } else if (id == kAccuracyId) {
        ShowView(state_.ClickImproveAccuracy(record));
    } else if (id == kLinesOptionId) {
        ShowView(state_.ChooseLines(record));
        ShowLineCount({LineCountText(state_.View().lineCount), state_.View().lineCount, 0});
    } else if (id == kScreenOptionId) {
        ShowView(state_.ChooseOneScreen(record));
    } else if (id == kLinesUpId || id == kLinesDownId) {
        CommitTypedLines();  // a count typed a moment ago is the one the arrow steps from
        ShowView(id == kLinesUpId ? state_.ClickLinesUp(record) : state_.ClickLinesDown(record));
        const int count = state_.View().lineCount;
        ShowLineCount({LineCountText(count), count, LineCountText(count).size()});
    } else {
        return PageWindow::OnCommand(wParam, lParam);
    }
    return true;
}

void CDlgMainSet::OnFunctionTab(int k) {
    const PageServices& s = Services();
    ProfileRecord& record = Record();
    AssignmentPopupArgs args;
    args.installDir = s.installDir;
    args.language = s.language;
    args.macros = s.macros;
    args.keyboard = s.keyboard;
    args.hooks = s.hooks;
    args.paths = s.paths;
    args.notifier = s.notifier;
    args.buttonIndex = k;
    args.currentName = BeginTabClick(k, record, s.language->Pairs());
    CSettingDlg popup(std::move(args));
    const PopupClose close = popup.RunModal(s.mainWindow) == IDOK ? PopupClose::kOk : PopupClose::kCancelled;
    const AssignmentContext context{record,      s.profiles->LiveMacroIds(), *s.macros, *s.keyboard,
                                    *s.notifier, s.language->Pairs()};
    FinishTabClick(state_, close, popup.Choice(), context);
    ShowView(state_.View());
}

bool CDlgMainSet::OnTimer(UINT_PTR id) {
    if (id == timer::kMarkerHighlight) {
        UpdateMarkers();
        return true;
    }
    if (id == timer::kCommitLineCount) {
        CommitTypedLines();
        return true;
    }
    return false;
}

void CDlgMainSet::UpdateMarkers() {
    if (!IsWindowVisible(hwnd())) {
        return;
    }
    const bool foreground = GetForegroundWindow() == Services().mainWindow;
    const auto looks = MarkerLooks(PointerOnPage(), foreground);
    for (int k = 0; k < kButtonCount; ++k) {
        const MarkerLook look = looks[static_cast<size_t>(k)];
        if (look != MarkerLook::kKeep) {
            skin::CGDIBitmapBtn& marker = markers_[static_cast<size_t>(k)];
            if (marker.GetCheck() != (look == MarkerLook::kOn)) {
                marker.SetCheck(look == MarkerLook::kOn);
            }
        }
    }
}

bool CDlgMainSet::OnMouseMove(UINT, POINT at) {
    const std::vector<int> codes =
        StatusCodesAt(layout::Point{at.x, at.y}, Services().language->InstallIsChinese());
    PostStatusCodes(codes);
    return true;
}

LRESULT CDlgMainSet::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case msg::kSliderValue:
            state_.SliderMoved(static_cast<int>(lParam), static_cast<int>(wParam), Record());
            return 1;
        case msg::kInstallationNotice:
            if (!damagedNoticeShown_) {
                damagedNoticeShown_ = true;
                Services().notifier->ShowInfo(
                    MissingInstallationFileText(ui::Utf16(skin::SkinMenuLibrary::kFileName),
                                                Services().language->Pairs()),
                    false);
            }
            return 0;
        default:
            return PageWindow::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace kx90::pages
