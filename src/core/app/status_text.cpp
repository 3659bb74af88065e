// Status codes of the help line and the catalogue texts they stand for.
#include "core/app/status_text.h"

#include <array>

namespace kx90 {
namespace {

using Member = std::u16string LanguageStrings::*;

// Codes 1..18, in order.
constexpr std::array<Member, 18> kFirstCodes{
    &LanguageStrings::str_main,             // 1
    &LanguageStrings::str_led_title,        // 2
    &LanguageStrings::str_macro_manager,    // 3
    &LanguageStrings::str_sts,              // 4
    &LanguageStrings::str_about,            // 5
    &LanguageStrings::str_profile1,         // 6
    &LanguageStrings::str_profile2,         // 7
    &LanguageStrings::str_profile3,         // 8
    &LanguageStrings::str_profile4,         // 9
    &LanguageStrings::str_profile5,         // 10
    &LanguageStrings::str_ok,               // 11
    &LanguageStrings::str_dpiwant,          // 12
    &LanguageStrings::str_mouseSpeed,       // 13
    &LanguageStrings::str_improveAccuracy,  // 14
    &LanguageStrings::str_sheight,          // 15
    &LanguageStrings::str_rollingrate,      // 16
    &LanguageStrings::str_rollerColumn,     // 17
    &LanguageStrings::str_rollerScreen,     // 18
};

// Codes 26..90, in order.
constexpr std::array<Member, 65> kLaterCodes{
    &LanguageStrings::str_ledspe,             // 26
    &LanguageStrings::str_led_apmbre,         // 27
    &LanguageStrings::str_led_off,            // 28
    &LanguageStrings::str_led_norbre,         // 29
    &LanguageStrings::str_led_frequency,      // 30
    &LanguageStrings::str_led_brealways,      // 31
    &LanguageStrings::str_led_brightness,     // 32
    &LanguageStrings::str_led_symphony,       // 33
    &LanguageStrings::str_led_changeClolor,   // 34
    &LanguageStrings::str_led_setColor,       // 35
    &LanguageStrings::str_led_symphonySpeed,  // 36
    &LanguageStrings::str_led_body_on,        // 37
    &LanguageStrings::str_led_body_off,       // 38
    &LanguageStrings::str_led_custom,         // 39
    &LanguageStrings::str_new_macro,          // 40
    &LanguageStrings::str_del_macro,          // 41
    &LanguageStrings::str_macro_new,          // 42
    &LanguageStrings::str_macro_del,          // 43
    &LanguageStrings::str_macro_modify,       // 44
    &LanguageStrings::str_macro_start,        // 45
    &LanguageStrings::str_macro_end,          // 46
    &LanguageStrings::str_macro_delay,        // 47
    &LanguageStrings::str_macro_loop,         // 48
    &LanguageStrings::str_click,              // 49
    &LanguageStrings::str_middle,             // 50
    &LanguageStrings::str_menu,               // 51
    &LanguageStrings::str_macro_msg6,         // 52
    &LanguageStrings::str_macro_msg7,         // 53
    &LanguageStrings::str_cups,               // 54
    &LanguageStrings::str_resetSts,           // 55
    &LanguageStrings::str_update,             // 56
    &LanguageStrings::str_norviWeb,           // 57
    &LanguageStrings::str_importFile,         // 58
    &LanguageStrings::str_exportFile,         // 59
    &LanguageStrings::str_defaultname,        // 60
    &LanguageStrings::str_dpi_setting,        // 61
    &LanguageStrings::str_sensor,             // 62
    &LanguageStrings::str_usbrate,            // 63
    &LanguageStrings::str_windows_scroll,     // 64
    &LanguageStrings::str_mouse_key,          // 65
    &LanguageStrings::str_panel,              // 66
    &LanguageStrings::str_cur_function,       // 67
    &LanguageStrings::str_key_com,            // 68
    &LanguageStrings::str_macro_set,          // 69
    &LanguageStrings::str_basic,              // 70
    &LanguageStrings::str_advance,            // 71
    &LanguageStrings::str_disable,            // 72
    &LanguageStrings::str_default_setting,    // 73
    &LanguageStrings::str_browse,             // 74
    &LanguageStrings::str_backlight,          // 75
    &LanguageStrings::str_breath_speed,       // 76
    &LanguageStrings::str_multicolor1,        // 77
    &LanguageStrings::str_multicolor2,        // 78
    &LanguageStrings::str_multicolor3,        // 79
    &LanguageStrings::str_proximity_sensing,  // 80
    &LanguageStrings::str_color_setting,      // 81
    &LanguageStrings::str_cur_color,          // 82
    &LanguageStrings::str_choose_color,       // 83
    &LanguageStrings::str_preset_color,       // 84
    &LanguageStrings::str_custom_color,       // 85
    &LanguageStrings::str_macro_choose,       // 86
    &LanguageStrings::str_marco_list,         // 87
    &LanguageStrings::str_key_list,           // 88
    &LanguageStrings::str_driver_version,     // 89
    &LanguageStrings::str_firmware_version,   // 90
};

}  // namespace

std::u16string StatusText(int code, const UiLanguage& language, ProfileRecord& live) {
    const LanguageStrings& strings = language.Strings();
    if (code >= 1 && code < kStatusFirstButton) {
        return strings.*kFirstCodes[static_cast<size_t>(code - 1)];
    }
    if (code >= kStatusFirstButton && code < kStatusFirstButton + kButtonCount) {
        const int button = code - kStatusFirstButton;
        FixDefaultNameOwnRow(live, button, language.Pairs());
        return std::u16string(FieldText(live.buttons[button].displayName));
    }
    if (code >= kStatusFirstButton + kButtonCount && code <= kStatusLastCode) {
        return strings.*kLaterCodes[static_cast<size_t>(code - kStatusFirstButton - kButtonCount)];
    }
    return {};
}

}  // namespace kx90
