// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/FormatNombre.h"
#include "sim/Parametres.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <locale>

namespace {

struct CasLibelle {
    const char* nom;
    std::string obtenu;
    const char* attendu;
};

std::vector<CasLibelle> Cas() {
    using namespace sim;
    return {
        {"amplitude .5", LibelleAmplitude(AmplitudeDepuisBarre(5)), " .5cm"},
        {"amplitude .7", LibelleAmplitude(AmplitudeDepuisBarre(7)), " .7cm"},
        {"amplitude 1.2", LibelleAmplitude(AmplitudeDepuisBarre(12)), " 1.2cm"},
        {"amplitude 3", LibelleAmplitude(AmplitudeDepuisBarre(30)), " 3cm"},
        {"amplitude 0", LibelleAmplitude(AmplitudeDepuisBarre(0)), " 0cm"},
        {"celerite 5", LibelleCelerite(CeleriteDepuisBarre(50)), " 5 cm/s"},
        {"celerite .1", LibelleCelerite(CeleriteDepuisBarre(1)), " .1 cm/s"},
        {"celerite 12.5", LibelleCelerite(CeleriteDepuisBarre(125)), " 12.5 cm/s"},
        {"celerite 20", LibelleCelerite(CeleriteDepuisBarre(200)), " 20 cm/s"},
        {"frequence 1", LibelleFrequence(FrequenceDepuisBarre(10)), " 1 Hz"},
        {"frequence .5", LibelleFrequence(FrequenceDepuisBarre(5)), " .5 Hz"},
        {"frequence 2.5", LibelleFrequence(FrequenceDepuisBarre(25)), " 2.5 Hz"},
        {"negative single", FormatSimple(-0.5f), "-.5"},
        {"negative double", FormatDouble(-12.25), "-12.25"},
        {"single keeps 7 digits", FormatSimple(1.0f / 3.0f), " .3333333"},
        {"double keeps 15 digits", FormatDouble(1.0 / 3.0), " .333333333333333"},
        {"tiny value", FormatDouble(0.00001), " 1E-05"},
    };
}

TEST(FormatNombre, LabelsMatchTheProgramsOwnFormat) {
    for (const auto& cas : Cas())
        EXPECT_EQ(cas.obtenu, cas.attendu) << cas.nom;
}

TEST(FormatNombre, IgnoresAFrenchLocale) {
    // A French locale must take (on Linux, the one the build compiles for the tests under
    // LOCPATH): without it, this would prove nothing.
#ifdef _WIN32
    // Windows has its French locale built in; its C++ library knows the C locale only.
    ASSERT_NE(std::setlocale(LC_ALL, "French_France.1252"), nullptr);
#else
    ASSERT_NE(std::setlocale(LC_ALL, "fr_FR.UTF-8"), nullptr)
        << "no French locale under LOCPATH="
        << (std::getenv("LOCPATH") ? std::getenv("LOCPATH") : "");
    std::locale::global(std::locale("fr_FR.UTF-8"));
#endif
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(sim::FormatDouble(2.5), " 2.5");
    EXPECT_EQ(sim::FormatSimple(0.7f), " .7");
    std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale::classic());
}

} // namespace
