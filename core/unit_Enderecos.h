#pragma once

#include <QString>
#include <array>

// Every web address built into the program. The hosts below live under the
// reserved .example domain; a release sets the studio's real hosts here and
// nowhere else. Tests hand in their own (local) addresses.
struct TEnderecos {
    // Site root of Velmora: its loader movie lives here and the movie is told
    // it runs on this page.
    QString raizVelmora = QStringLiteral("http://www.velmora.example/");
    // Kraddle, Gumbrel, Lurrow (game index 0 to 2): where their loader movies
    // are served, and the page each movie is told it runs on.
    std::array<QString, 3> raizFilmesOutros = {QStringLiteral("http://www.kraddle.example/"),
                                               QStringLiteral("http://www.gumbrel.example/"),
                                               QStringLiteral("http://www.lurrow.example/")};
    std::array<QString, 3> raizPaginasOutros = {QStringLiteral("http://www.kraddle.example/"),
                                                QStringLiteral("http://www.gumbrel.example/"),
                                                QStringLiteral("http://www.lurrow.example/")};
    // The studio portal and video channel, as short links on the studio's link host.
    QString portal = QStringLiteral("http://lnk.kestrum.example/portal");
    QString canalVideos = QStringLiteral("http://lnk.kestrum.example/youtube");
    // Help page for installing the player control, on the portal's site.
    QString ajudaFlash = QStringLiteral("http://www.kestrum.example/erro-flashx");
    // The definitions document and its fallback.
    QString definicoesPrimaria = QStringLiteral("http://quillet.kestrum.example/ql6def.txt");
    QString definicoesReserva = QStringLiteral("http://quillet-mirror.kestrum.example/ql6def.txt");
};
