// SPDX-License-Identifier: GPL-3.0-or-later
// A page writes a picture to the clipboard through the browser's Clipboard API, which some
// browsers lack and others refuse (no permission, the page not in front): the refusal comes
// back later, from the browser's promise.
#include "mesure/PressePapiers.h"

#include <QBuffer>

#include <emscripten.h>
#include <emscripten/bind.h>

namespace mesure {
namespace {

std::function<void()>& Refus() {
    static std::function<void()> refus;
    return refus;
}

void CopieRefusee() {
    if (Refus())
        Refus()();
}

// clang-format off
EM_JS(void, CopiePng, (const unsigned char* octets, int taille), {
    const refuse = function() { Module.vibraCopieRefusee(); };
    if (!navigator.clipboard || !navigator.clipboard.write || !window.ClipboardItem) {
        refuse();
        return;
    }
    const image = new Blob([HEAPU8.slice(octets, octets + taille)], {type: "image/png"});
    navigator.clipboard.write([new ClipboardItem({"image/png": image})]).catch(refuse);
});
// clang-format on

} // namespace

void CopieDansLePressePapiers(const QImage& image, std::function<void()> siRefuse) {
    Refus() = std::move(siRefuse);
    QByteArray png;
    QBuffer tampon(&png);
    tampon.open(QIODevice::WriteOnly);
    image.save(&tampon, "PNG");
    CopiePng(reinterpret_cast<const unsigned char*>(png.constData()), static_cast<int>(png.size()));
}

} // namespace mesure

EMSCRIPTEN_BINDINGS(vibraligne_presse_papiers) {
    emscripten::function("vibraCopieRefusee", &mesure::CopieRefusee);
}
