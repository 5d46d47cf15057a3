#include "player/unit_ConsentimentoSocket.h"

#include "player/unit_BuscaPolitica.h"

namespace {

// Answers kept; past it, every host is asked again.
constexpr qsizetype respostasGuardadas = 1024;

QString chave(const QString& host, int porta) {
    return host.toLower() + QLatin1Char(' ') + QString::number(porta);
}

} // namespace

void TConsentimentoSocket::pedir(const QString& host, const QHostAddress& endereco, int porta,
                                 const QString& hostFilme, const TLimitesPonte& limites,
                                 const TDestinoPermitido& permitido, const TResposta& resposta) {
    const auto decidir = [hostFilme, porta, resposta](const TPolitica& politica) {
        resposta(politica && politica->permite(hostFilme, porta));
    };
    obter(host, endereco, limites.portaPolitica, limites, permitido, [=, this](const TPolitica& mestra) {
        if (mestra || porta == limites.portaPolitica)
            decidir(mestra);
        else
            obter(host, endereco, porta, limites, permitido, decidir);
    });
}

void TConsentimentoSocket::obter(const QString& host, const QHostAddress& endereco, int porta,
                                 const TLimitesPonte& limites, const TDestinoPermitido& permitido,
                                 const TAoObter& aoObter) {
    const QString qual = chave(host, porta);
    if (const auto obtida = obtidas_.constFind(qual); obtida != obtidas_.cend()) {
        aoObter(*obtida);
        return;
    }
    QList<TAoObter>& fila = aguardando_[qual];
    fila.append(aoObter);
    if (fila.size() > 1)
        return;
    // A host without a policy port is not asked on it again this run; one
    // without a policy on its game port may come up later.
    const bool guardarFalta = porta == limites.portaPolitica;
    if (!permitido(endereco, porta)) {
        concluir(qual, std::nullopt, guardarFalta);
        return;
    }
    TBuscaPolitica::buscar(
        endereco, porta, limites.esperaPolitica, this,
        [this, qual, guardarFalta](const TPolitica& politica) { concluir(qual, politica, guardarFalta); });
}

void TConsentimentoSocket::concluir(const QString& qual, const TPolitica& politica, bool guardarFalta) {
    if (politica || guardarFalta) {
        if (obtidas_.size() >= respostasGuardadas)
            obtidas_.clear();
        obtidas_.insert(qual, politica);
    }
    for (const TAoObter& aoObter : aguardando_.take(qual))
        aoObter(politica);
}
