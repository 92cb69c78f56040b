#!/usr/bin/env bash
# Installs the project into a scratch prefix and builds its Debian package, then checks
# what a desktop needs: the program, the desktop entry, the icons, the AppStream file, all
# valid, and a package whose dependencies name the Qt runtime and the Carlito font.
#   verifie_paquet.sh BUILD_DIR
set -euo pipefail
construction="$1"
travail=$(mktemp -d)
trap 'rm -rf "$travail"' EXIT

echo "== cmake --install"
cmake --install "$construction" --prefix "$travail/prefixe" >/dev/null
id=org.vibraligne.VibraLIGNE
for fichier in bin/vibraligne share/applications/$id.desktop share/metainfo/$id.metainfo.xml; do
    test -f "$travail/prefixe/$fichier" || { echo "missing $fichier"; exit 1; }
done
for cote in 16 32 48 64 128 256; do
    icone="$travail/prefixe/share/icons/hicolor/${cote}x${cote}/apps/$id.png"
    test -f "$icone" || { echo "missing icon $cote"; exit 1; }
    file "$icone" | grep -q "$cote x $cote" || { echo "icon $cote has the wrong size"; exit 1; }
done
desktop-file-validate "$travail/prefixe/share/applications/$id.desktop"
appstreamcli validate --no-net "$travail/prefixe/share/metainfo/$id.metainfo.xml"

echo "== cpack -G DEB"
(cd "$travail" && cpack -G DEB --config "$construction/CPackConfig.cmake" >/dev/null)
paquet=$(ls "$travail"/*.deb)
dependances=$(dpkg-deb -f "$paquet" Depends)
echo "Depends: $dependances"
for nom in libqt6widgets6 libqt6gui6 libqt6core6 fonts-crosextra-carlito; do
    grep -q "$nom" <<<"$dependances" || { echo "the package does not depend on $nom"; exit 1; }
done
dpkg -x "$paquet" "$travail/racine"
for fichier in usr/bin/vibraligne usr/share/applications/$id.desktop \
               usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/48x48/apps/$id.png; do
    test -f "$travail/racine/$fichier" || { echo "the package lacks /$fichier"; exit 1; }
done
test -x "$travail/racine/usr/bin/vibraligne"
echo "package checked: $(basename "$paquet")"
