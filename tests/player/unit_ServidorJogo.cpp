#include "tests/player/unit_ServidorJogo.h"

namespace {

const QByteArray pedidoPolitica("<policy-file-request/>", 23);

} // namespace

TServidorJogo::TServidorJogo(bool politicaNaPorta, quint16 porta) : politicaNaPorta_(politicaNaPorta) {
    escuta_.listen(QHostAddress::LocalHost, porta);
    connect(&escuta_, &QTcpServer::newConnection, this, &TServidorJogo::aceitar);
}

QString TServidorJogo::destino() const {
    return QStringLiteral("127.0.0.1:%1").arg(porta());
}

void TServidorJogo::aceitar() {
    while (QTcpSocket* socket = escuta_.nextPendingConnection()) {
        ++aceitas_;
        socket->setParent(this);
        if (politicaNaPorta_)
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { primeirosBytes(socket); });
        else
            jogo(socket);
    }
}

void TServidorJogo::primeirosBytes(QTcpSocket* socket) {
    const QByteArray inicio = socket->peek(pedidoPolitica.size());
    if (pedidoPolitica.startsWith(inicio) && inicio.size() < pedidoPolitica.size())
        return; // maybe a policy request, not whole yet
    socket->disconnect(this);
    if (inicio == pedidoPolitica) {
        ++pedidosPolitica_;
        socket->write(politica + '\0');
        socket->disconnectFromHost();
        return;
    }
    jogo(socket);
    Q_EMIT socket->readyRead();
}

void TServidorJogo::jogo(QTcpSocket* socket) {
    conexoesJogo_.append(socket);
    aoConectar(socket);
}
