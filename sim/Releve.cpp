// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Releve.h"

#include "sim/Chiffres.h"

#include "sim/Etat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>
#include <system_error>

namespace sim {
namespace {

// Quoted: a spreadsheet that splits its fields at commas as well as semicolons, as
// LibreOffice's import does by default, would cut "-0,4701" in two.
std::string Champ(double valeur, int decimales, FormatCsv format) {
    return '"' + NombreCsv(valeur, decimales, format) + '"';
}

void AjouteValeur(std::string& ligne, const std::optional<double>& valeur, FormatCsv format) {
    ligne += format.separateur;
    if (valeur)
        ligne += Champ(*valeur, 4, format);
}

std::optional<double> LitNombre(std::string champ, FormatCsv format) {
    if (champ.size() >= 2 && champ.front() == '"' && champ.back() == '"')
        champ = champ.substr(1, champ.size() - 2);
    for (char& c : champ)
        if (c == format.virgule)
            c = '.';
    double valeur = 0;
    const auto [fin, erreur] = LitReel(champ.data(), champ.data() + champ.size(), valeur);
    if (erreur != std::errc{} || fin != champ.data() + champ.size())
        return std::nullopt;
    return valeur;
}

} // namespace

std::string NombreCsv(double valeur, int decimales, FormatCsv format) {
    if (!std::isfinite(valeur))
        return {};
    std::string texte = EcritReel(valeur, std::chars_format::fixed, decimales);
    for (char& c : texte)
        if (c == '.')
            c = format.virgule;
    // "-0,0000" is a zero.
    if (texte.find_first_not_of(std::string("-0") + format.virgule) == std::string::npos)
        texte.erase(0, texte.front() == '-' ? 1 : 0);
    return texte;
}

std::string CsvMesures(std::span<const Echantillon> echantillons, FormatCsv format,
                       const MesuresGardees& gardees) {
    std::string texte =
        std::string("t (s)") + format.separateur + "y1 (cm)" + format.separateur + "y2 (cm)";
    if (!gardees.echantillons.empty())
        for (const std::string& entete : gardees.entetes)
            texte += format.separateur + entete;
    texte += '\n';
    const auto champs = [format](std::span<const Echantillon> colonne, size_t i) {
        if (i >= colonne.size())
            return std::string(2, format.separateur);
        std::string champ = Champ(colonne[i].tempsS, 3, format);
        AjouteValeur(champ, colonne[i].capteur1, format);
        AjouteValeur(champ, colonne[i].capteur2, format);
        return champ;
    };
    const size_t lignes = std::max(echantillons.size(), gardees.echantillons.size());
    for (size_t i = 0; i < lignes; ++i) {
        texte += champs(echantillons, i);
        if (!gardees.echantillons.empty())
            texte += format.separateur + champs(gardees.echantillons, i);
        texte += '\n';
    }
    return texte;
}

std::string CsvProfil(std::span<const double> elongations, FormatCsv format,
                      std::span<const ProfilFige> figes) {
    std::string texte = std::string("x (cm)") + format.separateur + "y (cm)";
    size_t lignes = elongations.size();
    for (const ProfilFige& f : figes) {
        texte += format.separateur + f.entete;
        lignes = std::max(lignes, f.elongations.size());
    }
    texte += '\n';
    const auto champ = [&](std::span<const double> colonne, size_t i) {
        return i < colonne.size() ? Champ(colonne[i], 4, format) : std::string();
    };
    for (size_t i = 0; i < lignes; ++i) {
        texte += Champ(static_cast<double>(i) / PointsParCm, 4, format) + format.separateur +
                 champ(elongations, i);
        for (const ProfilFige& f : figes)
            texte += format.separateur + champ(f.elongations, i);
        texte += '\n';
    }
    return texte;
}

namespace {

// Three fields from `premier`: nothing if all are empty, false if malformed.
bool LitEchantillon(const std::vector<std::string>& champs, size_t premier, FormatCsv format,
                    std::optional<Echantillon>& lu) {
    lu.reset();
    if (champs[premier].empty())
        return champs[premier + 1].empty() && champs[premier + 2].empty();
    const auto temps = LitNombre(champs[premier], format);
    if (!temps)
        return false;
    Echantillon e;
    e.tempsS = *temps;
    for (int n : {1, 2}) {
        const std::string& champ = champs[premier + static_cast<size_t>(n)];
        if (champ.empty())
            continue;
        const auto valeur = LitNombre(champ, format);
        if (!valeur)
            return false;
        (n == 1 ? e.capteur1 : e.capteur2) = valeur;
    }
    lu = e;
    return true;
}

} // namespace

std::optional<std::vector<Echantillon>> LitCsvMesures(const std::string& texte, FormatCsv format,
                                                      std::vector<Echantillon>* gardees) {
    std::istringstream lignes(texte);
    std::string ligne;
    std::getline(lignes, ligne); // the header
    const size_t colonnes =
        static_cast<size_t>(std::count(ligne.begin(), ligne.end(), format.separateur)) + 1;
    if (colonnes != 3 && colonnes != 6)
        return std::nullopt;
    std::vector<Echantillon> echantillons;
    if (gardees)
        gardees->clear();
    while (std::getline(lignes, ligne)) {
        std::vector<std::string> champs(1);
        for (char c : ligne) {
            if (c == format.separateur)
                champs.emplace_back();
            else
                champs.back().push_back(c);
        }
        if (champs.size() != colonnes)
            return std::nullopt;
        std::optional<Echantillon> vivant, garde;
        if (!LitEchantillon(champs, 0, format, vivant) ||
            (colonnes == 6 && !LitEchantillon(champs, 3, format, garde)))
            return std::nullopt;
        if (vivant)
            echantillons.push_back(*vivant);
        if (garde && gardees)
            gardees->push_back(*garde);
    }
    return echantillons;
}

} // namespace sim
