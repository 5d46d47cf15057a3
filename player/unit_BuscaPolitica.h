#pragma once

#include "net/unit_PoliticaSocket.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <chrono>
#include <functional>
#include <optional>

// One request of a host's socket policy, as a movie's player makes it: a
// "<policy-file-request/>" and a zero byte to the port, and the policy read
// up to the zero byte the host answers with (or up to its closing the
// connection), within a time and a size. Ends once, with the policy or none;
// it then destroys itself.
class TBuscaPolitica : public QObject {
    Q_OBJECT
public:
    using TResposta = std::function<void(const std::optional<TPoliticaSocket>& politica)>;

    static void buscar(const QHostAddress& endereco, int porta, std::chrono::milliseconds espera,
                       QObject* pai, TResposta resposta);

private:
    TBuscaPolitica(std::chrono::milliseconds espera, QObject* pai, TResposta resposta);
    void ler();
    void concluir(const std::optional<TPoliticaSocket>& politica);

    QTcpSocket socket_{this};
    QTimer espera_{this};
    QByteArray recebido_;
    TResposta resposta_;
};
