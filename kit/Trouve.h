// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <stdexcept>
#include <string>

namespace kit {

// A control of a window built from a layout, by its layout name: every name the code uses
// is in the layout, so a missing one is a mistake in the code, not a state to handle.
template <typename T> T* Trouve(const QWidget* fenetre, const char* nom) {
    auto* controle = fenetre->findChild<T*>(QString::fromUtf8(nom));
    if (controle == nullptr)
        throw std::logic_error(std::string("no control named ") + nom);
    return controle;
}

} // namespace kit
