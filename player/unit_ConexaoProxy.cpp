#include "player/unit_ConexaoProxy.h"

#include "net/unit_MensagemSocks.h"
#include "player/unit_AcessoSocket.h"

#include <QHostInfo>
#include <QNetworkProxy>
#include <algorithm>

namespace {

enum TResposta : char {
    sucesso = 0,
    naoPermitido = 2,
    hostInalcancavel = 4,
    conexaoRecusada = 5,
    comandoNaoSuportado = 7,
    tipoNaoSuportado = 8,
};

// What either side reads from the system at a time, and keeps at most while
// the other side is full.
constexpr qint64 pedaco = 64 * 1024;
// How long a side that reads nothing may keep what the other sent before it
// closed.
constexpr int esperaFechamento = 5000;

QByteArray resposta(char codigo) {
    // Bound to 0.0.0.0:0: the browser has no use for the address.
    return QByteArray("\x05\x00\x00\x01\x00\x00\x00\x00\x00\x00", 10).replace(1, 1, QByteArray(1, codigo));
}

} // namespace

TConexaoProxy::TConexaoProxy(TSocketContido* cliente, const TLimitesPonte& limites, THostDeFilme hostDeFilme,
                             QObject* pai)
    : QObject(pai), cliente_(cliente), limites_(limites), hostDeFilme_(std::move(hostDeFilme)) {
    cliente_->setParent(this);
    cliente_->setReadBufferSize(pedaco);
    connect(cliente_, &QTcpSocket::readyRead, this, &TConexaoProxy::lerCliente);
    connect(cliente_, &QTcpSocket::bytesWritten, this, [this] {
        if (etapa_ == TEtapa::ligada)
            passar(servidor_, *cliente_);
    });
    connect(cliente_, &QTcpSocket::disconnected, this, &TConexaoProxy::ladoFechou);

    servidor_.setProxy(QNetworkProxy::NoProxy);
    servidor_.setReadBufferSize(pedaco);
    connect(&servidor_, &QTcpSocket::connected, this, &TConexaoProxy::conectado);
    connect(&servidor_, &QTcpSocket::readyRead, this, [this] { passar(servidor_, *cliente_); });
    connect(&servidor_, &QTcpSocket::bytesWritten, this, [this] { passar(*cliente_, servidor_); });
    connect(&servidor_, &QTcpSocket::disconnected, this, &TConexaoProxy::ladoFechou);
    connect(&servidor_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError erro) {
        if (etapa_ == TEtapa::conectando)
            falhou(erro == QAbstractSocket::ConnectionRefusedError ? conexaoRecusada : hostInalcancavel);
        else
            ladoFechou();
    });

    prazo_.setSingleShot(true);
    connect(&prazo_, &QTimer::timeout, this, &TConexaoProxy::fechar);
    prazo_.start(limites_.conexao);
    lerCliente();
}

TConexaoProxy::~TConexaoProxy() {
    servidor_.disconnect(this);
    cliente_->disconnect(this);
}

void TConexaoProxy::lerCliente() {
    if (etapa_ == TEtapa::saudacao && !lerSaudacao())
        return;
    if (etapa_ == TEtapa::pedido)
        lerPedido();
    else if (etapa_ == TEtapa::ligada)
        passar(*cliente_, servidor_);
}

bool TConexaoProxy::lerSaudacao() {
    const TMensagemSocks saudacao = TMensagemSocks::saudacao(cliente_->peek(TMensagemSocks::tamanhoMaximo));
    switch (saudacao.estado()) {
    case TMensagemSocks::TEstado::incompleta:
        return false;
    case TMensagemSocks::TEstado::aceita:
        break;
    case TMensagemSocks::TEstado::semMetodoAceito:
        etapa_ = TEtapa::recusada;
        cliente_->write(QByteArray("\x05\xff", 2));
        cliente_->disconnectFromHost();
        return false;
    default:
        fechar();
        return false;
    }
    cliente_->read(saudacao.tamanho());
    cliente_->write(QByteArray("\x05\x00", 2));
    etapa_ = TEtapa::pedido;
    return true;
}

