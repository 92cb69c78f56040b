// SPDX-License-Identifier: GPL-3.0-or-later
#include "fenetre/Accessibilite.h"

#include "fenetre/Poignee.h"
#include "fenetre/Tables.h"
#include "kit/Controles.h"
#include "kit/Trouve.h"

#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QPointer>

#include <algorithm>
#include <cstring>
#include <string_view>
#include <utility>

namespace fenetre {
using namespace kit;
namespace {

struct Description {
    const char* nom;
    const char* accessible;
    const char* description; // where the picture alone carries the meaning
};

constexpr Description Descriptions[] = {
    {"Command1", QT_TRANSLATE_NOOP("Accessibilite", "Pause"),
     QT_TRANSLATE_NOOP("Accessibilite", "Mettre la simulation en pause (Espace)")},
    {"Command2", QT_TRANSLATE_NOOP("Accessibilite", "Lecture"),
     QT_TRANSLATE_NOOP("Accessibilite", "Reprendre la simulation (Espace)")},
    {"Command3", QT_TRANSLATE_NOOP("Accessibilite", "Avancer de 50 ms"),
     QT_TRANSLATE_NOOP("Accessibilite",
                       "Mettre en pause et avancer la simulation de 50 millisecondes (P)")},
    {"Image2", QT_TRANSLATE_NOOP("Accessibilite", "Masquer l'animation"),
     QT_TRANSLATE_NOOP("Accessibilite", "Fermer la vue de la corde")},
    {"Label4", QT_TRANSLATE_NOOP("Accessibilite", "Afficher l'animation"), nullptr},
    {"Image3", QT_TRANSLATE_NOOP("Accessibilite", "Masquer l'évolution temporelle"),
     QT_TRANSLATE_NOOP("Accessibilite", "Fermer l'oscilloscope et désactiver les capteurs")},
    {"Label21", QT_TRANSLATE_NOOP("Accessibilite", "Afficher l'évolution temporelle"), nullptr},
    {"Label16", QT_TRANSLATE_NOOP("Accessibilite", "Vibration périodique"),
     QT_TRANSLATE_NOOP("Accessibilite", "Choisir une vibration périodique")},
    {"Label17", QT_TRANSLATE_NOOP("Accessibilite", "Vibration solitaire"),
     QT_TRANSLATE_NOOP("Accessibilite", "Choisir une vibration solitaire")},
    {"Command5", QT_TRANSLATE_NOOP("Accessibilite", "Impulsion étroite"),
     QT_TRANSLATE_NOOP("Accessibilite", "Lancer une impulsion étroite")},
    {"Command4", QT_TRANSLATE_NOOP("Accessibilite", "Impulsion moyenne"),
     QT_TRANSLATE_NOOP("Accessibilite", "Lancer une impulsion moyenne")},
    {"Command6", QT_TRANSLATE_NOOP("Accessibilite", "Impulsion large"),
     QT_TRANSLATE_NOOP("Accessibilite", "Lancer une impulsion large")},
    {"Label9", QT_TRANSLATE_NOOP("Accessibilite", "Capteur 1"),
     QT_TRANSLATE_NOOP("Accessibilite", "Activer ou désactiver le capteur 1")},
    {"Label10", QT_TRANSLATE_NOOP("Accessibilite", "Capteur 2"),
     QT_TRANSLATE_NOOP("Accessibilite", "Activer ou désactiver le capteur 2")},
    {"Capteur1", QT_TRANSLATE_NOOP("Accessibilite", "Position du capteur 1"), nullptr},
    {"Capteur2", QT_TRANSLATE_NOOP("Accessibilite", "Position du capteur 2"), nullptr},
    {"freq", QT_TRANSLATE_NOOP("Accessibilite", "Fréquence"), nullptr},
    {"Amplitude", QT_TRANSLATE_NOOP("Accessibilite", "Amplitude"), nullptr},
    {"Deformation", QT_TRANSLATE_NOOP("Accessibilite", "Déformation"), nullptr},
    {"AmplitudeSoliton", QT_TRANSLATE_NOOP("Accessibilite", "Amplitude de l'impulsion"), nullptr},
    {"CeleriteOnde", QT_TRANSLATE_NOOP("Accessibilite", "Célérité de l'onde"), nullptr},
    {"Amortissement", QT_TRANSLATE_NOOP("Accessibilite", "Amortissement"), nullptr},
    {"Extremite(0)", QT_TRANSLATE_NOOP("Accessibilite", "Extrémité sans fin"),
     QT_TRANSLATE_NOOP("Accessibilite", "L'onde quitte la corde sans revenir")},
    {"Extremite(1)", QT_TRANSLATE_NOOP("Accessibilite", "Extrémité fixe"), nullptr},
    {"Extremite(2)", QT_TRANSLATE_NOOP("Accessibilite", "Extrémité libre"), nullptr},
    {"Sens(5)", QT_TRANSLATE_NOOP("Accessibilite", "0,1 seconde par division"), nullptr},
    {"Sens(0)", QT_TRANSLATE_NOOP("Accessibilite", "0,2 seconde par division"), nullptr},
    {"Sens(1)", QT_TRANSLATE_NOOP("Accessibilite", "0,5 seconde par division"), nullptr},
    {"Sens(2)", QT_TRANSLATE_NOOP("Accessibilite", "1 seconde par division"), nullptr},
    {"Sens(3)", QT_TRANSLATE_NOOP("Accessibilite", "1,5 seconde par division"), nullptr},
    {"Sens(4)", QT_TRANSLATE_NOOP("Accessibilite", "2 secondes par division"), nullptr},
};

// Panel by panel, as the eye reads the window: the string view, the vibration, the
// medium, the oscilloscope. Hidden controls are skipped by Qt.
constexpr const char* OrdreTabulation[] = {
    "Command1",         "Command2",     "Command3",     "Capteur1", "Capteur2",     "Image2",
    "Label4",           "Label16",      "Label17",      "freq",     "Amplitude",    "Deformation",
    "AmplitudeSoliton", "Command5",     "Command4",     "Command6", "CeleriteOnde", "Amortissement",
    "Extremite(0)",     "Extremite(1)", "Extremite(2)", "Image3",   "Label21",      "Label9",
    "Label10",          "Sens(5)",      "Sens(0)",      "Sens(1)",  "Sens(2)",      "Sens(3)",
    "Sens(4)",
};

// The bar each sensor's check box reports on.
constexpr std::pair<std::string_view, const char*> CasesCapteurs[] = {{"Label9", "Capteur1"},
                                                                      {"Label10", "Capteur2"}};
constexpr std::string_view ImagesCapteurs[] = {"ActiveCapteur1", "DesactiveCapteur1",
                                               "ActiveCapteur2", "DesactiveCapteur2"};

bool Nomme(const QObject* objet, std::string_view nom) {
    return objet->objectName() == QLatin1String(nom.data(), static_cast<qsizetype>(nom.size()));
}

// A clickable label or picture is a button to assistive technology, and pressing it there
// is its click. Each sensor's switch is one check box: its name, checked while the sensor
// is on (its bar is shown) whichever way that came about, pressed as a click on the name,
// which switches the sensor as its box does; the pictures of the box say nothing of their
// own. Which one a control is, its name tells, read when asked: an interface may be made
// before the control is named.
class EtiquetteAccessible : public QAccessibleWidget {
public:
    explicit EtiquetteAccessible(Etiquette* etiquette) : QAccessibleWidget(etiquette) {}

