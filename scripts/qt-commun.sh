# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that build Qt 6.4.2 for another platform (Windows, the web): Qt
# comes from Debian's own source package qt6-base, of the Linux build's version, built once
# as static libraries into the cache, and reused as long as the cache's stamp names the
# same source and the same configuration.
cache="${VIBRA_CACHE:-$HOME/.cache/vibraligne}"
qt_version_source="6.4.2+dfsg-10"

# What this program does not use stays out, on every platform, so that a fresh machine
# builds Qt twice within CI's time: no module but Core, Gui, Widgets, Test and what they
# need, and none of the widgets, dialogs, formats or writers the program never makes.
# The third-party code Qt bundles is used, not the host's.
qt_options_communes=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_doubleconversion=OFF -DINPUT_openssl=no
    -DFEATURE_graphicsview=OFF -DFEATURE_mdiarea=OFF -DFEATURE_dockwidget=OFF
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_colordialog=OFF
    -DFEATURE_fontdialog=OFF -DFEATURE_fontcombobox=OFF -DFEATURE_wizard=OFF
    -DFEATURE_progressdialog=OFF -DFEATURE_inputdialog=OFF -DFEATURE_errormessage=OFF
    -DFEATURE_splashscreen=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF
    -DFEATURE_keysequenceedit=OFF -DFEATURE_undoview=OFF -DFEATURE_undogroup=OFF
    -DFEATURE_undostack=OFF -DFEATURE_undocommand=OFF -DFEATURE_syntaxhighlighter=OFF
    -DFEATURE_datawidgetmapper=OFF -DFEATURE_columnview=OFF -DFEATURE_tablewidget=OFF
    -DFEATURE_toolbox=OFF -DFEATURE_commandlinkbutton=OFF -DFEATURE_style_windowsvista=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_movie=OFF -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_systemtrayicon=OFF -DFEATURE_sessionmanager=OFF
    -DFEATURE_imageformat_ppm=OFF -DFEATURE_imageformat_xbm=OFF
)

# What the program needs: a configuration that lost one of these (a feature turned off
# takes those that depend on it silently with it) stops before an hour of building.
qt_fonctions_requises=(filedialog messagebox textbrowser menu contextmenu dialogbuttonbox
                       scrollbar radiobutton toolbutton label shortcut accessibility
                       style_fusion style_stylesheet tooltip png)

# Debian's sources of bookworm, for apt-get source.
qt_sources_debian() {
    local liste=/etc/apt/sources.list.d/vibraligne-sources.sources
    apt-cache showsrc qt6-base 2>/dev/null | grep -q "^Version: $qt_version_source" && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm" \
        "Components: main" "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" |
        $sudo tee "$liste" >/dev/null
    $sudo apt-get update -q
}

# qt_construit NAME PREFIX STAMP [cmake options...]: Qt built into PREFIX, unless PREFIX's
# stamp is STAMP already. An interrupted build (the session stopped, the machine went down)
# resumes in its own folder of the cache where it stopped, as long as the stamp is the same.
qt_construit() {
    local nom="$1" prefixe="$2" empreinte="$3"
    shift 3
    [ "$(cat "$prefixe/.empreinte" 2>/dev/null)" = "$empreinte" ] && return 0
    local travail="$cache/qt-construction-$nom"
    if [ "$(cat "$travail/.empreinte" 2>/dev/null)" != "$empreinte" ]; then
        rm -rf "$travail"
        mkdir -p "$travail"
        qt_sources_debian
        (cd "$travail" && apt-get source -q "qt6-base=$qt_version_source" >/dev/null)
        echo "$empreinte" >"$travail/.empreinte"
    fi
    local source
    source="$(find "$travail" -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
    if [ ! -f "$travail/construction/build.ninja" ]; then
        echo "Configuring Qt for $nom…" >&2
        cmake -S "$source" -B "$travail/construction" -G Ninja \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DCMAKE_INSTALL_PREFIX="$prefixe" "${qt_options_communes[@]}" "$@" >&2
    fi
    # A feature's name misspelt is ignored by Qt's configure: each one asked off must be.
    local f cache_cmake="$travail/construction/CMakeCache.txt"
    for f in "${qt_fonctions_requises[@]}"; do
        grep -q "^QT_FEATURE_$f:INTERNAL=ON" "$cache_cmake" || {
            echo "Qt for $nom was configured without the feature $f, which the program needs" >&2
            return 1
        }
    done
    for f in $(printf '%s\n' "${qt_options_communes[@]}" "$@" | sed -n 's/^-DFEATURE_\(.*\)=OFF$/\1/p'); do
        grep -q "^QT_FEATURE_$f:INTERNAL=OFF" "$cache_cmake" || {
            echo "Qt for $nom: the feature $f, asked off, is not (misspelt?)" >&2
            return 1
        }
    done
    echo "Building Qt for $nom ([done/all] objects)…" >&2
    cmake --build "$travail/construction" >&2
    rm -rf "$prefixe"
    cmake --install "$travail/construction" >/dev/null
    # What the program's notices cite: Debian's copyright file of the source package and
    # the licence texts it names.
    mkdir -p "$prefixe/licences"
    cp -r "$source/LICENSES" "$prefixe/licences/"
    cp "$source/debian/copyright" "$prefixe/licences/copyright"
    echo "$empreinte" >"$prefixe/.empreinte"
    rm -rf "$travail"
}

