// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

namespace kit {

// French is the program's own language, the source of every text; the others are
// translated.
enum class Langue { Francais, Anglais, Espagnol, Allemand, Italien };

// "fr", "en", "es", "de", "it", in that order.
QStringList CodesLangues();
QString CodeLangue(Langue langue);

// The language asked for (one of the codes), else the system's (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, the first one set): one of ours where it names one, French otherwise.
Langue LangueChoisie(const QString& demandee = {});

// The program's catalogue for the language, built into the program; none for French.
std::unique_ptr<QTranslator> Traducteur(Langue langue);
// Qt's own catalogue (its dialogs' and message boxes' texts), French included.
std::unique_ptr<QTranslator> TraducteurQt(Langue langue);

// Once the application exists: its texts and Qt's, and numbers written the language's
// way (a decimal point in English, a comma in the others).
void InstalleLangue(Langue langue);

} // namespace kit
