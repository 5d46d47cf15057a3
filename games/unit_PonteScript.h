#pragma once

#include <QString>

class TFlashPlayer;
class TPrincipal;

// The script bridge: the program plays the part of the web page a game movie
// was made for. Requests are compared as they come, whole or by their
// beginning, letter case and blanks included; replies are not escaped.
namespace PonteScript {
// Makes the three tests on `request` (at most one succeeds): the page address
// is answered with `urlPagina`, the browser identity with the program's own,
// and the full-screen call toggles the main window's mode. Anything else
// gets no reply.
void responder(TPrincipal& principal, TFlashPlayer& Flash, const QString& request, const QString& urlPagina);
} // namespace PonteScript
