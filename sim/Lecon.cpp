// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Lecon.h"

#include "sim/Chiffres.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <functional>
#include <set>
#include <sstream>

namespace sim {
namespace {

bool EstDuUtf8(std::string_view texte) {
    for (size_t i = 0; i < texte.size();) {
        const auto c = static_cast<unsigned char>(texte[i]);
        if (c == 0)
            return false;
        const int suite = c < 0x80         ? 0
                          : (c >> 5) == 6  ? 1
                          : (c >> 4) == 14 ? 2
                          : (c >> 3) == 30 ? 3
                                           : -1;
        if (suite < 0 || i + static_cast<size_t>(suite) >= texte.size() + (suite == 0 ? 1 : 0))
            return false;
        for (int k = 1; k <= suite; ++k)
            if ((static_cast<unsigned char>(texte[i + static_cast<size_t>(k)]) >> 6) != 2)
                return false;
        i += static_cast<size_t>(suite) + 1;
    }
    return true;
}

std::string_view SansBlancs(std::string_view s) {
    const auto debut = s.find_first_not_of(" \t\r");
    if (debut == std::string_view::npos)
        return {};
    return s.substr(debut, s.find_last_not_of(" \t\r") - debut + 1);
}

// A number, with a decimal point or comma, and the setting's unit after it if written.
std::optional<double> Nombre(std::string_view valeur, std::string_view unite) {
    if (!unite.empty() && valeur.size() > unite.size() &&
        valeur.substr(valeur.size() - unite.size()) == unite)
        valeur = SansBlancs(valeur.substr(0, valeur.size() - unite.size()));
    std::string chiffres(valeur);
    for (char& c : chiffres)
        if (c == ',')
            c = '.';
    double x = 0;
    const auto [fin, erreur] = LitReel(chiffres.data(), chiffres.data() + chiffres.size(), x);
    if (erreur != std::errc{} || fin != chiffres.data() + chiffres.size() || !std::isfinite(x))
        return std::nullopt;
    return x;
}

std::string Texte(double x) {
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s << x;
    return s.str();
}

// A scroll bar's range and step: a value between two steps goes to the nearer.
struct Echelle {
    double min, max, pas;
    std::string unite;
};

std::string Bornes(const Echelle& e) {
    return Texte(e.min) + " .. " + Texte(e.max) + (e.unite.empty() ? "" : " " + e.unite);
}

constexpr std::array BasesDeTemps{0.1, 0.2, 0.5, 1.0, 1.5, 2.0};

struct Lecteur {
    Lecon lecon;
    std::optional<ErreurLecon> erreur;
    std::set<std::string> vues;
    int ligne = 0;

    void Refuse(ProblemeLecon p, std::string cle = {}, std::string bornes = {}) {
        if (!erreur)
            erreur = ErreurLecon{p, ligne, std::move(cle), std::move(bornes)};
    }

    void Mesure(const std::string& cle, std::string_view valeur, const Echelle& e, double& cible) {
        const auto x = Nombre(valeur, e.unite);
        if (!x)
            return Refuse(ProblemeLecon::ValeurIllisible, cle, Bornes(e));
        if (*x < e.min - 1e-9 || *x > e.max + 1e-9)
            return Refuse(ProblemeLecon::HorsBornes, cle, Bornes(e));
        cible = std::round(*x / e.pas) * e.pas;
    }

    template <size_t N>
    void Choix(const std::string& cle, std::string_view valeur,
               const std::array<std::string_view, N>& mots, int& cible) {
        for (size_t i = 0; i < N; ++i)
            if (valeur == mots[i]) {
                cible = static_cast<int>(i);
                return;
            }
        std::string liste;
        for (std::string_view m : mots)
            liste += (liste.empty() ? "" : " | ") + std::string(m);
        Refuse(ProblemeLecon::ValeurIllisible, cle, liste);
    }

    void Capteur(const std::string& cle, std::string_view valeur, std::optional<double>& cible) {
        if (valeur == "arrete") {
            cible.reset();
            return;
        }
        double x = 0;
        Mesure(cle, valeur, {0, 14, 1.0 / 12, "cm"}, x);
        cible = x;
    }

