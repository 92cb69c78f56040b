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
#   page's main thread was meanwhile, where the program itself runs;
# - the browser's floor, in turn with them: a bare page of the same size that, every 10 ms,
#   changes one band of pixels the size of the string view's and, at each frame, hands its
#   canvas to WebGL as Qt's WebAssembly platform does (the band uploaded, the whole canvas
#   drawn) -- the least a page can do to show a moving string at that tick.
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


PLANCHER = """<!doctype html><body style="margin:0"><canvas width=1280 height=720></canvas><script>
const gl = document.querySelector("canvas").getContext("webgl", {alpha: false, antialias: false});
const shader = (type, texte) => {
  const s = gl.createShader(type); gl.shaderSource(s, texte); gl.compileShader(s); return s; };
const programme = gl.createProgram();
gl.attachShader(programme, shader(gl.VERTEX_SHADER,
  "attribute vec2 p; varying vec2 t; void main() { t = p * 0.5 + 0.5; gl_Position = vec4(p, 0, 1); }"));
gl.attachShader(programme, shader(gl.FRAGMENT_SHADER,
  "precision mediump float; varying vec2 t; uniform sampler2D s; void main() { gl_FragColor = texture2D(s, t); }"));
gl.linkProgram(programme); gl.useProgram(programme);
gl.bindBuffer(gl.ARRAY_BUFFER, gl.createBuffer());
gl.bufferData(gl.ARRAY_BUFFER, new Float32Array([-1, -1, 1, -1, -1, 1, 1, 1]), gl.STATIC_DRAW);
gl.enableVertexAttribArray(0); gl.vertexAttribPointer(0, 2, gl.FLOAT, false, 0, 0);
gl.bindTexture(gl.TEXTURE_2D, gl.createTexture());
for (const [nom, valeur] of [[gl.TEXTURE_MIN_FILTER, gl.NEAREST], [gl.TEXTURE_MAG_FILTER, gl.NEAREST],
                             [gl.TEXTURE_WRAP_S, gl.CLAMP_TO_EDGE], [gl.TEXTURE_WRAP_T, gl.CLAMP_TO_EDGE]])
  gl.texParameteri(gl.TEXTURE_2D, nom, valeur);
gl.texImage2D(gl.TEXTURE_2D, 0, gl.RGBA, 1280, 720, 0, gl.RGBA, gl.UNSIGNED_BYTE, null);
const bande = new Uint32Array(1280 * 60);
let tick = 0, montre = 0;
window.marche = false;
function pas() {
  if (!window.marche) return;
  ++tick;
  for (let y = 0; y < 60; ++y) bande.fill(0xff000000 | tick * 40503, y * 1280 + 15, y * 1280 + 797);
  setTimeout(pas, 10);
}
function image() {
  if (!window.marche) return;
  if (montre != tick) {
    montre = tick;
    gl.texSubImage2D(gl.TEXTURE_2D, 0, 0, 45 + tick % 270, 1280, 60, gl.RGBA, gl.UNSIGNED_BYTE,
                     new Uint8Array(bande.buffer));
  }
  gl.clearColor(0.2, 0.2, 0.2, 1); gl.clear(gl.COLOR_BUFFER_BIT);
  gl.drawArrays(gl.TRIANGLE_STRIP, 0, 4);
  requestAnimationFrame(image);
}
window.lance = () => { window.marche = true; pas(); requestAnimationFrame(image); };
</script>"""

serveur = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                          functools.partial(SiteCompresse, directory=page))
threading.Thread(target=serveur.serve_forever, daemon=True).start()
adresse = "http://127.0.0.1:%d/index.html?lang=fr" % serveur.server_address[1]
dossier_plancher = tempfile.mkdtemp(prefix="vibraligne-plancher-")
with open(os.path.join(dossier_plancher, "index.html"), "w") as f:
    f.write(PLANCHER)
serveur_plancher = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(SiteCompresse, directory=dossier_plancher))
threading.Thread(target=serveur_plancher.serve_forever, daemon=True).start()
positions = json.loads(subprocess.run([temoin, "positions"], check=True, capture_output=True,
                                      text=True).stdout)


def navigateur(profil="vibraligne-banc-"):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for a in ["--headless=new", "--no-sandbox", "--use-angle=swiftshader",
              "--enable-unsafe-swiftshader", "--disable-quic", "--no-first-run",
              "--disable-background-networking", "--disable-component-update", "--disable-sync",
              "--user-data-dir=" + tempfile.mkdtemp(prefix=profil)]:
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


def rendus(profil="vibraligne-banc-"):
    pids = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open("/proc/%s/cmdline" % pid, "rb") as f:
                ligne = f.read()
        except OSError:
            continue
        if b"--type=renderer" in ligne and profil.encode() in ligne:
            pids.append(int(pid))
    return pids


def cpu_pendant(pids, secondes):
    time.sleep(0.5)
    avant, debut = cpu_processus(pids), time.time()
    time.sleep(secondes)
    return (cpu_processus(pids) - avant) / (time.time() - debut)


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


plancher = None
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
    plancher = navigateur("vibraligne-plancher-")
    plancher.get("http://127.0.0.1:%d/index.html" % serveur_plancher.server_address[1])
    page_cpu, principal, bureau_cpu, plancher_cpu = [], [], [], []
    n.execute_cdp_cmd("Profiler.enable", {})
    for _ in range(3):
        page_cpu.append(cpu_pendant(rendus(), secondes))
        # Apart, since sampling costs the renderer too.
        n.execute_cdp_cmd("Profiler.start", {})
        time.sleep(secondes / 2)
        principal.append(occupation(n.execute_cdp_cmd("Profiler.stop", {})["profile"]))
        plancher.execute_script("lance()")
        plancher_cpu.append(cpu_pendant(rendus("vibraligne-plancher-"), secondes))
        plancher.execute_script("window.marche = false")
        sortie = subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", bench_programme,
                                 str(secondes), "programme"], capture_output=True, text=True,
                                check=True).stdout
        bureau_cpu.append(float(sortie.split("program alone:")[1].split()[0]))
    page_m, bureau_m, plancher_m = (statistics.median(v) for v in (page_cpu, bureau_cpu,
                                                                    plancher_cpu))
    print("renderer process %.3f CPU s/s, desktop program %.3f CPU s/s (medians of 3): "
          "ratio %.2f   (target <= 2)" % (page_m, bureau_m, page_m / bureau_m))
    print("of which the page's main thread, where the program and Qt run: busy %.3f of the "
          "time (the browser's profiler, medians of 3): ratio %.2f to the desktop program"
          % (statistics.median(principal), statistics.median(principal) / bureau_m))
    print("the browser's floor (a bare page showing a moving band at the same tick, handed to "
          "WebGL at each frame): renderer %.3f CPU s/s, ratio %.2f to the desktop program; "
          "the page is %.2f times its floor" % (plancher_m, plancher_m / bureau_m,
                                                page_m / plancher_m))
finally:
    if plancher:
        plancher.quit()
    n.quit()
    serveur.shutdown()
