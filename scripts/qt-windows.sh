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

# libxlsxwriter and the zlib it compresses with, static, from Debian's source packages of
# the Linux build's versions, into the cache beside Qt.
xlsxwriter_windows="$cache/xlsxwriter-1.1.4-windows"
xlsxwriter_versions=("libxlsxwriter=1.1.4-2" "zlib=1:1.2.13.dfsg-1")

xlsxwriter_windows_construit() {
    local empreinte
    empreinte="$({ printf '%s\n' "${xlsxwriter_versions[@]}";
                   cat "$racine/packaging/windows/mingw-w64.cmake"; } | sha256sum | cut -d' ' -f1)"
    [ "$(cat "$xlsxwriter_windows/.empreinte" 2>/dev/null)" = "$empreinte" ] && return 0
    echo "Building zlib and libxlsxwriter for Windows into $xlsxwriter_windows, once…" >&2
    qt_sources_debian
    local travail="$cache/xlsxwriter-construction"
    rm -rf "$travail" "$xlsxwriter_windows"
    mkdir -p "$travail" "$xlsxwriter_windows"/{include,lib,licences}
    (cd "$travail" && apt-get source -q "${xlsxwriter_versions[@]}" >/dev/null)
    local zlib xlsx
    zlib="$(find "$travail" -maxdepth 1 -type d -name 'zlib-*' | head -n 1)"
    xlsx="$(find "$travail" -maxdepth 1 -type d -name 'libxlsxwriter-*' | head -n 1)"
    # Debian's source leaves out zlib's Windows makefile: its library is its C files.
    (cd "$zlib" && for c in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback \
                            inffast inflate inftrees trees uncompr zutil; do
         x86_64-w64-mingw32-gcc-posix -O2 -c "$c.c" -o "$c.o"
     done && x86_64-w64-mingw32-ar rcs libz.a ./*.o) >&2
    cp "$zlib"/zlib.h "$zlib"/zconf.h "$xlsxwriter_windows/include/"
    cp "$zlib/libz.a" "$xlsxwriter_windows/lib/"
    cmake -S "$xlsx" -B "$travail/xlsx" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$racine/packaging/windows/mingw-w64.cmake" \
        -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF \
        -DZLIB_INCLUDE_DIR="$xlsxwriter_windows/include" \
        -DZLIB_LIBRARY="$xlsxwriter_windows/lib/libz.a" \
        -DCMAKE_INSTALL_PREFIX="$xlsxwriter_windows" >&2
    cmake --build "$travail/xlsx" >&2
    cmake --install "$travail/xlsx" >/dev/null
    cp "$xlsx/debian/copyright" "$xlsxwriter_windows/licences/copyright-libxlsxwriter"
    cp "$zlib/debian/copyright" "$xlsxwriter_windows/licences/copyright-zlib"
    echo "$empreinte" >"$xlsxwriter_windows/.empreinte"
    rm -rf "$travail"
}

# Qt's own catalogues for the program's languages, which Windows does not have: compiled
# from Debian's source package qt6-translations of the same Qt, to be built in.
qt_traductions_windows="$cache/qt-6.4.2-traductions"
qt_traductions_version="6.4.2-1"

qt_traductions_windows_construit() {
    [ "$(cat "$qt_traductions_windows/.version" 2>/dev/null)" = "$qt_traductions_version" ] && return 0
    qt_sources_debian
    local travail="$cache/qt-traductions-construction"
    rm -rf "$travail" "$qt_traductions_windows"
    mkdir -p "$travail" "$qt_traductions_windows"
    local source
    if (cd "$travail" && apt-get source -q "qt6-translations=$qt_traductions_version" >/dev/null 2>&1); then
        source="$(find "$travail" -maxdepth 1 -type d -name 'qt6-translations-*' | head -n 1)"
        for langue in fr en es de it; do
            /usr/lib/qt6/bin/lrelease -silent "$source/translations/qtbase_$langue.ts" \
                -qm "$qt_traductions_windows/qtbase_$langue.qm"
        done
        cp "$source/debian/copyright" "$qt_traductions_windows/copyright"
    else
        # A mirror without the source (it happens): the catalogues Debian compiled from
        # that same source, in its package qt6-translations-l10n of the same version.
        echo "apt-get source qt6-translations failed: using Debian's compiled catalogues" >&2
        dpkg-query -W -f='${Version}' qt6-translations-l10n | grep -qx "$qt_traductions_version"
        for langue in fr en es de it; do
            cp "/usr/share/qt6/translations/qtbase_$langue.qm" "$qt_traductions_windows/"
        done
        cp /usr/share/doc/qt6-translations-l10n/copyright "$qt_traductions_windows/copyright"
    fi
    echo "$qt_traductions_version" >"$qt_traductions_windows/.version"
    rm -rf "$travail"
}
