#pragma once

#include "net/unit_ServidorSocket.h"
#include "player/unit_LimitesPonte.h"

#include <QJsonArray>
#include <QObject>
#include <QThread>
#include <QUrl>
#include <functional>

class TProxyPaginas;
class TServidorPonte;

// The socket bridge of the player's pages. The engine reaches a movie's
// game server (its `Socket` and `XMLSocket`) only through a WebSocket proxy
// named in advance for that exact host and port; the bridge is that proxy,
// in the program: a WebSocket server on 127.0.0.1 whose every WebSocket
// becomes one TCP connection to the game server. Each page registers with a
// secret of its own, and its sockets go only to the servers it was given,
// with the host's consent (its socket policy), at addresses outside the
// user's own machine and networks, within the page's bounds. The sockets'
// traffic runs on the bridge's own thread, never on the UI thread.
class TPonteSockets {
public:
    // The bounds of pages registered from now on.
    static inline TLimitesPonte limites{};

    // The program's bridge, listening from its first use on.
    static TPonteSockets& instancia();

    // Registers the page of the movie at `enderecoFilme` (its origin and
    // host); gives the page's secret.
    QString registrarPagina(const QUrl& enderecoFilme);
    // Closes every socket of the page and forgets it.
    void removerPagina(const QString& segredo);
    // The engine's socket proxy entries (host, port, proxyUrl) of the page
    // for `servidores`, which the page may use from now on.
    QJsonArray entradas(const QString& segredo, const QList<TServidorSocket>& servidores);
    // Answers on `contexto`'s thread, unless it is gone by then, whether a
    // movie at `enderecoFilme` could reach `servidor`.
    void verificar(const QUrl& enderecoFilme, const TServidorSocket& servidor, QObject* contexto,
                   std::function<void(bool)> resposta);

    // The WebSocket address of the bridge ("ws://127.0.0.1:<port>/").
    QString endereco() const;
    // The address of the pages' proxy ("socks5://127.0.0.1:<port>"), through
    // which the player's browser makes every connection beyond this machine's
    // loopback addresses.
    QString enderecoProxy() const;

    // The origin of a page at `url`, as its WebSockets' Origin header gives it.
    static QString origem(const QUrl& url);

private:
    TPonteSockets();
    ~TPonteSockets() = delete;
    // When the application ends: the bridge's thread stops; the rest goes
    // with the process.
    static void parar();

    QThread thread_;
    // Lives on the UI thread: the bridge's answers reach it there.
    QObject receptor_;
    TServidorPonte* servidor_;
    TProxyPaginas* proxy_;
    quint16 porta_ = 0;
    quint16 portaProxy_ = 0;
};
