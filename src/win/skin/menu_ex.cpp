// CMenuEx items, layout, drawing and clicks; the language menu's rows.
#include "win/skin/menu_ex.h"

#include "core/i18n/language_selection.h"
#include "core/layout/palette.h"
#include "win/resources/resource_ids.h"
#include "win/ui/gdi.h"
#include "win/ui/text.h"

namespace kx90::skin {
namespace {

constexpr COLORREF kText = 0x050505;
constexpr COLORREF kHotFill = layout::kAccentColor;
constexpr COLORREF kHotText = 0xF5F5F5;
constexpr COLORREF kSeparator = 0xF5F5F5;
constexpr UINT kItemTextFlags = DT_SINGLELINE | DT_VCENTER | DT_WORD_ELLIPSIS;  // 0x40024

}  // namespace

int CMenuEx::AddItem(const std::wstring& text, UINT pngResourceId, UINT commandId) {
    Item item;
    item.commandId = commandId;
    item.text = text;
    item.image = ui::LoadPngResource(pngResourceId);
    if (item.image != nullptr) {
        item.imageWidth = static_cast<int>(item.image->GetWidth());
        item.imageHeight = static_cast<int>(item.image->GetHeight());
    }
    items_.push_back(std::move(item));
    LayOut();
    return static_cast<int>(items_.size());
}

int CMenuEx::AddSeparator() {
    Item item;
    item.separator = true;
    items_.push_back(std::move(item));
    LayOut();
    return static_cast<int>(items_.size());
}

void CMenuEx::LayOut() {
    std::unique_ptr<bool[]> separators(new bool[items_.size() + 1]);
    for (size_t i = 0; i < items_.size(); ++i) {
        separators[i] = items_[i].separator;
    }
    const MenuLayout layout = LayOutMenu(std::span<const bool>(separators.get(), items_.size()));
    for (size_t i = 0; i < items_.size(); ++i) {
        const auto& r = layout.items[i];
        items_[i].rect = RECT{r.left, r.top, r.right, r.bottom};
    }
    if (hwnd() != nullptr) {
        SetWindowPos(hwnd(), nullptr, 0, 0, layout.size.width, layout.size.height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CMenuEx::DrawTexts(HDC dc) {
    for (size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (item.separator) {
            ui::FillSolid(dc, item.rect, kSeparator);
            continue;
        }
        const bool hot = static_cast<int>(i) == hot_;
        if (hot) {
            ui::FillSolid(dc, item.rect, kHotFill);
        }
        const RECT box{item.rect.left + 30, item.rect.top, item.rect.left + 112, item.rect.bottom};
        ui::DrawTextIn(dc, item.text, box, Font(), hot ? kHotText : kText, kItemTextFlags);
    }
}

void CMenuEx::DrawImages(Gdiplus::Graphics& graphics) {
    for (const Item& item : items_) {
        if (item.separator || item.image == nullptr) {
            continue;
        }
        const int x = item.rect.left + (25 - item.imageWidth) / 2;
        const int y = item.rect.top + (ui::Height(item.rect) - item.imageHeight) / 2;
        graphics.DrawImage(item.image.get(), x, y, item.imageWidth, item.imageHeight);
    }
}

int CMenuEx::ItemAt(POINT at) const {
    for (size_t i = 0; i < items_.size(); ++i) {
        if (!items_[i].separator && PtInRect(&items_[i].rect, at)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool CMenuEx::HitTestMove(POINT at) {
    if (hot_ >= 0 && PtInRect(&items_[static_cast<size_t>(hot_)].rect, at)) {
        return false;
    }
    const int hot = ItemAt(at);
    if (hot == hot_) {
        return false;
    }
    hot_ = hot;
    return true;
}

void CMenuEx::HandleRelease(POINT at) {
    if (hot_ < 0) {
        return;
    }
    if (!PtInRect(&items_[static_cast<size_t>(hot_)].rect, at)) {
        // Pressed on one item and released elsewhere: no choice, no highlight.
        hot_ = -1;
        Render();
        return;
    }
    SendMessageW(Owner(), NotifyMessage(), 0, items_[static_cast<size_t>(hot_)].commandId);
}

void CMenuExA::FillItems() {
    // The rows in language-index order; the names are fixed English texts.
    for (const LanguageRow& row : kLanguages) {
        const UINT index = static_cast<UINT>(row.index);
        AddItem(ui::Wide(row.popupName), IDR_LANGUAGE_FLAG_ICON_FIRST + index - 1, index);
    }
}

}  // namespace kx90::skin
