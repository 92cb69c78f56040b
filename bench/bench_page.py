#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The page's figures in headless Chromium, served on 127.0.0.1 as a static web server with
# compression serves it:
#   bench/bench_page.py PAGE_FOLDER DESKTOP_WITNESS BENCH_PROGRAMME [seconds]
# - what a student's browser downloads (gzip), and the files unpacked;
# - from navigation to the welcome window drawn, the files in the browser's cache or not
#   (medians of 3);
# - the renderer process's CPU while animating with the oscilloscope revealed and both
#   sensors on, against the desktop program doing the same (bench_programme ... programme),
#   in turn, three times each, in this one run: the ratio of their medians; and how busy the
#   page's main thread was meanwhile, where the program itself runs.
import functools, gzip, http.server, json, os, statistics, subprocess, sys, tempfile, threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page, temoin, bench_programme = (os.path.abspath(a) for a in sys.argv[1:4])
secondes = float(sys.argv[4]) if len(sys.argv) > 4 else 8.0
envoyes = []


class SiteCompresse(http.server.SimpleHTTPRequestHandler):
    """What a static web server with gzip sends: each file compressed once, then cached."""
    compresses = {}

    def do_GET(self):
        chemin = self.translate_path(self.path.split("?")[0])
        if not os.path.isfile(chemin) or "gzip" not in self.headers.get("Accept-Encoding", ""):
            return super().do_GET()
        if chemin not in self.compresses:
            with open(chemin, "rb") as f:
                self.compresses[chemin] = gzip.compress(f.read(), 6)
        corps = self.compresses[chemin]
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(chemin))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(corps)))
        self.send_header("Cache-Control", "max-age=3600")
        self.end_headers()
        self.wfile.write(corps)
        envoyes.append(len(corps))

    def log_message(self, *arguments):
        pass


serveur = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                          functools.partial(SiteCompresse, directory=page))
threading.Thread(target=serveur.serve_forever, daemon=True).start()
adresse = "http://127.0.0.1:%d/index.html?lang=fr" % serveur.server_address[1]
positions = json.loads(subprocess.run([temoin, "positions"], check=True, capture_output=True,
                                      text=True).stdout)


def navigateur():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for a in ["--headless=new", "--no-sandbox", "--use-angle=swiftshader",
              "--enable-unsafe-swiftshader", "--disable-quic", "--no-first-run",
              "--disable-background-networking", "--disable-component-update", "--disable-sync",
              "--user-data-dir=" + tempfile.mkdtemp(prefix="vibraligne-banc-")]:
        options.add_argument(a)
    n = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    n.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                      {"width": 1280, "height": 720, "deviceScaleFactor": 1, "mobile": False})
    return n


def pixel(n, x, y):
    import base64
    png = base64.b64decode(n.execute_cdp_cmd("Page.captureScreenshot", {
        "format": "png", "clip": {"x": x, "y": y, "width": 1, "height": 1, "scale": 1}})["data"])
    brut = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=png,
                          capture_output=True, check=True).stdout
    return "#%02X%02X%02X" % tuple(brut[:3])


def jusqu_a_l_accueil(n):
    """Seconds from navigation to the welcome window drawn (Picture2's grey at its place)."""
    z = min(1280 / 733, 720 / 514)
    x, y = (1280 - 733 * z) / 2 + 270 * z, (720 - 514 * z) / 2 + 430 * z
    n.execute_cdp_cmd("Page.navigate", {"url": "about:blank"})
    time.sleep(0.5)
    debut = time.time()
    n.execute_cdp_cmd("Page.navigate", {"url": adresse})
    while time.time() - debut < 60:
        if pixel(n, x, y) == "#E0E0E0":
            return time.time() - debut
        time.sleep(0.02)
    raise RuntimeError("the welcome window was never drawn")


def cpu_processus(pids):
    total = 0
    for pid in pids:
        try:
            with open("/proc/%d/stat" % pid) as f:
                champs = f.read().rsplit(")", 1)[1].split()
            total += int(champs[11]) + int(champs[12])
        except FileNotFoundError:
            pass
    return total / os.sysconf("SC_CLK_TCK")


