// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Console.h"

#include <windows.h>

namespace app {
namespace {

// A graphical program started from cmd or PowerShell has no standard handles unless they
// were redirected; the console of the process that started it is borrowed then.
HANDLE Sortie(std::FILE* flux) {
    const DWORD quel = flux == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    HANDLE sortie = GetStdHandle(quel);
    if (sortie != nullptr && sortie != INVALID_HANDLE_VALUE)
        return sortie;
    static const bool attachee = AttachConsole(ATTACH_PARENT_PROCESS) != 0;
    if (!attachee)
        return nullptr;
    sortie = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
    if (sortie == INVALID_HANDLE_VALUE)
        return nullptr;
    SetStdHandle(quel, sortie);
    return sortie;
}

} // namespace

void EcritConsole(std::FILE* flux, const QString& texte) {
    std::fflush(flux);
    HANDLE sortie = Sortie(flux);
    if (sortie == nullptr)
        return;
    // A console takes the text as it is, accents included; a file or a pipe, UTF-8.
    DWORD mode = 0, ecrits = 0;
    if (GetConsoleMode(sortie, &mode)) {
        WriteConsoleW(sortie, reinterpret_cast<const wchar_t*>(texte.utf16()),
                      static_cast<DWORD>(texte.size()), &ecrits, nullptr);
        return;
    }
    const QByteArray utf8 = texte.toUtf8();
    WriteFile(sortie, utf8.constData(), static_cast<DWORD>(utf8.size()), &ecrits, nullptr);
}

} // namespace app
