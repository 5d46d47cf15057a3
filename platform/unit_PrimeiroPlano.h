#pragma once

class QWidget;

// Bringing a top-level window in front of other programs' windows, with the
// keyboard focus, because the user asked for it elsewhere (a second start of
// the program). Qt's own activation stamps the request with the time of the
// program's last X event, which the X server and window managers take for a
// program stealing the focus, and refuse. Under X the request is made as
// a pager's or a task bar's, as a direct user action: to the window manager
// when one runs, to the X server otherwise.
namespace PrimeiroPlano {
void pedir(QWidget* janela);
} // namespace PrimeiroPlano
