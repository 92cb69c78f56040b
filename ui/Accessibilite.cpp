#include "ui/Accessibilite.h"

#include "ui/Construction.h"
#include "ui/Controles.h"

#include <QAbstractSlider>
#include <QAccessibleWidget>
#include <QLocale>

#include <string_view>

namespace ui {
namespace {

struct Description {
    const char* nom;
    const char* accessible;
    const char* description; // where the picture alone carries the meaning
};

constexpr Description Descriptions[] = {
    {"Command1", "Pause", "Mettre la simulation en pause (Espace)"},
    {"Command2", "Lecture", "Reprendre la simulation (Espace)"},
    {"Command3", "Avancer de 50 ms",
     "Mettre en pause et avancer la simulation de 50 millisecondes (P)"},
    {"Image2", "Masquer l'animation", "Fermer la vue de la corde"},
    {"Label4", "Afficher l'animation", nullptr},
    {"Image3", "Masquer l'évolution temporelle",
     "Fermer l'oscilloscope et désactiver les capteurs"},
    {"Label21", "Afficher l'évolution temporelle", nullptr},
    {"Label16", "Vibration périodique", "Choisir une vibration périodique"},
    {"Label17", "Vibration solitaire", "Choisir une vibration solitaire"},
    {"Command5", "Impulsion étroite", "Lancer une impulsion étroite"},
    {"Command4", "Impulsion moyenne", "Lancer une impulsion moyenne"},
    {"Command6", "Impulsion large", "Lancer une impulsion large"},
    {"ActiveCapteur1", "Activer le capteur 1", "Case à cocher du capteur 1, non cochée"},
    {"DesactiveCapteur1", "Désactiver le capteur 1", "Case à cocher du capteur 1, cochée"},
    {"ActiveCapteur2", "Activer le capteur 2", "Case à cocher du capteur 2, non cochée"},
    {"DesactiveCapteur2", "Désactiver le capteur 2", "Case à cocher du capteur 2, cochée"},
    {"Label9", "Capteur 1", "Activer ou désactiver le capteur 1"},
    {"Label10", "Capteur 2", "Activer ou désactiver le capteur 2"},
    {"Capteur1", "Position du capteur 1", "Flèches gauche et droite pour le déplacer"},
    {"Capteur2", "Position du capteur 2", "Flèches gauche et droite pour le déplacer"},
    {"freq", "Fréquence", nullptr},
    {"Amplitude", "Amplitude", nullptr},
    {"Deformation", "Déformation", nullptr},
    {"AmplitudeSoliton", "Amplitude de l'impulsion", nullptr},
    {"CeleriteOnde", "Célérité de l'onde", nullptr},
    {"Amortissement", "Amortissement", nullptr},
    {"Extremite(0)", "Extrémité sans fin", "L'onde quitte la corde sans revenir"},
    {"Extremite(1)", "Extrémité fixe", nullptr},
    {"Extremite(2)", "Extrémité libre", nullptr},
    {"Sens(5)", "0,1 seconde par division", nullptr},
    {"Sens(0)", "0,2 seconde par division", nullptr},
    {"Sens(1)", "0,5 seconde par division", nullptr},
    {"Sens(2)", "1 seconde par division", nullptr},
    {"Sens(3)", "1,5 seconde par division", nullptr},
    {"Sens(4)", "2 secondes par division", nullptr},
};

// Panel by panel, as the eye reads the window: the string view, the vibration, the
// medium, the oscilloscope. Hidden controls are skipped by Qt.
constexpr const char* OrdreTabulation[] = {
    "Command1",
    "Command2",
    "Command3",
    "Capteur1",
    "Capteur2",
    "Image2",
    "Label4",
    "Label16",
    "Label17",
    "freq",
    "Amplitude",
    "Deformation",
    "AmplitudeSoliton",
    "Command5",
    "Command4",
    "Command6",
    "CeleriteOnde",
    "Amortissement",
    "Extremite(0)",
    "Extremite(1)",
    "Extremite(2)",
    "Image3",
    "Label21",
    "ActiveCapteur1",
    "DesactiveCapteur1",
    "ActiveCapteur2",
    "DesactiveCapteur2",
    "Sens(5)",
    "Sens(0)",
    "Sens(1)",
    "Sens(2)",
    "Sens(3)",
    "Sens(4)",
};

// A clickable label or picture is a button to assistive technology, and pressing it
// there is its click.
class BoutonAccessible : public QAccessibleWidget {
public:
    explicit BoutonAccessible(Etiquette* etiquette)
        : QAccessibleWidget(etiquette, QAccessible::Button) {}
    QStringList actionNames() const override {
        if (!widget()->isEnabled())
            return {};
        return {pressAction()};
    }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<Etiquette*>(widget())->clique();
    }
};

QAccessibleInterface* FabriqueAccessible(const QString& classe, QObject* objet) {
    if (classe != QLatin1String(Etiquette::staticMetaObject.className()))
        return nullptr;
    auto* etiquette = static_cast<Etiquette*>(objet);
    return etiquette->EstCliquable() ? new BoutonAccessible(etiquette) : nullptr;
}

} // namespace

QString ValeurAccessible(const QString& barre, int valeur) {
    const QLocale francais(QLocale::French);
    const auto avecUnite = [&](double nombre, const char* unite) {
        return francais.toString(nombre, 'g', 3) + QString::fromUtf8(unite);
    };
    if (barre == "freq")
        return avecUnite(valeur / 10.0, " hertz");
    if (barre == "Amplitude" || barre == "AmplitudeSoliton")
        return avecUnite(valeur / 10.0, " centimètre");
    if (barre == "CeleriteOnde")
        return avecUnite(valeur / 10.0, " centimètre par seconde");
    if (barre == "Deformation")
        return QStringLiteral("montée pendant %1 % de la période").arg(100 - valeur);
    if (barre == "Amortissement")
        return avecUnite(valeur / 10.0, " par 10 centimètres");
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
        controle->setAccessibleName(QString::fromUtf8(d.accessible));
        if (d.description != nullptr)
            controle->setAccessibleDescription(QString::fromUtf8(d.description));
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
    for (size_t i = 1; i < std::size(OrdreTabulation); ++i)
        QWidget::setTabOrder(Trouve<QWidget>(fenetre, OrdreTabulation[i - 1]),
                             Trouve<QWidget>(fenetre, OrdreTabulation[i]));
}

} // namespace ui
