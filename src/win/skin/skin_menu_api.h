/* SkinMenu.dll: the skinned drop-down list the macro page opens for its game groups. This header
 * is shared by the library and the program; the program loads the library at run time and
 * resolves the three exports by name (see the *Proc types). */
#pragma once

#include <stdint.h>
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#define SKIN_MENU_MAX_ITEMS 200  /* room of the caller's item array */
#define SKIN_MENU_TEXT_LENGTH 40 /* characters of an item text, with the terminating zero */
#define SKIN_MENU_PLAIN_ITEM 255 /* the kind of every item: a plain row without a submenu */
#define SKIN_MENU_CHOICE_MESSAGE \
    0x501 /* MenuChoiceMessage: posted to the owner, wParam 0, lParam = item id */
#define SKIN_MENU_SKIN_COUNT 8

/* One row: 4 + 4 + 80 bytes. */
typedef struct SkinMenuItem {
    int32_t kind;                        /* SKIN_MENU_PLAIN_ITEM */
    int32_t id;                          /* reported with SKIN_MENU_CHOICE_MESSAGE */
    wchar_t text[SKIN_MENU_TEXT_LENGTH]; /* zero-terminated */
} SkinMenuItem;

/* Skin pictures, in this order (24-bit BMP files, one row face each, stretched to the row):
 *   0 normal row, 1 hovered row, 2 pressed row, 3 disabled row,
 *   4..7 the same four for rows that open a submenu.
 * A missing picture is replaced by flat colours. */

/* Shows the list with its top-left corner at (x, y) in the owner's client coordinates, one row of
 * itemHeight pixels per item. textColor draws the rows' texts, hotTextColor the text of the row
 * under the pointer, frameColor the one-pixel frame round the list (COLORREF values). A list
 * already open for the owner is closed first. The list closes after a choice (reported with
 * SKIN_MENU_CHOICE_MESSAGE), when it loses activation, and on DestroyMenuEx.
 * Returns 1 when the list is shown, 0 for bad arguments (no owner, count outside 1..200). */
typedef int(WINAPI* CreateMenuExProc)(HWND owner, int itemHeight, int x, int y, COLORREF textColor,
                                      COLORREF hotTextColor, COLORREF frameColor,
                                      const wchar_t* const skins[SKIN_MENU_SKIN_COUNT],
                                      const SkinMenuItem* items, int count);

/* Closes the owner's list, if one is open (owner NULL: any list). Nothing is reported. */
typedef void(WINAPI* DestroyMenuExProc)(HWND owner);

/* Lets an open list see a message before the caller dispatches it (Escape closes the list).
 * Returns TRUE when the message was taken. */
typedef BOOL(WINAPI* DllPreTranslateMessageProc)(MSG* msg);

#ifdef SKIN_MENU_BUILDING
__declspec(dllexport) int WINAPI
    CreateMenuEx(HWND owner, int itemHeight, int x, int y, COLORREF textColor, COLORREF hotTextColor,
                 COLORREF frameColor, const wchar_t* const skins[SKIN_MENU_SKIN_COUNT],
                 const SkinMenuItem* items, int count);
__declspec(dllexport) void WINAPI DestroyMenuEx(HWND owner);
__declspec(dllexport) BOOL WINAPI DllPreTranslateMessage(MSG* msg);
#endif

#ifdef __cplusplus
}
#endif

#ifdef __cplusplus
/* Resolves one export as its typed pointer (GetProcAddress returns a generic one), or NULL. */
template <typename Proc>
Proc SkinMenuExport(HMODULE library, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
#endif