void TConexaoProxy::lerPedido() {
    const TMensagemSocks pedido = TMensagemSocks::pedido(cliente_->peek(TMensagemSocks::tamanhoMaximo));
    switch (pedido.estado()) {
    case TMensagemSocks::TEstado::incompleta:
        return;
    case TMensagemSocks::TEstado::aceita:
        break;
    case TMensagemSocks::TEstado::comandoNaoSuportado:
        falhou(comandoNaoSuportado);
        return;
    case TMensagemSocks::TEstado::tipoNaoSuportado:
        falhou(tipoNaoSuportado);
        return;
    default:
        fechar();
        return;
    }
    cliente_->read(pedido.tamanho());
    host_ = pedido.host();
    porta_ = pedido.porta();

    etapa_ = TEtapa::resolvendo;
    cliente_->conter();
    if (const QHostAddress literal(host_); !literal.isNull())
        resolvido({literal});
    else if (const auto conhecido = limites_.nomesResolvidos.constFind(host_);
             conhecido != limites_.nomesResolvidos.cend())
        resolvido({QHostAddress(conhecido.value())});
    else
        QHostInfo::lookupHost(host_, this,
                              [this](const QHostInfo& resolucao) { resolvido(resolucao.addresses()); });
}

// The address connected to is the one checked: nothing is resolved again.
void TConexaoProxy::resolvido(const QList<QHostAddress>& enderecos) {
    const auto permitido = std::find_if(enderecos.cbegin(), enderecos.cend(), [this](const QHostAddress& e) {
        return TAcessoSocket::destinoPermitido(e, porta_, limites_);
    });
    if (permitido != enderecos.cend()) {
        etapa_ = TEtapa::conectando;
        servidor_.connectToHost(*permitido, porta_);
    } else if (!enderecos.isEmpty() && porta_ != 0 && hostDeFilme_(host_)) {
        etapa_ = TEtapa::conectando;
        servidor_.connectToHost(enderecos.first(), porta_);
    } else {
        falhou(enderecos.isEmpty() ? hostInalcancavel : naoPermitido);
    }
}

void TConexaoProxy::conectado() {
    prazo_.stop();
    etapa_ = TEtapa::ligada;
    cliente_->write(resposta(sucesso));
    cliente_->soltar();
}

void TConexaoProxy::falhou(char codigo) {
    etapa_ = TEtapa::recusada;
    servidor_.abort();
    cliente_->conter();
    cliente_->write(resposta(codigo));
    cliente_->disconnectFromHost();
    prazo_.start(esperaFechamento);
}

// A side's bytes go on only while the other side has room; the rest waits in
// the system, which slows the sender down.
void TConexaoProxy::passar(TSocketContido& de, TSocketContido& para) {
    while (de.bytesAvailable() > 0 && para.bytesToWrite() < limites_.pendenteMaximo &&
           para.state() == QAbstractSocket::ConnectedState)
        para.write(de.read(pedaco));
    de.retomarLeitura();
}

// Once a side has closed, what it sent still goes on and the other side
// closes after it.
void TConexaoProxy::ladoFechou() {
    if (etapa_ != TEtapa::ligada) {
        if (cliente_->state() == QAbstractSocket::UnconnectedState)
            fechar();
        return;
    }
    for (auto [de, para] : {std::pair{cliente_, &servidor_}, std::pair{&servidor_, cliente_}}) {
        if (de->state() == QAbstractSocket::ConnectedState)
            continue;
        if (para->state() == QAbstractSocket::ConnectedState) {
            para->write(de->readAll());
            para->disconnectFromHost();
        }
    }
    if (cliente_->state() == QAbstractSocket::UnconnectedState &&
        servidor_.state() == QAbstractSocket::UnconnectedState)
        encerrar();
    else
        prazo_.start(esperaFechamento);
}

void TConexaoProxy::fechar() {
    servidor_.abort();
    cliente_->abort();
    encerrar();
}

void TConexaoProxy::encerrar() {
    if (std::exchange(encerrada_, true))
        return;
    Q_EMIT encerrada();
    deleteLater();
}
