// LanguageStrings: the interface texts that follow the language choice, one member per key.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace kx90 {

// Every key of a language file, in load order. Member names are the keys, matched case-sensitively.
#define KX90_LANGUAGE_KEYS(X) \
    X(str_main)               \
    X(str_led_title)          \
    X(str_macro_manager)      \
    X(str_sts)                \
    X(str_about)              \
    X(str_profile1)           \
    X(str_profile2)           \
    X(str_profile3)           \
    X(str_profile4)           \
    X(str_profile5)           \
    X(str_ok)                 \
    X(str_dpiwant)            \
    X(str_mouseSpeed)         \
    X(str_improveAccuracy)    \
    X(str_sheight)            \
    X(str_rollingrate)        \
    X(str_rollerColumn)       \
    X(str_rollerScreen)       \
    X(str_close)              \
    X(str_lock)               \
    X(str_run)                \
    X(str_show)               \
    X(str_win8_classic)       \
    X(str_win8_switch)        \
    X(str_win8_winp)          \
    X(str_win8_winm)          \
    X(str_find)               \
    X(str_mouseleft)          \
    X(str_mousemiddle)        \
    X(str_mouseright)         \
    X(str_pre)                \
    X(str_back)               \
    X(str_player)             \
    X(str_PL)                 \
    X(str_stop)               \
    X(str_pre_media)          \
    X(str_next_media)         \
    X(str_vol_dw)             \
    X(str_vol_up)             \
    X(str_mute)               \
    X(str_snipe)              \
    X(str_fire)               \
    X(str_advanced_sound)     \
    X(str_advanced_exe)       \
    X(str_advanced_file)      \
    X(str_advanced_dir)       \
    X(str_ledspe)             \
    X(str_led_apmbre)         \
    X(str_led_off)            \
    X(str_led_norbre)         \
    X(str_led_frequency)      \
    X(str_led_brealways)      \
    X(str_led_brightness)     \
    X(str_led_symphony)       \
    X(str_led_changeClolor)   \
    X(str_led_setColor)       \
    X(str_led_symphonySpeed)  \
    X(str_led_body_on)        \
    X(str_led_body_off)       \
    X(str_led_custom)         \
    X(str_new_macro)          \
    X(str_del_macro)          \
    X(str_macro_new)          \
    X(str_macro_del)          \
    X(str_macro_modify)       \
    X(str_macro_start)        \
    X(str_macro_end)          \
    X(str_macro_delay)        \
    X(str_macro_loop)         \
    X(str_click)              \
    X(str_middle)             \
    X(str_menu)               \
    X(str_macro_msg6)         \
    X(str_macro_msg7)         \
    X(str_cups)               \
    X(str_resetSts)           \
    X(str_update)             \
    X(str_importFile)         \
    X(str_exportFile)         \
    X(str_norviWeb)           \
    X(str_defaultname)        \
    X(str_msg2)               \
    X(str_msg4)               \
    X(str_msg5)               \
    X(str_dpi_setting)        \
    X(str_sensor)             \
    X(str_usbrate)            \
    X(str_windows_scroll)     \
    X(str_mouse_key)          \
    X(str_panel)              \
    X(str_cur_function)       \
    X(str_key_com)            \
    X(str_macro_set)          \
    X(str_basic)              \
    X(str_advance)            \
    X(str_disable)            \
    X(str_default_setting)    \
    X(str_browse)             \
    X(str_backlight)          \
    X(str_breath_speed)       \
    X(str_multicolor1)        \
    X(str_multicolor2)        \
    X(str_multicolor3)        \
    X(str_proximity_sensing)  \
    X(str_color_setting)      \
    X(str_cur_color)          \
    X(str_choose_color)       \
    X(str_preset_color)       \
    X(str_custom_color)       \
    X(str_macro_choose)       \
    X(str_marco_list)         \
    X(str_key_list)           \
    X(str_driver_version)     \
    X(str_firmware_version)   \
    X(str_updatefailed)

struct LanguageStrings {
#define KX90_DECLARE_MEMBER(key) std::u16string key;
    KX90_LANGUAGE_KEYS(KX90_DECLARE_MEMBER)
#undef KX90_DECLARE_MEMBER
};

inline constexpr int kLanguageKeyCount = 115;

// The keys as text, in load order.
inline constexpr std::array<std::string_view, kLanguageKeyCount> kLanguageKeys{{
#define KX90_KEY_NAME(key) #key,
    KX90_LANGUAGE_KEYS(KX90_KEY_NAME)
#undef KX90_KEY_NAME
}};

// Reads a language file with a document of its own: every member is the text of its key in the
// file's "config" section; a key the file lacks (or a file that cannot be read) leaves its member
// empty.
LanguageStrings LoadLanguageStrings(const std::filesystem::path& path);

}  // namespace kx90
