// CWndPopup: a borderless layered popup that composes its picture off-screen with per-pixel
// alpha, tells its owner about clicks with a message of the owner's choosing, and closes itself
// when it loses activation. It deletes itself after its window is destroyed.
#pragma once

#include <memory>

#include "win/ui/gdiplus_support.h"
#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace kx90::skin {

class CWndPopup : public ui::Window {
public:
    CWndPopup();
    // Loads a PNG resource as the background, drawn as a nine-part frame.
    void SetBackgroundImage(UINT pngResourceId);
    // Creates the popup owned by owner (topmost tool window), fills its items, renders and shows
    // it at (x, y). Item clicks reach the owner as message (0, command id).
    bool CreatePopup(HWND owner, int x, int y, int right, int bottom, UINT message);

protected:
    // The virtual operations of the popup, in this order: texts, images, items, move hit test,
    // press and release. The base versions do nothing and report no change.
    virtual void DrawTexts(HDC) {}
    virtual void DrawImages(Gdiplus::Graphics&) {}
    virtual void FillItems() {}
    virtual bool HitTestMove(POINT) { return false; }
    virtual void HandlePress(POINT) {}
    virtual void HandleRelease(POINT) {}

    // Composes the layers and updates the layered window.
    void Render();
    HWND Owner() const { return owner_; }
    UINT NotifyMessage() const { return message_; }
    HFONT Font() const { return font_.get(); }
    bool ButtonDown() const { return buttonDown_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCreate() override;
    bool OnMouseMove(UINT keys, POINT at) override;
    bool OnLButtonDown(UINT keys, POINT at) override;
    bool OnLButtonUp(UINT keys, POINT at) override;
    bool OnActivate(bool active) override;
    bool OnClose() override;
    void OnFinalMessage() override {
        if (ownsItself_) {
            delete this;
        }
    }

private:
    void DrawBackground(HDC dc, void* bits, int width, int height);

    ui::UniqueFont font_;
    std::unique_ptr<Gdiplus::Bitmap> background_;
    int x_ = 0;
    int y_ = 0;
    UINT message_ = 0;
    HWND owner_ = nullptr;
    bool tracking_ = false;
    bool buttonDown_ = false;
    bool ownsItself_ = false;  // from a successful CreatePopup on
};

}  // namespace kx90::skin
