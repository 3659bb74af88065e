// Plain pixel geometry for the layout tables: points, sizes, rectangles and quadrilaterals.
#pragma once

namespace kx90::layout {

struct Point {
    int x = 0;
    int y = 0;
};

struct Size {
    int width = 0;
    int height = 0;
};

// Left, top, right, bottom; right and bottom are exclusive, as in Win32 rectangles.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
};

// A shaped button's outline: the polygon through the four points in order.
struct Quad {
    Point points[4];

    constexpr Rect Bounds() const {
        Rect r{points[0].x, points[0].y, points[0].x, points[0].y};
        for (const Point& p : points) {
            r.left = p.x < r.left ? p.x : r.left;
            r.top = p.y < r.top ? p.y : r.top;
            r.right = p.x > r.right ? p.x : r.right;
            r.bottom = p.y > r.bottom ? p.y : r.bottom;
        }
        return r;
    }
};

}  // namespace kx90::layout

namespace kx90::layout {

// A control whose place differs between the Chinese and the other user-interface languages.
struct LocalizedRect {
    Rect chinese;
    Rect other;

    constexpr const Rect& For(bool chineseUi) const { return chineseUi ? chinese : other; }
};

// A transparent hover area over a caption of a page picture, with the status code it asks for.
struct CaptionZone {
    LocalizedRect rect;
    int statusCode;
};

}  // namespace kx90::layout
