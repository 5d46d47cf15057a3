#pragma once

#include "net/unit_ServidorSocket.h"
#include "player/unit_LimitesPonte.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <functional>
#include <optional>

class QHostInfo;
class TConsentimentoSocket;

// Where a movie's socket to a game server may go: the server's name resolved,
// the first of its addresses outside the user's own machine and networks (or
// let through by the limits) or, when it has none, one that is also an
// address of the movie's own host (a game served from the user's network
// reaches its own host there), and the host's consent for the movie's own
// host and that port. Ends once, with the address or none, and then destroys
// itself; destroyed before (its page gone), it answers nothing.
class TAcessoSocket : public QObject {
    Q_OBJECT
public:
    using TResposta = std::function<void(const std::optional<QHostAddress>& endereco)>;

    static void obter(const TServidorSocket& servidor, const QString& hostFilme, const TLimitesPonte& limites,
                      TConsentimentoSocket& consentimento, QObject* pai, TResposta resposta);

    // Whether `endereco`:`porta` may be connected to: a public address, or
    // one the limits name.
    static bool destinoPermitido(const QHostAddress& endereco, int porta, const TLimitesPonte& limites);

private:
    TAcessoSocket(const TServidorSocket& servidor, const QString& hostFilme, const TLimitesPonte& limites,
                  TConsentimentoSocket& consentimento, QObject* pai, TResposta resposta);
    void resolvido(const QHostInfo& resolucao);
    void resolvidoFilme(const QHostInfo& resolucao);
    void pedirConsentimento(const QHostAddress& endereco, bool doHostDoFilme);
    void concluir(const std::optional<QHostAddress>& endereco);

    TServidorSocket servidor_;
    QString hostFilme_;
    TLimitesPonte limites_;
    TConsentimentoSocket& consentimento_;
    TResposta resposta_;
    QList<QHostAddress> enderecosServidor_;
};
