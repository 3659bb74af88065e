// CGDIBitmapBtn: a rectangular push or toggle button whose faces are cut from full-page images,
// with an optional centred caption.
#pragma once

#include <string>

#include "win/skin/skin_button_base.h"
#include "win/ui/handles.h"

namespace kx90::skin {

class CGDIBitmapBtn : public SkinButtonBase {
public:
    static constexpr COLORREF kNormalText = 0xC8BDBD;
    static constexpr COLORREF kHoverText = 0xFFFFFF;
    static constexpr COLORREF kPressedText = 0x051D26;
    static constexpr COLORREF kDisabledText = 0x272A26;

    // Cuts rect (the button's own rectangle in page coordinates) out of each full-page image. The
    // alternate faces may be null.
    void SetFaceBitmaps(const RECT& rect, HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled,
                        HBITMAP alternateNormal = nullptr, HBITMAP alternatePressed = nullptr);
    // Adopts ready-made faces of the button's size.
    void SetFaceHandles(HBITMAP normal, HBITMAP hover, HBITMAP pressed, HBITMAP disabled);

    void SetText(const std::wstring& text, int = 0, int = 0);
    const std::wstring& GetText() const { return caption_; }
    void SetCheck(bool checked);
    bool GetCheck() const { return checked_; }
    void SetCheckMode(bool checkMode, bool toggleOnClick);
    void SetTextColors(COLORREF normal, COLORREF hover, COLORREF pressed);
    void SetLargeFont(bool large) { largeFont_ = large; }
    void SetCaptionRect(const RECT& rect) {
        captionRect_ = rect;
        customCaptionRect_ = true;
    }
    void SetHoverEnabled(bool enabled) { hoverEnabled_ = enabled; }
    void SetUseAlternateNormal(bool use) {
        useAlternateNormal_ = use;
        Invalidate();
    }
    void SetUseAlternatePressed(bool use) {
        useAlternatePressed_ = use;
        Invalidate();
    }
    // Press and release are posted to the parent as 0x70D (0x201 / 0x202, button window).
    void SetPressReleaseNotify(bool notify) { notifyPressRelease_ = notify; }
    void SetTag(int tag) { tag_ = tag; }
    int GetTag() const { return tag_; }

    // The face and caption colour the button shows now (first match wins).
    struct Look {
        HBITMAP face;
        COLORREF textColor;
    };
    Look CurrentLook() const;

protected:
    bool OnPaint(HDC dc) override;
    void PostMoveToParent(UINT keys, POINT at) override;
    void OnPressed() override;
    void OnReleased() override;

private:
    enum Face { kNormal, kHover, kPressed, kDisabled, kAlternateNormal, kAlternatePressed, kFaceCount };
    void DrawCaption(HDC dc, const RECT& client, COLORREF color) const;

    ui::UniqueBitmap faces_[kFaceCount];
    std::wstring caption_;
    COLORREF textNormal_ = kNormalText;
    COLORREF textHover_ = kHoverText;
    COLORREF textPressed_ = kPressedText;
    bool largeFont_ = false;
    bool customCaptionRect_ = false;
    RECT captionRect_{};
    bool checkMode_ = false;
    bool checked_ = false;
    bool toggleOnClick_ = false;
    bool hoverEnabled_ = true;
    bool useAlternateNormal_ = false;
    bool useAlternatePressed_ = false;
    bool notifyPressRelease_ = false;
    int tag_ = 0;
};

}  // namespace kx90::skin
