// CMenuEx: a vertical menu of items with images on the layered popup; CMenuExA: the same filled
// with the twelve interface languages.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/skin/menu_layout.h"
#include "win/skin/wnd_popup.h"

namespace kx90::skin {

class CMenuEx : public CWndPopup {
public:
    struct Item {
        bool separator = false;
        UINT commandId = 0;
        std::shared_ptr<Gdiplus::Bitmap> image;
        int imageWidth = 0;
        int imageHeight = 0;
        std::wstring text;
        RECT rect{};
    };

    // Appends a non-separator item whose image is the PNG resource; returns the number of items.
    int AddItem(const std::wstring& text, UINT pngResourceId, UINT commandId);
    int AddSeparator();
    const std::vector<Item>& Items() const { return items_; }
    int HotItem() const { return hot_; }

protected:
    void DrawTexts(HDC dc) override;
    void DrawImages(Gdiplus::Graphics& graphics) override;
    bool HitTestMove(POINT at) override;
    void HandleRelease(POINT at) override;

private:
    void LayOut();
    int ItemAt(POINT at) const;

    std::vector<Item> items_;
    int hot_ = -1;
};

class CMenuExA : public CMenuEx {
protected:
    void FillItems() override;
};

}  // namespace kx90::skin
