#pragma once

#include "player/unit_PastasNavegador.h"

#include <QString>

// The folders in which the players keep each game's browser data (cookies,
// the movies' saved data, databases) and cache, one of each per game under
// the two base folders, and what they take on disk. Erasing a game's data
// takes it out of the way at once and deletes it on a worker, so that
// nothing a movie stored, however many files, holds the UI thread. Made, it
// clears away what earlier runs left to delete, and the folders of the one
// profile all games shared before each had its own.
class TArmazemJogos {
public:
    // A file counts as whole blocks of this size, at least one; a folder as one.
    static constexpr qint64 bloco = 4096;

    explicit TArmazemJogos(TPastasNavegador bases);

    const TPastasNavegador& bases() const { return bases_; }
    TPastasNavegador pastasDoJogo(const QString& jogo) const { return bases_.doJogo(jogo); }
    // What a game's folders take on disk, in bytes, counted until the count
    // passes `ate`: at most ate / bloco + 2 entries of each are looked at.
    // Only reads, on any thread.
    static qint64 tamanho(const TPastasNavegador& pastasJogo, qint64 ate);
    qint64 tamanho(const QString& jogo, qint64 ate) const { return tamanho(pastasDoJogo(jogo), ate); }
    // Moves the game's folders out of the way (its next profile starts
    // empty) and deletes them on a worker.
    void descartar(const QString& jogo);

private:
    void arrumar();
    void descartarPasta(const QString& base, const QString& nome);
    static void esvaziarLixo(const QString& lixo);

    TPastasNavegador bases_;
};