    QAccessible::Role role() const override {
        if (Barre() != nullptr)
            return QAccessible::CheckBox;
        return Muette() ? QAccessible::Graphic : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State etat = QAccessibleWidget::state();
        if (const QWidget* barre = Barre()) {
            etat.checkable = true;
            etat.checked = !barre->isHidden();
        }
        if (Muette()) {
            etat.invisible = true;
            etat.focusable = false;
        }
        return etat;
    }
    QStringList actionNames() const override {
        if (!widget()->isEnabled() || Muette())
            return {};
        if (Barre() != nullptr)
            return {toggleAction(), pressAction()};
        return {pressAction()};
    }
    void doAction(const QString& action) override {
        if (actionNames().contains(action))
            emit static_cast<Etiquette*>(widget())->clique();
    }

private:
    const QWidget* Barre() const {
        for (const auto& [libelle, barre] : CasesCapteurs)
            if (Nomme(widget(), libelle))
                return widget()->window()->findChild<QWidget*>(QString::fromLatin1(barre));
        return nullptr;
    }
    bool Muette() const {
        return std::any_of(std::begin(ImagesCapteurs), std::end(ImagesCapteurs),
                           [this](std::string_view nom) { return Nomme(widget(), nom); });
    }
};

// A sensor's bar is a value: its abscissa in centimetres, from the vibrator to as far as
// it can go. Other markers (the squares) are plain.
class MarqueurAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit MarqueurAccessible(Marqueur* marqueur) : QAccessibleWidget(marqueur) {}
    QAccessible::Role role() const override {
        return EstUneBarre() ? QAccessible::Slider : QAccessibleWidget::role();
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface && EstUneBarre())
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text quoi) const override {
        if (EstUneBarre() && quoi == QAccessible::Description)
            return DescriptionPosition(Barre()->Gauche());
        if (EstUneBarre() && quoi == QAccessible::Help)
            return QCoreApplication::translate("Accessibilite",
                                               "Flèches gauche et droite pour le déplacer");
        return QAccessibleWidget::text(quoi);
    }
    QVariant currentValue() const override { return double(Barre()->Gauche()); }
    void setCurrentValue(const QVariant& valeur) override { Barre()->Deplace(valeur.toFloat()); }
    QVariant maximumValue() const override { return double(Barre()->AbscisseMax()); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.1; }

private:
    Marqueur* Barre() const { return static_cast<Marqueur*>(widget()); }
    bool EstUneBarre() const {
        return std::any_of(std::begin(CasesCapteurs), std::end(CasesCapteurs),
                           [this](const auto& c) { return Nomme(widget(), c.second); });
    }
};

