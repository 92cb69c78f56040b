#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a spreadsheet reads in the program's files, printed as JSON.

lit_tableur.py classeur FILE.xlsx   the cells of every sheet, and the charts' series
lit_tableur.py csv FILE.csv         the cells LibreOffice Calc gives the file when opened
                                    with its import dialog's defaults in a French locale
                                    (tab, comma and semicolon all ticked)
"""
import json
import os
import re
import subprocess
import sys
import tempfile
import zipfile

import openpyxl


def cellules(chemin):
    classeur = openpyxl.load_workbook(chemin)
    return {feuille.title: [[c.value for c in ligne] for ligne in feuille.iter_rows()]
            for feuille in classeur.worksheets}


def classeur(chemin):
    # openpyxl does not keep charts it reads: they are counted in the file itself.
    with zipfile.ZipFile(chemin) as archive:
        graphiques = [n for n in archive.namelist() if re.match(r"xl/charts/chart\d+\.xml", n)]
        series = sum(archive.read(n).decode().count("<c:ser>") for n in graphiques)
    return {"feuilles": cellules(chemin), "graphiques": len(graphiques), "series": series}


def csv(chemin):
    with tempfile.TemporaryDirectory() as dossier:
        profil = "file://" + os.path.join(dossier, "profil")
        subprocess.run(["soffice", "-env:UserInstallation=" + profil, "--headless",
                        "--infilter=CSV:9/44/59,34,76,1,,1036,false,false",
                        "--convert-to", "xlsx", "--outdir", dossier, chemin],
                       check=True, capture_output=True, timeout=120)
        sortie = os.path.join(dossier, os.path.splitext(os.path.basename(chemin))[0] + ".xlsx")
        return {"feuilles": cellules(sortie)}


if __name__ == "__main__":
    print(json.dumps({"classeur": classeur, "csv": csv}[sys.argv[1]](sys.argv[2])))
