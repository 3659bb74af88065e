// CDlgSts: the statistics page, a child of the main window. Counts clicks, wheel notches and
// pointer travel for the whole run, shown or not; shows the figures, the trophy of the level they
// earn, the level bar and the thirteen marks; keeps Sts.cfg. Every rule is core StatisticsState's.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>

#include "core/pages/pointer_sampler.h"
#include "core/pages/statistics_page.h"
#include "win/pages/page_window.h"
#include "win/skin/gdi_bitmap_btn.h"

namespace kx90::pages {

class CDlgSts : public PageWindow {
public:
    static constexpr UINT kPageId = 106;

    bool TakesHostEvents() const override { return true; }
    // Windows asks whether the session may end: the counts go to disk first.
    void OnSessionEnd() override;
    void OnLanguageChanged() override;

    // What tests press and look at.
    const StatisticsState& Statistics() const { return state_; }
    std::filesystem::path FilePath() const {
        return file_ != nullptr ? file_->FilePath() : std::filesystem::path();
    }
    bool Sampling() const { return sampler_.Running(); }
    HWND TrophyPicture() const { return trophy_.hwnd(); }
    HWND LevelBar() const { return levelBar_.hwnd(); }
    HWND TrophyMark(int i) const { return marks_[static_cast<size_t>(i)].hwnd(); }
    bool TrophyMarkOn(int i) const { return marks_[static_cast<size_t>(i)].GetCheck(); }
    HWND ResetButton() const { return reset_.hwnd(); }

protected:
    const wchar_t* Picture() const override { return L"Sts_Normal.bmp"; }
    const std::u16string& Title() const override { return Texts().str_sts; }
    UINT PageId() const override { return kPageId; }
    bool OnCreate() override;
    void OnDestroy() override;
    bool OnPaint(HDC dc) override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnMouseMove(UINT keys, POINT at) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void StartSampler();
    void OnHostEventCopy(uint32_t code);
    void OnPointerSample();
    void OnReset();
    void DrawFigures(HDC dc) const;
    void ShowTrophy(const TrophyRedraw& redraw);
    void InvalidateFigure(int figure) const;
    // The figures sit where the installed page picture has its fields, and the installation's
    // pictures are in the installation's language.
    bool ChineseLayout() const { return Services().language->InstallIsChinese(); }

    StatisticsState state_;
    std::unique_ptr<StatisticsFile> file_;
    skin::CGDIBitmapBtn trophy_;
    skin::CGDIBitmapBtn levelBar_;
    std::array<skin::CGDIBitmapBtn, layout::statistics_page::kTrophyLevels> marks_;
    skin::CGDIBitmapBtn reset_;
    // Last, so it is stopped and joined before anything it could report to goes.
    PointerSampler sampler_;
};

}  // namespace kx90::pages
