// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accueil.h"
#include "app/LigneDeCommande.h"
#include "fenetre/FenetreCorde.h"
#include "kit/Images.h"
#include "kit/Zoom.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("vibraLIGNE"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIBRA_VERSION));
    // The running window tells the desktop which entry it belongs to (X11's class is the
    // application's name; Wayland's application id is the entry's name).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vibraligne.VibraLIGNE"));
    const app::Commande commande = app::LitLigneDeCommande(argc, argv);
    if (commande.sortie)
        return *commande.sortie;

    QApplication application(argc, argv);
    kit::InstalleLangue(commande.langue);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(kit::Logo(32)));

    auto* accueil =
        new app::Accueil([] { return new fenetre::FenetreCorde(sim::HorlogeSysteme()); });
    kit::ZoomDe(accueil)->PlaceSurEcran();
    accueil->show();
    return QApplication::exec();
}
