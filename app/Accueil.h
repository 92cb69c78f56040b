// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

namespace app {

// The borderless welcome window. Its start button, or a click on its banner, loads the
// main window, shows it and closes itself for good.
class Accueil : public QWidget {
    Q_OBJECT
public:
    using FabriqueFenetre = std::function<QWidget*()>;
    explicit Accueil(FabriqueFenetre fabrique, QWidget* parent = nullptr);

private:
    void Demarre();

    FabriqueFenetre fabrique_;
    bool demarre_ = false;
};

} // namespace app
