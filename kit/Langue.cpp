// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/Langue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace kit {

QStringList CodesLangues() {
    return {QStringLiteral("fr"), QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"),
            QStringLiteral("it")};
}

QString CodeLangue(Langue langue) {
    return CodesLangues().at(static_cast<int>(langue));
}

Langue LangueChoisie(const QString& demandee) {
    const QStringList codes = CodesLangues();
    if (!demandee.isEmpty())
        return static_cast<Langue>(std::max<qsizetype>(0, codes.indexOf(demandee)));
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString valeur = qEnvironmentVariable(variable);
        if (!valeur.isEmpty())
            return static_cast<Langue>(std::max<qsizetype>(0, codes.indexOf(valeur.left(2))));
    }
    return Langue::Francais;
}

std::unique_ptr<QTranslator> Traducteur(Langue langue) {
    if (langue == Langue::Francais)
        return nullptr;
    auto traducteur = std::make_unique<QTranslator>();
    if (!traducteur->load(QStringLiteral(":/i18n/vibraligne_%1.qm").arg(CodeLangue(langue))))
        return nullptr;
    return traducteur;
}

std::unique_ptr<QTranslator> TraducteurQt(Langue langue) {
    // Built into the program where the system has none to give (Windows); else the
    // system's, which follows its Qt.
    auto traducteur = std::make_unique<QTranslator>();
    const QString nom = QStringLiteral("qtbase_") + CodeLangue(langue);
    if (traducteur->load(nom, QStringLiteral(":/i18n")) ||
        traducteur->load(nom, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return traducteur;
    return nullptr;
}

void InstalleLangue(Langue langue) {
    static std::unique_ptr<QTranslator> programme, qt;
    for (auto* installe : {&programme, &qt})
        if (*installe)
            QCoreApplication::removeTranslator(installe->get());
    programme = Traducteur(langue);
    qt = TraducteurQt(langue);
    for (auto* installe : {&programme, &qt})
        if (*installe)
            QCoreApplication::installTranslator(installe->get());
    static const QLocale locales[] = {QLocale(QLocale::French, QLocale::France),
                                      QLocale(QLocale::English, QLocale::UnitedKingdom),
                                      QLocale(QLocale::Spanish, QLocale::Spain),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::Italian, QLocale::Italy)};
    QLocale::setDefault(locales[static_cast<int>(langue)]);
}

} // namespace kit
