// CSkinScrollBar: painting the arrows, track and thumb from the skin's tiles.
#include <algorithm>

#include "win/skin/skin_scroll_bar.h"
#include "win/ui/gdi.h"

namespace kx90::skin {
namespace {

// The thumb keeps this many pixels of its tile at each end; the middle of the tile repeats.
constexpr int kThumbCap = 3;

// Repeats the tile over the rectangle without scaling, clipped at its right and bottom.
void TileRect(HDC dc, HDC skin, const RECT& where, const RECT& tile) {
    const int tw = ui::Width(tile), th = ui::Height(tile);
    if (tw <= 0 || th <= 0) {
        return;
    }
    for (int y = where.top; y < where.bottom; y += th) {
        for (int x = where.left; x < where.right; x += tw) {
            BitBlt(dc, x, y, std::min(tw, static_cast<int>(where.right - x)),
                   std::min(th, static_cast<int>(where.bottom - y)), skin, tile.left, tile.top, SRCCOPY);
        }
    }
}

// Copies the tile to the rectangle, stretching when the sizes differ.
void CopyTile(HDC dc, HDC skin, const RECT& where, const RECT& tile) {
    const int w = ui::Width(where), h = ui::Height(where);
    if (w <= 0 || h <= 0) {
        return;
    }
    if (w == ui::Width(tile) && h == ui::Height(tile)) {
        BitBlt(dc, where.left, where.top, w, h, skin, tile.left, tile.top, SRCCOPY);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, where.left, where.top, w, h, skin, tile.left, tile.top, ui::Width(tile),
                   ui::Height(tile), SRCCOPY);
    }
}

}  // namespace

RECT CSkinScrollBar::PartRect(const ScrollBarGeometry& geometry, int part) const {
    const Span span = ScrollPartSpan(geometry, part);
    RECT rc{};
    GetClientRect(hwnd(), &rc);
    if (vertical_) {
        return RECT{rc.left, span.begin, rc.right, span.end};
    }
    return RECT{span.begin, rc.top, span.end, rc.bottom};
}

int CSkinScrollBar::RowOf(int part) const {
    if (!IsWindowEnabled(hwnd())) {
        return kSkinRowNormal;
    }
    const bool idle = pressed_ == kScrollPartNone && !IsDragging();
    if (part == kScrollThumb) {
        return IsDragging() ? kSkinRowPressed : (idle && hover_ == part ? kSkinRowHover : kSkinRowNormal);
    }
    if (part == pressed_ && !suspended_ && (part == kScrollLineUp || part == kScrollLineDown)) {
        return kSkinRowPressed;
    }
    return idle && hover_ == part ? kSkinRowHover : kSkinRowNormal;
}

void CSkinScrollBar::DrawThumb(HDC dc, HDC skin, const RECT& where, const layout::Rect& tile) const {
    // Along the bar: the tile's first and last kThumbCap pixels at the thumb's ends, its middle
    // repeated between them. Across the bar the tile is copied (stretched if the bar is thicker).
    const int length = vertical_ ? ui::Height(where) : ui::Width(where);
    const int cap = std::min(kThumbCap, length / 2);
    const int middleTile = tile_ - 2 * kThumbCap;
    auto along = [&](int from, int to) {  // a piece of the thumb, from..to along it
        return vertical_ ? RECT{where.left, where.top + from, where.right, where.top + to}
                         : RECT{where.left + from, where.top, where.left + to, where.bottom};
    };
    auto tilePiece = [&](int from, int to) {  // a piece of the tile, from..to along the bar
        return vertical_ ? RECT{tile.left, tile.top + from, tile.right, tile.top + to}
                         : RECT{tile.left + from, tile.top, tile.left + to, tile.bottom};
    };
    CopyTile(dc, skin, along(0, cap), tilePiece(0, cap));
    CopyTile(dc, skin, along(length - cap, length), tilePiece(tile_ - cap, tile_));
    if (middleTile <= 0) {
        return;
    }
    for (int at = cap; at < length - cap; at += middleTile) {
        const int piece = std::min(middleTile, length - cap - at);
        CopyTile(dc, skin, along(at, at + piece), tilePiece(kThumbCap, kThumbCap + piece));
    }
}

void CSkinScrollBar::DrawPart(HDC dc, HDC skin, const ScrollBarGeometry& geometry, int part, int row) const {
    const RECT where = PartRect(geometry, part);
    if (ui::Width(where) <= 0 || ui::Height(where) <= 0) {
        return;
    }
    const layout::Rect tile = ScrollSkinTile(part, !vertical_, row, tile_);
    switch (part) {
        case kScrollLineUp:
        case kScrollLineDown:
            CopyTile(dc, skin, where, ui::ToRect(tile));
            break;
        case kScrollPageUp:
        case kScrollPageDown:
            TileRect(dc, skin, where, ui::ToRect(tile));
            break;
        case kScrollThumb:
            DrawThumb(dc, skin, where, tile);
            break;
        default:
            break;
    }
}

bool CSkinScrollBar::OnPaint(HDC dc) {
    RECT rc;
    GetClientRect(hwnd(), &rc);
    ui::OffscreenSurface buffer(dc, ui::Width(rc), ui::Height(rc));
    ui::FillSolid(buffer.dc(), rc, RGB(0, 0, 0));
    if (skin_ && tile_ > 0) {
        ui::UniqueMemoryDc skinDc(CreateCompatibleDC(dc));
        ui::Selected selected(skinDc.get(), skin_.get());
        const ScrollBarGeometry geometry = Geometry();
        for (int part : {kScrollLineUp, kScrollLineDown, kScrollPageUp, kScrollPageDown, kScrollThumb}) {
            DrawPart(buffer.dc(), skinDc.get(), geometry, part, RowOf(part));
        }
    }
    BitBlt(dc, 0, 0, ui::Width(rc), ui::Height(rc), buffer.dc(), 0, 0, SRCCOPY);
    return true;
}

}  // namespace kx90::skin
