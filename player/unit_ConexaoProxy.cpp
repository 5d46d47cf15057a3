#include "player/unit_ConexaoProxy.h"

#include "player/unit_AcessoSocket.h"

#include <QHostInfo>
#include <QNetworkProxy>
#include <QtEndian>
#include <algorithm>

namespace {

constexpr char versaoSocks = 5;
constexpr char semAutenticacao = 0;
constexpr char comandoConectar = 1;
enum TTipoEndereco : char { ipv4 = 1, nome = 3, ipv6 = 4 };
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
    const QByteArray inicio = cliente_->peek(2);
    if (inicio.size() < 2)
        return false;
    if (inicio.at(0) != versaoSocks) {
        fechar();
        return false;
    }
    const qint64 tamanho = 2 + static_cast<uchar>(inicio.at(1));
    if (cliente_->bytesAvailable() < tamanho)
        return false;
    if (!cliente_->read(tamanho).mid(2).contains(semAutenticacao)) {
        etapa_ = TEtapa::recusada;
        cliente_->write(QByteArray("\x05\xff", 2));
        cliente_->disconnectFromHost();
        return false;
    }
    cliente_->write(QByteArray("\x05\x00", 2));
    etapa_ = TEtapa::pedido;
    return true;
}

void TConexaoProxy::lerPedido() {
    const QByteArray cabeca = cliente_->peek(5);
    if (cabeca.size() < 5)
        return;
    if (cabeca.at(0) != versaoSocks || cabeca.at(2) != 0) {
        fechar();
        return;
    }
    if (cabeca.at(1) != comandoConectar) {
        falhou(comandoNaoSuportado);
        return;
    }
    const char tipo = cabeca.at(3);
    qint64 tamanhoEndereco = 0;
    switch (tipo) {
    case ipv4:
        tamanhoEndereco = 4;
        break;
    case ipv6:
        tamanhoEndereco = 16;
        break;
    case nome:
        tamanhoEndereco = 1 + static_cast<uchar>(cabeca.at(4));
        break;
    default:
        falhou(tipoNaoSuportado);
        return;
    }
    const qint64 tamanho = 4 + tamanhoEndereco + 2;
    if (cliente_->bytesAvailable() < tamanho)
        return;
    const QByteArray pedido = cliente_->read(tamanho);
    const QByteArray endereco = pedido.mid(4, tamanhoEndereco);
    porta_ = qFromBigEndian<quint16>(pedido.constData() + 4 + tamanhoEndereco);
    if (tipo == nome)
        host_ = QString::fromLatin1(endereco.mid(1)).toLower();
    else if (tipo == ipv4)
        host_ = QHostAddress(qFromBigEndian<quint32>(endereco.constData())).toString();
    else
        host_ = QHostAddress(reinterpret_cast<const quint8*>(endereco.constData())).toString();

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
    QTimer::singleShot(esperaFechamento, this, &TConexaoProxy::fechar);
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
        QTimer::singleShot(esperaFechamento, this, &TConexaoProxy::fechar);
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
