// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

namespace kit {

// What lies under a shown cover is out of reach: out of the Tab chain, not pressable, and
// neither showing nor actionable to assistive technology. Hidden and disabled beneath an
// opaque cover, it looks exactly the same; when the cover goes it comes back, in its place
// in the Tab chain. Every way of showing or hiding the cover is followed.
void MetSousCouverture(QWidget* couverture, std::vector<QWidget*> dessous);

} // namespace kit
