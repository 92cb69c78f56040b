// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>

#include <memory>

namespace kit {

// French is the program's own language, the source of every text; English is translated.
enum class Langue { Francais, Anglais };

// The language asked for ("fr" or "en"), else the system's (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG, the first one set): English where it says English, French otherwise.
Langue LangueChoisie(const QString& demandee = {});

// The English catalogue, built into the program; none for French.
std::unique_ptr<QTranslator> Traducteur(Langue langue);

// Once the application exists: its texts, and numbers written the language's way (a
// decimal comma in French, a point in English).
void InstalleLangue(Langue langue);

} // namespace kit
