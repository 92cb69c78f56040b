#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The page as a student meets it, in headless Chromium driven by Selenium through the
# DevTools protocol, served on 127.0.0.1 as a static web site would serve it:
#   essai_page.py PAGE_FOLDER DESKTOP_WITNESS WORK_FOLDER
# The welcome window, then the main window, at their laid-out places (the page at zoom 1);
# the string moving; a sensor dragged by a finger, tracing; a long press opening the menu;
# Ctrl+S downloading a workbook whose numbers are the desktop program's for the same lesson;
# ?lecon= opening a good lesson and telling a bad one's fault; the lesson's reference line
# dragged by a finger, and the traces kept.
import functools, http.server, json, os, shutil, subprocess, sys, tempfile, threading, time

import openpyxl
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page_source, temoin, travail = (os.path.abspath(a) for a in sys.argv[1:4])
ici = os.path.dirname(os.path.abspath(__file__))
os.makedirs(travail, exist_ok=True)
echecs = []


def verifie(condition, quoi):
    print(("ok: " if condition else "FAILED: ") + quoi, flush=True)
    if not condition:
        echecs.append(quoi)
    return condition


# The site: the page's files and the lessons a teacher put beside them.
site = tempfile.mkdtemp(prefix="vibraligne-site-")
for nom in os.listdir(page_source):
    os.symlink(os.path.join(page_source, nom), os.path.join(site, nom))
lecon = os.path.join(ici, "deux-capteurs.vibraligne")
shutil.copy(lecon, site)
with open(lecon, encoding="utf-8") as f:
    texte = f.read()
with open(os.path.join(site, "faute.vibraligne"), "w", encoding="utf-8") as f:
    f.write(texte.replace("celerite = 10 cm/s", "celerite = 50 cm/s"))

class Site(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *arguments):
        pass


serveur = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                          functools.partial(Site, directory=site))
threading.Thread(target=serveur.serve_forever, daemon=True).start()
adresse = "http://127.0.0.1:%d/index.html" % serveur.server_address[1]

positions = json.loads(subprocess.run([temoin, "positions", lecon], check=True,
                                      capture_output=True, text=True).stdout)
telechargements = os.path.join(travail, "telechargements")
shutil.rmtree(telechargements, ignore_errors=True)
os.makedirs(telechargements)

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
# WebGL through SwiftShader; nothing reached outside this machine.
for a in ["--headless=new", "--no-sandbox", "--use-angle=swiftshader", "--enable-unsafe-swiftshader",
          "--disable-quic", "--no-first-run", "--disable-background-networking",
          "--disable-component-update", "--disable-sync", "--lang=en-US",
          "--user-data-dir=" + tempfile.mkdtemp(prefix="vibraligne-chromium-")]:
    options.add_argument(a)
navigateur = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def cdp(commande, **parametres):
    return navigateur.execute_cdp_cmd(commande, parametres)


class Ecran:
    """A screenshot of the page, its pixels read through ImageMagick."""

    def __init__(self, nom):
        self.chemin = os.path.join(travail, nom + ".png")
        navigateur.save_screenshot(self.chemin)
        brut = subprocess.run(["convert", self.chemin, "-depth", "8", "rgb:-"], check=True,
                              capture_output=True).stdout
        taille = subprocess.run(["identify", "-format", "%w %h", self.chemin], check=True,
                                capture_output=True, text=True).stdout.split()
        self.l, self.h = int(taille[0]), int(taille[1])
        self.brut = brut

    def couleur(self, x, y):
        i = 3 * (int(y) * self.l + int(x))
        return "#%02X%02X%02X" % tuple(self.brut[i:i + 3])

    def compte(self, zone, couleur):
        x, y, l, h = zone
        return sum(self.couleur(i, j) == couleur for j in range(y, y + h) for i in range(x, x + l))

    def differents(self, autre, zone):
        x, y, l, h = zone
        return sum(self.couleur(i, j) != autre.couleur(i, j)
                   for j in range(y, y + h) for i in range(x, x + l))


