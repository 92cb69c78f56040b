#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real vibraligne.exe under Wine, on a virtual X server with a window manager, used as a
# teacher would: the welcome window's start button pressed, then the main window read from
# screenshots at the places the layout gives (zoom 1: a layout pixel is a screen pixel).
#   fenetre_reelle.sh EXE WORK_FOLDER
set -euo pipefail
exe="$1" travail="$2"
export WINEDEBUG=-all
mkdir -p "$travail"
echec() { echo "FAILED: $*" >&2; exit 1; }

ecran=:$((100 + RANDOM % 100))
Xvfb "$ecran" -screen 0 1600x900x24 -nolisten tcp >/dev/null 2>&1 &
serveur=$!
export DISPLAY=$ecran
programme=
trap 'kill $programme 2>/dev/null; wineserver -k 2>/dev/null; kill $gestionnaire $serveur 2>/dev/null || true' EXIT
sleep 1
openbox >/dev/null 2>&1 &
gestionnaire=$!
sleep 1
${VIBRA_LANCEUR:-wine} "$exe" >/dev/null 2>&1 &
programme=$!

fenetre() { # TITLE: the first visible window of that title, waited for
    for _ in $(seq 60); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.5
    done
    echec "no window '$1'"
}
accueil=$(fenetre '^vibraLIGNE$') # the first to open
sleep 1
eval "$(xdotool getwindowgeometry --shell "$accueil")"
echo "welcome window at $X,$Y ${WIDTH}x$HEIGHT"
[ "$WIDTH" -eq 733 ] && [ "$HEIGHT" -eq 514 ] || echec "the welcome window is ${WIDTH}x$HEIGHT"
xdotool mousemove $((X + 115)) $((Y + 475)) click 1 # Démarrer la simulation
for _ in $(seq 40); do
    corde=$(xdotool search --onlyvisible --name '^vibraLIGNE$' 2>/dev/null | while read -r w; do
        [ "$(xdotool getwindowgeometry "$w" | sed -n 's/.*Geometry: //p')" = 1280x720 ] && echo "$w"
    done | head -n 1) || true
    [ -n "$corde" ] && break
    sleep 0.5
done
[ -n "${corde:-}" ] || echec "no main window of 1280x720 after the start button"
sleep 2
import -window "$corde" "$travail/corde-1.png"
sleep 0.5
import -window "$corde" "$travail/corde-2.png"

couleur() { # X Y: the colour at window coordinates, as #RRGGBB
    convert "$travail/corde-1.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n 1
}
attendu() { # X Y COLOUR WHAT
    local vu
    vu=$(couleur "$1" "$2")
    [ "$vu" = "$3" ] || echec "$4 at $1,$2: $vu, not $3"
    echo "ok: $4 ($3 at $1,$2)"
}
attendu 5 5 '#C0C0C0' "the gutter between the panels"
attendu 300 25 '#000040' "the string view's panel"
attendu 1000 25 '#000040' "the oscilloscope's panel"
attendu 300 600 '#E0E0E0' "the vibration's frame"
attendu 1046 371 '#E0E0E0' "the oscilloscope's cover"
attendu 16 46 '#FFFFFF' "the string view's top-left inner corner"

# The string view (inner 780 x 331 from 16,46): the grey string drawn, and moving.
vue="780x331+16+46"
gris=$(convert "$travail/corde-1.png" -crop "$vue" +repage -fill black +opaque '#7F7F7F' \
       -fill white -opaque '#7F7F7F' -format '%[fx:round(mean*w*h)]' info:)
echo "string pixels: $gris"
[ "$gris" -gt 300 ] || echec "the string view shows $gris pixels of the string"
convert "$travail/corde-1.png" -crop "$vue" +repage "$travail/vue-1.png"
convert "$travail/corde-2.png" -crop "$vue" +repage "$travail/vue-2.png"
bouge=$(compare -metric AE "$travail/vue-1.png" "$travail/vue-2.png" null: 2>&1 || true)
echo "pixels changed in half a second: $bouge"
[ "${bouge%%.*}" -gt 50 ] || echec "the string does not move"

# The frequency's scroll bar (211 x 21 at 55,559): arrows, groove and handle, not a flat panel.
couleurs=$(convert "$travail/corde-1.png" -crop "211x21+55+559" +repage -unique-colors txt:- | tail -n +2 | wc -l)
echo "colours in the frequency's scroll bar: $couleurs"
[ "$couleurs" -ge 4 ] || echec "no scroll bar where the frequency's is laid out"
echo "ok: the real window"
