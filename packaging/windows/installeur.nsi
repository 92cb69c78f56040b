; SPDX-License-Identifier: GPL-3.0-or-later
; vibraLIGNE's installer: for the user who runs it, without administrator rights, into
; their own programs folder, with a Start-menu entry and an uninstaller in the system's list
; of programs. /S installs silently (a whole room from a script); the uninstaller takes /S
; too and leaves nothing behind.
;   makensis -DVERSION=x.y.z -DPORTABLE=folder -DICONE=file.ico -DSORTIE=setup.exe installeur.nsi
; A 64-bit installer for a 64-bit program (and Wine runs it without 32-bit support).
Target amd64-unicode
!include "MUI2.nsh"

!define CLE "Software\Microsoft\Windows\CurrentVersion\Uninstall\vibraLIGNE"
Name "vibraLIGNE ${VERSION}"
OutFile "${SORTIE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\vibraLIGNE"
SetCompressor /SOLID lzma
BrandingText "vibraLIGNE ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1036 "ProductName" "vibraLIGNE"
VIAddVersionKey /LANG=1036 "FileDescription" "Installation de vibraLIGNE"
VIAddVersionKey /LANG=1036 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1036 "LegalCopyright" "GPL-3.0-or-later"

!define MUI_ICON "${ICONE}"
!define MUI_UNICON "${ICONE}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${PORTABLE}/LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\vibraligne.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The screens in the system's language, French where it is neither.
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "English"

LangString Raccourci ${LANG_FRENCH} "vibraLIGNE"
LangString Raccourci ${LANG_ENGLISH} "vibraLIGNE"
LangString Commentaire ${LANG_FRENCH} "Onde transversale le long d'une corde"
LangString Commentaire ${LANG_ENGLISH} "A transverse wave along a string"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${PORTABLE}/vibraligne.exe"
    File "${PORTABLE}/LISEZMOI.txt"
    File "${PORTABLE}/AVIS-LICENCES.txt"
    File "${PORTABLE}/LICENSE.txt"
    File "${PORTABLE}/vibraligne-${VERSION}-source.tar.gz"
    SetOutPath "$INSTDIR\licences"
    File /r "${PORTABLE}/licences/*"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\desinstaller.exe"
    CreateShortcut "$SMPROGRAMS\$(Raccourci).lnk" "$INSTDIR\vibraligne.exe" "" \
        "$INSTDIR\vibraligne.exe" 0 SW_SHOWNORMAL "" "$(Commentaire)"
    WriteRegStr HKCU "${CLE}" "DisplayName" "vibraLIGNE"
    WriteRegStr HKCU "${CLE}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${CLE}" "Publisher" "vibraLIGNE"
    WriteRegStr HKCU "${CLE}" "DisplayIcon" "$INSTDIR\vibraligne.exe"
    WriteRegStr HKCU "${CLE}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${CLE}" "UninstallString" '"$INSTDIR\desinstaller.exe"'
    WriteRegStr HKCU "${CLE}" "QuietUninstallString" '"$INSTDIR\desinstaller.exe" /S'
    ; Lessons open here by a double-click, for this user.
    WriteRegStr HKCU "Software\Classes\.vibraligne" "" "vibraLIGNE.Lecon"
    WriteRegStr HKCU "Software\Classes\vibraLIGNE.Lecon" "" "Leçon vibraLIGNE"
    WriteRegStr HKCU "Software\Classes\vibraLIGNE.Lecon\DefaultIcon" "" "$INSTDIR\vibraligne.exe,0"
    WriteRegStr HKCU "Software\Classes\vibraLIGNE.Lecon\shell\open\command" "" '"$INSTDIR\vibraligne.exe" "%1"'
    WriteRegDWORD HKCU "${CLE}" "NoModify" 1
    WriteRegDWORD HKCU "${CLE}" "NoRepair" 1
SectionEnd

; Only what the installer put there: a folder chosen by hand may hold other files.
Section "Uninstall"
    SetShellVarContext current
    Delete "$SMPROGRAMS\$(Raccourci).lnk"
    Delete "$INSTDIR\vibraligne.exe"
    Delete "$INSTDIR\LISEZMOI.txt"
    Delete "$INSTDIR\AVIS-LICENCES.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\vibraligne-${VERSION}-source.tar.gz"
    RMDir /r "$INSTDIR\licences"
    Delete "$INSTDIR\desinstaller.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${CLE}"
    DeleteRegKey HKCU "Software\Classes\vibraLIGNE.Lecon"
    DeleteRegKey HKCU "Software\Classes\.vibraligne"
SectionEnd
