#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the project into a scratch prefix and builds its Debian package, then checks
# what a desktop needs: the program, the desktop entry, the icons, the AppStream file, all
# valid; what a technician reads: the manual page, the copyright, --help and --version,
# without a display; and a package lintian finds nothing against, whose dependencies name
# the Qt runtime and the Carlito font.
#   verifie_paquet.sh BUILD_DIR
set -euo pipefail
construction="$1"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

echo "== cmake --install"
cmake --install "$construction" --prefix "$travail/prefixe" >/dev/null
id=org.vibraligne.VibraLIGNE
for fichier in bin/vibraligne share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
               share/man/man1/vibraligne.1.gz share/doc/vibraligne/copyright \
               share/doc/vibraligne/changelog.gz; do
    test -f "$travail/prefixe/$fichier" || { echo "missing $fichier"; exit 1; }
done
for cote in 16 32 48 64 128 256; do
    icone="$travail/prefixe/share/icons/hicolor/${cote}x${cote}/apps/$id.png"
    test -f "$icone" || { echo "missing icon $cote"; exit 1; }
    file "$icone" | grep -q "$cote x $cote" || { echo "icon $cote has the wrong size"; exit 1; }
done
desktop-file-validate "$travail/prefixe/share/applications/$id.desktop"
# Lesson files: their type, its icon, and the entry that opens them.
grep -qx "MimeType=application/x-vibraligne;" "$travail/prefixe/share/applications/$id.desktop"
grep -qx "Exec=vibraligne %f" "$travail/prefixe/share/applications/$id.desktop"
test -f "$travail/prefixe/share/icons/hicolor/48x48/mimetypes/application-x-vibraligne.png"
# The database a desktop builds from it ties the extension and the first line to the type
# (read from its own files: xdg-mime asks whatever tool the machine has, not the database).
mkdir -p "$travail/mime/packages"
cp "$travail/prefixe/share/mime/packages/vibraligne-lecon.xml" "$travail/mime/packages/"
update-mime-database "$travail/mime" 2>/dev/null
grep -q ":application/x-vibraligne:\*\.vibraligne$" "$travail/mime/globs2" &&
    grep -q "vibraLIGNE-lecon" "$travail/mime/magic" &&
    grep -q 'icon name="application-x-vibraligne"' "$travail/mime/application/x-vibraligne.xml" ||
    { echo "the lesson type is not in the MIME database"; exit 1; }
appstreamcli validate --no-net "$travail/prefixe/share/metainfo/$id.metainfo.xml"

grep -q "<project_license>GPL-3.0-or-later</project_license>" \
    "$travail/prefixe/share/metainfo/$id.metainfo.xml"
man --warnings -E UTF-8 -l "$travail/prefixe/share/man/man1/vibraligne.1.gz" 2>&1 >/dev/null |
    { ! grep .; } || { echo "the manual page has errors"; exit 1; }

echo "== command line, without a display"
programme="$travail/prefixe/bin/vibraligne"
sans_ecran() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$programme" "$@"; }
sans_ecran --version | grep -qx "vibraLIGNE [0-9.]*" || { echo "--version"; exit 1; }
sans_ecran --help | grep -q -- "--lang" || { echo "--help"; exit 1; }
LANGUAGE=en sans_ecran --help | grep -q "^Usage: vibraligne" || { echo "--help in English"; exit 1; }
for mauvais in --inconnue "--lang xx"; do
    set +e
    # shellcheck disable=SC2086
    message=$(sans_ecran $mauvais 2>&1)
    code=$?
    set -e
    [ "$code" -eq 2 ] && grep -q "vibraligne --help" <<<"$message" ||
        { echo "$mauvais: exit $code, said: $message"; exit 1; }
done
# The README's example lesson is one, and a spoilt one is refused with its line.
racine_source="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
sed -n '/^vibraLIGNE-lecon 1$/,/^```$/p' "$racine_source/README.md" | sed '$d' >"$travail/exemple.vibraligne"
sans_ecran --check "$travail/exemple.vibraligne" | grep -q "valable" || { echo "README's lesson"; exit 1; }
sed 's/^celerite = .*/celerite = 99/' "$travail/exemple.vibraligne" >"$travail/faute.vibraligne"
set +e
message=$(sans_ecran --check "$travail/faute.vibraligne" 2>&1)
code=$?
set -e
[ "$code" -eq 1 ] && grep -q "ligne 10 : valeur hors limites pour « celerite »" <<<"$message" ||
    { echo "--check of a bad lesson: exit $code, said: $message"; exit 1; }
set +e
message=$(sans_ecran 2>&1)
code=$?
set -e
[ "$code" -eq 1 ] && [ "$(wc -l <<<"$message")" -eq 1 ] &&
    grep -q "affichage graphique est nécessaire" <<<"$message" ||
    { echo "no display: exit $code, said: $message"; exit 1; }
message=$(LANGUAGE=de sans_ecran 2>&1 || true)
grep -q "grafische Anzeige ist nötig" <<<"$message" || { echo "no display, in German"; exit 1; }

echo "== the running window and its desktop entry"
# A dock ties a window to its launcher by the window's X11 class.
classe=$(sed -n 's/^StartupWMClass=//p' "$travail/prefixe/share/applications/$id.desktop")
[ -n "$classe" ] || { echo "the desktop entry has no StartupWMClass"; exit 1; }
# xwininfo prints each window's class as X11 holds it, case and all: ("name" "class").
xvfb-run -a sh -c "QT_QPA_PLATFORM=xcb '$programme' & programme=\$!
    for essai in \$(seq 60); do
        xwininfo -root -tree | grep -qF '\"$classe\")' && trouve=0 && break
        trouve=1; sleep 0.5
    done
    kill \$programme; exit \$trouve" || { echo "no window of class $classe"; exit 1; }

echo "== cpack -G DEB"
(cd "$travail" && cpack -G DEB --config "$construction/CPackConfig.cmake" >/dev/null)
paquet=$(ls "$travail"/*.deb)
dependances=$(dpkg-deb -f "$paquet" Depends)
echo "Depends: $dependances"
for nom in libqt6widgets6 libqt6gui6 libqt6core6 libxlsxwriter fonts-crosextra-carlito \
           qt6-translations-l10n; do
    grep -q "$nom" <<<"$dependances" || { echo "the package does not depend on $nom"; exit 1; }
done
dpkg -x "$paquet" "$travail/racine"
for fichier in usr/bin/vibraligne usr/share/applications/$id.desktop \
               usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/48x48/apps/$id.png; do
    test -f "$travail/racine/$fichier" || { echo "the package lacks /$fichier"; exit 1; }
done
test -x "$travail/racine/usr/bin/vibraligne"
echo "== lintian"
lintian --fail-on error,warning "$paquet" 2>&1 | grep -v "root privileges" || true
lintian --fail-on error,warning "$paquet" >/dev/null 2>&1 || { echo "lintian complains"; exit 1; }
echo "package checked: $(basename "$paquet")"
