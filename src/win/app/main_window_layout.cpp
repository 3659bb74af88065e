// The main window's look: skin pictures, the controls of the layout table, painting and the help
// line.
#include <utility>

#include "core/app/status_text.h"
#include "core/i18n/ui_language.h"
#include "core/layout/main_window_layout.h"
#include "core/layout/palette.h"
#include "win/app/main_window.h"
#include "win/platform/keyboard_layout_win.h"
#include "win/resources/resource_ids.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90 {

namespace mw = kx90::layout::main_window;

namespace {

constexpr COLORREF kStatusColor = 0xBEBEBE;
constexpr UINT kStatusFlags = 0xA114;  // vertical centre, word break, no clip, edit control, end ellipsis
constexpr COLORREF kPlainBackground = RGB(24, 26, 30);
constexpr COLORREF kPlainEdgeColor = RGB(70, 74, 80);

// A window-sized picture to draw on: a copy of a page, or a plain fill.
class Canvas {
public:
    Canvas(SIZE size, HBITMAP copyOf, COLORREF fill)
        : screen_(nullptr),
          dc_(CreateCompatibleDC(screen_.get())),
          bitmap_(CreateCompatibleBitmap(screen_.get(), size.cx, size.cy)) {
        old_ = SelectObject(dc_.get(), bitmap_.get());
        ui::FillSolid(dc_.get(), RECT{0, 0, size.cx, size.cy}, fill);
        if (copyOf != nullptr) {
            ui::DrawBitmap(dc_.get(), copyOf, 0, 0);
        }
    }
    ~Canvas() { SelectObject(dc_.get(), old_); }
    HDC dc() const { return dc_.get(); }
    ui::UniqueBitmap Take() {
        SelectObject(dc_.get(), old_);
        old_ = SelectObject(dc_.get(), GetStockObject(DEFAULT_GUI_FONT));  // any object: the bitmap is free
        return std::move(bitmap_);
    }

private:
    ui::WindowDc screen_;
    ui::UniqueMemoryDc dc_;
    ui::UniqueBitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

// Stand-in skin while the installation has no pictures: a dark page with the buttons' shapes, so
// the window stays usable and never shows garbage.
ui::UniqueBitmap PlainSkin(SIZE size, COLORREF buttonColor) {
    Canvas canvas(size, nullptr, kPlainBackground);
    const ui::UniqueBrush brush(CreateSolidBrush(buttonColor));
    const ui::UniquePen pen(CreatePen(PS_SOLID, 1, kPlainEdgeColor));
    const ui::Selected brushSelected(canvas.dc(), brush.get());
    const ui::Selected penSelected(canvas.dc(), pen.get());
    auto quad = [&](const layout::Quad& q) {
        POINT p[4];
        for (int i = 0; i < 4; ++i) {
            p[i] = POINT{q.points[i].x, q.points[i].y};
        }
        Polygon(canvas.dc(), p, 4);
    };
    for (const layout::Quad& q : mw::kTabs)
        quad(q);
    for (const layout::Quad& q : mw::kProfiles)
        quad(q);
    quad(mw::kApply);
    for (const layout::Rect& r : {mw::kMinimizeButton, mw::kCloseButton, mw::kLanguageButton}) {
        Rectangle(canvas.dc(), r.left, r.top, r.right, r.bottom);
    }
    // The window buttons' glyphs: a bar, a cross and a down arrow, in the text grey.
    const ui::UniquePen glyph(CreatePen(PS_SOLID, 2, kStatusColor));
    const ui::Selected glyphSelected(canvas.dc(), glyph.get());
    const layout::Rect m = mw::kMinimizeButton;
    MoveToEx(canvas.dc(), m.left + 11, m.bottom - 11, nullptr);
    LineTo(canvas.dc(), m.right - 11, m.bottom - 11);
    const layout::Rect c = mw::kCloseButton;
    MoveToEx(canvas.dc(), c.left + 11, c.top + 10, nullptr);
    LineTo(canvas.dc(), c.right - 11, c.bottom - 11);
    MoveToEx(canvas.dc(), c.right - 11, c.top + 10, nullptr);
    LineTo(canvas.dc(), c.left + 11, c.bottom - 11);
    const layout::Rect l = mw::kLanguageButton;
    const int mid = (l.left + l.right) / 2;
    MoveToEx(canvas.dc(), mid - 5, l.top + 6, nullptr);
    LineTo(canvas.dc(), mid, l.bottom - 6);
    LineTo(canvas.dc(), mid + 5, l.top + 6);
    return canvas.Take();
}

}  // namespace

void CKX77DriverDlg::LoadSkins() {
    const std::wstring folder = installDir_ + L"\\skins\\";
    normal_ = ui::LoadSkinBitmap(folder + L"Main_Normal.bmp");
    down_ = ui::LoadSkinBitmap(folder + L"Main_Down.bmp");
    over_ = ui::LoadSkinBitmap(folder + L"Main_Over.bmp");
    SIZE size{mw::kWindowSize.width, mw::kWindowSize.height};
    skinLoaded_ = normal_.bitmap.get() != nullptr;
    if (skinLoaded_) {
        size = normal_.size;
    }
    const std::pair<ui::SkinBitmap*, COLORREF> faces[] = {
        {&normal_, RGB(40, 43, 48)}, {&down_, layout::kAccentColor}, {&over_, RGB(62, 66, 72)}};
    for (const auto& [skin, color] : faces) {
        if (skin->bitmap.get() == nullptr) {
            skin->bitmap = PlainSkin(size, color);
            skin->size = size;
        }
    }
    const int left = (GetSystemMetrics(SM_CXFULLSCREEN) - size.cx) / 2;
    const int top = (GetSystemMetrics(SM_CYFULLSCREEN) - size.cy) / 2;
    SetWindowPos(hwnd(), nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CKX77DriverDlg::LoadApplyFaces() {
    const UINT first = app_.language.IsChinese() ? IDB_APPLY_CN_FIRST : IDB_APPLY_EN_FIRST;
    const layout::Rect bounds = mw::kApply.Bounds();
    const RECT box = apply_.Bounds();
    ui::UniqueBitmap faces[3];
    for (UINT i = 0; i < 3; ++i) {
        // A face may be a whole window picture or just the button's box; a box is drawn over what
        // the window's own look shows under the button. Only the button's box is kept.
        ui::SkinBitmap face = ui::LoadBitmapResource(first + i);
        if (face.size.cx >= normal_.size.cx && face.size.cy >= normal_.size.cy) {
            faces[i] = apply_.CutFace(face.bitmap.get());
            continue;
        }
        Canvas canvas(SIZE{box.right - box.left, box.bottom - box.top}, applyGround_[i].get(),
                      kPlainBackground);
        if (face.bitmap.get() != nullptr) {
            ui::DrawBitmap(canvas.dc(), face.bitmap.get(), bounds.left - box.left, bounds.top - box.top);
        }
        faces[i] = canvas.Take();
    }
    const SIZE size = ui::BitmapSize(faces[0].get());
    ui::UniqueBitmap disabled = ui::CopyBitmapRect(faces[0].get(), RECT{0, 0, size.cx, size.cy});
    apply_.SetFaceBoxes(std::move(faces[0]), std::move(faces[2]), std::move(faces[1]), std::move(disabled));
    apply_.Invalidate();
}

void CKX77DriverDlg::CreateControls() {
    HBITMAP normal = normal_.bitmap.get();
    HBITMAP down = down_.bitmap.get();
    HBITMAP over = over_.bitmap.get();
    const struct {
        skin::CGDIBitmapBtn& button;
        layout::Rect rect;
        UINT id;
    } plain[] = {{minimize_, mw::kMinimizeButton, cmd::kMinimize},
                 {close_, mw::kCloseButton, cmd::kClose},
                 {language_, mw::kLanguageButton, cmd::kLanguageButton}};
    for (const auto& b : plain) {
        b.button.SetFaceBitmaps(ui::ToRect(b.rect), normal, over, down, normal);
        b.button.CreateButton(hwnd(), ui::ToRect(b.rect), b.id);
    }
    // Captions only for the stand-in skin: the real pictures carry their own.
    const bool plainSkin = !HasSkin();
    const LanguageStrings& s = app_.language.Strings();
    const std::u16string* profileNames[kProfileCount] = {&s.str_profile1, &s.str_profile2, &s.str_profile3,
                                                         &s.str_profile4, &s.str_profile5};
    auto shaped = [&](skin::CIrrButton& button, const layout::Quad& quad, const std::u16string* name, UINT id,
                      bool checkMode) {
        button.SetCheckMode(checkMode);
        button.SetReportMovesToParent(true);
        ui::UniqueRegion region(ui::QuadRegion(quad));
        button.CreateShaped(plainSkin && name != nullptr ? ui::Wide(*name) : L"", WS_CHILD | WS_VISIBLE,
                            region.get(), hwnd(), id);
    };
    // Each button keeps only its own piece of the looks.
    auto cutFaces = [&](skin::CIrrButton& button) {
        button.SetFaceBoxes(button.CutFace(normal), button.CutFace(down), button.CutFace(over),
                            button.CutFace(normal));
    };
    for (int k = 0; k < kPageCount; ++k) {
        shaped(tabs_[static_cast<size_t>(k)], mw::kTabs[k], &Page(k + 1)->Title(),
               cmd::kTabFirst + static_cast<UINT>(k), true);
        cutFaces(tabs_[static_cast<size_t>(k)]);
    }
    for (int k = 0; k < kProfileCount; ++k) {
        shaped(profiles_[static_cast<size_t>(k)], mw::kProfiles[k], profileNames[k],
               cmd::kProfileFirst + static_cast<UINT>(k), true);
        cutFaces(profiles_[static_cast<size_t>(k)]);
    }
    shaped(apply_, mw::kApply, &s.str_ok, cmd::kApply, false);
    applyGround_[0] = apply_.CutFace(normal);
    applyGround_[1] = apply_.CutFace(over);
    applyGround_[2] = apply_.CutFace(down);
    LoadApplyFaces();
    // Every face is cut: the window-sized pressed and hover looks are not needed any more.
    down_ = ui::SkinBitmap{};
    over_ = ui::SkinBitmap{};

    flag_ = CreateWindowExW(0, L"STATIC", nullptr, WS_CHILD | WS_VISIBLE | SS_BITMAP, mw::kLanguageFlagAt.x,
                            mw::kLanguageFlagAt.y, mw::kLanguageFlagSize.width, mw::kLanguageFlagSize.height,
                            hwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(cmd::kLanguageFlag)),
                            GetModuleHandleW(nullptr), nullptr);
    if (shownFlag_ != 0) {
        ShowFlag(shownFlag_);  // the installation language was chosen before the controls existed
    }
    RefreshTooltips();
}

void CKX77DriverDlg::CreatePages() {
    pages_ = pages::MakeMainPages();
    pages::PageServices services;
    services.mainWindow = hwnd();
    services.installDir = installDir_;
    services.language = &app_.language;
    services.profiles = &app_.profiles;
    services.macros = &app_.macros;
    services.notifier = &app_.notifier;
    services.hooks = &app_.hookManager;
    services.paths = &app_.Paths();
    services.keyboard = &SystemKeyboardLayout();
    services.skinMenu = &app_.skinMenu;
    services.host = &app_.host;
    services.progress = &app_.progress;
    services.updates = &app_.updates;
    for (auto& page : pages_) {
        page->CreatePage(services);
    }
}

bool CKX77DriverDlg::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    ui::OffscreenSurface surface(dc, client.right, client.bottom);
    ui::FillSolid(surface.dc(), client, kPlainBackground);
    if (normal_.bitmap.get() != nullptr) {
        ui::DrawBitmap(surface.dc(), normal_.bitmap.get(), 0, 0);
    }
    if (!HasSkin()) {
        ui::UniqueFont title = ui::CreateUiFont(18, FW_NORMAL);
        ui::DrawTextIn(surface.dc(), kMainWindowTitle, RECT{20, 20, 800, 60}, title.get(), kStatusColor,
                       DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
    ui::UniqueFont font = ui::CreateUiFont(14, 300);
    ui::DrawTextIn(surface.dc(), status_, ui::ToRect(mw::kStatusText), font.get(), kStatusColor,
                   kStatusFlags);
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
    return true;
}

bool CKX77DriverDlg::OnLButtonDown(UINT, POINT at) {
    ui::DragByBackground(hwnd(), at);
    return true;
}

bool CKX77DriverDlg::OnMouseMove(UINT, POINT at) {
    if (!status_.empty()) {
        status_.clear();
        InvalidateStatus();
    }
    POINT screen = at;
    ClientToScreen(hwnd(), &screen);
    int code = 1;
    auto check = [&](const ui::Window& button) {
        RECT r;
        if (button.hwnd() != nullptr && GetWindowRect(button.hwnd(), &r)) {
            InflateRect(&r, 1, 1);
            if (PtInRect(&r, screen)) {
                PostMessageW(hwnd(), msg::kStatusText, 0, code);
            }
        }
        ++code;
    };
    for (const auto& tab : tabs_)
        check(tab);
    for (const auto& profile : profiles_)
        check(profile);
    check(apply_);
    return true;
}

void CKX77DriverDlg::SetStatusCode(int code) {
    std::wstring text = ui::Wide(StatusText(code, app_.language, app_.profiles.LiveRecord()));
    if (text != status_) {
        status_ = std::move(text);
        InvalidateStatus();
    }
}

void CKX77DriverDlg::InvalidateStatus() {
    const RECT r = ui::ToRect(mw::kStatusText);
    InvalidateRect(hwnd(), &r, FALSE);
}

}  // namespace kx90
