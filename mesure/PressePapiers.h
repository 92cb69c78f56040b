// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

#include <functional>

namespace mesure {

// The picture onto the clipboard. A desktop always takes it; a browser only where it allows
// a page to write a picture there, and `siRefuse` is called later when it does not.
void CopieDansLePressePapiers(const QImage& image, std::function<void()> siRefuse);

} // namespace mesure
