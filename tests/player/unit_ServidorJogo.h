#pragma once

#include <QByteArray>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

// A game server on 127.0.0.1, on a free port, in the test's thread. With
// `politicaNaPorta` it answers a connection that begins with a socket policy
// request with `politica` (and its zero byte) and closes it, and a
// connection is a game connection once its first bytes are something else;
// without, every connection is a game connection at once. Game connections
// go to `aoConectar` (by default it echoes what it reads).
class TServidorJogo : public QObject {
    Q_OBJECT
public:
    // `porta` 0: a free one.
    explicit TServidorJogo(bool politicaNaPorta = true, quint16 porta = 0);

    QByteArray politica =
        R"(<cross-domain-policy><allow-access-from domain="*" to-ports="*"/></cross-domain-policy>)";
    std::function<void(QTcpSocket* socket)> aoConectar = [](QTcpSocket* socket) {
        connect(socket, &QTcpSocket::readyRead, socket, [socket] { socket->write(socket->readAll()); });
    };

    quint16 porta() const { return escuta_.serverPort(); }
    // "127.0.0.1:<port>".
    QString destino() const;
    int pedidosPolitica() const { return pedidosPolitica_; }
    QList<QTcpSocket*> conexoesJogo() const { return conexoesJogo_; }
    // Connections accepted, whatever came over them.
    int aceitas() const { return aceitas_; }

private:
    void aceitar();
    void primeirosBytes(QTcpSocket* socket);
    void jogo(QTcpSocket* socket);

    QTcpServer escuta_;
    bool politicaNaPorta_;
    int aceitas_ = 0;
    int pedidosPolitica_ = 0;
    QList<QTcpSocket*> conexoesJogo_;
};
