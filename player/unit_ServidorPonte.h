#pragma once

#include "net/unit_ServidorSocket.h"
#include "player/unit_ConsentimentoSocket.h"
#include "player/unit_EscutaPonte.h"
#include "player/unit_LimitesPonte.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QWebSocketServer>
#include <functional>

class QWebSocket;
class TConexaoPonte;
class TSocketContido;

// The bridge's side on its own thread: a WebSocket server on 127.0.0.1 that
// turns each WebSocket of a registered page into one TCP connection to a game
// server the page was given. A WebSocket is taken only with its page's
// secret in its path, the page's origin in its Origin header and the bridge's
// own address in its Host header, and only while the page has fewer sockets
// open than its limit; anything else is closed before any connection is made.
class TServidorPonte : public QObject {
    Q_OBJECT
public:
    // A page that may use the bridge.
    struct TPagina {
        QString origem;    // as its WebSocket's Origin header says it: "http://host:port"
        QString hostFilme; // whose consent a game host is asked for
        TLimitesPonte limites;
        QList<TServidorSocket> servidores; // the path names one by its position
    };

    explicit TServidorPonte(QObject* pai = nullptr);
    ~TServidorPonte() override;

    // Listens on 127.0.0.1 at a free port: the port, or 0 when it cannot.
    quint16 escutar();
    void registrarPagina(const QString& segredo, const TPagina& pagina);
    // The page's servers from now on; those given before keep their places.
    void definirServidores(const QString& segredo, const QList<TServidorSocket>& servidores);
    // Closes every socket of the page and forgets it.
    void removerPagina(const QString& segredo);
    // Whether `host` (a name in ASCII, or an address) is the host a
    // registered page's movie came from.
    bool ehHostDeFilme(const QString& host) const;
    // Whether a movie of `hostFilme` could reach `servidor`: an address the
    // limits allow, and the host's consent.
    void verificar(const TServidorSocket& servidor, const QString& hostFilme, const TLimitesPonte& limites,
                   const std::function<void(bool)>& resposta);

private:
    struct TPaginaAberta {
        TPagina pagina;
        QSet<TConexaoPonte*> conexoes;
    };

    void aceitar(TSocketContido* socket);
    void apertoConcluido();
    // The page and server a WebSocket asks for, if it may have them.
    TPaginaAberta* paginaDe(const QWebSocket& socket, int& servidor);

    TEscutaPonte escuta_{this};
    QWebSocketServer apertos_;
    TConsentimentoSocket consentimento_{this};
    QString host_; // "127.0.0.1:<port>"
    QHash<QString, TPaginaAberta> paginas_;
    // Connections whose WebSocket handshake has not ended, by their peer's port.
    QHash<quint16, TSocketContido*> emAperto_;
};
