#include "player/unit_AcessoSocket.h"

#include "net/unit_EnderecoIp.h"
#include "player/unit_ConsentimentoSocket.h"

#include <QHostInfo>
#include <QPointer>
#include <algorithm>

namespace {

QString destino(const QHostAddress& endereco, int porta) {
    const QString ip = endereco.toString();
    const QString host =
        endereco.protocol() == QAbstractSocket::IPv6Protocol ? QLatin1Char('[') + ip + QLatin1Char(']') : ip;
    return host + QLatin1Char(':') + QString::number(porta);
}

} // namespace

TAcessoSocket::TAcessoSocket(const TServidorSocket& servidor, const QString& hostFilme,
                             const TLimitesPonte& limites, TConsentimentoSocket& consentimento, QObject* pai,
                             TResposta resposta)
    : QObject(pai), servidor_(servidor), hostFilme_(hostFilme), limites_(limites),
      consentimento_(consentimento), resposta_(std::move(resposta)) {}

void TAcessoSocket::obter(const TServidorSocket& servidor, const QString& hostFilme,
                          const TLimitesPonte& limites, TConsentimentoSocket& consentimento, QObject* pai,
                          TResposta resposta) {
    auto* acesso = new TAcessoSocket(servidor, hostFilme, limites, consentimento, pai, std::move(resposta));
    QHostInfo::lookupHost(servidor.host, acesso, &TAcessoSocket::resolvido);
}

bool TAcessoSocket::destinoPermitido(const QHostAddress& endereco, int porta, const TLimitesPonte& limites) {
    if (limites.destinosPermitidos.contains(destino(endereco, porta)))
        return true;
    // An address with a scope (fe80::1%eth0) is link-local in any case.
    const std::optional<TEnderecoIp> ip = TEnderecoIp::deTexto(endereco.toString());
    return ip && ip->ehPublico();
}

// The address connected to is the one checked: nothing is resolved again.
void TAcessoSocket::resolvido(const QHostInfo& resolucao) {
    enderecosServidor_ = resolucao.addresses();
    const auto alcancavel =
        std::find_if(enderecosServidor_.cbegin(), enderecosServidor_.cend(), [this](const QHostAddress& e) {
            return destinoPermitido(e, servidor_.porta, limites_);
        });
    if (alcancavel != enderecosServidor_.cend())
        pedirConsentimento(*alcancavel, false);
    else
        QHostInfo::lookupHost(hostFilme_, this, &TAcessoSocket::resolvidoFilme);
}

// A movie served from the user's own network (a game host there) reaches its
// own host there: the server's address must be one of the movie's host's.
void TAcessoSocket::resolvidoFilme(const QHostInfo& resolucao) {
    const QList<QHostAddress> doFilme = resolucao.addresses();
    const auto proprio = std::find_if(enderecosServidor_.cbegin(), enderecosServidor_.cend(),
                                      [&doFilme](const QHostAddress& e) { return doFilme.contains(e); });
    if (proprio == enderecosServidor_.cend())
        concluir(std::nullopt);
    else
        pedirConsentimento(*proprio, true);
}

void TAcessoSocket::pedirConsentimento(const QHostAddress& endereco, bool doHostDoFilme) {
    consentimento_.pedir(
        servidor_.host, endereco, servidor_.porta, hostFilme_, limites_,
        [limites = limites_, endereco, doHostDoFilme](const QHostAddress& e, int porta) {
            return (doHostDoFilme && e == endereco) || destinoPermitido(e, porta, limites);
        },
        [guarda = QPointer<TAcessoSocket>(this), endereco](bool permitido) {
            if (guarda)
                guarda->concluir(permitido ? std::optional(endereco) : std::nullopt);
        });
}

void TAcessoSocket::concluir(const std::optional<QHostAddress>& endereco) {
    std::exchange(resposta_, nullptr)(endereco);
    deleteLater();
}
