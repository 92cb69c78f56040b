// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two windows as data. Containers are listed before their children; within a
// container, front to back.

#include "kit/Disposition.h"

#include <QtGlobal>

namespace fenetre {

extern const kit::Fenetre DispositionCorde;
extern const kit::Fenetre DispositionAccueil;
std::span<const kit::BarreParametre> BarresParametres();
std::span<const kit::EchelleSurface> EchellesSurfaces();

// The welcome window's description, word for word (the French source of its translations).
inline constexpr std::string_view TexteDescription = QT_TRANSLATE_NOOP(
    "Disposition",
    "VibraLIGNE anime un modèle de l'onde transversale dans un milieu à une dimension. "
    "L'onde peut être sinusoïdale ou solitaire.  Des \"capteur\" permettent de "
    "représenter l'évolution temporelle de l'état d'un ou deux points du milieu.");

} // namespace fenetre
