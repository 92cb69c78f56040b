// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every colour of the program, named once with the value the layout gives it: the tables,
// the pictures drawn in code, the traces and the load of the window all take them from
// here, so a colour cannot drift in one place alone.

#include <QColor>

#include <cstdint>

namespace kit {

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

inline constexpr Rgb FondFenetre{255, 255, 255}; // the system's window background
inline constexpr Rgb TexteFenetre{0, 0, 0};      // the system's window text
inline constexpr Rgb Marine{0, 0, 64};
inline constexpr Rgb GrisClair{224, 224, 224};
inline constexpr Rgb GrisTexte{64, 64, 64};
inline constexpr Rgb GrisInvite{128, 128, 128};
inline constexpr Rgb Blanc{255, 255, 255};
inline constexpr Rgb Noir{0, 0, 0};

// The sensors. Each has a trace colour and the plain square of its check box; the layout
// gives sensor 2 an orange of its own for each of them, and for the square riding on the
// string, and a paler tint for each bar at load than in the tables.
inline constexpr Rgb TraceCapteur1{121, 123, 181};
inline constexpr Rgb TraceCapteur2{237, 127, 28};
inline constexpr Rgb CaseCapteur1 = TraceCapteur1;
inline constexpr Rgb CaseCapteur2{238, 126, 22};
inline constexpr Rgb TemoinCapteur1{128, 128, 255};
inline constexpr Rgb TemoinCapteur2{255, 128, 0};
inline constexpr Rgb BarreCapteur1{192, 192, 255};
inline constexpr Rgb BarreCapteur2{255, 224, 192};
inline constexpr Rgb BarreCapteur1Chargee{230, 230, 255};
inline constexpr Rgb BarreCapteur2Chargee{255, 240, 220};
// The traces kept on the oscilloscope: each sensor's own colour, faded towards the screen's
// white, so that the live traces stand out over them.
inline constexpr Rgb TraceGardee1{192, 193, 225};
inline constexpr Rgb TraceGardee2{246, 196, 152};

// The string's frozen shapes, one each: light, and apart from the string's grey and the
// sensors' blue and orange.
inline constexpr Rgb AspectsFiges[3] = {{120, 200, 120}, {215, 140, 215}, {110, 185, 215}};

constexpr QColor Couleur(Rgb rgb) {
    return {rgb.r, rgb.g, rgb.b};
}

} // namespace kit
