// CDlgSts: the counters fed by the host events and the pointer sampler, the figures and trophy
// pictures drawn from StatisticsState, Sts.cfg loaded at creation and saved at reset, exit, the end
// of the session and every two minutes while the counts change.
#include "win/pages/statistics_page.h"

#include <string>

#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace sts = layout::statistics_page;

namespace {

constexpr UINT kTrophyId = 300;
constexpr UINT kLevelBarId = 301;
constexpr UINT kResetId = 302;
constexpr UINT kMarkFirstId = 310;  // 310..322

constexpr UINT kTravelRedrawMs = 5000;

constexpr COLORREF kFigureColor = 0xDCDCDC;
constexpr UINT kFigureFlags = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;

}  // namespace

bool CDlgSts::OnCreate() {
    const PageServices& s = Services();
    file_ = std::make_unique<StatisticsFile>(s.profiles->Folders().dataDir, *s.notifier, *s.language);
    file_->SetFileWriter(MirroredFileWriter(s.profiles->Folders()));
    state_.SetLoadedCounts(file_->Load());
    CreateControls();
    StartSampler();
    StartTimer(timer::kStatisticsTravel, kTravelRedrawMs);
    StartTimer(timer::kStatisticsAutosave, kStatisticsAutosavePeriodMs);
    return true;
}

void CDlgSts::CreateControls() {
    const std::wstring skins = Services().installDir + L"\\skins\\";
    HBITMAP normal = LoadPicture();
    // The pressed and hover looks are only cut into faces.
    const ui::SkinBitmap downLook = ui::LoadSkinBitmap(skins + L"Sts_Down.bmp");
    const ui::SkinBitmap over = ui::LoadSkinBitmap(skins + L"Sts_Over.bmp");
    HBITMAP down = downLook.bitmap.get();

    // Display only: drawn in their on state, no hover look; a click on them does nothing.
    trophy_.CreateButton(hwnd(), ui::ToRect(sts::kTrophy), kTrophyId);
    trophy_.SetCheckMode(true, false);
    trophy_.SetCheck(true);
    trophy_.SetHoverEnabled(false);

    // The bar is cut at its full length and shown as wide as the level earns.
    levelBar_.CreateButton(hwnd(), ui::ToRect(sts::kLevelBarCreated), kLevelBarId);
    levelBar_.SetFaceBitmaps(ui::ToRect(sts::kLevelBar), down, down, down, down);
    levelBar_.SetCheckMode(true, false);
    levelBar_.SetCheck(true);
    levelBar_.SetHoverEnabled(false);

    for (int i = 0; i < sts::kTrophyLevels; ++i) {
        skin::CGDIBitmapBtn& mark = marks_[static_cast<size_t>(i)];
        const RECT rect = ui::ToRect(sts::TrophyMark(i));
        mark.CreateButton(hwnd(), rect, kMarkFirstId + static_cast<UINT>(i));
        mark.SetFaceBitmaps(rect, normal, normal, down, normal);
        mark.SetCheckMode(true, false);
        mark.SetHoverEnabled(false);
    }

    const RECT reset = ui::ToRect(sts::kResetButton);
    reset_.CreateButton(hwnd(), reset, kResetId);
    reset_.SetFaceBitmaps(reset, normal, over.bitmap.get(), down, normal);
    OnLanguageChanged();
}

void CDlgSts::StartSampler() {
    POINT cursor{};
    GetCursorPos(&cursor);
    state_.StartSampling({cursor.x, cursor.y});
    HWND page = hwnd();
    sampler_.Start(
        [](layout::Point& at) {
            POINT p;
            if (!GetCursorPos(&p)) {
                return false;
            }
            at = {p.x, p.y};
            return true;
        },
        [page] { PostMessageW(page, msg::kPointerSample, 0, 0); });
}

void CDlgSts::OnDestroy() {
    // The sampler ends before the window: nothing is posted to a window that is gone.
    sampler_.Stop();
    if (file_ != nullptr) {
        SaveStatistics(state_, *file_);
    }
}

void CDlgSts::OnSessionEnd() {
    if (file_ != nullptr) {
        SaveStatistics(state_, *file_);
    }
}

void CDlgSts::OnLanguageChanged() {
    const LanguageStrings& s = Texts();
    trophy_.SetTooltipText(ui::Wide(s.str_cups), true);
    reset_.SetTooltipText(ui::Wide(s.str_resetSts), true);
    PageWindow::OnLanguageChanged();
}

