// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Langue.h"

#include <QCoreApplication>
#include <QLocale>

namespace kit {

Langue LangueChoisie(const QString& demandee) {
    if (!demandee.isEmpty())
        return demandee == QLatin1String("en") ? Langue::Anglais : Langue::Francais;
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString valeur = qEnvironmentVariable(variable);
        if (!valeur.isEmpty())
            return valeur.startsWith(QLatin1String("en")) ? Langue::Anglais : Langue::Francais;
    }
    return Langue::Francais;
}

std::unique_ptr<QTranslator> Traducteur(Langue langue) {
    if (langue == Langue::Francais)
        return nullptr;
    auto traducteur = std::make_unique<QTranslator>();
    if (!traducteur->load(QStringLiteral(":/i18n/vibraligne_en.qm")))
        return nullptr;
    return traducteur;
}

void InstalleLangue(Langue langue) {
    static std::unique_ptr<QTranslator> installe;
    if (installe)
        QCoreApplication::removeTranslator(installe.get());
    installe = Traducteur(langue);
    if (installe)
        QCoreApplication::installTranslator(installe.get());
    QLocale::setDefault(langue == Langue::Anglais
                            ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                            : QLocale(QLocale::French, QLocale::France));
}

} // namespace kit
