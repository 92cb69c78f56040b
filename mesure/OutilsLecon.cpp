// SPDX-License-Identifier: GPL-3.0-or-later
#include "mesure/OutilsLecon.h"

#include "kit/MenuContextuel.h"
#include "mesure/Classeur.h"
#include "mesure/Fichiers.h"
#include "mesure/PressePapiers.h"
#include "sim/Excitation.h"
#include "sim/ModeleOnde.h"
#include "sim/Releve.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>

#include <cmath>
#include <utility>

namespace mesure {
namespace {

// How near a frozen shape the pointer reads it, in cm: about a line's width and a hand's.
constexpr double ProcheDUnAspect = 0.1;

sim::FormatCsv FormatDeLaLangue() {
    return QLocale().decimalPoint() == QLatin1String(",") ? sim::CsvFrancais : sim::CsvAnglais;
}

int DernierPointDessine(const sim::EtatSimulation& etat) {
    return etat.Extremite == sim::SansFin ? sim::DernierPointCalcule : sim::PointExtremite;
}

// As the oscilloscope's screen: ten divisions of the sweep, the view's 7 cm of height.
Axe AxeOrdonnees() {
    return {QObject::tr("y (cm)"), -sim::OrdonneeRepos, sim::OrdonneeRepos, 1};
}

Format FormatCsv(std::string texte) {
    return {QObject::tr("Fichiers CSV (*.csv)"), QStringLiteral("csv"),
            [texte = std::move(texte)](QString&) { return QByteArray::fromStdString(texte); }};
}

Format FormatXlsx(Tableau tableau) {
    return {QObject::tr("Classeurs Excel (*.xlsx)"), QStringLiteral("xlsx"),
            [tableau = std::move(tableau)](QString& raison) {
                return Classeur(tableau, raison).value_or(QByteArray());
            }};
}

} // namespace

OutilsLecon::OutilsLecon(QWidget* fenetre, kit::SurfaceDessin& animation,
                         kit::SurfaceDessin& oscillo, const sim::EtatSimulation& etat,
                         const scope::Traces& traces, const view::Capteurs& capteurs)
    : QObject(fenetre), fenetre_(fenetre), animation_(animation), oscillo_(oscillo), etat_(etat),
      traces_(traces), capteurs_(capteurs), confirmation_(NouvelleConfirmation(fenetre)) {
    corde_ = std::make_unique<Mesureur>(
        animation,
        [this](QPointF u) {
            QString texte = tr("x = %1 cm").arg(Nombre(u.x()));
            const int32_t i = sim::PointLePlusProche(u.x());
            if (i >= 0 && i <= DernierPointDessine(etat_))
                texte += tr(" ; y = %1 cm").arg(Nombre(etat_.Elongation[static_cast<size_t>(i)]));
            // On a frozen shape, its own y, which the live string no longer has.
            const double y = sim::OrdonneeRepos - u.y();
            for (const auto& aspect : Aspects()) {
                if (i >= 0 && static_cast<size_t>(i) < aspect.elongations.size() &&
                    std::abs(aspect.elongations[static_cast<size_t>(i)] - y) < ProcheDUnAspect)
                    texte += tr(" ; à t = %1 s : y = %2 cm")
                                 .arg(Nombre(aspect.secondes),
                                      Nombre(aspect.elongations[static_cast<size_t>(i)]));
            }
            return texte;
        },
        [](QPointF a, QPointF b) {
            return tr("Δx = %1 cm (horizontal)\nΔy = %2 cm (vertical)")
                .arg(Nombre(b.x() - a.x()), Nombre(a.y() - b.y()));
        });
    // Ten divisions hold one sweep; up the screen is a positive displacement.
    const auto secondes = [this](double divisions) { return divisions * etat_.DureeBalayage / 10; };
    ecran_ = std::make_unique<Mesureur>(
        oscillo,
        [secondes](QPointF u) {
            return tr("t = %1 s ; y = %2 cm")
                .arg(Nombre(secondes(u.x())), Nombre(sim::OrdonneeRepos - u.y()));
        },
        [secondes](QPointF a, QPointF b) {
            const double dt = secondes(b.x() - a.x());
            const QString frequence =
                std::abs(dt) >= 0.005 ? tr("%1 Hz").arg(Nombre(1 / dt)) : QStringLiteral("—");
            return tr("Δt = %1 s (horizontal)\nΔy = %2 cm (vertical)\n1/Δt = %3")
                .arg(Nombre(dt), Nombre(a.y() - b.y()), frequence);
        });

    demandeChemin = [this](const QString& titre, const QString& chemin, const QStringList& filtres,
                           const QString& filtre, SuiteEnregistrement suite) {
        DemandeEnregistrement(fenetre_, titre, chemin, filtres, filtre, std::move(suite));
    };
    signaleErreur = [this](const QString& message) {
        Avertit(fenetre_, tr("Enregistrement impossible"), message);
    };

    finConfirmation_.setSingleShot(true);
    finConfirmation_.setInterval(4000);
    connect(&finConfirmation_, &QTimer::timeout, this, [this] { confirmation_->hide(); });

    const auto action = [this](const QString& texte, QKeySequence touches, auto quoi) {
        auto* a = new QAction(texte, fenetre_);
        a->setShortcut(touches);
        connect(a, &QAction::triggered, this, quoi);
        fenetre_->addAction(a);
        for (kit::SurfaceDessin* s : {&animation_, &oscillo_})
            s->addAction(a);
        return a;
    };
    action(tr("Enregistrer les mesures…"), QKeySequence(Qt::CTRL | Qt::Key_S),
           [this] { Propose(Mesures()); });
    action(tr("Enregistrer le profil de la corde…"), {}, [this] { Propose(Profil()); });
    action(tr("Copier l'image"), QKeySequence(Qt::CTRL | Qt::Key_C), [this] { CopieImage(); });
    action(tr("Enregistrer l'image…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
           [this] { Propose(Image()); });
    for (kit::SurfaceDessin* s : {&animation_, &oscillo_}) {
        kit::MetUnMenu(s);
        s->setToolTip(tr("Survoler : lire les valeurs · Glisser : mesurer · Clic droit : "
                         "enregistrer, copier"));
    }
}

namespace {

// What a run of the traces was made with.
Reglages ReglagesDesTraces(const sim::EtatSimulation& etat,
                           const std::array<std::optional<double>, 3>& capteursCm) {
    const QString extremites[] = {OutilsLecon::tr("sans fin"), OutilsLecon::tr("fixe"),
                                  OutilsLecon::tr("libre")};
    Reglages reglages = {
        {OutilsLecon::tr("Fréquence (Hz)"), etat.Frequence},
        {OutilsLecon::tr("Amplitude (cm)"), double{etat.AmplitudeCm}},
        {OutilsLecon::tr("Déformation (%)"), std::round(double{etat.CoefDeformation} * 100)},
        {OutilsLecon::tr("Célérité (cm/s)"), etat.Celerite},
        {OutilsLecon::tr("Amortissement (pour 10 cm)"), double{etat.CoefAmortissement}},
        {OutilsLecon::tr("Extrémité de la corde"),
         extremites[std::clamp<int>(etat.Extremite, 0, 2)]},
        {OutilsLecon::tr("Base de temps (s/div)"), etat.DureeBalayage / 10},
    };
    for (int n : {1, 2}) {
        const QString nom = OutilsLecon::tr("Capteur %1 (cm)").arg(n);
        if (const auto& position = capteursCm[static_cast<size_t>(n)])
            reglages.emplace_back(nom, *position);
        else
            reglages.emplace_back(nom, OutilsLecon::tr("arrêté"));
    }
    return reglages;
}

// t, y1 and y2 under their headers, the sensors' curves in their colours.
std::vector<Colonne> ColonnesMesures(std::span<const sim::Echantillon> echantillons,
                                     const std::array<QString, 3>& entetes,
                                     const kit::Rgb (&couleurs)[2]) {
    Colonne t{entetes[0], {}, 3, {}};
    Colonne y1{entetes[1], {}, 4, couleurs[0]};
    Colonne y2{entetes[2], {}, 4, couleurs[1]};
    for (const sim::Echantillon& e : echantillons) {
        t.valeurs.emplace_back(e.tempsS);
        y1.valeurs.push_back(e.capteur1);
        y2.valeurs.push_back(e.capteur2);
    }
    return {std::move(t), std::move(y1), std::move(y2)};
}

} // namespace

Demande OutilsLecon::Mesures() const {
    Demande demande{
        tr("Enregistrer les mesures…"), tr("mesures"), QStandardPaths::DocumentsLocation, {}, {}};
    const std::vector<sim::Echantillon>& releve = traces_.Releve();
    const std::optional<scope::TracesGardees>& gardees = traces_.Gardees();
    if (releve.empty() && !gardees) {
        demande.refus = tr("aucun capteur n'était en marche depuis que l'écran a été effacé : "
                           "il n'y a pas de mesures à enregistrer");
        return demande;
    }
    Tableau tableau;
    tableau.feuille = tr("Mesures");
    tableau.titre = tr("Élongations aux capteurs");
    tableau.colonnes = ColonnesMesures(releve, {tr("t (s)"), tr("y1 (cm)"), tr("y2 (cm)")},
                                       {kit::TraceCapteur1, kit::TraceCapteur2});
    tableau.x = {tr("t (s)"), 0, etat_.DureeBalayage, etat_.DureeBalayage / 10};
    tableau.y = AxeOrdonnees();
    const std::array<QString, 3> entetesGardees{tr("t gardé (s)"), tr("y1 gardé (cm)"),
                                                tr("y2 gardé (cm)")};
    sim::MesuresGardees csvGardees;
    if (gardees) {
        tableau.annexes.push_back({tr("Traces gardées"),
                                   ColonnesMesures(gardees->echantillons, entetesGardees,
                                                   {kit::TraceGardee1, kit::TraceGardee2}),
                                   ReglagesDesTraces(gardees->etat, gardees->capteursCm)});
        csvGardees.echantillons = gardees->echantillons;
        for (size_t c = 0; c < entetesGardees.size(); ++c)
            csvGardees.entetes[c] = entetesGardees[c].toStdString();
    }
    tableau.feuilleReglages = tr("Réglages");
    tableau.reglages = ReglagesDesTraces(etat_, traces_.PositionsCapteurs());
    demande.formats = {FormatXlsx(std::move(tableau)),
                       FormatCsv(sim::CsvMesures(releve, FormatDeLaLangue(), csvGardees))};
    return demande;
}

const std::vector<view::VueCorde::AspectFige>& OutilsLecon::Aspects() const {
    static const std::vector<view::VueCorde::AspectFige> aucun;
    return vue_ ? vue_->Aspects() : aucun;
}

Demande OutilsLecon::Profil() const {
    Demande demande{tr("Enregistrer le profil de la corde…"),
                    tr("profil-corde"),
                    QStandardPaths::DocumentsLocation,
                    {},
                    {}};
    const std::span<const double> points(etat_.Elongation.data(),
                                         static_cast<size_t>(DernierPointDessine(etat_)) + 1);
    Tableau tableau;
    tableau.feuille = tr("Profil");
    tableau.titre = tr("Profil de la corde à t = %1 s").arg(Nombre(etat_.TempsMs / 1000.0, 3));
    Colonne x{tr("x (cm)"), {}, 4, {}};
    Colonne y{tr("y (cm)"), {}, 4, kit::TraceCapteur1};
    for (size_t i = 0; i < points.size(); ++i) {
        x.valeurs.emplace_back(static_cast<double>(i) / sim::PointsParCm);
        y.valeurs.emplace_back(points[i]);
    }
    tableau.colonnes = {std::move(x), std::move(y)};
    std::vector<sim::ProfilFige> figes;
    size_t lignes = points.size();
    for (const auto& aspect : Aspects()) {
        const QString entete = tr("y à t = %1 s (cm)").arg(Nombre(aspect.secondes, 3));
        Colonne colonne{entete, {}, 4, aspect.couleur};
        colonne.valeurs.assign(aspect.elongations.begin(), aspect.elongations.end());
        tableau.colonnes.push_back(std::move(colonne));
        figes.push_back({entete.toStdString(), aspect.elongations});
        lignes = std::max(lignes, aspect.elongations.size());
    }
    for (size_t i = points.size(); i < lignes; ++i) // the abscissas of the longest
        tableau.colonnes[0].valeurs.emplace_back(static_cast<double>(i) / sim::PointsParCm);
    tableau.x = {tr("x (cm)"), 0, std::ceil(static_cast<double>(lignes - 1) / sim::PointsParCm), 1};
    tableau.y = AxeOrdonnees();
    tableau.feuilleReglages = tr("Réglages");
    tableau.reglages = {{tr("Temps (s)"), etat_.TempsMs / 1000.0},
                        {tr("Célérité (cm/s)"), etat_.Celerite},
                        {tr("Fréquence (Hz)"), etat_.Frequence}};
    demande.formats = {FormatXlsx(std::move(tableau)),
                       FormatCsv(sim::CsvProfil(points, FormatDeLaLangue(), figes))};
    return demande;
}

Demande OutilsLecon::Image() const {
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    PhotoFenetre().save(&tampon, "PNG");
    return {tr("Enregistrer l'image…"),
            tr("vibraligne"),
            QStandardPaths::PicturesLocation,
            {{tr("Images PNG (*.png)"), QStringLiteral("png"), [png](QString&) { return png; }}},
            {}};
}

QImage OutilsLecon::PhotoFenetre() const {
    const bool confirmation = confirmation_->isVisible();
    confirmation_->hide();
    corde_->MasqueLecture(true);
    ecran_->MasqueLecture(true);
    const QImage photo = fenetre_->grab().toImage();
    corde_->MasqueLecture(false);
    ecran_->MasqueLecture(false);
    confirmation_->setVisible(confirmation);
    return photo;
}

QString OutilsLecon::DossierDeDepart(QStandardPaths::StandardLocation lieu) const {
    if (!dernierDossier_.isEmpty() && QFileInfo(dernierDossier_).isDir())
        return dernierDossier_;
    // Qt names the Documents folder even where there is none.
    const QString dossier = QStandardPaths::writableLocation(lieu);
    return QFileInfo(dossier).isDir() ? dossier : QDir::homePath();
}

void OutilsLecon::Propose(const Demande& demande) {
    if (!demande.refus.isEmpty()) {
        signaleErreur(tr("Rien à enregistrer : %1.").arg(demande.refus));
        return;
    }
    QStringList filtres;
    for (const Format& f : demande.formats)
        filtres << f.filtre;
    const QString propose = DossierDeDepart(demande.dossier) + '/' + demande.nomPropose + '.' +
                            demande.formats.front().extension;
    // The request, with what it froze, waits for the answer as long as the person takes.
    demandeChemin(demande.titre, propose, filtres, filtres.constFirst(),
                  [this, demande, filtres](const QString& chemin, const QString& filtre) {
                      if (chemin.isEmpty())
                          return;
                      dernierDossier_ = QFileInfo(chemin).absolutePath();
                      const auto format =
                          static_cast<size_t>(std::max<qsizetype>(0, filtres.indexOf(filtre)));
                      if (const QString raison = Enregistre(demande, chemin, format);
                          !raison.isEmpty())
                          signaleErreur(tr("Impossible d'enregistrer « %1 » : %2.")
                                            .arg(QFileInfo(chemin).fileName(), raison));
                  });
}

QString OutilsLecon::Enregistre(const Demande& demande, const QString& chemin, size_t format) {
    if (!demande.refus.isEmpty())
        return demande.refus;
    QString cible = chemin;
    const QString extension = QFileInfo(chemin).suffix().toLower();
    const auto nomme = std::find_if(demande.formats.begin(), demande.formats.end(),
                                    [&](const Format& f) { return f.extension == extension; });
    if (nomme != demande.formats.end())
        format = static_cast<size_t>(nomme - demande.formats.begin());
    else if (!QFileInfo(chemin).fileName().isEmpty())
        cible += '.' + demande.formats.at(format).extension;
    QString raison;
    const QByteArray contenu = demande.formats.at(format).contenu(raison);
    if (!raison.isEmpty())
        return raison;
    raison = EcritFichier(cible, contenu);
    if (raison.isEmpty())
        Confirme(cible);
    return raison;
}

QLabel* OutilsLecon::NouvelleConfirmation(QWidget* fenetre) {
    auto* confirmation = new QLabel(fenetre);
    confirmation->hide();
    confirmation->setObjectName(QStringLiteral("Confirmation"));
    confirmation->setStyleSheet(
        QStringLiteral("background: rgba(255, 255, 255, 235); color: rgb(60, 60, 60); "
                       "border: 1px solid rgb(160, 160, 200); padding: 2px 6px;"));
    confirmation->setFocusPolicy(Qt::NoFocus);
    return confirmation;
}

void OutilsLecon::Confirme(const QString& chemin) {
    // A screen reader speaks a notification as it comes to show, by the name it keeps of the
    // object: each word is a new one, so that a save soon after another is heard, and heard
    // with its own name.
    delete std::exchange(confirmation_, NouvelleConfirmation(fenetre_));
    const QString texte = tr("Enregistré : %1").arg(QFileInfo(chemin).fileName());
    confirmation_->setFont(animation_.font());
    confirmation_->setText(texte);
    confirmation_->setAccessibleName(texte);
    confirmation_->setToolTip(QDir::toNativeSeparators(chemin));
    confirmation_->adjustSize();
    const int marge = static_cast<int>(std::lround(8 * animation_.echelle().zoom));
    confirmation_->move(animation_.mapTo(
        fenetre_, QPoint(marge, animation_.height() - marge - confirmation_->height())));
    confirmation_->show();
    confirmation_->raise();
    finConfirmation_.start();
}

void OutilsLecon::CopieImage() const {
    CopieDansLePressePapiers(PhotoFenetre(), [fenetre = QPointer<QWidget>(fenetre_)] {
        if (fenetre)
            Avertit(fenetre, tr("Copie impossible"),
                    tr("Ce navigateur ne laisse pas la page copier l'image. Enregistrez-la "
                       "plutôt (Ctrl+Maj+S), puis insérez le fichier."));
    });
}

} // namespace mesure
