// skingen OUTPUT_FOLDER: draws every picture the program loads. Resource pictures go to the
// folder itself (the .rc file takes them from there); installed skins go to OUTPUT_FOLDER/skins.
#include <cstdio>
#include <filesystem>
#include <string>

#include "art.h"
#include "core/layout/assignment_popup_layout.h"
#include "core/layout/main_window_layout.h"
#include "core/layout/performance_page_layout.h"
#include "core/layout/skin_controls_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "faces.h"
#include "flags.h"
#include "image_files.h"
#include "popup_art.h"
#include "window_art.h"

namespace fs = std::filesystem;
namespace layout = kx90::layout;

namespace {

bool ok = true;

void Check(bool written, const fs::path& path) {
    if (!written) {
        std::fprintf(stderr, "skingen: cannot write %s\n", path.c_str());
        ok = false;
    }
}

void InfoDialogs(const fs::path& out) {
    struct Face {
        const char* name;
        bool twoButtons;
        skingen::Look look;
    };
    // Resource ids: two buttons 1006 / 1008 / 1004, one button 1007 / 1009 / 1005.
    const Face faces[] = {
        {"info_two_normal.bmp", true, skingen::Look::kNormal},
        {"info_two_hover.bmp", true, skingen::Look::kHover},
        {"info_two_pressed.bmp", true, skingen::Look::kPressed},
        {"info_one_normal.bmp", false, skingen::Look::kNormal},
        {"info_one_hover.bmp", false, skingen::Look::kHover},
        {"info_one_pressed.bmp", false, skingen::Look::kPressed},
    };
    for (const Face& f : faces) {
        skingen::Canvas c(layout::info_dialog::kSize.width, layout::info_dialog::kSize.height);
        skingen::DrawInfoDialog(c, f.twoButtons, f.look);
        Check(skingen::WriteBmp24(c.surface(), out / f.name), out / f.name);
    }
}

void Icons(const fs::path& out) {
    skingen::Canvas config(16, 16), exit(16, 16);
    skingen::DrawConfigIcon(config);
    skingen::DrawExitIcon(exit);
    Check(skingen::WriteIco({config.surface()}, out / "tray_config.ico"), out / "tray_config.ico");
    Check(skingen::WriteIco({exit.surface()}, out / "tray_exit.ico"), out / "tray_exit.ico");

    skingen::Canvas s16(16, 16), s32(32, 32), s48(48, 48);
    for (skingen::Canvas* c : {&s16, &s32, &s48}) {
        skingen::DrawProgramIcon(*c);
    }
    Check(skingen::WriteIco({s16.surface(), s32.surface(), s48.surface()}, out / "kx90.ico"),
          out / "kx90.ico");
}

void Popup(const fs::path& out) {
    const auto size = layout::popup_menu::kLanguageMenuSize;
    skingen::Canvas background(size.width, size.height);
    skingen::DrawPopupBackground(background);
    Check(skingen::WritePng(background.surface(), out / "popup_background.png"),
          out / "popup_background.png");
    for (int language = 1; language <= 12; ++language) {
        const std::string stem = "flag_" + std::to_string(language);
        skingen::Canvas small(layout::popup_menu::kFlagIcon.width, layout::popup_menu::kFlagIcon.height);
        skingen::DrawFlag(small, language);
        Check(skingen::WritePng(small.surface(), out / (stem + ".png")), out / (stem + ".png"));
        skingen::Canvas large(layout::popup_menu::kFlagBitmap.width, layout::popup_menu::kFlagBitmap.height);
        skingen::DrawFlag(large, language);
        Check(skingen::WriteBmp24(large.surface(), out / (stem + ".bmp")), out / (stem + ".bmp"));
    }
}

void InstalledSkins(const fs::path& skins) {
    fs::create_directories(skins / "ProgressBar");
    fs::create_directories(skins / "Menu");
    skingen::Canvas thumb(layout::slider::kThumb.width, layout::slider::kThumb.height);
    skingen::DrawSliderThumb(thumb);
    Check(skingen::WritePng(thumb.surface(), skins / "Slider.png"), skins / "Slider.png");

    for (bool filled : {false, true}) {
        skingen::Canvas c(layout::progress_window::kSize.width, layout::progress_window::kSize.height);
        skingen::DrawProgressWindow(c, filled);
        const fs::path path = skins / "ProgressBar" / (filled ? "Progress_Over.png" : "Progress_Normal.png");
        Check(skingen::WritePng(c.surface(), path), path);
    }

    struct MenuFace {
        const char* name;
        skingen::Look look;
        bool withSubmenu;
    };
    const MenuFace faces[] = {
        {"MenuNorL.BMP", skingen::Look::kNormal, false},
        {"MenuOverL.BMP", skingen::Look::kHover, false},
        {"MenuDownL.BMP", skingen::Look::kPressed, false},
        {"MenuNorHaveSub.BMP", skingen::Look::kNormal, true},
        {"MenuOverHaveSub.BMP", skingen::Look::kHover, true},
        {"MenuDownHaveSub.BMP", skingen::Look::kPressed, true},
    };
    struct StepIcon {
        const char* stem;
        skingen::Step step;
    };
    for (const StepIcon& icon :
         {StepIcon{"up", skingen::Step::kKeyUp}, StepIcon{"down", skingen::Step::kKeyDown},
          StepIcon{"delay", skingen::Step::kDelay}}) {
        for (bool selected : {false, true}) {
            skingen::Canvas c(16, 16);
            skingen::DrawStepIcon(c, icon.step, selected);
            const fs::path path =
                skins / (std::string(icon.stem) + (selected ? "_select.png" : "_normal.png"));
            Check(skingen::WritePng(c.surface(), path), path);
        }
    }

    for (const MenuFace& f : faces) {
        skingen::Canvas c(layout::skin_menu::kItemFace.width, layout::skin_menu::kItemFace.height);
        skingen::DrawSkinMenuFace(c, f.look, f.withSubmenu);
        Check(skingen::WriteBmp24(c.surface(), skins / "Menu" / f.name), skins / "Menu" / f.name);
    }
}

void ScrollSkin(const fs::path& out) {
    const int t = layout::scroll_skin::kTile;
    skingen::Canvas c(9 * t, 3 * t);
    skingen::DrawScrollSkin(c, t);
    Check(skingen::WriteBmp24(c.surface(), out / "scroll_skin.bmp"), out / "scroll_skin.bmp");
}

struct LookFile {
    const char* name;
    skingen::Look look;
};

// The main window in its three looks, and the Apply button's faces cut out of a normal window.
void MainWindow(const fs::path& out, const fs::path& skins) {
    const auto size = layout::main_window::kWindowSize;
    const LookFile looks[] = {{"Main_Normal.bmp", skingen::Look::kNormal},
                              {"Main_Down.bmp", skingen::Look::kPressed},
                              {"Main_Over.bmp", skingen::Look::kHover}};
    for (const LookFile& f : looks) {
        skingen::Canvas c(size.width, size.height);
        skingen::DrawMainWindow(c, f.look);
        Check(skingen::WriteBmp24(c.surface(), skins / f.name), skins / f.name);
    }
    // Resources 154..156 (Chinese caption) and 157..159 (English): normal, hover, pressed.
    const auto box = layout::main_window::kApply.Bounds();
    const skingen::Look faces[] = {skingen::Look::kNormal, skingen::Look::kHover, skingen::Look::kPressed};
    const char* const suffix[] = {"normal", "hover", "pressed"};
    for (bool chinese : {true, false}) {
        for (int i = 0; i < 3; ++i) {
            skingen::Canvas window(size.width, size.height);
            skingen::DrawMainWindow(window, skingen::Look::kNormal);
            skingen::DrawApplyButton(window, faces[i], chinese);
            skingen::Canvas face(box.Width(), box.Height());
            skingen::CopyPart(face, window, box);
            const std::string name = std::string("apply_") + (chinese ? "cn_" : "en_") + suffix[i] + ".bmp";
            Check(skingen::WriteBmp24(face.surface(), out / name), out / name);
        }
    }
}

template <typename Draw>
void PageLooks(const fs::path& folder, const char* const (&names)[3], Draw draw) {
    const skingen::Look looks[] = {skingen::Look::kNormal, skingen::Look::kPressed, skingen::Look::kHover};
    for (int i = 0; i < 3; ++i) {
        skingen::Canvas c(layout::performance_page::kSize.width, layout::performance_page::kSize.height);
        draw(c, looks[i]);
        Check(skingen::WriteBmp24(c.surface(), folder / names[i]), folder / names[i]);
    }
}

void Pages(const fs::path& out, const fs::path& skins) {
    fs::create_directories(skins / "Light");
    fs::create_directories(skins / "trophy");
    using skingen::Canvas;
    using skingen::Look;
    // Each page: normal, pressed and hover pictures.
    PageLooks(skins, {"KX90_Main_Normal.bmp", "KX90_Main_Down.bmp", "KX90_Main_Over.bmp"},
              [](Canvas& c, Look look) { skingen::DrawPerformancePage(c, look, Look::kNormal, false); });
    PageLooks(skins / "Light", {"LedSet_normal.bmp", "LedSet_down.bmp", "LedSet_over.bmp"},
              [](Canvas& c, Look look) { skingen::DrawLightingPage(c, look); });
    PageLooks(skins, {"Macro_normal.bmp", "Macro_down.bmp", "Macro_over.bmp"},
              [](Canvas& c, Look look) { skingen::DrawMacroPage(c, look); });
    PageLooks(skins, {"Sts_Normal.bmp", "Sts_Down.bmp", "Sts_Over.bmp"},
              [](Canvas& c, Look look) { skingen::DrawStatisticsPage(c, look); });
    PageLooks(skins, {"support_normal.bmp", "support_down.bmp", "support_over.bmp"},
              [](Canvas& c, Look look) { skingen::DrawSupportPage(c, look); });

    // The performance page's function tabs: the strip they lie in, per language, the tabs in one
    // look each (resources 160..162 Chinese, 163..165 English: changed, normal, hover).
    const char* const tabNames[] = {"changed", "normal", "hover"};
    const Look tabLooks[] = {Look::kPressed, Look::kNormal, Look::kHover};
    for (bool chinese : {true, false}) {
        for (int i = 0; i < 3; ++i) {
            Canvas c(layout::performance_page::kSize.width, layout::performance_page::kSize.height);
            skingen::DrawPerformancePage(c, Look::kNormal, tabLooks[i], chinese);
            const std::string name =
                std::string("function_tabs_") + (chinese ? "cn_" : "en_") + tabNames[i] + ".bmp";
            const layout::Rect strip = layout::performance_page::kFunctionTabStrip;
            Check(skingen::WriteBmp24Part(c.surface(), out / name, strip.left, strip.top, strip.Width(),
                                          strip.Height()),
                  out / name);
        }
    }

    const auto trophy = layout::statistics_page::kTrophy;
    for (int level = 0; level < layout::statistics_page::kTrophyLevels; ++level) {
        Canvas c(trophy.Width(), trophy.Height());
        skingen::DrawTrophy(c, level);
        const fs::path path = skins / "trophy" / ("trophy" + std::to_string(level) + "Down.bmp");
        Check(skingen::WriteBmp24(c.surface(), path), path);
    }
}

// The assignment popup and its pages, each in its folder: normal, pressed and hover.
void AssignmentPopup(const fs::path& skins) {
    using skingen::Canvas;
    using skingen::Look;
    const Look looks[] = {Look::kNormal, Look::kPressed, Look::kHover};
    const char* const suffix[] = {"_Normal.bmp", "_Down.bmp", "_Over.bmp"};
    const auto popupSize = layout::assignment_popup::kSize;
    const auto pageSize = layout::assignment_popup::kPageSize;
    struct Picture {
        const char* folder;
        const char* stem;
        kx90::layout::Size size;
        void (*draw)(Canvas&, Look);
    };
    const Picture pictures[] = {
        {"setting", "Setting", popupSize, skingen::DrawAssignmentPopup},
        {"combo", "Combo", pageSize, skingen::DrawKeyPage},
        {"advanced", "Advanced", pageSize, skingen::DrawAdvancedPage},
        {"base", "Base", pageSize, [](Canvas& c, Look) { skingen::DrawBasicPage(c); }},
        {"macro", "Macro", pageSize, [](Canvas& c, Look) { skingen::DrawMacroChoicePage(c); }},
    };
    for (const Picture& p : pictures) {
        fs::create_directories(skins / p.folder);
        for (int i = 0; i < 3; ++i) {
            Canvas c(p.size.width, p.size.height);
            p.draw(c, looks[i]);
            const fs::path path = skins / p.folder / (std::string(p.stem) + suffix[i]);
            Check(skingen::WriteBmp24(c.surface(), path), path);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: skingen OUTPUT_FOLDER\n");
        return 2;
    }
    const fs::path out = argv[1];
    std::error_code error;
    fs::create_directories(out, error);
    InfoDialogs(out);
    Icons(out);
    Popup(out);
    ScrollSkin(out);
    InstalledSkins(out / "skins");
    MainWindow(out, out / "skins");
    Pages(out, out / "skins");
    AssignmentPopup(out / "skins");
    return ok ? 0 : 1;
}
