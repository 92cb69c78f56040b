// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/Chiffres.h"

#include <cctype>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace sim {

namespace {

// How far from_chars would read a decimal number: [-]digits[.digits][(e|E)[+|-]digits],
// with at least one digit before the exponent; no blank, no '+', no hexadecimal.
const char* FinDuNombre(const char* p, const char* fin) {
    const auto chiffres = [&](const char* q) {
        while (q < fin && std::isdigit(static_cast<unsigned char>(*q)))
            ++q;
        return q;
    };
    if (p < fin && *p == '-')
        ++p;
    const char* entiers = chiffres(p);
    const char* q = entiers;
    bool unChiffre = entiers > p;
    if (q < fin && *q == '.') {
        const char* decimales = chiffres(q + 1);
        unChiffre = unChiffre || decimales > q + 1;
        q = decimales;
    }
    if (!unChiffre)
        return nullptr;
    if (q < fin && (*q == 'e' || *q == 'E')) {
        const char* e = q + 1;
        if (e < fin && (*e == '+' || *e == '-'))
            ++e;
        if (const char* exposant = chiffres(e); exposant > e)
            q = exposant;
    }
    return q;
}

// "inf", "infinity", "nan" and "nan(...)", any case, as from_chars reads them.
const char* FinDuNonFini(const char* p, const char* fin) {
    if (p < fin && *p == '-')
        ++p;
    const auto mot = [&](const char* q, const char* m) {
        const size_t n = std::strlen(m);
        return static_cast<size_t>(fin - q) >= n && strncasecmp(q, m, n) == 0 ? q + n : nullptr;
    };
    if (const char* q = mot(p, "infinity"))
        return q;
    if (const char* q = mot(p, "inf"))
        return q;
    if (const char* q = mot(p, "nan")) {
        if (q < fin && *q == '(') {
            const char* r = q + 1;
            while (r < fin && (std::isalnum(static_cast<unsigned char>(*r)) || *r == '_'))
                ++r;
            if (r < fin && *r == ')')
                return r + 1;
        }
        return q;
    }
    return nullptr;
}

} // namespace

std::string EcritReelC(double valeur, std::chars_format format, int precision) {
    char tampon[400];
    const char* gabarit = format == std::chars_format::fixed ? "%.*f" : "%.*g";
    const int n = std::snprintf(tampon, sizeof tampon, gabarit, precision, valeur);
    if (n < 0 || static_cast<size_t>(n) >= sizeof tampon)
        return {};
    std::string texte(tampon, static_cast<size_t>(n));
    // The C library's point is the locale's; the text's is always '.'.
    const char point = *std::localeconv()->decimal_point;
    for (char& c : texte)
        if (c == point)
            c = '.';
    return texte;
}

std::from_chars_result LitReelC(const char* debut, const char* fin, double& valeur) {
    const char* bout = FinDuNombre(debut, fin);
    if (!bout)
        bout = FinDuNonFini(debut, fin);
    if (!bout)
        return {debut, std::errc::invalid_argument};
    std::string texte(debut, bout);
    // Read in the locale's form, as the C library reads.
    const char point = *std::localeconv()->decimal_point;
    for (char& c : texte)
        if (c == '.')
            c = point;
    errno = 0;
    const double lu = std::strtod(texte.c_str(), nullptr);
    if (errno == ERANGE)
        return {bout, std::errc::result_out_of_range};
    valeur = lu;
    return {bout, std::errc{}};
}

std::string EcritReel(double valeur, std::chars_format format, int precision) {
#if defined(_LIBCPP_VERSION)
    return EcritReelC(valeur, format, precision);
#else
    char tampon[400];
    const auto [fin, erreur] =
        std::to_chars(tampon, tampon + sizeof tampon, valeur, format, precision);
    return erreur == std::errc{} ? std::string(tampon, fin) : std::string();
#endif
}

std::from_chars_result LitReel(const char* debut, const char* fin, double& valeur) {
#if defined(_LIBCPP_VERSION)
    return LitReelC(debut, fin, valeur);
#else
    return std::from_chars(debut, fin, valeur);
#endif
}

} // namespace sim
