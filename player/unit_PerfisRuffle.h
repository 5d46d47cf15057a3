#pragma once

#include "player/unit_PastasNavegador.h"

#include <QString>

class QWebEnginePage;
class QWebEngineProfile;

// The browser profiles of the games, one per game: each keeps its game's
// cookies, the movies' saved data, databases and cache in that game's own
// folders (or in memory), apart from every other game's. A profile is made
// when its game first needs a player and lives until it is let go.
class TPerfisRuffle {
public:
    // The profile of `jogo`, made on first need with `pastas`.
    static QWebEngineProfile* perfil(const QString& jogo, const TPastasNavegador& pastas);
    // `pagina` plays `jogo`: while it lives, the game's profile stays.
    static void usar(const QString& jogo, QWebEnginePage* pagina);
    // Destroys the game's profile once no page of it lives (false while one
    // does): what it held in memory goes, and its folders may be erased. A
    // game without a profile has nothing to let go.
    static bool liberar(const QString& jogo);
};
