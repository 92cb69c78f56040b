#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears in the context menus, through the real AT-SPI bus: a listener
# on the focus events Orca follows, while the real program's menus are opened by a real
# right click, by Shift+F10 and by the Menu key, and walked with the Down key, twice, on both screens. Each
# entry must be heard with its name, its shortcut, and for the speeds whether it is chosen.
#   ecoute_menus.py PROGRAM LANGUAGE      (fr or en), inside a D-Bus session and an X server
import os, subprocess, sys, tempfile, threading, time

import pyatspi
from gi.repository import GLib

programme, langue = sys.argv[1], sys.argv[2]
ATTENDUES = {
    "fr": ["Enregistrer les mesures…", "Enregistrer le profil de la corde…", "Copier l'image",
           "Enregistrer l'image…", "Vitesse réelle (× 1)", "Ralenti × 1/2", "Ralenti × 1/4",
           "Ralenti × 1/10", "Ouvrir une leçon…", "Enregistrer la leçon…", "Réinitialiser"],
    "en": ["Save the measurements…", "Save the string's profile…", "Copy the picture",
           "Save the picture…", "Real speed (× 1)", "Slow motion × 1/2", "Slow motion × 1/4",
           "Slow motion × 1/10", "Open a lesson…", "Save the lesson…", "Reset"],
}[langue]
RACCOURCIS = ["Ctrl+S", "", "Ctrl+C", "Ctrl+Shift+S", "Ctrl+1", "Ctrl+2", "Ctrl+4", "Ctrl+0",
              "Ctrl+O", "Ctrl+L", "Ctrl+R"]
COCHEES = [None] * 4 + [True, False, False, False] + [None] * 3
# Each screen's own entries, after the others.
DE_LA_VUE = {"fr": ["Figer l'aspect de la corde", "Effacer les aspects figés", "Ligne de référence"],
             "en": ["Freeze the string's shape", "Clear the frozen shapes", "Reference line"]}[langue]
TOUCHES_DE_LA_VUE = ["Ctrl+F", "Ctrl+Shift+F", ""]
DE_L_ECRAN = {"fr": ["Garder les traces", "Effacer les traces gardées"],
              "en": ["Keep the traces", "Clear the kept traces"]}[langue]
TOUCHES_DE_L_ECRAN = ["Ctrl+G", "Ctrl+Shift+G"]

environnement = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
environnement.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp())
processus = subprocess.Popen([programme, "--lang", langue], env=environnement)
entendus = []
echecs = []


def ecoute(evenement):
    if evenement.detail1 != 1:
        return
    try:
        source = evenement.source
        actions = source.queryAction()
        touches = [actions.getKeyBinding(i) for i in range(actions.nActions)]
        entendus.append((source.getRoleName(), source.name, touches[0] if touches else "",
                         source.getState().contains(pyatspi.STATE_CHECKED),
                         source.getState().contains(pyatspi.STATE_CHECKABLE)))
    except Exception as erreur:  # an object gone before it could be read is a fault too
        entendus.append(("dead", str(erreur), "", False, False))


def xdotool(*arguments):
    return subprocess.run(["xdotool", *arguments], capture_output=True, text=True).stdout


def fenetre(largeur):
    for _ in range(60):
        for w in xdotool("search", "--onlyvisible", "--name", "^vibraLIGNE$").split():
            g = dict(l.split("=") for l in xdotool("getwindowgeometry", "--shell", w).split())
            if g["WIDTH"] == str(largeur):
                return int(g["X"]), int(g["Y"])
        time.sleep(0.5)
    raise RuntimeError("no window %d wide" % largeur)


def parcourt(ouverture, quoi, vue=True):
    """Opens a menu, walks every entry with Down, closes it; what was heard, checked."""
    attendues = ATTENDUES + (DE_LA_VUE if vue else DE_L_ECRAN)
    raccourcis = RACCOURCIS + (TOUCHES_DE_LA_VUE if vue else TOUCHES_DE_L_ECRAN)
    debut = len(entendus)
    ouverture()
    time.sleep(1)
    for _ in attendues:
        xdotool("key", "Down")
        time.sleep(0.3)
    time.sleep(0.5)
    entrees = [e for e in entendus[debut:] if e[0] != "push button"]
    xdotool("key", "Escape")
    time.sleep(0.8)
    ok = [e[1] for e in entrees] == attendues and all(
        e[0] in ("menu item", "check menu item", "radio menu item") for e in entrees)
    ok = ok and [e[2] for e in entrees] == raccourcis
    ok = ok and all(c is None or e[3] == c for e, c in zip(entrees, COCHEES))
    print(("ok: " if ok else "FAILED: ") + quoi, flush=True)
    if not ok:
        echecs.append(quoi)
        for e in entrees:
            print("   heard:", e)


def scenario():
    try:
        x, y = fenetre(733)
        xdotool("mousemove", str(x + 115), str(y + 475), "click", "1")
        x, y = fenetre(1280)
        time.sleep(2)
        vue = lambda: xdotool("mousemove", str(x + 300), str(y + 200), "click", "3")
        parcourt(vue, "the string view's menu, opened by a right click, is heard whole")
        parcourt(vue, "and the same at its second opening")
        parcourt(lambda: xdotool("key", "shift+F10"), "Shift+F10 opens it, heard the same")
        parcourt(lambda: xdotool("key", "Menu"), "and so does the Menu key")
        xdotool("mousemove", str(x + 1046), str(y + 371), "click", "1")  # reveal the screen
        time.sleep(1)
        parcourt(lambda: xdotool("mousemove", str(x + 1000), str(y + 200), "click", "3"),
                 "the oscilloscope's menu is heard whole", vue=False)
    except Exception as erreur:
        echecs.append(str(erreur))
        print("FAILED:", erreur)
    GLib.idle_add(pyatspi.Registry.stop)


pyatspi.Registry.registerEventListener(ecoute, "object:state-changed:focused")
threading.Thread(target=scenario, daemon=True).start()
try:
    pyatspi.Registry.start()
finally:
    processus.terminate()
    processus.wait(timeout=10)
sys.exit(1 if echecs else 0)
