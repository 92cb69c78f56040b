// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure/PressePapiers.h"

#include <QClipboard>
#include <QGuiApplication>

namespace mesure {

void CopieDansLePressePapiers(const QImage& image, std::function<void()>) {
    QGuiApplication::clipboard()->setImage(image);
}

} // namespace mesure
