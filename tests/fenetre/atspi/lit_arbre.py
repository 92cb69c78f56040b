#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears, through the real AT-SPI bus: starts the program, presses its
# way to the main window as Orca would let a pupil do, and checks roles, names, states,
# actions and values. Run inside a D-Bus session and an X server; exits non-zero on the
# first check that fails.
import os
import subprocess
import sys
import tempfile
import time

import pyatspi

programme = sys.argv[1]
environnement = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
# A runtime folder of the test's own where the session has none: Qt warns without one.
execution = tempfile.TemporaryDirectory()
environnement.setdefault("XDG_RUNTIME_DIR", execution.name)
processus = subprocess.Popen([programme], env=environnement)


def attend(trouve, quoi, secondes=15):
    """Waits until trouve() finds something: what the check named by quoi expects."""
    fin = time.time() + secondes
    while time.time() < fin:
        resultat = trouve()
        if resultat is not None:
            print("ok:", quoi)
            return resultat
        time.sleep(0.2)
    raise SystemExit("FAILED (not in time): " + quoi)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == os.path.basename(programme).lower():
            return app
    return None


def cherche(racine, role, nom):
    return pyatspi.findDescendant(
        racine, lambda n: n is not None and n.getRole() == role and n.name == nom)


def verifie(condition, message):
    if not condition:
        raise SystemExit("FAILED: " + message)
    print("ok:", message)


def agit(noeud, action):
    actions = noeud.queryAction()
    noms = [actions.getName(i) for i in range(actions.nActions)]
    verifie(action in noms, f"'{noeud.name}' offers {action} ({noms})")
    actions.doAction(noms.index(action))


def etat(noeud, quoi):
    return noeud.getState().contains(quoi)


try:
    app = attend(application, "the program is on the bus")
    accueil = attend(lambda: cherche(app, pyatspi.ROLE_FRAME, "Accueil de vibraLIGNE"),
                     "the welcome window is a frame named for what it is")
    agit(attend(lambda: cherche(accueil, pyatspi.ROLE_PUSH_BUTTON, "Démarrer la simulation"),
                "the welcome window's start is a button"), "Press")
    fenetre = attend(lambda: cherche(app, pyatspi.ROLE_FRAME, "vibraLIGNE"),
                     "the main window is a frame named by its title")

    capteur = cherche(fenetre, pyatspi.ROLE_CHECK_BOX, "Capteur 1")
    verifie(capteur is not None, "sensor 1 is one check box")
    verifie(not etat(capteur, pyatspi.STATE_SHOWING), "under the cover it is not showing")
    verifie(capteur.queryAction().nActions == 0, "under the cover it offers no action")
    base = cherche(fenetre, pyatspi.ROLE_RADIO_BUTTON, "0,1 seconde par division")
    verifie(not etat(base, pyatspi.STATE_SHOWING), "nor is the time base")
    for nom in ("Activer le capteur 1", "Désactiver le capteur 1"):
        verifie(cherche(fenetre, pyatspi.ROLE_PUSH_BUTTON, nom) is None,
                f"no second button '{nom}' for the same choice")

    agit(cherche(fenetre, pyatspi.ROLE_PUSH_BUTTON, "Afficher l'évolution temporelle"), "Press")
    attend(lambda: capteur if etat(capteur, pyatspi.STATE_SHOWING) else None,
           "revealed, sensor 1 is showing")
    verifie(not etat(capteur, pyatspi.STATE_CHECKED), "revealed, sensor 1 is off")
    agit(capteur, "Toggle")
    attend(lambda: capteur if etat(capteur, pyatspi.STATE_CHECKED) else None,
           "toggled, sensor 1 is checked")

    position = cherche(fenetre, pyatspi.ROLE_SLIDER, "Position du capteur 1")
    valeur = position.queryValue()
    verifie(abs(valeur.currentValue - 3.32) < 0.01 and valeur.minimumValue == 0
            and abs(valeur.maximumValue - 14.96) < 0.02,
            f"its place is a value in cm: {valeur.currentValue:.2f} in "
            f"{valeur.minimumValue}..{valeur.maximumValue:.2f}")
    verifie(position.description == "3,32 centimètres", f"described '{position.description}'")
finally:
    processus.terminate()
    processus.wait(timeout=10)
