// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Lecon.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

const std::string Exemple = "vibraLIGNE-lecon 1\n"
                            "titre = Deux capteurs\n"
                            "commentaire = Mesurer le retard entre les capteurs.\n"
                            "# prepared at home\n"
                            "excitation = periodique   # or solitaire\n"
                            "impulsion = moyenne\n"
                            "frequence = 2 Hz\n"
                            "amplitude = 0,5 cm\n"
                            "amplitude-impulsion = 1.5\n"
                            "montee = 50 %\n"
                            "celerite = 10 cm/s\n"
                            "amortissement = 0\n"
                            "extremite = fixe\n"
                            "capteur1 = 3 cm\n"
                            "capteur2 = 8\n"
                            "oscilloscope = visible\n"
                            "base-de-temps = 0.2 s/div\n"
                            "etat = marche\n";

std::string Remplace(std::string texte, const std::string& avant, const std::string& apres) {
    texte.replace(texte.find(avant), avant.size(), apres);
    return texte;
}

TEST(Lecon, AnExampleReadsAsWrittenAndComesBackTheSame) {
    const auto lue = sim::LitLecon(Exemple);
    ASSERT_TRUE(std::holds_alternative<sim::Lecon>(lue));
    const sim::Lecon& l = std::get<sim::Lecon>(lue);
    EXPECT_EQ(l.titre, "Deux capteurs");
    EXPECT_DOUBLE_EQ(l.frequenceHz, 2);
    EXPECT_DOUBLE_EQ(l.amplitudeCm, 0.5);
    EXPECT_DOUBLE_EQ(l.celeriteCmS, 10);
    EXPECT_EQ(l.extremite, 1);
    EXPECT_NEAR(*l.capteur1Cm, 3, 1e-12);
    EXPECT_NEAR(*l.capteur2Cm, 8, 1e-12);
    EXPECT_TRUE(l.oscilloscope);
    EXPECT_DOUBLE_EQ(l.baseDeTempsS, 0.2);
    const std::string ecrite = sim::EcritLecon(l);
    const auto relue = sim::LitLecon(ecrite);
    ASSERT_TRUE(std::holds_alternative<sim::Lecon>(relue)) << ecrite;
    EXPECT_EQ(sim::EcritLecon(std::get<sim::Lecon>(relue)), ecrite);
    // A value between two steps of its scroll bar goes to the nearer one.
    const auto entre = sim::LitLecon(Remplace(Exemple, "2 Hz", "2.04 Hz"));
    EXPECT_NEAR(std::get<sim::Lecon>(entre).frequenceHz, 2.0, 1e-12);
    // The reference line is written only when shown, for the versions before it.
    EXPECT_FALSE(l.ligneDeReferenceCm.has_value());
    EXPECT_EQ(ecrite.find("ligne-de-reference"), std::string::npos);
    const auto reference = sim::LitLecon(Exemple + "ligne-de-reference = -1,234 cm\n");
    ASSERT_TRUE(std::holds_alternative<sim::Lecon>(reference));
    EXPECT_NEAR(*std::get<sim::Lecon>(reference).ligneDeReferenceCm, -1.23, 1e-12);
    EXPECT_NE(
        sim::EcritLecon(std::get<sim::Lecon>(reference)).find("\nligne-de-reference = -1.23 cm\n"),
        std::string::npos);
}

