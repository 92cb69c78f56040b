// SPDX-License-Identifier: GPL-3.0-or-later
#include "sim/FormatNombre.h"

#include "sim/Chiffres.h"

namespace sim {
namespace {

// Written in the C locale's form, never the process's, which is the whole point: a French desktop
// must still show " .5cm".
template <typename T> std::string Formate(T valeur, int chiffres) {
    std::string texte = EcritReel(valeur, std::chars_format::general, chiffres);
    if (texte.empty())
        texte = "0";

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
