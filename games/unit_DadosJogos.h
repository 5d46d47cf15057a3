#pragma once

#include "ui/unit_ContextoTela.h"

#include <QString>
#include <QStringList>

// What each game keeps on this computer through its player (cookies, the
// movies' saved data, databases, cache) is capped: checked when the program
// starts and when a game closes, a game over the cap has what it kept erased
// (a movie that stored hundreds of megabytes gets no further than one
// session), and the user is told once per check, the games named. The user
// may also erase every game's data.
class TDadosJogos {
public:
    static constexpr qint64 limiteMb = 50;
    static constexpr qint64 limite = limiteMb * 1024 * 1024;

    // The names the four games' data goes by, Velmora first.
    static QStringList jogos();

    explicit TDadosJogos(TContextoTela contexto);

    // Erases the data of each game of `jogos` (none of them open) that is over
    // the cap. The notice to show, naming them; empty when none was.
    QString conferir(const QStringList& jogos);
    // Erases every game's data (their screens closed). The notice to show.
    QString limparTodos();

private:
    TContextoTela contexto_;
};