// Each fault, named with its line and its setting, and nothing read.
TEST(Lecon, EachFaultIsNamedWithItsLine) {
    using P = sim::ProblemeLecon;
    struct Cas {
        std::string texte;
        P probleme;
        int ligne;
        std::string cle;
    } cas[] = {
        {Remplace(Exemple, "2 Hz", "9 Hz"), P::HorsBornes, 7, "frequence"},
        {Remplace(Exemple, "2 Hz", "nan"), P::ValeurIllisible, 7, "frequence"},
        {Remplace(Exemple, "10 cm/s", "1e400"), P::ValeurIllisible, 11, "celerite"},
        {Remplace(Exemple, "= fixe", "= collee"), P::ValeurIllisible, 13, "extremite"},
        {Remplace(Exemple, "0.2 s/div", "0.3 s/div"), P::HorsBornes, 17, "base-de-temps"},
        {Remplace(Exemple, "etat = marche", "vitesse = 2"), P::CleInconnue, 18, "vitesse"},
        {Exemple + "frequence = 1\n", P::CleRepetee, 19, "frequence"},
        {Exemple + "ligne-de-reference = 3,5 cm\n", P::HorsBornes, 19, "ligne-de-reference"},
        {Remplace(Exemple, "capteur2 = 8\n", ""), P::LigneManquante, 0, "capteur2"},
        {Remplace(Exemple, "montee = 50 %", "montee 50"), P::LigneIllisible, 10, ""},
        {Remplace(Exemple, "lecon 1", "lecon 2"), P::VersionPlusRecente, 1, ""},
        {"Hz;cm\n1;2\n", P::PasUneLecon, 1, ""},
        {"", P::Vide, 0, ""},
        {" \n\n", P::Vide, 0, ""},
        {Remplace(Exemple, "Deux", "D\xE9ux"), P::PasDuTexte, 0, ""}, // Latin-1
        {std::string("\x89PNG\r\n\x1a\n\0\0", 10), P::PasDuTexte, 0, ""},
        {Exemple + "# " + std::string(70'000, 'x') + "\n", P::TropGrande, 0, ""},
    };
    for (const Cas& c : cas) {
        const auto lue = sim::LitLecon(c.texte);
        ASSERT_TRUE(std::holds_alternative<sim::ErreurLecon>(lue)) << c.cle << c.ligne;
        const auto& e = std::get<sim::ErreurLecon>(lue);
        EXPECT_EQ(e.probleme, c.probleme) << c.cle << " line " << c.ligne;
        EXPECT_EQ(e.ligne, c.ligne) << c.cle;
        EXPECT_EQ(e.cle, c.cle);
    }
}

// Mutations of valid lessons never crash nor hang, and what reads is whole: every value in
// its range, and written again it reads the same.
TEST(Lecon, MutatedLessonsReadWholeOrNotAtAll) {
    std::mt19937 hasard(20261209);
    const sim::Lecon exemple = std::get<sim::Lecon>(sim::LitLecon(Exemple));
    const std::string lignes[] = {"frequence = 1e308",
                                  "amplitude = -inf",
                                  "celerite = 0,0",
                                  "capteur1 = 14.0001",
                                  "montee = 9.5",
                                  "titre = \xC3\xA9t\xC3\xA9",
                                  std::string(5000, '9'),
                                  "=",
                                  "= = =",
                                  "capteur2 = arrete"};
    int lues = 0;
    constexpr int Essais = 200'000;
    for (int essai = 0; essai < Essais; ++essai) {
        std::string texte = essai % 2 ? Exemple : sim::EcritLecon(exemple);
        const int mutations = 1 + static_cast<int>(hasard() % 4);
        for (int m = 0; m < mutations && !texte.empty(); ++m) {
            const size_t ici = hasard() % texte.size();
            switch (hasard() % 6) {
            case 0:
                texte.resize(ici);
                break;
            case 1:
                texte[ici] = static_cast<char>(texte[ici] ^ (1 << (hasard() % 8)));
                break;
            case 2: { // a line repeated, or moved
                const size_t debut = texte.rfind('\n', ici), fin = texte.find('\n', ici);
                if (debut != std::string::npos && fin != std::string::npos)
                    texte.insert(hasard() % 2 ? 0 : texte.size(),
                                 texte.substr(debut, fin - debut + 1));
                break;
            }
            case 3:
                texte.insert(ici, "\n" + lignes[hasard() % std::size(lignes)] + "\n");
                break;
            case 4:
                texte.insert(ici, std::string(1 + hasard() % 3, static_cast<char>(hasard())));
                break;
            default:
                texte.erase(ici, 1 + hasard() % 20);
                break;
            }
        }
        const auto lue = sim::LitLecon(texte);
        if (!std::holds_alternative<sim::Lecon>(lue))
            continue;
        ++lues;
        const sim::Lecon& l = std::get<sim::Lecon>(lue);
        ASSERT_TRUE(l.frequenceHz >= 0.1 - 1e-9 && l.frequenceHz <= 4 + 1e-9) << texte;
        ASSERT_TRUE(l.celeriteCmS >= 0.1 - 1e-9 && l.celeriteCmS <= 20 + 1e-9) << texte;
        ASSERT_TRUE(l.montee >= 10 && l.montee <= 90) << texte;
        ASSERT_TRUE(!l.capteur1Cm || (*l.capteur1Cm >= 0 && *l.capteur1Cm <= 14 + 1e-9));
        const std::string ecrite = sim::EcritLecon(l);
        const auto relue = sim::LitLecon(ecrite);
        ASSERT_TRUE(std::holds_alternative<sim::Lecon>(relue)) << ecrite;
        ASSERT_EQ(sim::EcritLecon(std::get<sim::Lecon>(relue)), ecrite);
    }
    EXPECT_GT(lues, Essais / 50) << "the mutations leave some lessons readable";
    EXPECT_LT(lues, Essais) << "and spoil others";
}

} // namespace