    void Applique(const std::string& cle, std::string_view v) {
        int choix = 0;
        double x = 0;
        if (cle == "titre") {
            lecon.titre = std::string(v);
        } else if (cle == "commentaire") {
            lecon.commentaire += (lecon.commentaire.empty() ? "" : "\n") + std::string(v);
        } else if (cle == "excitation") {
            Choix(cle, v, std::array<std::string_view, 2>{"periodique", "solitaire"}, choix);
            lecon.periodique = choix == 0;
        } else if (cle == "impulsion") {
            Choix(cle, v, std::array<std::string_view, 3>{"etroite", "moyenne", "large"}, choix);
            lecon.impulsion = choix + 1;
        } else if (cle == "frequence") {
            Mesure(cle, v, {0.1, 4, 0.1, "Hz"}, lecon.frequenceHz);
        } else if (cle == "amplitude") {
            Mesure(cle, v, {0, 3, 0.1, "cm"}, lecon.amplitudeCm);
        } else if (cle == "amplitude-impulsion") {
            Mesure(cle, v, {0, 3, 0.1, "cm"}, lecon.amplitudeImpulsionCm);
        } else if (cle == "montee") {
            Mesure(cle, v, {10, 90, 1, "%"}, x);
            lecon.montee = static_cast<int>(x);
        } else if (cle == "celerite") {
            Mesure(cle, v, {0.1, 20, 0.1, "cm/s"}, lecon.celeriteCmS);
        } else if (cle == "amortissement") {
            Mesure(cle, v, {0, 1, 0.1, ""}, lecon.amortissement);
        } else if (cle == "extremite") {
            Choix(cle, v, std::array<std::string_view, 3>{"sans-fin", "fixe", "libre"},
                  lecon.extremite);
        } else if (cle == "capteur1") {
            Capteur(cle, v, lecon.capteur1Cm);
        } else if (cle == "capteur2") {
            Capteur(cle, v, lecon.capteur2Cm);
        } else if (cle == "oscilloscope") {
            Choix(cle, v, std::array<std::string_view, 2>{"cache", "visible"}, choix);
            lecon.oscilloscope = choix == 1;
        } else if (cle == "base-de-temps") {
            const auto base = Nombre(v, "s/div");
            const auto juste = [&](double b) { return base && std::abs(*base - b) < 1e-9; };
            const auto* trouvee = std::find_if(BasesDeTemps.begin(), BasesDeTemps.end(), juste);
            if (trouvee == BasesDeTemps.end())
                return Refuse(base ? ProblemeLecon::HorsBornes : ProblemeLecon::ValeurIllisible,
                              cle, "0.1 | 0.2 | 0.5 | 1 | 1.5 | 2 s/div");
            lecon.baseDeTempsS = *trouvee;
        } else if (cle == "ligne-de-reference") {
            double hauteur = 0;
            Mesure(cle, v, {-3.4, 3.4, 0.01, "cm"}, hauteur);
            lecon.ligneDeReferenceCm = hauteur;
        } else if (cle == "etat") {
            Choix(cle, v, std::array<std::string_view, 2>{"marche", "pause"}, choix);
            lecon.enPause = choix == 1;
        } else {
            Refuse(ProblemeLecon::CleInconnue, cle);
        }
    }
};

constexpr std::array<std::string_view, 13> Requises{
    "excitation", "impulsion",    "frequence",     "amplitude", "amplitude-impulsion",
    "montee",     "celerite",     "amortissement", "extremite", "capteur1",
    "capteur2",   "oscilloscope", "base-de-temps"};

} // namespace

std::variant<Lecon, ErreurLecon> LitLecon(std::string_view texte) {
    if (texte.size() > TailleMaxLecon)
        return ErreurLecon{ProblemeLecon::TropGrande, 0, {}, {}};
    if (texte.substr(0, 3) == "\xEF\xBB\xBF")
        texte.remove_prefix(3);
    if (!EstDuUtf8(texte))
        return ErreurLecon{ProblemeLecon::PasDuTexte, 0, {}, {}};
    if (SansBlancs(texte).find_first_not_of("\n") == std::string_view::npos)
        return ErreurLecon{ProblemeLecon::Vide, 0, {}, {}};
    Lecteur lecteur;
    size_t debut = 0;
    bool enTete = false;
    while (debut <= texte.size() && !lecteur.erreur) {
        const size_t fin = std::min(texte.find('\n', debut), texte.size());
        const std::string_view ligne = SansBlancs(texte.substr(debut, fin - debut));
        debut = fin + 1;
        ++lecteur.ligne;
        if (!enTete) {
            if (ligne.empty())
                continue;
            enTete = true;
            const auto version = ligne.substr(0, EnTeteLecon.size()) == EnTeteLecon
                                     ? Nombre(SansBlancs(ligne.substr(EnTeteLecon.size())), "")
                                     : std::nullopt;
            if (!version || *version != std::floor(*version) || *version < 1)
                lecteur.Refuse(ProblemeLecon::PasUneLecon);
            else if (*version > VersionLecon)
                lecteur.Refuse(ProblemeLecon::VersionPlusRecente);
            continue;
        }
        if (ligne.empty() || ligne.front() == '#')
            continue;
        const size_t egal = ligne.find('=');
        if (egal == std::string_view::npos) {
            lecteur.Refuse(ProblemeLecon::LigneIllisible);
            continue;
        }
        const std::string cle(SansBlancs(ligne.substr(0, egal)));
        if (!lecteur.vues.insert(cle).second && cle != "commentaire") {
            lecteur.Refuse(ProblemeLecon::CleRepetee, cle);
            continue;
        }
        std::string_view valeur = SansBlancs(ligne.substr(egal + 1));
        // A comment may follow a value, but the free texts keep whatever they hold.
        if (cle != "titre" && cle != "commentaire")
            if (const size_t diese = valeur.find('#');
                diese != std::string_view::npos &&
                (diese == 0 || valeur[diese - 1] == ' ' || valeur[diese - 1] == '\t'))
                valeur = SansBlancs(valeur.substr(0, diese));
        lecteur.Applique(cle, valeur);
    }
    if (lecteur.erreur)
        return *lecteur.erreur;
    for (std::string_view cle : Requises)
        if (!lecteur.vues.count(std::string(cle)))
            return ErreurLecon{ProblemeLecon::LigneManquante, 0, std::string(cle), {}};
    return lecteur.lecon;
}

std::string EcritLecon(const Lecon& l) {
    const auto une = [](std::string_view cle, const std::string& valeur) {
        return std::string(cle) + " = " + valeur + "\n";
    };
    const auto capteur = [](const std::optional<double>& x) {
        return x ? Texte(std::round(*x * 12) / 12) + " cm" : std::string("arrete");
    };
    std::string texte = std::string(EnTeteLecon) + " " + std::to_string(VersionLecon) + "\n";
    if (!l.titre.empty())
        texte += une("titre", l.titre);
    for (size_t debut = 0; !l.commentaire.empty() && debut <= l.commentaire.size();) {
        const size_t fin = std::min(l.commentaire.find('\n', debut), l.commentaire.size());
        texte += une("commentaire", l.commentaire.substr(debut, fin - debut));
        debut = fin + 1;
    }
    const char* impulsions[] = {"etroite", "moyenne", "large"};
    const char* extremites[] = {"sans-fin", "fixe", "libre"};
    texte += une("excitation", l.periodique ? "periodique" : "solitaire");
    texte += une("impulsion", impulsions[std::clamp(l.impulsion, 1, 3) - 1]);
    texte += une("frequence", Texte(l.frequenceHz) + " Hz");
    texte += une("amplitude", Texte(l.amplitudeCm) + " cm");
    texte += une("amplitude-impulsion", Texte(l.amplitudeImpulsionCm) + " cm");
    texte += une("montee", Texte(l.montee) + " %");
    texte += une("celerite", Texte(l.celeriteCmS) + " cm/s");
    texte += une("amortissement", Texte(l.amortissement));
    texte += une("extremite", extremites[std::clamp(l.extremite, 0, 2)]);
    texte += une("capteur1", capteur(l.capteur1Cm));
    texte += une("capteur2", capteur(l.capteur2Cm));
    texte += une("oscilloscope", l.oscilloscope ? "visible" : "cache");
    texte += une("base-de-temps", Texte(l.baseDeTempsS) + " s/div");
    texte += une("etat", l.enPause ? "pause" : "marche");
    // Only when shown: a lesson without it stays one that earlier versions read.
    if (l.ligneDeReferenceCm)
        texte +=
            une("ligne-de-reference", Texte(std::round(*l.ligneDeReferenceCm * 100) / 100) + " cm");
    return texte;
}

} // namespace sim
