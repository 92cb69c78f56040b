// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the oscilloscope traced, kept as numbers a spreadsheet can read, and the string's
// profile: plain text, written the language's way.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace sim {

// One tick's samples: seconds since the screen was last cleared, and each sensor's
// displacement in cm where it was on.
struct Echantillon {
    double tempsS = 0;
    std::optional<double> capteur1, capteur2;
};

// French spreadsheets read a decimal comma and fields between semicolons.
struct FormatCsv {
    char virgule = ',';
    char separateur = ';';
};
inline constexpr FormatCsv CsvFrancais{',', ';'};
inline constexpr FormatCsv CsvAnglais{'.', ','};

// A number with a fixed count of decimals, whatever the C locale says.
std::string NombreCsv(double valeur, int decimales, FormatCsv format);

// Samples kept beside the others, under three headers their caller words (t, y1, y2).
struct MesuresGardees {
    std::span<const Echantillon> echantillons;
    std::array<std::string, 3> entetes;
};

// "t (s);y1 (cm);y2 (cm)", then a row per sample, each number between double quotes; kept
// samples three columns further, every field empty beyond the last row of its own.
std::string CsvMesures(std::span<const Echantillon> echantillons, FormatCsv format,
                       const MesuresGardees& gardees = {});
// A kept shape of the string beside the profile, under a header its caller words.
struct ProfilFige {
    std::string entete;
    std::span<const double> elongations;
};
// "x (cm);y (cm)", then a row per point, 1/12 cm apart from the vibrator; each kept shape a
// column further, empty beyond its last point.
std::string CsvProfil(std::span<const double> elongations, FormatCsv format,
                      std::span<const ProfilFige> figes = {});

// Reads back what CsvMesures wrote (empty where a sensor was off), and its kept samples into
// `gardees` if given; nothing on a malformed line.
std::optional<std::vector<Echantillon>> LitCsvMesures(const std::string& texte, FormatCsv format,
                                                      std::vector<Echantillon>* gardees = nullptr);

} // namespace sim
