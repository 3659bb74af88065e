// CPngHSliderBar and its thumb CPngHSlider: a horizontal slider painted from the page picture and
// a PNG thumb. The page receives 0x800 (value, control id).
#pragma once

#include <memory>
#include <string>

#include "win/ui/gdiplus_support.h"
#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace kx90::skin {

// The thumb: a child of the track, shaped by its picture, dragged with the left button.
class CPngHSlider : public ui::Window {
public:
    // Loads the picture and creates the thumb in the track with the given travel (track client
    // coordinates); top-aligned puts its top at the travel's top, else its bottom at the bottom.
    bool CreateThumb(const std::wstring& imagePath, HWND track, const RECT& travel, bool topAligned);
    void SetRange(int minimum, int maximum);
    // Moves the thumb to a value; a value outside the range is the minimum.
    void SetPos(int value);
    int GetPos() const { return position_; }
    void LockInput(bool locked) { locked_ = locked; }
    // A thumb that takes no input is drawn darkened.
    void SetDimmed(bool dimmed);
    SIZE ImageSize() const { return SIZE{width_, height_}; }

protected:
    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnLButtonDown(UINT keys, POINT at) override;
    bool OnMouseMove(UINT keys, POINT at) override;
    bool OnLButtonUp(UINT keys, POINT at) override;
    bool OnCaptureChanged(HWND) override;

private:
    void ApplyRegion();
    int Left() const;

    std::unique_ptr<Gdiplus::Bitmap> image_;
    int width_ = 0;
    int height_ = 0;
    RECT travel_{};
    int minimum_ = 1;
    int maximum_ = 10;
    int position_ = 1;
    bool topAligned_ = true;
    bool dragging_ = false;
    POINT pressAt_{};
    bool locked_ = false;
    bool dimmed_ = false;
};

class CPngHSliderBar : public ui::Window {
public:
    bool CreateSlider(const std::wstring& thumbImagePath, int left, int top, int right, int bottom,
                      HWND parent, UINT id);
    // Copies that rectangle of the page picture; the track paints it 1:1.
    void SetBackground(int x, int y, int width, int height, HBITMAP pageImage);
    void SetRange(int minimum, int maximum);
    // The rectangle (page coordinates) that maps a click on the track to a value.
    void SetTrackRect(int left, int top, int right, int bottom) {
        trackRect_ = RECT{left, top, right, bottom};
    }
    void SetPos(int value);
    int GetPos() const { return thumb_.GetPos(); }
    void EnableInput(bool enable);
    CPngHSlider& Thumb() { return thumb_; }

protected:
    bool OnCreate() override;
    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    bool OnLButtonDown(UINT keys, POINT at) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::wstring thumbPath_;
    CPngHSlider thumb_;
    ui::UniqueBitmap background_;
    RECT trackRect_{};
    int minimum_ = 0;
    int maximum_ = 10;
    bool inputDisabled_ = false;
    UINT id_ = 0;
};

}  // namespace kx90::skin
