#include "app/Accueil.h"
#include "ui/FenetreCorde.h"
#include "ui/Images.h"
#include "ui/Zoom.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("vibraLIGNE"));
    QApplication::setWindowIcon(QIcon(ui::Logo(32)));

    auto* accueil = new app::Accueil([] { return new ui::FenetreCorde(sim::HorlogeSysteme()); });
    ui::ZoomDe(accueil)->PlaceSurEcran();
    accueil->show();
    return QApplication::exec();
}
