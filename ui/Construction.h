#pragma once

#include "ui/Disposition.h"

#include <QFont>
#include <QString>
#include <QWidget>

#include <stdexcept>

namespace ui {

// Calibri at the layout's 120 dpi (a point is 120/72 pixels), Carlito where it is missing.
QFont PoliceQt(const Police& police);

// Creates every control of the layout inside the window, named after the layout.
void ConstruitFenetre(QWidget* fenetre, const Fenetre& disposition);

template <typename T> T* Trouve(const QWidget* fenetre, const char* nom) {
    auto* controle = fenetre->findChild<T*>(QString::fromUtf8(nom));
    if (controle == nullptr)
        throw std::logic_error(std::string("no control named ") + nom);
    return controle;
}

} // namespace ui
