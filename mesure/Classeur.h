// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Palette.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <optional>
#include <utility>
#include <vector>

namespace mesure {

// A column of numbers; an empty cell where there was no value (a sensor switched off).
struct Colonne {
    QString entete; // with its unit: "t (s)"
    std::vector<std::optional<double>> valeurs;
    int decimales = 4;
    kit::Rgb couleur{}; // of its curve on the chart
};

struct Axe {
    QString nom;
    double min = 0, max = 0, pas = 0;
};

using Reglages = std::vector<std::pair<QString, QVariant>>; // a number or a text each

// Columns of their own abscissa (the first), on a sheet of their own with the settings they
// were made with beside them.
struct FeuilleAnnexe {
    QString nom;
    std::vector<Colonne> colonnes;
    Reglages reglages;
};

// A workbook for a spreadsheet: the numbers on a first sheet, with a chart of every
// column against the first, as the program's screen showed them, and the settings of the
// run on a sheet after; each annex a sheet between them, its columns on the same chart.
struct Tableau {
    QString feuille, titre;
    std::vector<Colonne> colonnes;
    Axe x, y;
    std::vector<FeuilleAnnexe> annexes;
    QString feuilleReglages;
    Reglages reglages;
};

// The .xlsx file's bytes, or nothing with the reason in `raison`.
std::optional<QByteArray> Classeur(const Tableau& tableau, QString& raison);

} // namespace mesure
