#include "player/unit_ProxyPaginas.h"

namespace {

// Connections open at once; more are closed at once. The browser keeps
// about 256 per profile, and each game has one.
constexpr int conexoesMaximas = 1024;

} // namespace

TProxyPaginas::TProxyPaginas(const TLimitesPonte& limites, TConexaoProxy::THostDeFilme hostDeFilme,
                             QObject* pai)
    : QObject(pai), limites_(limites), hostDeFilme_(std::move(hostDeFilme)) {
    escuta_.aoAceitar = [this](TSocketContido* socket) { aceitar(socket); };
}

quint16 TProxyPaginas::escutar() {
    return escuta_.listen(QHostAddress::LocalHost, 0) ? escuta_.serverPort() : 0;
}

void TProxyPaginas::aceitar(TSocketContido* socket) {
    if (abertas_ >= conexoesMaximas) {
        delete socket;
        return;
    }
    ++abertas_;
    auto* conexao = new TConexaoProxy(socket, limites_, hostDeFilme_, this);
    connect(conexao, &TConexaoProxy::encerrada, this, [this] { --abertas_; });
}
