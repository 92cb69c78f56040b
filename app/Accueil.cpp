// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accueil.h"

#include "fenetre/Construction.h"
#include "fenetre/FenetreAide.h"
#include "fenetre/FenetreCorde.h"
#include "fenetre/Tables.h"
#include "kit/Controles.h"
#include "kit/Plateforme.h"
#include "kit/Zoom.h"

#include <QToolButton>

namespace app {

Accueil::Accueil(FabriqueFenetre fabrique, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), fabrique_(std::move(fabrique)) {
    setAttribute(Qt::WA_DeleteOnClose);
    fenetre::ConstruitFenetre(this, fenetre::DispositionAccueil);
    setAccessibleName(tr("Accueil de vibraLIGNE"));
    // The layout's caption, "Form1", was never meant to be read; a taskbar and Alt+Tab
    // show the title, so it is the program's name.
    setWindowTitle(QStringLiteral("vibraLIGNE"));
    fenetre::AjouteAide(this);
    connect(kit::Trouve<QToolButton>(this, "Command1"), &QToolButton::clicked, this,
            &Accueil::Demarre);
    auto* banniere = kit::Trouve<kit::Etiquette>(this, "Image1");
    connect(banniere, &kit::Etiquette::clique, this, &Accueil::Demarre);
    banniere->setAccessibleName(tr("Démarrer la simulation"));
    banniere->setAccessibleDescription(
        tr("Image d'une onde le long d'une corde, avec deux capteurs"));
    banniere->setFocusPolicy(Qt::TabFocus);
}

void Accueil::Demarre() {
    // A second click queued before the close is processed must not open a second window.
    if (demarre_)
        return;
    demarre_ = true;
    QWidget* principale = fabrique_(); // loads: its whole load sequence runs here
    principale->setAttribute(Qt::WA_DeleteOnClose);
    if (kit::ZoomFenetre* zoom = kit::ZoomDe(principale))
        zoom->PlaceSurEcran();
    kit::MontreFenetre(principale);
    close();
}

} // namespace app