def rendus():
    pids = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                ligne = f.read()
        except OSError:
            continue
        if b"--type=renderer" in ligne and b"vibraligne-banc-" in ligne:
            pids.append(int(pid))
    return pids


def occupation(profil):
    """The share of the main thread's samples that were not idle: the program's own work in
    the page (its wasm, Qt's and the browser's calls for them), apart from the threads that
    composite and rasterise the page."""
    noeuds = {x["id"]: x["callFrame"]["functionName"] for x in profil["nodes"]}
    echantillons = profil["samples"]
    return sum(noeuds[s] != "(idle)" for s in echantillons) / len(echantillons)


def clique(n, nom):
    x, y, l, h = positions["corde"][nom]
    for t in ("mousePressed", "mouseReleased"):
        n.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": t, "x": x + l / 2, "y": y + h / 2,
                                                        "button": "left", "clickCount": 1})


try:
    n = navigateur()
    froid, chaud = [], []
    for _ in range(3):
        n.execute_cdp_cmd("Network.clearBrowserCache", {})
        envoyes.clear()
        froid.append(jusqu_a_l_accueil(n))
        telecharge = sum(envoyes)
        chaud.append(jusqu_a_l_accueil(n))
    deplie = sum(os.path.getsize(os.path.join(page, f)) for f in
                 ("index.html", "qtloader.js", "vibraligne.js", "vibraligne.wasm", "vibraligne.png"))
    print("page downloaded: %.2f MB with gzip (%.2f MB unpacked)   (target <= 8 MB)"
          % (telecharge / 1e6, deplie / 1e6))
    print("navigation to the welcome window: %.2f s not cached, %.2f s cached (medians of 3; "
          "target <= 3 s)" % (statistics.median(froid), statistics.median(chaud)))

    x, y, l, h = positions["accueil"]["Command1"]
    z = min(1280 / 733, 720 / 514)
    ox, oy = (1280 - 733 * z) / 2, (720 - 514 * z) / 2
    for t in ("mousePressed", "mouseReleased"):
        n.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": t, "x": ox + (x + l / 2) * z,
                                                        "y": oy + (y + h / 2) * z,
                                                        "button": "left", "clickCount": 1})
    time.sleep(2)
    for nom in ("Label21", "ActiveCapteur1", "ActiveCapteur2"):
        clique(n, nom)
        time.sleep(0.3)
    page_cpu, principal, bureau_cpu = [], [], []
    n.execute_cdp_cmd("Profiler.enable", {})
    for _ in range(3):
        pids = rendus()
        time.sleep(0.5)
        avant, debut = cpu_processus(pids), time.time()
        time.sleep(secondes)
        page_cpu.append((cpu_processus(pids) - avant) / (time.time() - debut))
        # Apart, since sampling costs the renderer too.
        n.execute_cdp_cmd("Profiler.start", {})
        time.sleep(secondes / 2)
        principal.append(occupation(n.execute_cdp_cmd("Profiler.stop", {})["profile"]))
        sortie = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", bench_programme,
                                 str(secondes), "programme"], capture_output=True, text=True,
                                check=True).stdout
        bureau_cpu.append(float(sortie.split("program alone:")[1].split()[0]))
    print("renderer process %.3f CPU s/s, desktop program %.3f CPU s/s (medians of 3): "
          "ratio %.2f   (target <= 2)" % (statistics.median(page_cpu),
                                         statistics.median(bureau_cpu),
                                         statistics.median(page_cpu) / statistics.median(bureau_cpu)))
    print("of which the page's main thread, where the program and Qt run: busy %.3f of the "
          "time (the browser's profiler, medians of 3): ratio %.2f to the desktop program"
          % (statistics.median(principal),
             statistics.median(principal) / statistics.median(bureau_cpu)))
finally:
    n.quit()
    serveur.shutdown()
