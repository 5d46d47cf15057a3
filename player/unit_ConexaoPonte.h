#pragma once

#include "net/unit_ServidorSocket.h"
#include "player/unit_LimitesPonte.h"
#include "player/unit_SocketContido.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class QWebSocket;
class TConsentimentoSocket;

// One socket of a movie carried by the bridge: the page's WebSocket on one
// side, a TCP connection to the game server on the other, the bytes of each
// binary message of the page written to the server and what the server
// sends given to the page as binary messages. The server is connected to
// only once the host has consented and at an address the limits allow; until
// then, and whenever either side has `pendenteMaximo` bytes waiting, the
// sending side is held back. Lives on the bridge's thread.
class TConexaoPonte : public QObject {
    Q_OBJECT
public:
    // Takes `pagina` (made from `bruto`) and `bruto`.
    TConexaoPonte(QWebSocket* pagina, TSocketContido* bruto, const TServidorSocket& servidor,
                  const QString& hostFilme, const TLimitesPonte& limites, TConsentimentoSocket& consentimento,
                  QObject* pai);
    ~TConexaoPonte() override;

    // Both sides closed at once, whatever is waiting.
    void fechar();

Q_SIGNALS:
    // Both sides are closed; the connection destroys itself next.
    void encerrada();

private:
    void conectar(const std::optional<QHostAddress>& endereco);
    void paraServidor(const QByteArray& mensagem);
    void aliviarServidor();
    void paraPagina();
    void servidorFechou();
    void paginaFechou();
    void verificarFim();
    void encerrar();

    QWebSocket* pagina_;
    // The page's WebSocket deletes it once closed, maybe before this.
    QPointer<TSocketContido> bruto_;
    TSocketContido servidor_{this}; // never held back: its reader is the bridge
    int porta_;
    TLimitesPonte limites_;
    QTimer prazo_{this};
    bool servidorFechado_ = false;
    bool encerrada_ = false;
};
