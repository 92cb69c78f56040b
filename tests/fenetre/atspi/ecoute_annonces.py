#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears without moving the focus, through the real AT-SPI bus: a
# refused lesson's message, the word after each of two saves of a lesson in a row, and the help, read
# through its text with its headings and line by line under the caret.
#   ecoute_annonces.py PROGRAM      inside a D-Bus session and an X server
import os, subprocess, sys, tempfile, threading, time

import pyatspi
from gi.repository import GLib

programme = sys.argv[1]
dossier = tempfile.mkdtemp(prefix="vibraligne-annonces-")
lecon = os.path.join(dossier, "faute.vibraligne")
with open(lecon, "w", encoding="utf-8") as f:
    f.write("vibraLIGNE-lecon 1\ncelerite = 50 cm/s\n")
environnement = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                     HOME=dossier)
environnement.setdefault("XDG_RUNTIME_DIR", tempfile.mkdtemp())
processus = subprocess.Popen([programme, "--lang", "fr", lecon], env=environnement)
# (event, role, name, the texts of its labels) as they came, read while the object lives.
entendus = []
echecs = []


def textes(noeud):
    trouves = pyatspi.findAllDescendants(noeud, lambda n: n is not None and
                                         n.getRole() == pyatspi.ROLE_LABEL)
    return [n.name for n in trouves]


def ecoute(evenement):
    try:
        source = evenement.source
        if evenement.type.startswith("object:state-changed") and evenement.detail1 != 1:
            return
        entendus.append((evenement.type, source.getRole(), source.name, textes(source),
                         evenement.detail1))
    except Exception as erreur:
        entendus.append((evenement.type, None, str(erreur), [], 0))


def xdotool(*arguments):
    subprocess.run(["xdotool", *arguments], capture_output=True)


def verifie(condition, quoi):
    print(("ok: " if condition else "FAILED: ") + quoi, flush=True)
    if not condition:
        echecs.append(quoi)


def attend(trouve, secondes=10):
    fin = time.time() + secondes
    while time.time() < fin:
        resultat = trouve()
        if resultat:
            return resultat
        time.sleep(0.2)
    return None


def entendu(depuis, role, condition):
    return attend(lambda: [e for e in entendus[depuis:] if e[1] == role and condition(e)])


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == os.path.basename(programme).lower():
            return app
    return None


def cherche(racine, role, nom=None):
    return pyatspi.findDescendant(
        racine, lambda n: n is not None and n.getRole() == role and (nom is None or n.name == nom))


def enregistre(nom):
    xdotool("key", "ctrl+l")
    time.sleep(1.5)
    xdotool("key", "ctrl+a")
    xdotool("type", "--delay", "20", os.path.join(dossier, nom))
    xdotool("key", "Return")
    time.sleep(1)
    focalise()


def focalise():
    # The keys go to the main window again, as they would under a window manager.
    xdotool("search", "--onlyvisible", "--name", "^vibraLIGNE$", "windowfocus")


def aide(app):
    debut = len(entendus)
    xdotool("key", "F1")
    # Qt gives a text browser the role of a static text, with the text interface of an edit.
    fenetre = attend(lambda: cherche(app, pyatspi.ROLE_DIALOG, "Aide de vibraLIGNE"))
    texte = fenetre and cherche(fenetre, pyatspi.ROLE_LABEL, "Aide")
    verifie(texte is not None, "F1: the help's text is on the bus")
    if texte is None:
        return
    lu = texte.queryText()
    tout = lu.getText(0, -1)
    corps = lu.getAttributeRun(tout.index("Survoler"), False)[0]
    taille = lambda attributs: float(dict(a.split(":", 1) for a in attributs)["size"])
    for titre in ("Les touches", "Les outils de la leçon", "Les extrémités de la corde",
                  "Les fichiers", "À propos"):
        debut_titre = tout.find(titre)
        if debut_titre < 0:
            verifie(False, "the help's text holds the heading " + titre)
            continue
        attributs, de, a = lu.getAttributeRun(debut_titre, False)
        verifie(tout[de:a].strip() == titre and "weight:bold" in attributs and
                taille(attributs) > taille(corps),
                f"'{titre}' is read as a heading: a run of its own, bold, larger than the text")
    verifie("Ctrl+S" in tout and "enregistrer les mesures de l'oscilloscope" in tout,
            "the keys' table is in the text")
    for _ in range(3):
        xdotool("key", "Down")
        time.sleep(0.3)
    deplacements = entendu(debut, pyatspi.ROLE_LABEL,
                           lambda e: e[0] == "object:text-caret-moved" and e[4] > 0)
    ligne = lu.getTextAtOffset(lu.caretOffset, pyatspi.TEXT_BOUNDARY_LINE_START)[0].strip()
    verifie(bool(deplacements) and ligne != "",
            f"the Down key moves a caret through the help, line by line ('{ligne}')")


def scenario():
    try:
        app = attend(application, 15)
        accueil = attend(lambda: cherche(app, pyatspi.ROLE_FRAME, "Accueil de vibraLIGNE"), 15)
        debut = len(entendus)
        bouton = cherche(accueil, pyatspi.ROLE_PUSH_BUTTON, "Démarrer la simulation")
        bouton.queryAction().doAction(0)
        refus = entendu(debut, pyatspi.ROLE_ALERT,
                        lambda e: any("faute.vibraligne" in t and "celerite" in t for t in e[3]))
        verifie(bool(refus), "a refused lesson's message comes as an alert with its text: "
                + (str(refus[0][2:4]) if refus else str(entendus[debut:])))
        xdotool("key", "Return")
        time.sleep(1)
        focalise()
        for nom in ("classe1.vibraligne", "classe2.vibraligne"):
            debut = len(entendus)
            enregistre(nom)
            mot = "Enregistré : " + nom
            annonce = entendu(debut, pyatspi.ROLE_NOTIFICATION,
                              lambda e: e[0] == "object:state-changed:showing" and e[2] == mot)
            verifie(bool(annonce) and os.path.exists(os.path.join(dossier, nom)),
                    f"'{mot}' is shown as a notification, as it is saved")
        aide(app)
    except Exception as erreur:
        echecs.append(str(erreur))
        print("FAILED:", erreur, flush=True)
    GLib.idle_add(pyatspi.Registry.stop)


for type in ("object:state-changed:showing", "window:activate", "object:text-caret-moved"):
    pyatspi.Registry.registerEventListener(ecoute, type)
threading.Thread(target=scenario, daemon=True).start()
try:
    pyatspi.Registry.start()
finally:
    processus.terminate()
    processus.wait(timeout=10)
sys.exit(1 if echecs else 0)
