// CPngHProgressBar: a bar whose filled part grows with its value; unless read-only, a drag sets
// the value and its end is reported to the parent as 0x450 (value, control id).
#pragma once

#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace kx90::skin {

class CPngHProgressBar : public ui::Window {
public:
    bool CreateProgress(const RECT& rect, HWND parent, UINT id);
    // Copies that rectangle of the background and the fill picture.
    void SetImages(int x, int y, int width, int height, HBITMAP backgroundImage, HBITMAP fillImage);
    void SetRange(int minimum, int maximum);
    // A value outside the range becomes the minimum; repaints at once.
    void SetPos(int value);
    int GetPos() const { return position_; }
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }

protected:
    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnLButtonDown(UINT keys, POINT at) override;
    bool OnMouseMove(UINT keys, POINT at) override;
    bool OnLButtonUp(UINT keys, POINT at) override;
    bool OnCaptureChanged(HWND) override;
    bool OnKillFocus(HWND) override;
    void OnDestroy() override;

private:
    int ValueAt(POINT client) const;

    UINT id_ = 0;
    RECT rect_{};  // parent coordinates
    int minimum_ = 0;
    int maximum_ = 10;
    int position_ = 0;
    ui::UniqueBitmap background_;
    ui::UniqueBitmap fill_;
    bool interactive_ = false;
    bool readOnly_ = false;
    bool dragging_ = false;
};

}  // namespace kx90::skin
