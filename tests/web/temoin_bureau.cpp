// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program as a witness for the page's tests, on the offscreen platform:
//   temoin_bureau positions [LESSON]  every named control of both windows at zoom 1 (the
//                                  main window with the lesson open), as JSON
//                                  {"accueil": {name: [x, y, w, h]}, "corde": {...}}
//   temoin_bureau valeurs LESSON   for each time in seconds read on stdin, one line
//                                  "t y1 y2": what the desktop window's sensors record at
//                                  that time of the lesson (an empty field for a sensor off)
#include "app/Accueil.h"
#include "fenetre/FenetreCorde.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>
#include <iostream>

namespace {

QJsonObject Positions(QWidget* fenetre) {
    QJsonObject positions;
    for (QWidget* w : fenetre->findChildren<QWidget*>())
        if (!w->objectName().isEmpty()) {
            const QPoint p = w->mapTo(fenetre, QPoint());
            positions[w->objectName()] = QJsonArray{p.x(), p.y(), w->width(), w->height()};
        }
    return positions;
}

int Valeurs(const QString& lecon) {
    double secondes = 36000;
    fenetre::FenetreCorde corde([&secondes] { return secondes; });
    if (const QString raison = corde.OuvreLecon(lecon); !raison.isEmpty()) {
        std::cerr << raison.toStdString() << '\n';
        return 1;
    }
    const auto champ = [](const std::optional<double>& y) {
        return y ? QString::number(*y, 'g', 17).toStdString() : std::string();
    };
    double t = 0;
    while (std::cin >> t) {
        secondes = 36000 + t;
        corde.Timer1_Timer();
        const sim::Echantillon& e = corde.Traces().Releve().back();
        std::cout << QString::number(e.tempsS, 'g', 17).toStdString() << ' ' << champ(e.capteur1)
                  << ' ' << champ(e.capteur2) << '\n';
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.value(1) == QLatin1String("valeurs") && arguments.size() == 3)
        return Valeurs(arguments[2]);
    if (arguments.value(1) != QLatin1String("positions")) {
        std::cerr << "temoin_bureau positions [LESSON] | valeurs LESSON\n";
        return 2;
    }
    app::Accueil accueil([] { return new QWidget; });
    fenetre::FenetreCorde corde(sim::HorlogeSysteme());
    if (arguments.size() == 3)
        if (const QString raison = corde.OuvreLecon(arguments[2]); !raison.isEmpty()) {
            std::cerr << raison.toStdString() << '\n';
            return 1;
        }
    const QJsonObject tout{{"accueil", Positions(&accueil)}, {"corde", Positions(&corde)}};
    std::cout << QJsonDocument(tout).toJson(QJsonDocument::Compact).toStdString() << '\n';
    return 0;
}
