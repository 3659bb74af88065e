/* Resource ids of the program's pictures. Plain #defines: the resource compiler reads this too. */
#pragma once

#define IDI_KX90 128
#define IDR_POPUP_BACKGROUND 129
#define IDR_LANGUAGE_FLAG_ICON_FIRST 130   /* 130..141: PNG, 19 x 11, language index 1..12 */
#define IDB_LANGUAGE_FLAG_FIRST 142        /* 142..153: bitmap, 37 x 22, language index 1..12 */
#define IDB_APPLY_CN_FIRST 154            /* 154..156: Apply faces normal, hover, pressed; Chinese caption */
#define IDB_APPLY_EN_FIRST 157            /* 157..159: the same with the English caption */
#define IDB_FUNCTION_TABS_CN_FIRST 160    /* 160 changed, 161 normal, 162 hover: the tabs' strip, Chinese */
#define IDB_FUNCTION_TABS_EN_FIRST 163    /* 163 changed, 164 normal, 165 hover: the same in English */
#define IDB_SCROLL_SKIN 166

#define IDB_INFO_TWO_PRESSED 1004
#define IDB_INFO_ONE_PRESSED 1005
#define IDB_INFO_TWO_NORMAL 1006
#define IDB_INFO_ONE_NORMAL 1007
#define IDB_INFO_TWO_HOVER 1008
#define IDB_INFO_ONE_HOVER 1009
#define IDI_TRAY_EXIT 1011
#define IDI_TRAY_CONFIG 1012
