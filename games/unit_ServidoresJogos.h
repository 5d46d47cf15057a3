#pragma once

#include "net/unit_ServidorSocket.h"

#include <QList>
#include <QString>
#include <optional>

// The game servers each game's movie was found to connect to, kept between
// runs in a folder of the data folder: one file per game, one "host:port" a
// line, the newest last. So a game's movie reaches them from its first load
// on. A file the program cannot read faithfully (not a regular file, too
// large, not UTF-8, a line that is no server) counts as empty and is never
// written over.
class TServidoresJogos {
public:
    static constexpr qsizetype maximoPorJogo = 32;
    static constexpr qint64 tamanhoMaximo = 8 * 1024;

    // `pasta` ends with a slash; it is made at the first server kept.
    explicit TServidoresJogos(QString pasta) : pasta_(std::move(pasta)) {}

    // `jogo`: the game's key, a lower-case word.
    QList<TServidorSocket> aprendidos(const QString& jogo) const;
    // Keeps `servidor` for `jogo` (the oldest goes past the maximum). False
    // when it could not be kept.
    bool aprender(const QString& jogo, const TServidorSocket& servidor);

private:
    QString arquivo(const QString& jogo) const;
    // The file's servers; none when it cannot be read faithfully (a missing
    // file has none).
    std::optional<QList<TServidorSocket>> ler(const QString& jogo) const;

    QString pasta_;
};
