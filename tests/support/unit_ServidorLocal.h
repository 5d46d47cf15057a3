#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <memory>

using TCabecalhosLocais = QList<QPair<QByteArray, QByteArray>>;

// One request the local server received.
struct TPedidoLocal {
    QByteArray caminho;
    TCabecalhosLocais cabecalhos; // as sent, in order
    TCabecalhosLocais parametros; // of the query, decoded
    // The first value of a header (name in any letter case); empty when absent.
    QByteArray cabecalho(const QByteArray& nome) const;
    // The first value of a query parameter; empty when absent.
    QByteArray parametro(const QByteArray& nome) const;
};

// An answer of the local server.
struct TRespostaLocal {
    int status = 200;
    QByteArray corpo{};
    QByteArray tipo = "text/html; charset=utf-8";
    TCabecalhosLocais cabecalhos{}; // Location, Set-Cookie...
    bool emPartes = false;          // `corpo` sent chunked, its length not declared
    bool semFim = false;            // an endless chunked body instead of `corpo`
    int portao = 0;                 // above 0: held back until that gate opens
    // Above 0: the headers declare a body of this length instead of `corpo`'s,
    // and no byte of it is ever sent.
    qint64 tamanhoDeclarado = 0;

    static TRespostaLocal redirecionar(const QByteArray& location, int status = 302);
};

// An HTTP server on 127.0.0.1, on a free port, answering on its own threads.
// Paths without a route answer 404.
class TServidorLocal {
public:
    using TRota = std::function<TRespostaLocal(const TPedidoLocal& pedido)>;

    TServidorLocal();
    // On the first of `portas` that is free; when none is, nothing listens
    // and `porta` is 0.
    explicit TServidorLocal(const QList<int>& portas);

    // Ports on the browsers' unsafe list that need no privileges to listen on.
    static QList<int> portasInseguras() {
        return {10080, 6679, 6697, 6665, 6666, 6667, 6668, 6669, 6566, 5060, 5061, 4190, 4045, 3659, 1719};
    }
    // Opens every gate, then stops.
    ~TServidorLocal();

    // Answers GETs of `caminho`; a path ending in "*" takes every path that
    // begins with the rest. The route added last wins.
    void rota(const QByteArray& caminho, TRota rota);
    void rota(const QByteArray& caminho, const TRespostaLocal& resposta);
    void abrirPortao(int portao);

    QString url(const QByteArray& caminho) const;
    // The server's address and port, as "127.0.0.1:8080".
    QString destino() const;
    int porta() const;
    QList<TPedidoLocal> pedidos() const;
    int contar(const QByteArray& caminho) const;
    // Connections accepted so far, whether or not a request came over them.
    int conexoesAceitas() const;

private:
    struct TDados;
    std::unique_ptr<TDados> d;
};
