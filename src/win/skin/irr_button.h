// CIrrButton: a button of any shape (a window region) whose faces are taken from full-page
// pictures at the button's own position in the page.
#pragma once

#include <string>

#include "win/ui/handles.h"
#include "win/ui/tooltip.h"
#include "win/ui/window.h"

namespace kx90::skin {

class CIrrButton : public ui::Window {
public:
    static constexpr COLORREF kNormalText = 0xC8BDBD;
    static constexpr COLORREF kHoverText = 0xFFFFFF;
    static constexpr COLORREF kCheckedText = 0x051D26;

    // Loads the four full-page faces from the program's bitmap resources.
    void LoadFaceResources(UINT normalId, UINT checkedId, UINT hoverId, UINT disabledId);
    // Uses full-page faces owned by the caller (the page's skin pictures).
    void SetFacePages(HBITMAP normal, HBITMAP checked, HBITMAP hover, HBITMAP disabled);
    // Takes faces cut to the button's bounds from such pages (CutFace), so no page is held for it.
    void SetFaceBoxes(ui::UniqueBitmap normal, ui::UniqueBitmap checked, ui::UniqueBitmap hover,
                      ui::UniqueBitmap disabled);
    // The piece of a full-page face under this button (once it is created).
    // A picture of only part of the parent has its top-left corner at origin (parent coordinates).
    ui::UniqueBitmap CutFace(HBITMAP page, POINT origin = {0, 0}) const;

    // Copies the region (parent coordinates), takes its bounding box as the window rectangle and
    // its centre as the caption centre, and creates the button with the region as window region.
    bool CreateShaped(const std::wstring& text, DWORD style, HRGN region, HWND parent, UINT id);

    void SetCheck(bool checked);
    bool GetCheck() const { return checked_; }
    void SetCheckMode(bool checkMode) { checkMode_ = checkMode; }
    // Every move over the button is also posted to the parent (in the parent's coordinates), so a
    // help line that follows the pointer follows it over the button too.
    void SetReportMovesToParent(bool report) { reportMoves_ = report; }
    void SetTooltipText(const std::wstring& text, bool activate) { tooltip_.SetText(hwnd(), text, activate); }
    // The button's box in its parent's coordinates (the box of its shape), once created.
    const RECT& Bounds() const { return bounds_; }
    bool IsHover() const { return hover_; }
    // Whether a point in the button's client coordinates lies on the shape.
    bool HitTest(POINT client) const;

    struct Look {
        HBITMAP page;
        COLORREF textColor;
    };
    Look CurrentLook() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnMouseMove(UINT keys, POINT at) override;
    bool OnLButtonDown(UINT keys, POINT at) override;
    bool OnLButtonUp(UINT keys, POINT at) override;
    bool OnLButtonDblClk(UINT keys, POINT at) override;
    bool OnCaptureChanged(HWND) override;

private:
    enum Face { kNormal, kChecked, kHover, kDisabled, kFaceCount };
    // Hover by capture: held while the pointer is on the shape, let go as soon as it is not.
    void TrackHover(POINT at);
    // Drops the hover, the press and the capture (disabled, hidden).
    void LetGo();

    ui::UniqueBitmap owned_[kFaceCount];
    HBITMAP pages_[kFaceCount] = {};
    bool boxFaces_ = false;    // pages_ are cut to bounds_, not whole pages
    ui::UniqueRegion region_;  // at the button's origin
    RECT bounds_{};            // parent coordinates
    POINT centre_{};           // parent coordinates
    std::wstring caption_;
    bool checkMode_ = false;
    bool reportMoves_ = false;
    bool checked_ = false;
    bool hover_ = false;
    bool pressed_ = false;
    ui::Tooltip tooltip_;
};

}  // namespace kx90::skin
