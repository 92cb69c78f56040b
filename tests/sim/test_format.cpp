// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Chiffres.h"
#include "sim/FormatNombre.h"
#include "sim/Parametres.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
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
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "a page's C library has the C locale only";
#endif
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
    // The C library's way too, which follows the locale unless held to the point.
    EXPECT_EQ(sim::EcritReelC(2.5, std::chars_format::fixed, 2), "2.50");
    double lu = 0;
    const char texte[] = "2.5";
    EXPECT_EQ(sim::LitReelC(texte, texte + 3, lu).ptr, texte + 3);
    EXPECT_EQ(lu, 2.5);
    std::setlocale(LC_ALL, "C");
    std::locale::global(std::locale::classic());
}

#if !defined(_LIBCPP_VERSION)
// The C library's way, which a page's build uses, reads and writes as the C++ library
// does: where it stops, what it refuses, and the value to the bit.
TEST(Chiffres, TheCLibrarysWayIsTheCppLibrarys) {
    const char* textes[] = {"1",     "-2.5",
                            ".5",    "5.",
                            "1e3",   "1E-3",
                            "1e",    "1e+",
                            "-",     "+1",
                            " 1",    "0x10",
                            "",      ".",
                            "inf",   "-Infinity",
                            "nan",   "nan(x1)",
                            "1e400", "1e-400",
                            "12a",   "0.1000000000000000055511151231257827",
                            "1,5",   "--1",
                            "e5"};
    for (const char* texte : textes) {
        const char* fin = texte + std::strlen(texte);
        double attendu = -7, obtenu = -7;
        const auto a = std::from_chars(texte, fin, attendu);
        const auto b = sim::LitReelC(texte, fin, obtenu);
        EXPECT_EQ(b.ptr - texte, a.ptr - texte) << texte;
        EXPECT_EQ(b.ec, a.ec) << texte;
        if (a.ec == std::errc{} && !std::isnan(attendu)) {
            EXPECT_EQ(obtenu, attendu) << texte;
        }
    }
    for (double x : {0.0, -0.0, 2.5, 0.1, 1.0 / 3, -1234.5678, 1e-7, 3.5e21, 0.7f * 1.0}) {
        for (int precision : {0, 1, 4, 7, 15}) {
            for (auto format : {std::chars_format::fixed, std::chars_format::general}) {
                char tampon[400];
                const auto r = std::to_chars(tampon, tampon + sizeof tampon, x, format, precision);
                EXPECT_EQ(sim::EcritReelC(x, format, precision), std::string(tampon, r.ptr))
                    << x << " " << precision;
            }
        }
    }
}
#endif

} // namespace