def lit(ecran):
    """The text on a screenshot, in English, as tesseract reads it at twice the size."""
    agrandie = ecran.chemin[:-4] + "-ocr.png"
    subprocess.run(["convert", ecran.chemin, "-resize", "200%", "-colorspace", "Gray", agrandie],
                   check=True)
    texte = subprocess.run(["tesseract", agrandie, "-", "-l", "eng"], capture_output=True,
                           text=True).stdout.replace("\n", " ")
    print("read on the screen:", texte[:300])
    return texte


def souris(x, y, type_, bouton="left", clics=1):
    cdp("Input.dispatchMouseEvent", type=type_, x=x, y=y, button=bouton, clickCount=clics)


def clique(x, y):
    souris(x, y, "mouseMoved", "none", 0)
    souris(x, y, "mousePressed")
    souris(x, y, "mouseReleased")


def centre(fenetre, nom, z=1.0, origine=(0, 0)):
    x, y, l, h = positions[fenetre][nom]
    return origine[0] + (x + l / 2) * z, origine[1] + (y + h / 2) * z


def doigt(type_, x=None, y=None):
    points = [] if x is None else [{"x": x, "y": y, "id": 1, "radiusX": 4, "radiusY": 4}]
    cdp("Input.dispatchTouchEvent", type=type_, touchPoints=points)


def touche(texte, code, touche_virtuelle, modificateurs=0):
    for type_ in ("keyDown", "keyUp"):
        cdp("Input.dispatchKeyEvent", type=type_, key=texte, code=code, modifiers=modificateurs,
            windowsVirtualKeyCode=touche_virtuelle)


def attend(condition, secondes=30):
    fin = time.time() + secondes
    while time.time() < fin:
        resultat = condition()
        if resultat:
            return resultat
        time.sleep(0.25)
    return None


def ouvre(suffixe=""):
    navigateur.get(adresse + suffixe)
    # The welcome window, 733 x 514 at zoom 1, fills the page at the zoom that fits.
    z = min(1280 / 733, 720 / 514)
    origine = ((1280 - 733 * z) / 2, (720 - 514 * z) / 2)
    gris = (origine[0] + 270 * z, origine[1] + 430 * z)  # inside Picture2, below its text
    accueil = attend(lambda: (lambda e: e if e.couleur(*gris) == "#E0E0E0" else None)(
        Ecran("accueil")))
    return accueil, z, origine


