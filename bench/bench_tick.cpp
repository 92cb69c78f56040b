// SPDX-License-Identifier: GPL-3.0-or-later
// The tick and its parts, at device pixel ratio 1 and 2 in the same run, so that every
// speed-up reads as a ratio against the naive frame measured beside it.
//
//   build/bench/bench_tick --benchmark_min_time=0.5

#include "fenetre/Construction.h"
#include "fenetre/FenetreCorde.h"
#include "kit/Zoom.h"
#include "sim/Horloge.h"
#include "sim/Main.h"
#include "sim/ModeleOnde.h"
#include "sim/Parametres.h"

#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QTemporaryFile>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

sim::EtatSimulation EtatCharge() {
    sim::EtatSimulation etat;
    etat.BaseDeTemps = 500;
    sim::LitParametres(etat, sim::PositionsBarres{});
    return etat;
}

void BM_ModelePeriodique(benchmark::State& state) {
    auto etat = EtatCharge();
    for (auto _ : state) {
        etat.TempsMs += 10;
        sim::CalculePeriodique(etat);
        benchmark::DoNotOptimize(etat.Elongation.data());
    }
}
BENCHMARK(BM_ModelePeriodique);

void BM_ModeleSolitaire(benchmark::State& state) {
    auto etat = EtatCharge();
    etat.FormeSoliton = 2;
    etat.DebutSoliton = 0.25;
    for (auto _ : state) {
        etat.TempsMs = (etat.TempsMs + 10) % 4000;
        sim::CalculeSolitaire(etat);
        benchmark::DoNotOptimize(etat.Elongation.data());
    }
}
BENCHMARK(BM_ModeleSolitaire);

// The model with an end at its worst: no damping, so every round trip allowed is counted,
// at the lowest wave speed allowed to have made them all (a day into the lesson). The
// argument is 1 for the periodic mode, 0 for a pulse in flight (the widest).
void BM_ModeleAvecExtremite(benchmark::State& state) {
    auto etat = EtatCharge();
    const bool periodique = state.range(0) == 1;
    etat.Extremite = sim::ExtremiteFixe;
    etat.Celerite = 0.1;
    etat.FormeSoliton = 3;
    etat.TempsMs = 86'400'000;
    for (auto _ : state) {
        etat.TempsMs += 10;
        etat.DebutSoliton = etat.TempsMs / 1000.0 - 100;
        sim::CalculeModele(etat, periodique);
        benchmark::DoNotOptimize(etat.Elongation.data());
    }
}
BENCHMARK(BM_ModeleAvecExtremite)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The vibrator moved by hand at the same worst case: an hour of motion in the history, each
// tick a note and the string read back at every retarded time of every round trip.
void BM_ModeleALaMain(benchmark::State& state) {
    auto etat = EtatCharge();
    sim::HistoriqueVibreur main;
    etat.Main = &main;
    etat.Extremite = sim::ExtremiteFixe;
    etat.Celerite = 0.1;
    etat.FormeSoliton = sim::FormeMain;
    etat.TempsMs = 86'400'000;
    for (int tick = 0; tick < 360'000; ++tick) {
        etat.TempsMs += 10;
        main.Note(etat.TempsMs / 1000.0, std::sin(etat.TempsMs / 300.0));
    }
    for (auto _ : state) {
        etat.TempsMs += 10;
        main.Note(etat.TempsMs / 1000.0, std::sin(etat.TempsMs / 300.0));
        sim::CalculeModele(etat, false);
        benchmark::DoNotOptimize(etat.Elongation.data());
    }
}
BENCHMARK(BM_ModeleALaMain)->Unit(benchmark::kMicrosecond);

// One main window per ratio, each on a screen of that ratio, revealed oscilloscope and
// both sensors on, as in class.
struct Banc {
    double secondes = 36000;
    std::unique_ptr<fenetre::FenetreCorde> fenetre;

