// SPDX-License-Identifier: GPL-3.0-or-later
// Lessons: the window's settings to a file and back, through the controls' own handlers.
#include "fenetre/FenetreCorde.h"

#include "kit/Controles.h"
#include "kit/Trouve.h"
#include "mesure/Dialogues.h"
#include "mesure/Fichiers.h"
#include "sim/Excitation.h"
#include "sim/ModeleOnde.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>

#include <array>
#include <cmath>

namespace fenetre {
namespace {

// Scroll bar positions per unit, as the parameters read them.
constexpr double ParDixieme = 10;
// The time bases of Sens(0) .. Sens(5), in s per division.
constexpr std::array<double, 6> BasesDesOptions{0.2, 0.5, 1.0, 1.5, 2.0, 0.1};

QString Probleme(const sim::ErreurLecon& e) {
    const QString cle = QString::fromStdString(e.cle);
    const QString bornes = QString::fromStdString(e.bornes);
    const auto t = [](const char* texte) { return QCoreApplication::translate("Lecon", texte); };
    switch (e.probleme) {
    case sim::ProblemeLecon::PasDuTexte:
        return t(QT_TRANSLATE_NOOP("Lecon", "ce n'est pas un fichier texte en UTF-8"));
    case sim::ProblemeLecon::TropGrande:
        return t(QT_TRANSLATE_NOOP("Lecon", "le fichier dépasse 64 Kio"));
    case sim::ProblemeLecon::Vide:
        return t(QT_TRANSLATE_NOOP("Lecon", "le fichier est vide"));
    case sim::ProblemeLecon::PasUneLecon:
        return t(QT_TRANSLATE_NOOP("Lecon", "la première ligne n'est pas « vibraLIGNE-lecon 1 »"));
    case sim::ProblemeLecon::VersionPlusRecente:
        return t(
            QT_TRANSLATE_NOOP("Lecon", "la leçon vient d'une version plus récente de vibraLIGNE"));
    case sim::ProblemeLecon::LigneIllisible:
        return t(QT_TRANSLATE_NOOP("Lecon", "la ligne n'a pas la forme « nom = valeur »"));
    case sim::ProblemeLecon::CleInconnue:
        return t(QT_TRANSLATE_NOOP("Lecon", "réglage inconnu « %1 »")).arg(cle);
    case sim::ProblemeLecon::CleRepetee:
        return t(QT_TRANSLATE_NOOP("Lecon", "« %1 » est donné deux fois")).arg(cle);
    case sim::ProblemeLecon::ValeurIllisible:
        return t(QT_TRANSLATE_NOOP("Lecon", "valeur illisible pour « %1 » (attendu : %2)"))
            .arg(cle, bornes);
    case sim::ProblemeLecon::HorsBornes:
        return t(QT_TRANSLATE_NOOP("Lecon", "valeur hors limites pour « %1 » (permis : %2)"))
            .arg(cle, bornes);
    case sim::ProblemeLecon::LigneManquante:
        return t(QT_TRANSLATE_NOOP("Lecon", "il manque la ligne « %1 »")).arg(cle);
    }
    return {};
}

} // namespace

sim::Lecon FenetreCorde::Lecon() const {
    const auto barre = [this](const char* nom) {
        return kit::Trouve<QScrollBar>(const_cast<FenetreCorde*>(this), nom)->value();
    };
    sim::Lecon l;
    l.periodique = !vibrationPeriodique_->isHidden();
    l.impulsion = etat_.FormeSoliton >= 1 && etat_.FormeSoliton <= 3 ? etat_.FormeSoliton : 2;
    l.frequenceHz = barre("freq") / ParDixieme;
    l.amplitudeCm = barre("Amplitude") / ParDixieme;
    l.amplitudeImpulsionCm = barre("AmplitudeSoliton") / ParDixieme;
    l.montee = 100 - barre("Deformation");
    l.celeriteCmS = barre("CeleriteOnde") / ParDixieme;
    l.amortissement = barre("Amortissement") / ParDixieme;
    l.extremite = etat_.Extremite;
    for (int n : {1, 2})
        if (capteurs_->EstActif(n))
            (n == 1 ? l.capteur1Cm : l.capteur2Cm) =
                sim::IndicePoint(capteurs_->Barre(n).Gauche()) / double{sim::PointsParCm};
    l.oscilloscope =
        kit::Trouve<QWidget>(const_cast<FenetreCorde*>(this), "CacheOscillo")->isHidden();
    l.baseDeTempsS = etat_.BaseDeTemps / 1000;
    l.enPause = !timer1_.isActive();
    if (reference_->EstMontree())
        l.ligneDeReferenceCm = reference_->Position();
    l.titre = titre_;
    l.commentaire = commentaire_;
    return l;
}

void FenetreCorde::AppliqueLecon(const sim::Lecon& l) {
    const auto barre = [this](const char* nom, double valeur) {
        kit::Trouve<QScrollBar>(this, nom)->setValue(static_cast<int>(std::lround(valeur)));
    };
    // The clock from zero, the slow motion and the hand let go, no string nor trace kept, as
    // the program opens.
    vitesseReelle_->trigger();
    vue_->EffaceAspects();
    traces_->EffaceGardees();
    LacheLeVibreur();
    etat_.TempsMs = 0;
    etat_.Temps = 0;
    etat_.TempsBalayage = 0;
    etat_.OrigineTemps = horloge_();
    etat_.DebutReflexions = 0;
    etat_.FormeSoliton = 0;
    // The string at rest and its view drawn afresh, as at the start: nothing of the lesson
    // before stays in the pictures.
    sim::AplatitCorde(etat_);
    animation_->isHidden() ? MontreAnimation() : animation_->Efface();

    l.periodique ? ChoisitPeriodique() : ChoisitSolitaire();
    barre("freq", l.frequenceHz * ParDixieme);
    barre("Amplitude", l.amplitudeCm * ParDixieme);
    barre("AmplitudeSoliton", l.amplitudeImpulsionCm * ParDixieme);
    barre("Deformation", 100 - l.montee);
    barre("CeleriteOnde", l.celeriteCmS * ParDixieme);
    barre("Amortissement", l.amortissement * ParDixieme);
    kit::Trouve<QRadioButton>(this, ("Extremite(" + std::to_string(l.extremite) + ")").c_str())
        ->setChecked(true);
    ChoisitExtremite(static_cast<int16_t>(l.extremite));

    // The screen revealed before the sensors, which stand on it; covered, it switches them
    // off itself.
    const bool revele = kit::Trouve<QWidget>(this, "CacheOscillo")->isHidden();
    if (l.oscilloscope != revele)
        l.oscilloscope ? ecran_->Revele() : ecran_->Couvre();
    for (int n : {1, 2}) {
        const std::optional<double>& position = n == 1 ? l.capteur1Cm : l.capteur2Cm;
        if (position && l.oscilloscope) {
            if (!capteurs_->EstActif(n))
                capteurs_->Active(n);
            kit::Trouve<kit::Marqueur>(this, ("Capteur" + std::to_string(n)).c_str())
                ->Deplace(static_cast<float>(*position));
        } else if (capteurs_->EstActif(n)) {
            capteurs_->Desactive(n);
        }
    }
    for (size_t index = 0; index < BasesDesOptions.size(); ++index)
        if (std::abs(BasesDesOptions[index] - l.baseDeTempsS) < 1e-9) {
            const std::string nom = "Sens(" + std::to_string(index) + ")";
            kit::Trouve<QRadioButton>(this, nom.c_str())->setChecked(true);
            ecran_->ChoisitBase(static_cast<int>(index)); // the screen cleared, from zero
        }
    if (!l.periodique)
        LanceImpulsion(static_cast<int16_t>(l.impulsion));
    if (l.enPause && timer1_.isActive())
        Pause();
    else if (!l.enPause && !timer1_.isActive())
        Lecture();
    titre_ = l.titre;
    commentaire_ = l.commentaire;
    referencePlacee_ = l.ligneDeReferenceCm.has_value();
    if (l.ligneDeReferenceCm)
        reference_->Place(*l.ligneDeReferenceCm);
    montreReference_->setChecked(referencePlacee_);
    // The first trace segments start where the points stand at time zero.
    sim::CalculeModele(etat_, l.periodique);
    for (int n : {1, 2})
        if (capteurs_->EstActif(n))
            etat_.DerniereValeurCapteur[n] =
                sim::OrdonneePoint(etat_, sim::IndicePoint(capteurs_->Barre(n).Gauche()));
    Timer1_Timer();
}

std::variant<sim::Lecon, QString> LitFichierLecon(const QString& chemin) {
    QFile fichier(chemin);
    QString raison;
    std::variant<sim::Lecon, sim::ErreurLecon> lue = sim::ErreurLecon{};
    if (!fichier.open(QIODevice::ReadOnly)) {
        raison = QCoreApplication::translate("Lecon", "le fichier ne peut pas être lu (%1)")
                     .arg(fichier.errorString());
    } else {
        // One byte more than allowed tells a file too large without reading all of it.
        const QByteArray contenu = fichier.read(static_cast<qint64>(sim::TailleMaxLecon) + 1);
        lue = sim::LitLecon(
            std::string_view(contenu.constData(), static_cast<size_t>(contenu.size())));
        if (const auto* erreur = std::get_if<sim::ErreurLecon>(&lue))
            raison = erreur->ligne > 0 ? QCoreApplication::translate("Lecon", "ligne %1 : %2")
                                             .arg(erreur->ligne)
                                             .arg(Probleme(*erreur))
                                       : Probleme(*erreur);
    }
    if (!raison.isEmpty())
        return QCoreApplication::translate("Lecon", "La leçon « %1 » n'a pas été ouverte : %2.")
            .arg(QFileInfo(chemin).fileName(), raison);
    return std::get<sim::Lecon>(lue);
}

QString FenetreCorde::OuvreLecon(const QString& chemin) {
    const auto lue = LitFichierLecon(chemin);
    if (const auto* raison = std::get_if<QString>(&lue))
        return *raison;
    AppliqueLecon(std::get<sim::Lecon>(lue));
    return {};
}

QString FenetreCorde::EnregistreLecon(const QString& chemin) {
    QString cible = chemin;
    if (QFileInfo(chemin).suffix().toLower() != QLatin1String("vibraligne"))
        cible += QStringLiteral(".vibraligne");
    const QString raison =
        mesure::EcritFichier(cible, QByteArray::fromStdString(sim::EcritLecon(Lecon())));
    if (raison.isEmpty()) {
        outils_->Confirme(cible);
        return {};
    }
    return QCoreApplication::translate("Lecon", "La leçon « %1 » n'a pas été enregistrée : %2.")
        .arg(QFileInfo(cible).fileName(), raison);
}

// Ctrl+O opens, Ctrl+L saves (Ctrl+S stays the measurements'), Ctrl+R resets; the same
// entries in both context menus.
void FenetreCorde::ConnecteLecons() {
    const QString filtre = tr("Leçons vibraLIGNE (*.vibraligne)");
    demandeLecon = [this, filtre](bool ouvrir, mesure::SuiteOuverture suite) {
        const QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString depart = QFileInfo(dossier).isDir() ? dossier : QDir::homePath();
        if (ouvrir)
            mesure::DemandeOuverture(this, tr("Ouvrir une leçon…"), depart, filtre,
                                     std::move(suite));
        else
            mesure::DemandeEnregistrement(
                this, tr("Enregistrer la leçon…"), depart + '/' + tr("lecon") + ".vibraligne",
                {filtre}, filtre,
                [suite](const QString& chemin, const QString&) { suite(chemin); });
    };
    signaleLecon = [this](const QString& message) { mesure::Avertit(this, tr("Leçon"), message); };
    const auto entree = [this](const QString& texte, QKeySequence touches, auto quoi) {
        auto* action = new QAction(texte, this);
        action->setShortcut(touches);
        connect(action, &QAction::triggered, this, quoi);
        AjouteAuxMenus(action);
    };
    SepareLesMenus();
    entree(tr("Ouvrir une leçon…"), QKeySequence(Qt::CTRL | Qt::Key_O), [this] {
        demandeLecon(true, [this](const QString& chemin) {
            if (const QString raison = OuvreLecon(chemin); !raison.isEmpty())
                signaleLecon(raison);
        });
    });
    entree(tr("Enregistrer la leçon…"), QKeySequence(Qt::CTRL | Qt::Key_L), [this] {
        demandeLecon(false, [this](const QString& chemin) {
            if (const QString raison = EnregistreLecon(chemin); !raison.isEmpty())
                signaleLecon(raison);
        });
    });
    entree(tr("Réinitialiser"), QKeySequence(Qt::CTRL | Qt::Key_R), [this] { Reinitialise(); });
}

} // namespace fenetre
