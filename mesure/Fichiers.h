// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace mesure {

// Written whole or not at all: into a temporary file beside the target, then renamed over
// it, so that a failed write never leaves half a file nor destroys the one that was there.
// Returns an empty string on success, else the reason, for a person.
QString EcritFichier(const QString& chemin, const QByteArray& contenu);

} // namespace mesure