try:
    cdp("Emulation.setDeviceMetricsOverride", width=1280, height=720, deviceScaleFactor=1,
        mobile=False)
    cdp("Browser.setDownloadBehavior", behavior="allow", downloadPath=telechargements)

    # The welcome window, then the main window, at their places.
    accueil, z, origine = ouvre("?lang=en")
    if verifie(accueil is not None, "the welcome window is drawn"):
        verifie(accueil.couleur(origine[0] / 2, 360) == "#000040",
                "the page beside the welcome window is its navy")
        verifie(accueil.couleur(origine[0] + 5 * z, origine[1] + 5 * z) == "#000040",
                "the welcome window's corner")
    clique(*centre("accueil", "Command1", z, origine))
    corde = attend(lambda: (lambda e: e if e.couleur(5, 5) == "#C0C0C0" else None)(
        Ecran("corde-1")))
    if verifie(corde is not None, "the main window opens on the start button"):
        for x, y, attendue, quoi in [(5, 5, "#C0C0C0", "the gutter between the panels"),
                                     (300, 25, "#000040", "the string view's panel"),
                                     (1000, 25, "#000040", "the oscilloscope's panel"),
                                     (300, 600, "#E0E0E0", "the vibration's frame"),
                                     (1046, 600, "#E0E0E0", "the oscilloscope's cover"),
                                     (16, 46, "#FFFFFF", "the string view's top-left inner corner")]:
            verifie(corde.couleur(x, y) == attendue,
                    "%s at %d,%d: %s (%s expected)" % (quoi, x, y, corde.couleur(x, y), attendue))
        vue = (16, 46, 780, 331)
        verifie(corde.compte(vue, "#7F7F7F") > 300, "the grey string is drawn")
        time.sleep(0.5)
        verifie(Ecran("corde-2").differents(corde, vue) > 50, "the string moves")

    # The oscilloscope revealed, sensor 1 on, and its bar dragged by a finger.
    clique(*centre("corde", "Label21"))
    clique(*centre("corde", "ActiveCapteur1"))
    time.sleep(0.5)
    avant = Ecran("capteur-avant")
    x0 = 246 + 2  # sensor 1's bar as the layout places it
    verifie(avant.couleur(x0, 120) == "#E6E6FF", "sensor 1's bar stands at its place")
    doigt("touchStart", x0, 120)
    for pas in range(1, 11):
        time.sleep(0.03)
        doigt("touchMove", x0 + 10 * pas, 120)
    doigt("touchEnd")
    time.sleep(2)
    apres = Ecran("capteur-apres")
    verifie(apres.couleur(x0 + 100, 120) == "#E6E6FF" and apres.couleur(x0, 120) != "#E6E6FF",
            "the bar followed the finger 100 px to the right")
    oscillo = positions["corde"]["Oscillo"]
    verifie(apres.compte((oscillo[0] + 1, oscillo[1] + 1, oscillo[2] - 2, oscillo[3] - 2),
                         "#797BB5") > 40, "sensor 1 traces on the oscilloscope")

    # A long press on the string view opens its menu; Escape closes it.
    doigt("touchStart", 400, 300)
    time.sleep(1.2)
    doigt("touchEnd")
    time.sleep(0.5)
    menu = Ecran("appui-long")
    verifie(menu.differents(apres, (400, 300, 150, 120)) > 3000,
            "a long press opens the context menu")
    touche("Escape", "Escape", 27)

    # Ctrl+C: the picture on the clipboard where the browser allows it, and said where not.
    origine_site = adresse.rsplit("/", 1)[0]
    cdp("Browser.grantPermissions", origin=origine_site,
        permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
    touche("c", "KeyC", 67, modificateurs=2)
    types = navigateur.execute_async_script("""
        const fini = arguments[arguments.length - 1];
        setTimeout(() => navigator.clipboard.read().then(
            elements => fini(elements.flatMap(e => e.types)), e => fini(String(e))), 1000);""")
    verifie("image/png" in types, "Ctrl+C puts the picture on the clipboard (%s)" % types)
    cdp("Browser.resetPermissions")
    cdp("Browser.setPermission", origin=origine_site, permission={"name": "clipboard-write"},
        setting="denied")
    touche("c", "KeyC", 67, modificateurs=2)
    time.sleep(1)
    verifie("does not let the page copy" in lit(Ecran("copie-refusee")),
            "a browser that refuses the clipboard is said to")
    touche("Enter", "Enter", 13)

    # A lesson named in the address: opened; Ctrl+S downloads its measurements under the
    # name the program proposes in French.
    accueil, z, origine = ouvre("?lang=fr&lecon=deux-capteurs.vibraligne")
    clique(*centre("accueil", "Command1", z, origine))
    ouverte = attend(lambda: (lambda e: e if e.couleur(5, 5) == "#C0C0C0" else None)(
        Ecran("lecon")))
    time.sleep(3)
    lecon_ecran = Ecran("lecon-ouverte")
    for n, barre in ((1, "#E6E6FF"), (2, "#FFF0DC")):
        x, y, l, h = positions["corde"]["Capteur%d" % n]
        vue_barre = lecon_ecran.couleur(x + l // 2, y + h // 3)
        verifie(vue_barre == barre, "the lesson's sensor %d stands at its place: %s (%s expected)"
                % (n, vue_barre, barre))
    touche("s", "KeyS", 83, modificateurs=2)
    time.sleep(1)
    question = lit(Ecran("type-de-fichier"))
    verifie("xlsx" in question and "csv" in question, "Ctrl+S asks which type: " + question)
    touche("Enter", "Enter", 13)
    classeur = attend(lambda: os.path.exists(os.path.join(telechargements, "mesures.xlsx")) and
                      not os.path.exists(os.path.join(telechargements, "mesures.xlsx.crdownload")))
    if verifie(bool(classeur), "Ctrl+S downloads mesures.xlsx"):
        time.sleep(0.5)
        feuille = openpyxl.load_workbook(os.path.join(telechargements, "mesures.xlsx")).worksheets[0]
        lignes = [r for r in feuille.iter_rows(min_row=2, values_only=True) if r[0] is not None]
        verifie(len(lignes) > 100, "the workbook holds %d samples" % len(lignes))
        bureau = subprocess.run([temoin, "valeurs", lecon], check=True, capture_output=True,
                                text=True, input="\n".join(repr(r[0]) for r in lignes)).stdout
        ecarts = []
        for ligne, attendue in zip(lignes, bureau.split("\n")):
            t, y1, y2 = (float(v) for v in attendue.split())
            ecarts.append(max(abs(ligne[0] - t), abs(ligne[1] - y1), abs(ligne[2] - y2)))
        verifie(len(ecarts) == len(lignes) and max(ecarts) < 1e-9,
                "its numbers are the desktop program's (largest difference %g)" % max(ecarts))
        # The other type, one Tab away: the same samples, as text in the French way.
        touche("s", "KeyS", 83, modificateurs=2)
        time.sleep(1)
        touche("Tab", "Tab", 9)
        touche("Enter", "Enter", 13)
        csv = os.path.join(telechargements, "mesures.csv")
        if verifie(bool(attend(lambda: os.path.exists(csv) and
                               not os.path.exists(csv + ".crdownload"))), "or mesures.csv"):
            time.sleep(0.5)
            with open(csv, encoding="utf-8") as f:
                texte = f.read().splitlines()
            verifie(texte[0].startswith("t (s);y1 (cm);y2 (cm)") and
                    len(texte) - 1 >= len(lignes) and
                    float(texte[1].split(";")[0].strip('"').replace(",", ".")) ==
                    round(lignes[0][0], 3),
                    "the CSV holds the samples from the same first: " + texte[1])

    # The lesson's reference line stands where the desktop program draws it; a finger drags
    # its grip down; Ctrl+G keeps the traces on the oscilloscope, faded.
    gx, gy, gl, gh = positions["corde"]["LigneReference"]
    vx, vy, vl, vh = positions["corde"]["Animation"]

    def rangee(ecran):
        """The row of the view with most of the line's dashes."""
        return max(range(vy + 1, vy + vh - 1),
                   key=lambda y: ecran.compte((vx + 1, y, vl // 2, 1), "#404040"))

    ligne = rangee(Ecran("reference"))
    verifie(ligne == gy + gh // 2, "the reference line at its row: %d (%d expected)"
            % (ligne, gy + gh // 2))
    doigt("touchStart", gx + gl // 2, ligne)
    for pas in range(1, 11):
        time.sleep(0.03)
        doigt("touchMove", gx + gl // 2, ligne + 4 * pas)
    doigt("touchEnd")
    time.sleep(0.5)
    descendue = rangee(Ecran("reference-glissee"))
    verifie(abs(descendue - (ligne + 40)) <= 1,
            "a finger drags it 40 px down: row %d from %d" % (descendue, ligne))
    touche("g", "KeyG", 71, modificateurs=2)
    time.sleep(0.5)
    oscillo = positions["corde"]["Oscillo"]
    verifie(Ecran("traces-gardees").compte((oscillo[0] + 1, oscillo[1] + 1, oscillo[2] - 2,
                                             oscillo[3] - 2), "#C0C1E1") > 40,
            "Ctrl+G keeps the traces, faded")

    # A bad lesson: the window as it opens, and the fault said, with its line.
    accueil, z, origine = ouvre("?lang=en&lecon=faute.vibraligne")
    clique(*centre("accueil", "Command1", z, origine))
    attend(lambda: Ecran("faute").couleur(5, 5) == "#C0C0C0")
    time.sleep(2)
    lu = lit(Ecran("faute-message"))
    verifie("faute.vibraligne" in lu and "line 10" in lu and "celerite" in lu,
            "a bad lesson's message names the file, the line and the setting")
finally:
    navigateur.quit()
    serveur.shutdown()

print("%d failed" % len(echecs))
sys.exit(1 if echecs else 0)
