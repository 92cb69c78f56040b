// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program as a class sees it, against the toolkit's floor in the same run.
//
// The program: the real main window with its real timer and clock, oscilloscope revealed,
// both sensors on. The floor: a bare window of the same size that, every 10 ms, repaints one
// band of a child the size of the string view from a retained image -- the least a Qt
// Widgets program can do to show a moving string. Each runs alone for a window of seconds,
// in turn, three times; the medians of their CPU shares give the ratio. Then the same at
// zoom 1.5, as in full screen on a 1920 x 1080 projector, against a floor scaled alike.
//
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/bench/bench_programme [seconds per window]
//   ... bench_programme SECONDS programme    the program alone, for a profiler
//   ... bench_programme SECONDS plancher     the floor alone

#include "fenetre/Construction.h"
#include "fenetre/FenetreCorde.h"
#include "kit/Controles.h"
#include "kit/Zoom.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

double SecondesCpu() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto secondes = [](timeval t) { return t.tv_sec + t.tv_usec / 1e6; };
    return secondes(usage.ru_utime) + secondes(usage.ru_stime);
}

long MemoireMaxMo() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A child that shows a retained image, repainting only what it is told changed.
class BandeRetenue : public QWidget {
public:
    BandeRetenue(QWidget* parent, QSize taille)
        : QWidget(parent), image_(taille, QImage::Format_RGB32) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(taille);
        image_.fill(Qt::white);
    }
    void Avance(int hauteurBande) {
        // A band that moves down the view, as the string's band does when it swings.
        y_ = (y_ + 1) % std::max(1, height() - hauteurBande);
        update(QRect(0, y_, width(), hauteurBande));
    }

protected:
    void paintEvent(QPaintEvent* evenement) override {
        QPainter p(this);
        p.drawImage(evenement->rect(), image_, evenement->rect());
    }

private:
    QImage image_;
    int y_ = 0;
};

// The floor: the window, the child where the string view is, the timer, one band a tick.
struct Plancher {
    QWidget fenetre;
    BandeRetenue* bande;
    QTimer timer;
    int hauteurBande;

    explicit Plancher(double zoom)
        : bande(new BandeRetenue(&fenetre, QSize(qRound(780 * zoom), qRound(331 * zoom)))),
          hauteurBande(qRound(60 * zoom)) {
        fenetre.resize(qRound(1280 * zoom), qRound(720 * zoom));
        bande->move(qRound(15 * zoom), qRound(45 * zoom));
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(10);
        QObject::connect(&timer, &QTimer::timeout, [this] { bande->Avance(hauteurBande); });
    }
    void Demarre() {
        fenetre.show();
        timer.start();
    }
    void Arrete() {
        timer.stop();
        fenetre.hide();
    }
};

// The CPU share (CPU seconds per second) of what runs during a window of seconds.
double PartCpu(double secondes) {
    QEventLoop boucle;
    // The first half second (first paints, fonts) is not what a lesson runs on.
    QTimer::singleShot(500, &boucle, &QEventLoop::quit);
    boucle.exec();
    const double debut = SecondesCpu();
    QElapsedTimer chrono;
    chrono.start();
    QTimer::singleShot(static_cast<int>(secondes * 1000), &boucle, &QEventLoop::quit);
    boucle.exec();
    return (SecondesCpu() - debut) / (chrono.nsecsElapsed() / 1e9);
}

double Mediane(std::vector<double> valeurs) {
    std::sort(valeurs.begin(), valeurs.end());
    return valeurs[valeurs.size() / 2];
}

struct Mesure {
    double programme, plancher, ticksParSeconde;
};

Mesure Compare(double zoom, double secondes) {
    fenetre::FenetreCorde fenetre(sim::HorlogeSysteme());
    fenetre.Timer1().stop();
    for (const char* nom : {"Label21", "ActiveCapteur1", "ActiveCapteur2"})
        emit kit::Trouve<kit::Etiquette>(&fenetre, nom)->clique();
    // Full screen without a window manager: the window at the screen's size takes its zoom.
    fenetre.resize(qRound(1280 * zoom), qRound(720 * zoom));
    Plancher plancher(zoom);
    long ticks = 0;
    QObject::connect(&fenetre.Timer1(), &QTimer::timeout, [&] { ++ticks; });

    std::vector<double> programme, reference;
    QElapsedTimer chrono;
    double dureeProgramme = 0;
    for (int tour = 0; tour < 3; ++tour) {
        plancher.Demarre();
        reference.push_back(PartCpu(secondes));
        plancher.Arrete();
        fenetre.show();
        fenetre.Timer1().start();
        const long avant = ticks;
        chrono.restart();
        programme.push_back(PartCpu(secondes));
        dureeProgramme += chrono.nsecsElapsed() / 1e9;
        ticks = avant + (ticks - avant);
        fenetre.Timer1().stop();
        fenetre.hide();
    }
    std::printf("zoom %.2f (window %dx%d): program %.3f, floor %.3f CPU s/s (medians of 3)\n",
                kit::ZoomDe(&fenetre)->Zoom(), fenetre.width(), fenetre.height(),
                Mediane(programme), Mediane(reference));
    return {Mediane(programme), Mediane(reference), ticks / dureeProgramme};
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const double secondes = argc > 1 ? std::atof(argv[1]) : 8.0;
    if (argc > 2) {
        const std::string seul = argv[2];
        if (seul == "plancher") {
            Plancher plancher(1.0);
            plancher.Demarre();
            std::printf("floor alone: %.3f CPU s/s\n", PartCpu(secondes));
            return 0;
        }
        fenetre::FenetreCorde fenetre(sim::HorlogeSysteme());
        for (const char* nom : {"Label21", "ActiveCapteur1", "ActiveCapteur2"})
            emit kit::Trouve<kit::Etiquette>(&fenetre, nom)->clique();
        fenetre.show();
        std::printf("program alone: %.3f CPU s/s\n", PartCpu(secondes));
        return 0;
    }

    const Mesure normal = Compare(1.0, secondes);
    const Mesure pleinEcran = Compare(1.5, secondes);
    std::printf("platform %s, %.1f s windows\n", qPrintable(QGuiApplication::platformName()),
                secondes);
    std::printf("ticks per second                 %6.1f   (target >= 97)\n",
                normal.ticksParSeconde);
    std::printf("program / floor at zoom 1        %6.2f   (target <= 1.25)\n",
                normal.programme / normal.plancher);
    std::printf("program / floor at zoom 1.5      %6.2f\n",
                pleinEcran.programme / pleinEcran.plancher);
    std::printf("full screen / window (program)   %6.2f   (target <= 2)\n",
                pleinEcran.programme / normal.programme);
    std::printf("peak resident memory             %6ld MB (target <= 100)\n", MemoireMaxMo());
    return 0;
}
