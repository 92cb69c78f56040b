#include "app/Accueil.h"
#include "ui/FenetreCorde.h"
#include "ui/Images.h"
#include "ui/Zoom.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // French is the program's language, whatever the system's.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("vibraLIGNE"));
    QApplication::setWindowIcon(QIcon(ui::Logo(32)));

    auto* accueil = new app::Accueil([] { return new ui::FenetreCorde(sim::HorlogeSysteme()); });
    ui::ZoomDe(accueil)->PlaceSurEcran();
    accueil->show();
    return QApplication::exec();
}