void CDlgSts::OnHostEventCopy(uint32_t code) {
    if (!state_.CountHostEvent(code)) {
        return;
    }
    for (int figure = 0; figure < sts::kTravel; ++figure) {
        InvalidateFigure(figure);
    }
}

void CDlgSts::OnPointerSample() {
    state_.AddSample(sampler_.Latest());
}

void CDlgSts::InvalidateFigure(int figure) const {
    const RECT rect = ui::ToRect(sts::FigureRect(figure, ChineseLayout()));
    InvalidateRect(hwnd(), &rect, FALSE);
}

bool CDlgSts::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    ui::OffscreenSurface surface(dc, client.right, client.bottom);
    PageWindow::OnPaint(surface.dc());
    DrawFigures(surface.dc());
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
    ShowTrophy(state_.Redraw());
    return true;
}

void CDlgSts::DrawFigures(HDC dc) const {
    const auto texts = FigureTexts(state_.Counts());
    ui::UniqueFont font = ui::CreateUiFont(14, 300);
    for (int figure = 0; figure < sts::kFigureCount; ++figure) {
        ui::DrawTextIn(dc, ui::Wide(texts[static_cast<size_t>(figure)]),
                       ui::ToRect(sts::FigureRect(figure, ChineseLayout())), font.get(), kFigureColor,
                       kFigureFlags);
    }
}

void CDlgSts::ShowTrophy(const TrophyRedraw& redraw) {
    if (redraw.reloadPictures) {
        const std::wstring path =
            Services().installDir + L"\\skins\\trophy\\trophy" + std::to_wstring(redraw.level) + L"Down.bmp";
        const ui::SkinBitmap picture = ui::LoadSkinBitmap(path);
        const RECT whole{0, 0, sts::kTrophy.Width(), sts::kTrophy.Height()};
        if (picture.bitmap.get() != nullptr) {
            HBITMAP p = picture.bitmap.get();
            trophy_.SetFaceBitmaps(whole, p, p, p, p);
        } else {
            // Without the trophy pictures the page's own stage stays visible.
            HBITMAP normal = LoadPicture();
            trophy_.SetFaceBitmaps(ui::ToRect(sts::kTrophy), normal, normal, normal, normal);
        }
        for (int i = 0; i < sts::kTrophyLevels; ++i) {
            marks_[static_cast<size_t>(i)].SetCheck(i <= redraw.level);
        }
        Invalidate();
    }
    const RECT bar = ui::ToRect(LevelBarRect(redraw.level));
    RECT now;
    GetWindowRect(levelBar_.hwnd(), &now);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&now), 2);
    if (!EqualRect(&now, &bar)) {
        MoveWindow(levelBar_.hwnd(), bar.left, bar.top, ui::Width(bar), ui::Height(bar), TRUE);
    }
}

bool CDlgSts::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT id = LOWORD(wParam);
    if (id == kResetId) {
        OnReset();
        return true;
    }
    if (id == kTrophyId || id == kLevelBarId ||
        (id >= kMarkFirstId && id < kMarkFirstId + static_cast<UINT>(sts::kTrophyLevels))) {
        return true;  // display only
    }
    return PageWindow::OnCommand(wParam, lParam);
}

void CDlgSts::OnReset() {
    const PageServices& s = Services();
    if (ResetStatistics(state_, *file_, *s.notifier, s.language->Pairs())) {
        Invalidate();
    }
}

bool CDlgSts::OnTimer(UINT_PTR id) {
    if (id == timer::kStatisticsTravel) {
        InvalidateFigure(sts::kTravel);
        return true;
    }
    if (id == timer::kStatisticsAutosave) {
        AutosaveStatistics(state_, *file_);
        return true;
    }
    return false;
}

bool CDlgSts::OnMouseMove(UINT, POINT at) {
    // Moves over the trophy and the reset button are posted here by the buttons themselves.
    PostMessageW(Services().mainWindow, msg::kStatusText, 0, StatisticsStatusCodeAt({at.x, at.y}));
    return true;
}

LRESULT CDlgSts::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case msg::kHostEventCopy:
            OnHostEventCopy(static_cast<uint32_t>(wParam));
            return 1;
        case msg::kPointerSample:
            OnPointerSample();
            return 1;
        default:
            return PageWindow::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace kx90::pages
