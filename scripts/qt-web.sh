# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts/web: Qt 6.4.2 for WebAssembly, and what the program links, built once
# into the cache beside Qt for Windows, with Debian's Emscripten.
source "$racine/scripts/qt-commun.sh"
qt_web="$cache/qt-6.4.2-web"
emscripten_cmake=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

# Qt checks Emscripten's version through an emsdk's layout: a folder whose .emscripten
# names EMSCRIPTEN_ROOT below it and whose emcc answers there. Debian's emcc stands in.
# Debian's emcc finds its Node modules (acorn) under /usr/share/nodejs, which a Node not
# Debian's own does not search.
emsdk_prepare() {
    export EMSDK="$cache/emsdk"
    mkdir -p "$EMSDK"
    echo "EMSCRIPTEN_ROOT = emsdk_path + '/emscripten'" >"$EMSDK/.emscripten"
    ln -sfn /usr/share/emscripten "$EMSDK/emscripten"
    export NODE_PATH=/usr/share/nodejs EMCC_SKIP_SANITY_CHECK=1
}

# No threads, so that the page needs no cross-origin isolation headers from its server.
qt_web_options=(-DFEATURE_thread=OFF)

qt_web_construit() {
    emsdk_prepare
    local empreinte
    empreinte="$({ echo "$qt_version_source"; emcc --version | head -n 1;
                   printf '%s\n' "${qt_options_communes[@]}" "${qt_web_options[@]}"; } |
                 sha256sum | cut -d' ' -f1)"
    qt_construit web "$qt_web" "$empreinte" -DCMAKE_TOOLCHAIN_FILE="$emscripten_cmake" \
        "${qt_web_options[@]}"
}

xlsxwriter_web="$cache/xlsxwriter-1.1.4-web"

xlsxwriter_web_construit() {
    emsdk_prepare
    xlsxwriter_construit web "$xlsxwriter_web" "$emscripten_cmake" emcc emar
}
