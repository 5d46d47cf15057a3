#pragma once

#include <QString>

// Where a browser profile keeps what it stores: its data (cookies, the
// movies' saved data, databases) and its cache. Without a data folder it
// keeps both in memory only.
struct TPastasNavegador {
    QString dados;
    QString cache;

    bool emMemoria() const { return dados.isEmpty(); }
    // The folders of one game: one of its own under each.
    TPastasNavegador doJogo(const QString& jogo) const { return {dentro(dados, jogo), dentro(cache, jogo)}; }

private:
    static QString dentro(const QString& pasta, const QString& nome) {
        return pasta.isEmpty() ? QString() : pasta + QLatin1Char('/') + nome;
    }
};
