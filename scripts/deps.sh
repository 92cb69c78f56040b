# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by scripts/run and scripts/test: installs the Debian packages that are missing,
# and only those, so a second run touches nothing.
paquets=(cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libbenchmark-dev
         fonts-crosextra-carlito fonts-dejavu-core locales xvfb xauth imagemagick
         desktop-file-utils appstream dpkg-dev file openbox
         dbus at-spi2-core python3-pyatspi
         qt6-tools-dev qt6-l10n-tools lintian
         libxlsxwriter-dev zlib1g-dev qt6-translations-l10n
         python3-openpyxl libreoffice-calc-nogui x11-utils
         shared-mime-info xdotool)

installe_dependances() {
    local manquants=()
    for p in "${paquets[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            manquants+=("$p")
    done
    [ ${#manquants[@]} -eq 0 ] && return 0
    echo "Installing: ${manquants[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${manquants[@]}"
}

# configure_et_construit DIR [cmake options...]
configure_et_construit() {
    local dossier="$1"
    shift
    if [ ! -f "$dossier/build.ninja" ]; then
        cmake -S "$racine" -B "$dossier" -G Ninja "$@"
    fi
    cmake --build "$dossier"
}
