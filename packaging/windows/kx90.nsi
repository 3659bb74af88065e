; The KX90 installer: a per-user installation under the user's local programs folder, so the program
; writes FWUpdate\ and its configuration without administrator rights.
;   makensis -DSOURCE=<installation folder> -DOUTFILE=<KX90Setup.exe> -DVERSION=<a.b.c> kx90.nsi
; /S installs silently with the default choices (start with Windows included).
; The program is 64-bit, and so is the installer (Wine prefixes without 32-bit support run it too).
Target amd64-unicode
!include WinMessages.nsh
RequestExecutionLevel user
SetCompressor /SOLID zlib
ManifestSupportedOS all
ManifestDPIAware false

!define PRODUCT "Norvi KX90 Gaming Mouse Driver"
!define COMPANY "Norvi"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\NorviKX90"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define RUN_VALUE "NorviKX90"
!define MENU_FOLDER "$SMPROGRAMS\Norvi KX90"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\KX90"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${COMPANY}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${COMPANY}"

Page components
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "!${PRODUCT}" SectionProgram
    SectionIn RO
    ; A running copy holds its files: ask it to leave first (its window class is the dialog's).
    FindWindow $0 "" "${PRODUCT}"
    StrCmp $0 0 +2
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=3000
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\KX90 Gaming Mouse Driver.lnk" "$INSTDIR\KX90Driver.exe"
    CreateShortcut "${MENU_FOLDER}\Uninstall KX90.lnk" "$INSTDIR\Uninstall.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\KX90Driver.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Start with Windows (in the notification area)" SectionStartup
    WriteRegStr HKCU "${RUN_KEY}" "${RUN_VALUE}" '"$INSTDIR\KX90Driver.exe"'
SectionEnd

; Removes the installation folder and its entries. The user's data folder (%TEMP%\NORVI\KX90) and
; everything outside the installation stay.
Section "Uninstall"
    FindWindow $0 "" "${PRODUCT}"
    StrCmp $0 0 +2
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=3000
    DeleteRegValue HKCU "${RUN_KEY}" "${RUN_VALUE}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    Delete "${MENU_FOLDER}\KX90 Gaming Mouse Driver.lnk"
    Delete "${MENU_FOLDER}\Uninstall KX90.lnk"
    RMDir "${MENU_FOLDER}"
    ; Only a folder that is this program's: never a folder the user pointed /D= at by mistake.
    IfFileExists "$INSTDIR\KX90Driver.exe" 0 +2
    RMDir /r "$INSTDIR"
SectionEnd
