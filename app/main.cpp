// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Accueil.h"
#include "app/Console.h"
#include "app/LigneDeCommande.h"
#include "fenetre/FenetreCorde.h"
#include "kit/AppuiLong.h"
#include "kit/Images.h"
#include "kit/Plateforme.h"
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
    if (!commande.verifie.isEmpty()) {
        // A teacher checking thirty files: no display, the answer and its exit code.
        QCoreApplication verification(argc, argv);
        kit::InstalleLangue(commande.langue);
        const auto lue = fenetre::LitFichierLecon(commande.verifie);
        if (const auto* raison = std::get_if<QString>(&lue)) {
            app::EcritConsole(stderr, QStringLiteral("vibraligne: ") + *raison + '\n');
            return 1;
        }
        app::EcritConsole(stdout,
                          QCoreApplication::translate("LigneDeCommande", "%1 : leçon valable.\n")
                              .arg(commande.verifie));
        return 0;
    }

    QApplication application(argc, argv);
    kit::PreparePlateforme();
    kit::ActiveAppuiLong();
    kit::InstalleLangue(commande.langue);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setWindowIcon(QIcon(kit::Logo(32)));

    // A lesson named on the command line opens in the main window; a bad one is said, and
    // the window stays as it opens.
    auto* accueil = new app::Accueil([lecon = commande.lecon] {
        auto* fenetre = new fenetre::FenetreCorde(sim::HorlogeSysteme());
        if (!lecon.isEmpty())
            app::OuvreLeconDemandee(fenetre, lecon);
        return fenetre;
    });
    kit::ZoomDe(accueil)->PlaceSurEcran();
    kit::MontreFenetre(accueil);
    return QApplication::exec();
}
