#pragma once

#include "ui/unit_ContextoTela.h"

#include <QString>
#include <QStringList>
#include <functional>

class QObject;

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

    // `aberto` tells whether a game's screen is open; `avisar` shows a
    // notice. The checks' hand-overs run only while `vida` lives.
    TDadosJogos(TContextoTela contexto, QObject* vida, std::function<bool(const QString& jogo)> aberto,
                std::function<void(const QString& aviso)> avisar);

    // Counts on a worker what each game of `jogos` keeps; back on the UI
    // thread, erases it for each one over the cap whose screen is not open by
    // then (an open one is checked when it closes), and tells once.
    void conferir(const QStringList& jogos);
    // Erases every game's data (their screens closed). The notice to show.
    QString limparTodos();

private:
    void apagarAcima(const QStringList& acima);

    TContextoTela contexto_;
    QObject* vida_;
    std::function<bool(const QString& jogo)> aberto_;
    std::function<void(const QString& aviso)> avisar_;
};