    explicit Banc(QScreen* ecran) {
        fenetre = std::make_unique<fenetre::FenetreCorde>([this] { return secondes; });
        fenetre->Timer1().stop(); // ticks are driven by the benchmark loop
        fenetre->setScreen(ecran);
        fenetre->move(ecran->geometry().topLeft());
        fenetre->show();
        for (const char* nom : {"Label21", "ActiveCapteur1", "ActiveCapteur2"})
            QMetaObject::invokeMethod(kit::Trouve<QObject>(fenetre.get(), nom), "clique");
        // Nothing is painted before the platform says the window is exposed.
        for (int essai = 0; essai < 200 && !fenetre->windowHandle()->isExposed(); ++essai)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    void Avance() { secondes += 0.01; }
};

std::vector<std::unique_ptr<Banc>>& Bancs() {
    static std::vector<std::unique_ptr<Banc>> bancs;
    return bancs;
}

Banc& BancDuRatio(benchmark::State& state) {
    for (auto& banc : Bancs())
        if (banc->fenetre->devicePixelRatioF() == static_cast<qreal>(state.range(0)))
            return *banc;
    throw std::runtime_error("no screen of that ratio");
}

// Counts the paint events a surface receives, to show the repaint really happens.
struct CompteurPeintures : QObject {
    int peintures = 0;
    bool eventFilter(QObject*, QEvent* evenement) override {
        peintures += evenement->type() == QEvent::Paint;
        return false;
    }
};

void BM_AfficheCorde(benchmark::State& state) {
    Banc& banc = BancDuRatio(state);
    for (auto _ : state) {
        banc.fenetre->Vue().AfficheCorde();
    }
}
BENCHMARK(BM_AfficheCorde)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_AfficheCordeNaive(benchmark::State& state) {
    Banc& banc = BancDuRatio(state);
    for (auto _ : state) {
        banc.fenetre->Vue().AfficheCordeSansCache();
    }
}
BENCHMARK(BM_AfficheCordeNaive)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BM_CapteursEtTraces(benchmark::State& state) {
    Banc& banc = BancDuRatio(state);
    auto& fenetre = *banc.fenetre;
    for (auto _ : state) {
        banc.Avance();
        const_cast<sim::EtatSimulation&>(fenetre.Etat()).TempsMs += 10;
        for (int16_t n : {int16_t{1}, int16_t{2}}) {
            fenetre.Traces().TraceCapteur(n);
            fenetre.AfficheCapteur(n);
        }
    }
}
BENCHMARK(BM_CapteursEtTraces)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void MesureTick(benchmark::State& state, Banc& banc) {
    banc.fenetre->Timer1().start(1'000'000); // enabled, so the clock steps; never fires here
    CompteurPeintures compteur;
    kit::Trouve<QWidget>(banc.fenetre.get(), "Oscillo")->installEventFilter(&compteur);
    for (auto _ : state) {
        banc.Avance();
        banc.fenetre->Timer1_Timer();
        // The repaint of what changed, into the window's backing store: what the platform's
        // next update request would do, without waiting for it.
        QEvent miseAJour(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(banc.fenetre.get(), &miseAJour);
    }
    banc.fenetre->Timer1().stop();
    state.counters["repaints/tick"] =
        benchmark::Counter(compteur.peintures, benchmark::Counter::kAvgIterations);
}

void BM_TickComplet(benchmark::State& state) {
    MesureTick(state, BancDuRatio(state));
}
BENCHMARK(BM_TickComplet)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The same tick at ratio 1, the window zoomed as on a 1080p (1.5) or a 4K (3) projector;
// the argument is the zoom in hundredths.
void BM_TickCompletZoom(benchmark::State& state) {
    Banc& banc = *Bancs().front();
    kit::ZoomFenetre& zoom = *kit::ZoomDe(banc.fenetre.get());
    zoom.ChoisitZoomNormal(state.range(0) / 100.0);
    QCoreApplication::processEvents();
    MesureTick(state, banc);
    zoom.ChoisitZoomNormal(1);
}
BENCHMARK(BM_TickCompletZoom)->Arg(150)->Arg(300)->Unit(benchmark::kMicrosecond);

// Two screens side by side, of ratio 1 and 2.
QString ConfigurationDeuxEcrans() {
    static QTemporaryFile fichier;
    fichier.open();
    fichier.write(R"({"screens": [
        {"name": "simple", "x": 0, "y": 0, "width": 1600, "height": 900, "logicalDpi": 96, "dpr": 1},
        {"name": "double", "x": 1600, "y": 0, "width": 1600, "height": 900, "logicalDpi": 96, "dpr": 2}
    ]})");
    fichier.flush();
    return fichier.fileName();
}

} // namespace

int main(int argc, char** argv) {
    const QString plateforme = "offscreen:configfile=" + ConfigurationDeuxEcrans();
    qputenv("QT_QPA_PLATFORM", plateforme.toUtf8());
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    for (QScreen* ecran : QGuiApplication::screens())
        Bancs().push_back(std::make_unique<Banc>(ecran));

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Bancs().clear();
    return 0;
}
