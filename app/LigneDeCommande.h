// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/Langue.h"

#include <QString>

#include <optional>

namespace fenetre {
class FenetreCorde;
}

namespace app {

struct Commande {
    kit::Langue langue = kit::Langue::Francais;
    std::optional<int> sortie; // set: the program is to exit with this code, having answered
    QString lecon;             // a lesson to open in the main window
    QString verifie;           // a lesson to check, without a window
};

// Reads the options before any window or display exists, so that --help and --version
// answer on a machine without one. Prints the help, the version or what is wrong.
// In a page, the page's address stands for it (?lang=, ?lecon=).
Commande LitLigneDeCommande(int argc, char** argv);

// The lesson the command named, opened in the window, or why not said once the window is
// shown. In a page, fetched from beside the page first.
void OuvreLeconDemandee(fenetre::FenetreCorde* fenetre, const QString& lecon);

} // namespace app
