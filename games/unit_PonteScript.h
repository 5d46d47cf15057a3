#pragma once

#include <QString>

class TFlashPlayer;

// The script bridge: the program plays the part of the web page a game movie
// was made for. Requests are compared as they come, whole or by their
// beginning, letter case and blanks included; replies are not escaped.
namespace PonteScript {
// Makes the three tests on `request` (at most one succeeds): the page address
// is answered with `urlPagina` and the browser identity with the program's
// own; anything else gets no reply. True for the full-screen call, which the
// caller passes on to the main window.
bool responder(TFlashPlayer& Flash, const QString& request, const QString& urlPagina);
} // namespace PonteScript
