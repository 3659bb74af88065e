// Every private window message, timer id and command id of the program, with its value. One place,
// so two windows never pick the same number for different things.
#pragma once

#include <windows.h>

#include "core/buttons/hook_manager.h"

namespace kx90::msg {

// 0x401: the language choice; a popup menu also sends it to its owner with (0, 0) when it closes.
inline constexpr UINT kLanguageChoice = 0x401;
inline constexpr UINT kPopupClosed = kLanguageChoice;
// wParam of the language message when the main window sends itself the saved language at start-up.
inline constexpr WPARAM kLanguageFromStartup = 0x110;

// 0x40A: a key the keyboard hook forwards to the capture target (wParam virtual key).
inline constexpr UINT kKeyCapture = kKeyCaptureMessage;  // the hook decides in the core

// 0x42B: progress of a profile write, to the progress window (wParam percentage).
inline constexpr UINT kWriteProgress = 0x42B;

// 0x464: a scroll frame's own request to lay out its clipping window and target again, posted
// after the target's non-client size changed (wParam has a vertical bar, lParam bar on the left).
inline constexpr UINT kScrollFrameLayout = 0x464;

// 0x465: a list's selection changed by the user (wParam the list's control id, lParam the index).
inline constexpr UINT kListSelChange = 0x465;

// 0x470: a list row was renamed in place (wParam the list's control id, lParam the row's index).
inline constexpr UINT kListRename = 0x470;

// 0x46C: the tray icon's notifications (lParam the mouse message, 0x203 double click).
inline constexpr UINT kTrayNotify = 0x46C;

// 0x4C9: a host event copied to the statistics page (wParam code, lParam as the hook gave it).
inline constexpr UINT kHostEventCopy = kHostEventCopyMessage;

// 0x4CA: the statistics page's pointer sampler has a new sample (no arguments).
inline constexpr UINT kPointerSample = 0x4CA;

// 0x450: a progress bar's value after a drag (wParam value, lParam control id).
inline constexpr UINT kProgressBarValue = 0x450;

// 0x501: SkinMenu.dll's report of the chosen item (lParam item id).
inline constexpr UINT kMenuChoice = 0x501;

// 0x70D: press (0x201) and release (0x202) of a press-reporting button (lParam button window).
inline constexpr UINT kMouseButtonCapture = 0x70D;

// 0x703 / 0x704: a profile write ended well / failed (lParam failure code 0..5).
inline constexpr UINT kWriteSucceeded = 0x703;
inline constexpr UINT kWriteFailed = 0x704;

// 0x7EB: a host event from the mouse hook (wParam code, lParam the hook's value).
inline constexpr UINT kHostEvent = kHostEventMessage;

// 0x800: a slider's new value (wParam value, lParam control id).
inline constexpr UINT kSliderValue = 0x800;

// 0x805: the main window's help line (lParam status code 1..90, anything else empties it).
inline constexpr UINT kStatusText = 0x805;

// 0x806: restore the defaults (sent by the support page).
inline constexpr UINT kRestoreDefaults = 0x806;

// A page tells the user, once the loop runs, that a file of the installation is missing.
inline constexpr UINT kInstallationNotice = WM_APP + 0x10;

// The firmware check's worker to the support page: a download ended (wParam the request's number,
// lParam its DownloadStatus). The description and the image have one message each.
inline constexpr UINT kFirmwareDescription = WM_APP + 0x11;
inline constexpr UINT kFirmwareImage = WM_APP + 0x12;

// The support page to the main window: the live record was replaced (an import); the pages show it.
inline constexpr UINT kRecordReplaced = WM_APP + 0x13;

}  // namespace kx90::msg

namespace kx90::cmd {

// The system menu's "about" item (no handler of its own).
inline constexpr UINT kAbout = 16;
// The tray menu's "Config" and "Exit".
inline constexpr UINT kTrayConfig = 0x6000;
inline constexpr UINT kTrayExit = 0x6001;
// The main window's language flag picture.
inline constexpr UINT kLanguageFlag = 1010;
// The main window's own buttons (shaped buttons report by window, the ids only name them).
inline constexpr UINT kTabFirst = 1101;      // 1101..1105
inline constexpr UINT kProfileFirst = 1111;  // 1111..1115
inline constexpr UINT kApply = 1120;
inline constexpr UINT kMinimize = 1121;
inline constexpr UINT kClose = 1122;
inline constexpr UINT kLanguageButton = 1123;
// Children of a skinned scroll frame: its two bars and the window that clips the target.
inline constexpr UINT kScrollFrameHorzBar = 100;
inline constexpr UINT kScrollFrameVertBar = 101;
inline constexpr UINT kScrollFrameLimit = 200;

}  // namespace kx90::cmd

namespace kx90::timer {

// The main window: the updater starts once, 3000 ms after start-up.
inline constexpr UINT_PTR kStartUpdater = 4;
// The main window: opening attempts at start-up (every 500 ms, ten in all) and after the mouse
// arrives (every 2500 ms, for at most 30 s).
inline constexpr UINT_PTR kStartupOpen = 5;
inline constexpr UINT_PTR kArrivalOpen = 6;

// A skinned scroll bar held down on an arrow or the track: the first repeat waits 500 ms, then
// the command repeats every 100 ms.
inline constexpr UINT_PTR kScrollRepeatDelay = 200;
inline constexpr UINT_PTR kScrollRepeat = 100;
// A skinned scroll frame copies its target's scroll state into its bars every 500 ms.
inline constexpr UINT_PTR kScrollFrameSync = 100;

// The buttons page: the markers follow the pointer over the function tabs (every 200 ms); the
// typed line count is taken over (every 4000 ms).
inline constexpr UINT_PTR kMarkerHighlight = 17;
inline constexpr UINT_PTR kCommitLineCount = 152;

// The support page: the online firmware check's time-out (2000 ms).
inline constexpr UINT_PTR kFirmwareCheckTimeOut = 5;

// The statistics page: the travel figure is redrawn every 5000 ms; the counters are saved while
// they change (core kStatisticsAutosavePeriodMs).
inline constexpr UINT_PTR kStatisticsTravel = 1;
inline constexpr UINT_PTR kStatisticsAutosave = 161;

// The macro page: the repeat field's text is checked every 4000 ms; Macro.cfg is written once
// the edits have paused for a moment (one-shot, started again by every change).
inline constexpr UINT_PTR kValidateRepeat = 153;
inline constexpr UINT_PTR kSaveMacros = 154;

// The info dialog's one-second count-down.
inline constexpr UINT_PTR kInfoCountdown = 2321;

}  // namespace kx90::timer
