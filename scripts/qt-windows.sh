# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts/windows: Qt 6.4.2 for Windows, and what the program links, built once
# into the cache.
source "$racine/scripts/qt-commun.sh"
qt_windows="$cache/qt-6.4.2-windows"

# Tablet events need wintab.h, which Debian's source leaves out (off for every platform);
# OpenGL stays on because 6.4.2's Windows platform plugin does not compile without it.
qt_windows_construit() {
    local empreinte
    empreinte="$({ echo "$qt_version_source"; printf '%s\n' "${qt_options_communes[@]}";
                   cat "$racine/packaging/windows/mingw-w64.cmake"; } | sha256sum | cut -d' ' -f1)"
    qt_construit windows "$qt_windows" "$empreinte" \
        -DCMAKE_TOOLCHAIN_FILE="$racine/packaging/windows/mingw-w64.cmake"
}

xlsxwriter_windows="$cache/xlsxwriter-1.1.4-windows"

xlsxwriter_windows_construit() {
    xlsxwriter_construit windows "$xlsxwriter_windows" "$racine/packaging/windows/mingw-w64.cmake" \
        x86_64-w64-mingw32-gcc-posix x86_64-w64-mingw32-ar
}