// The windows built from a layout are windows to a screen reader, named by their titles.
class FenetreAccessible : public QAccessibleWidget {
public:
    explicit FenetreAccessible(QWidget* fenetre) : QAccessibleWidget(fenetre) {}
    QAccessible::Role role() const override {
        const bool disposee =
            Nomme(widget(), DispositionCorde.nom) || Nomme(widget(), DispositionAccueil.nom);
        return widget()->isWindow() && disposee ? QAccessible::Window : QAccessibleWidget::role();
    }
};

// The vibrator's block or the reference line, moved by hand: a value in centimetres, up
// positive.
class PoigneeAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit PoigneeAccessible(PoigneeVerticale* poignee)
        : QAccessibleWidget(poignee, QAccessible::Slider) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text quoi) const override {
        if (quoi == QAccessible::Description || quoi == QAccessible::Value)
            return Poignee()->TexteValeur();
        if (quoi == QAccessible::Help)
            return QCoreApplication::translate(
                "Accessibilite", "Flèches haut et bas pour le déplacer, Début pour le repos");
        return QAccessibleWidget::text(quoi);
    }
    QVariant currentValue() const override { return Poignee()->Position(); }
    void setCurrentValue(const QVariant& valeur) override { Poignee()->Place(valeur.toDouble()); }
    QVariant maximumValue() const override { return PoigneeVerticale::Limite; }
    QVariant minimumValue() const override { return -PoigneeVerticale::Limite; }
    QVariant minimumStepSize() const override { return PoigneeVerticale::PasClavier; }

private:
    PoigneeVerticale* Poignee() const { return static_cast<PoigneeVerticale*>(widget()); }
};

// The word after a save: a notification, which a screen reader reads out when it shows
// (an alert is read only when it takes the focus, which this word must not do).
class AnnonceAccessible : public QAccessibleWidget {
public:
    explicit AnnonceAccessible(QWidget* annonce)
        : QAccessibleWidget(annonce, QAccessible::Notification) {}
};

QAccessibleInterface* FabriqueAccessible(const QString& classe, QObject* objet) {
    if (classe == QLatin1String(PoigneeVerticale::staticMetaObject.className()))
        return new PoigneeAccessible(static_cast<PoigneeVerticale*>(objet));
    if (classe == QLatin1String("QLabel") && objet->objectName() == QLatin1String("Confirmation"))
        return new AnnonceAccessible(static_cast<QWidget*>(objet));
    if (classe == QLatin1String(Etiquette::staticMetaObject.className())) {
        auto* etiquette = static_cast<Etiquette*>(objet);
        return etiquette->EstCliquable() ? new EtiquetteAccessible(etiquette) : nullptr;
    }
    if (classe == QLatin1String(Marqueur::staticMetaObject.className()))
        return new MarqueurAccessible(static_cast<Marqueur*>(objet));
    // Both windows are plain widgets of their own class, asked for here at that class, before
    // Qt's interface for a plain widget; which window it is, its layout name tells, when asked.
    // Qt's own windows of the same shape (a context menu is a window whose class derives
    // from QWidget too) keep Qt's interfaces, which know their entries: this program's
    // classes live in namespaces, Qt's do not.
    const QMetaObject* meta = objet->metaObject();
    if (objet->isWidgetType() && static_cast<QWidget*>(objet)->isWindow() &&
        classe == QLatin1String(meta->className()) && std::strchr(meta->className(), ':') &&
        meta->superClass() == &QWidget::staticMetaObject)
        return new FenetreAccessible(static_cast<QWidget*>(objet));
    return nullptr;
}

