// CColorBtn: a flat colour swatch whose one-pixel frame shows selection, press and hover.
#pragma once

#include "win/skin/skin_button_base.h"

namespace kx90::skin {

class CColorBtn : public SkinButtonBase {
public:
    // Frame colours, opaque (COLORREF of the ARGB values 0xFF393839, 0xFFD31814, 0xFFE8BE1C, 0xFF313439).
    static constexpr COLORREF kSelectedFrame = RGB(0x39, 0x38, 0x39);
    static constexpr COLORREF kPressedFrame = RGB(0xD3, 0x18, 0x14);
    static constexpr COLORREF kHoverFrame = RGB(0xE8, 0xBE, 0x1C);
    static constexpr COLORREF kPlainFrame = RGB(0x31, 0x34, 0x39);
    static constexpr COLORREF kNoFrame = 0xFFFFFFFF;

    void SetColor(COLORREF color);
    COLORREF GetColor() const { return color_; }
    void SetSelected(bool selected);
    void SetFrame(bool frame);
    // The swatch the page's colour controls work on now: a two-pixel frame in the program's blue.
    void SetMarked(bool marked);

    // The frame colour shown now, or kNoFrame when there is none.
    COLORREF FrameColor() const;

protected:
    bool OnPaint(HDC dc) override;
    void PostMoveToParent(UINT keys, POINT at) override;

private:
    COLORREF color_ = 0xFFFFFF;
    bool selected_ = false;
    bool frame_ = false;
    bool marked_ = false;
};

}  // namespace kx90::skin