# libxlsxwriter and the zlib it compresses with, static, from Debian's source packages of
# the Linux build's versions, into the cache beside Qt (Debian's emcc cannot fetch its own
# "ports" of them either).
xlsxwriter_versions=("libxlsxwriter=1.1.4-2" "zlib=1:1.2.13.dfsg-1")

# xlsxwriter_construit NAME PREFIX TOOLCHAIN CC AR: both built into PREFIX, unless its stamp
# is already this build's.
xlsxwriter_construit() {
    local nom="$1" prefixe="$2" chaine="$3" cc="$4" ar="$5"
    local empreinte
    empreinte="$({ printf '%s\n' "${xlsxwriter_versions[@]}"; cat "$chaine"; "$cc" --version; } |
                 sha256sum | cut -d' ' -f1)"
    [ "$(cat "$prefixe/.empreinte" 2>/dev/null)" = "$empreinte" ] && return 0
    echo "Building zlib and libxlsxwriter for $nom into $prefixe, once…" >&2
    qt_sources_debian
    local travail="$cache/xlsxwriter-construction-$nom"
    rm -rf "$travail" "$prefixe"
    mkdir -p "$travail" "$prefixe"/{include,lib,licences}
    (cd "$travail" && apt-get source -q "${xlsxwriter_versions[@]}" >/dev/null)
    local zlib xlsx
    zlib="$(find "$travail" -maxdepth 1 -type d -name 'zlib-*' | head -n 1)"
    xlsx="$(find "$travail" -maxdepth 1 -type d -name 'libxlsxwriter-*' | head -n 1)"
    # Debian's source leaves out zlib's makefiles for other systems: its library is its C files.
    (cd "$zlib" && for c in adler32 compress crc32 deflate gzclose gzlib gzread gzwrite infback \
                            inffast inflate inftrees trees uncompr zutil; do
         "$cc" -O2 -c "$c.c" -o "$c.o"
     done && "$ar" rcs libz.a ./*.o) >&2
    cp "$zlib"/zlib.h "$zlib"/zconf.h "$prefixe/include/"
    cp "$zlib/libz.a" "$prefixe/lib/"
    cmake -S "$xlsx" -B "$travail/xlsx" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$chaine" \
        -DBUILD_SHARED_LIBS=OFF -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF \
        -DZLIB_INCLUDE_DIR="$prefixe/include" \
        -DZLIB_LIBRARY="$prefixe/lib/libz.a" \
        -DCMAKE_INSTALL_PREFIX="$prefixe" >&2
    cmake --build "$travail/xlsx" >&2
    cmake --install "$travail/xlsx" >/dev/null
    cp "$xlsx/debian/copyright" "$prefixe/licences/copyright-libxlsxwriter"
    cp "$zlib/debian/copyright" "$prefixe/licences/copyright-zlib"
    echo "$empreinte" >"$prefixe/.empreinte"
    rm -rf "$travail"
}

# Qt's own catalogues for the program's languages, which Windows and a page do not have: compiled
# from Debian's source package qt6-translations of the same Qt, to be built in.
qt_traductions="$cache/qt-6.4.2-traductions"
qt_traductions_version="6.4.2-1"

qt_traductions_construit() {
    [ "$(cat "$qt_traductions/.version" 2>/dev/null)" = "$qt_traductions_version" ] && return 0
    qt_sources_debian
    local travail="$cache/qt-traductions-construction"
    rm -rf "$travail" "$qt_traductions"
    mkdir -p "$travail" "$qt_traductions"
    local source
    if (cd "$travail" && apt-get source -q "qt6-translations=$qt_traductions_version" >/dev/null 2>&1); then
        source="$(find "$travail" -maxdepth 1 -type d -name 'qt6-translations-*' | head -n 1)"
        for langue in fr en es de it; do
            /usr/lib/qt6/bin/lrelease -silent "$source/translations/qtbase_$langue.ts" \
                -qm "$qt_traductions/qtbase_$langue.qm"
        done
        cp "$source/debian/copyright" "$qt_traductions/copyright"
    else
        # A mirror without the source (it happens): the catalogues Debian compiled from
        # that same source, in its package qt6-translations-l10n of the same version.
        echo "apt-get source qt6-translations failed: using Debian's compiled catalogues" >&2
        dpkg-query -W -f='${Version}' qt6-translations-l10n | grep -qx "$qt_traductions_version"
        for langue in fr en es de it; do
            cp "/usr/share/qt6/translations/qtbase_$langue.qm" "$qt_traductions/"
        done
        cp /usr/share/doc/qt6-translations-l10n/copyright "$qt_traductions/copyright"
    fi
    echo "$qt_traductions_version" >"$qt_traductions/.version"
    rm -rf "$travail"
}