// Tells assistive technology when a sensor's check box changes state, whatever changed it.
class SuitCapteur : public QObject {
public:
    SuitCapteur(QWidget* barre, QWidget* caseCapteur) : QObject(barre), case_(caseCapteur) {
        barre->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* evenement) override {
        if (evenement->type() == QEvent::ShowToParent ||
            evenement->type() == QEvent::HideToParent) {
            QAccessible::State change;
            change.checked = true;
            QAccessibleStateChangeEvent annonce(case_, change);
            QAccessible::updateAccessibility(&annonce);
        }
        return false;
    }

private:
    QWidget* case_;
};

} // namespace

QString DescriptionPosition(float abscisseCm) {
    return QCoreApplication::translate("Accessibilite", "%1 centimètres")
        .arg(QLocale().toString(abscisseCm, 'f', 2));
}

QString ValeurAccessible(const QString& barre, int valeur) {
    const auto avecUnite = [](double nombre, const char* unite) {
        return QCoreApplication::translate("Accessibilite", unite)
            .arg(QLocale().toString(nombre, 'g', 3));
    };
    if (barre == "freq")
        return avecUnite(valeur / 10.0, QT_TRANSLATE_NOOP("Accessibilite", "%1 hertz"));
    if (barre == "Amplitude" || barre == "AmplitudeSoliton")
        return avecUnite(valeur / 10.0, QT_TRANSLATE_NOOP("Accessibilite", "%1 centimètre"));
    if (barre == "CeleriteOnde")
        return avecUnite(valeur / 10.0,
                         QT_TRANSLATE_NOOP("Accessibilite", "%1 centimètre par seconde"));
    if (barre == "Deformation")
        return QCoreApplication::translate("Accessibilite", "montée pendant %1 % de la période")
            .arg(100 - valeur);
    if (barre == "Amortissement")
        return avecUnite(valeur / 10.0,
                         QT_TRANSLATE_NOOP("Accessibilite", "%1 par 10 centimètres"));
    return QString::number(valeur);
}

void InstalleFabriqueAccessible() {
    static const bool installee = [] {
        QAccessible::installFactory(FabriqueAccessible);
        return true;
    }();
    (void)installee;
}

void RendAccessible(QWidget* fenetre) {
    for (const Description& d : Descriptions) {
        QWidget* controle = Trouve<QWidget>(fenetre, d.nom);
        controle->setAccessibleName(QCoreApplication::translate("Accessibilite", d.accessible));
        if (d.description != nullptr)
            controle->setAccessibleDescription(
                QCoreApplication::translate("Accessibilite", d.description));
        // Tab only: a click must not move the focus away from where the user left it.
        if (controle->focusPolicy() == Qt::NoFocus)
            controle->setFocusPolicy(Qt::TabFocus);
        if (auto* barre = qobject_cast<QAbstractSlider*>(controle)) {
            const QString nom = barre->objectName();
            const auto decrit = [barre, nom](int valeur) {
                barre->setAccessibleDescription(ValeurAccessible(nom, valeur));
            };
            decrit(barre->value());
            QObject::connect(barre, &QAbstractSlider::valueChanged, barre, decrit);
        }
    }
    for (const auto& [libelle, barre] : CasesCapteurs)
        new SuitCapteur(Trouve<QWidget>(fenetre, barre),
                        Trouve<QWidget>(fenetre, std::string(libelle).c_str()));
    for (size_t i = 1; i < std::size(OrdreTabulation); ++i)
        QWidget::setTabOrder(Trouve<QWidget>(fenetre, OrdreTabulation[i - 1]),
                             Trouve<QWidget>(fenetre, OrdreTabulation[i]));
}

} // namespace fenetre
