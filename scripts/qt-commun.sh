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
