#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One check of the Windows build under Wine:
#   verifie_windows.sh imports|console|portable|installeur EXE ZIP SETUP VERSION
set -euo pipefail
quoi="$1" exe="$2" zip="$3" installeur="$4" version="$5"
export WINEDEBUG=-all
prefixe="${WINEPREFIX:-$HOME/.wine}"
echec() { echo "FAILED: $*" >&2; exit 1; }

case "$quoi" in
imports)
    # Windows' own DLLs only: each import is a DLL that Windows (here Wine) ships in
    # system32, none is Qt's or the compiler's runtime.
    wine wineboot --init >/dev/null 2>&1 || true
    dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p')
    [ -n "$dlls" ] || echec "no imports read"
    for dll in $dlls; do
        echo "imports $dll"
        case "${dll,,}" in
        qt6*|libstdc++*|libgcc*|libwinpthread*|libxlsxwriter*|zlib*) echec "$dll is not Windows' own";;
        esac
        # The API sets (api-ms-win-*) are Windows' own contracts, resolved by its loader.
        case "${dll,,}" in api-ms-win-*) continue;; esac
        [ -n "$(find "$prefixe/drive_c/windows/system32" -maxdepth 1 -iname "$dll")" ] ||
            echec "$dll is not in system32"
    done
    ;;
console)
    # A graphical program answers on the console that started it, and exits as on Linux.
    sortie=$(wine "$exe" --version) || echec "--version exited $?"
    [ "$sortie" = "vibraLIGNE $version" ] || echec "--version said '$sortie'"
    aide=$(wine "$exe" --help) || echec "--help exited $?"
    grep -q -- '--lang' <<<"$aide" || echec "--help says nothing of --lang: $aide"
    grep -q 'Affiche la version' <<<"$aide" || echec "--help is not in French: $aide"
    set +e
    erreur=$(wine "$exe" --pas-une-option 2>&1 >/dev/null)
    code=$?
    set -e
    [ "$code" -eq 2 ] || echec "a bad option exited $code"
    grep -q 'option inconnue' <<<"$erreur" || echec "a bad option said '$erreur'"
    ;;
portable)
    travail=$(mktemp -d)
    trap 'rm -rf "$travail"' EXIT
    unzip -q "$zip" -d "$travail"
    dossier="$travail/vibraligne-$version-windows-x64"
    for f in vibraligne.exe LICENSE.txt LISEZMOI.txt AVIS-LICENCES.txt \
             "vibraligne-$version-source.tar.gz" licences/qt6-base/copyright \
             licences/mingw-w64/copyright; do
        [ -f "$dossier/$f" ] || echec "the zip has no $f"
    done
    grep -q "Qt 6.4.2" "$dossier/AVIS-LICENCES.txt" || echec "the notice names no Qt version"
    grep -q "6.4.2+dfsg-10" "$dossier/AVIS-LICENCES.txt" || echec "the notice names no source package"
    grep -q "GNU GENERAL PUBLIC LICENSE" "$dossier/LICENSE.txt" || echec "no GPL text"
    tar -tzf "$dossier/vibraligne-$version-source.tar.gz" >"$travail/sources"
    grep -qx "vibraligne-$version/CMakeLists.txt" "$travail/sources" ||
        echec "the source archive holds no sources"
    if grep -q '/\.git/\|/build' "$travail/sources"; then echec "the source archive holds a build"; fi
    avant=$(find "$dossier" | sort)
    [ "$(wine "$dossier/vibraligne.exe" --version)" = "vibraLIGNE $version" ] ||
        echec "the unzipped program does not run"
    [ "$(find "$dossier" | sort)" = "$avant" ] || echec "the program wrote beside itself"
    ;;
installeur)
    utilisateur="${USER:-$(id -un)}"
    programmes="$prefixe/drive_c/users/$utilisateur/AppData/Local/Programs/vibraLIGNE"
    menu="$prefixe/drive_c/users/$utilisateur/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
    cle='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\vibraLIGNE'
    wine "$installeur" /S
    [ -f "$programmes/vibraligne.exe" ] || echec "nothing installed in the user's programs"
    [ -f "$menu/vibraLIGNE.lnk" ] || echec "no Start-menu entry"
    wine reg query "$cle" /v UninstallString | grep -q 'desinstaller.exe' ||
        echec "not in the list of programs"
    wine reg query "$cle" /v DisplayVersion | grep -q "$version" || echec "no version listed"
    [ "$(wine "$programmes/vibraligne.exe" --version)" = "vibraLIGNE $version" ] ||
        echec "the installed program does not run"
    # A lesson's double-click: its extension tied to the program.
    wine reg query 'HKCU\Software\Classes\.vibraligne' /ve | grep -q 'vibraLIGNE.Lecon' ||
        echec "the lesson extension is not associated"
    wine reg query 'HKCU\Software\Classes\vibraLIGNE.Lecon\shell\open\command' /ve |
        grep -q 'vibraligne.exe" "%1"' || echec "no command opens a lesson"
    # The uninstaller runs a copy of itself from the temporary folder and returns at once:
    # its work is waited for, up to a minute.
    wine "$programmes/desinstaller.exe" /S
    for _ in $(seq 60); do
        [ ! -e "$programmes" ] && ! wine reg query "$cle" >/dev/null 2>&1 && break
        sleep 1
    done
    [ ! -e "$programmes" ] || echec "left behind: $(find "$programmes")"
    [ ! -e "$menu/vibraLIGNE.lnk" ] || echec "the Start-menu entry is left"
    if wine reg query "$cle" >/dev/null 2>&1; then echec "the uninstall key is left"; fi
    if wine reg query 'HKCU\Software\Classes\.vibraligne' >/dev/null 2>&1; then
        echec "the lesson association is left"
    fi
    ;;
*)
    echo "usage: $0 imports|console|portable|installeur EXE ZIP SETUP VERSION" >&2
    exit 2
    ;;
esac
echo "ok: $quoi"
