// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/FormatNombre.h"

#include <charconv>
#include <system_error>

namespace sim {
namespace {

// std::to_chars never consults the locale, which is the whole point: a French desktop
// must still show " .5cm".
template <typename T> std::string Formate(T valeur, int chiffres) {
    char tampon[64];
    const auto [fin, erreur] =
        std::to_chars(tampon, tampon + sizeof tampon, valeur, std::chars_format::general, chiffres);
    std::string texte = erreur == std::errc{} ? std::string(tampon, fin) : std::string("0");

    const bool negatif = !texte.empty() && texte.front() == '-';
    std::string chiffresSeuls = negatif ? texte.substr(1) : texte;
    if (chiffresSeuls.size() > 1 && chiffresSeuls[0] == '0' && chiffresSeuls[1] == '.')
        chiffresSeuls.erase(0, 1);
    for (char& c : chiffresSeuls)
        if (c == 'e')
            c = 'E';
    return (negatif ? "-" : " ") + chiffresSeuls;
}

} // namespace

std::string FormatSimple(float valeur) {
    return Formate(valeur, 7);
}
std::string FormatDouble(double valeur) {
    return Formate(valeur, 15);
}

} // namespace sim
