#pragma once

#include "net/unit_PoliticaSocket.h"
#include "player/unit_LimitesPonte.h"

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <functional>
#include <optional>

// Whether a game host consents to a movie's socket, as it did for the movies'
// old player: the host's socket policy is asked for on its policy port (843)
// and, when that brings none, on the port the movie connects to; the movie
// connects only when the policy allows its own host and that port. A host's
// policies are kept for the run, and so is the lack of one on its policy
// port; movies asking while a request runs wait for it. Lives on the
// bridge's thread.
class TConsentimentoSocket : public QObject {
    Q_OBJECT
public:
    using TResposta = std::function<void(bool permitido)>;
    using TDestinoPermitido = std::function<bool(const QHostAddress& endereco, int porta)>;

    explicit TConsentimentoSocket(QObject* pai) : QObject(pai) {}

    // Asks `host` (reached at `endereco`) whether a movie loaded from
    // `hostFilme` may connect to `porta`. A policy port `permitido` refuses is
    // not asked (it gives no policy).
    void pedir(const QString& host, const QHostAddress& endereco, int porta, const QString& hostFilme,
               const TLimitesPonte& limites, const TDestinoPermitido& permitido, const TResposta& resposta);

private:
    using TPolitica = std::optional<TPoliticaSocket>;
    using TAoObter = std::function<void(const TPolitica&)>;

    // The policy `host` serves on `porta`, asked for once per run.
    void obter(const QString& host, const QHostAddress& endereco, int porta, const TLimitesPonte& limites,
               const TDestinoPermitido& permitido, const TAoObter& aoObter);
    void concluir(const QString& chave, const TPolitica& politica, bool guardarFalta);

    QHash<QString, TPolitica> obtidas_;
    QHash<QString, QList<TAoObter>> aguardando_;
};
