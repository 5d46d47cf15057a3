#include "player/unit_ProxyPaginas.h"
#include "tests/player/unit_ServidorJogo.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A connection of the browser through the proxy, naming its host as the
// browser does (the name itself, resolved by the proxy).
struct TClienteProxy {
    std::unique_ptr<QTcpSocket> socket = std::make_unique<QTcpSocket>();
    QByteArray recebido;
    bool falhou = false;

    TClienteProxy(quint16 portaProxy, const QString& host, quint16 porta) {
        socket->setProxy(QNetworkProxy(QNetworkProxy::Socks5Proxy, QStringLiteral("127.0.0.1"), portaProxy));
        QObject::connect(socket.get(), &QTcpSocket::readyRead, socket.get(),
                         [this] { recebido += socket->readAll(); });
        QObject::connect(socket.get(), &QTcpSocket::errorOccurred, socket.get(), [this] { falhou = true; });
        socket->connectToHost(host, porta);
    }
    bool conectado() const { return socket->state() == QAbstractSocket::ConnectedState; }
};

// A connection that speaks to the proxy byte by byte.
struct TClienteBruto {
    QTcpSocket socket;
    QByteArray recebido;

    TClienteBruto(quint16 portaProxy, const QByteArray& enviar) {
        QObject::connect(&socket, &QTcpSocket::readyRead, &socket, [this] { recebido += socket.readAll(); });
        socket.connectToHost(QHostAddress::LocalHost, portaProxy);
        socket.write(enviar);
    }
    bool fechado() const { return socket.state() == QAbstractSocket::UnconnectedState; }
};

class Proxy : public ::testing::Test {
protected:
    void SetUp() override {
        limites.nomesResolvidos = {{QStringLiteral("jogo.example"), QStringLiteral("127.0.0.1")},
                                   {QStringLiteral("interno.example"), QStringLiteral("127.0.0.1")}};
    }
    quint16 iniciar() {
        proxy = std::make_unique<TProxyPaginas>(
            limites, [](const QString& host) { return host == QLatin1String("jogo.example"); });
        return proxy->escutar();
    }
    static bool esperar(const std::function<bool()>& condicao) { return QTest::qWaitFor(condicao, 20000); }

    TLimitesPonte limites;
    TServidorJogo peer{false};
    std::unique_ptr<TProxyPaginas> proxy;
};

} // namespace

// The proxy resolves names itself and judges the address it would connect
// to: this machine, by its address, by "localhost" or by a name that leads
// here, is never reached, unless it is a movie's own host.
TEST_F(Proxy, NothingOfThisMachineIsReachedButAMoviesOwnHost) {
    const quint16 porta = iniciar();
    ASSERT_NE(porta, 0);
    for (const QString& host : {QStringLiteral("127.0.0.1"), QStringLiteral("localhost"),
                                QStringLiteral("interno.example"), QStringLiteral("::1")}) {
        TClienteProxy cliente(porta, host, peer.porta());
        EXPECT_TRUE(esperar([&] { return cliente.falhou; })) << host.toStdString();
        EXPECT_FALSE(cliente.conectado());
    }
    EXPECT_EQ(peer.aceitas(), 0);

    TClienteProxy doFilme(porta, QStringLiteral("jogo.example"), peer.porta());
    ASSERT_TRUE(esperar([&] { return doFilme.conectado(); }));
    doFilme.socket->write("ola");
    ASSERT_TRUE(esperar([&] { return doFilme.recebido == "ola"; }));
    EXPECT_EQ(peer.aceitas(), 1);
}

// Only a plain CONNECT without authentication is taken: anything else is
// answered with the protocol's refusal, or closed, and reaches nobody.
TEST_F(Proxy, AnythingButAConnectIsRefused) {
    const quint16 porta = iniciar();
    const QByteArray saudacao("\x05\x01\x00", 3);
    const QByteArray bind = saudacao + QByteArray("\x05\x02\x00\x03\x0cjogo.example\x1f\x40", 19);
    const QByteArray tipoDesconhecido = saudacao + QByteArray("\x05\x01\x00\x09\x00\x00", 6);
    TClienteBruto http(porta, "GET / HTTP/1.1\r\nHost: jogo.example\r\n\r\n");
    TClienteBruto soComSenha(porta, QByteArray("\x05\x01\x02", 3));
    TClienteBruto ligar(porta, bind);
    TClienteBruto endereco(porta, tipoDesconhecido);
    EXPECT_TRUE(esperar([&] { return http.fechado(); }));
    EXPECT_TRUE(http.recebido.isEmpty());
    EXPECT_TRUE(esperar([&] { return soComSenha.fechado(); }));
    EXPECT_EQ(soComSenha.recebido, QByteArray("\x05\xff", 2));
    EXPECT_TRUE(esperar([&] { return ligar.fechado(); }));
    EXPECT_EQ(ligar.recebido.mid(2, 2), QByteArray("\x05\x07", 2));
    EXPECT_TRUE(esperar([&] { return endereco.fechado(); }));
    EXPECT_EQ(endereco.recebido.mid(2, 2), QByteArray("\x05\x08", 2));
    EXPECT_EQ(peer.aceitas(), 0);
}

// A server that stops reading holds the browser back at the bound instead of
// filling the proxy; once it reads again every byte arrives, in order, and
// the same holds the other way.
TEST_F(Proxy, EachDirectionIsHeldBackAtItsBoundAndLosesNothing) {
    limites.pendenteMaximo = 1024 * 1024;
    limites.destinosPermitidos = {peer.destino()};
    QTcpSocket* lento = nullptr;
    peer.aoConectar = [&](QTcpSocket* socket) {
        lento = socket;
        socket->setReadBufferSize(1);
    };
    TClienteProxy cliente(iniciar(), QStringLiteral("127.0.0.1"), peer.porta());
    ASSERT_TRUE(esperar([&] { return cliente.conectado() && lento; }));

    QByteArray enviado;
    for (int i = 0; i < 48; ++i)
        enviado += QByteArray(1024 * 1024, static_cast<char>('a' + i % 26));
    cliente.socket->write(enviado);
    // Until the browser's side has written nothing for a while: the chain is full.
    QElapsedTimer quieto;
    quieto.start();
    QObject::connect(cliente.socket.get(), &QTcpSocket::bytesWritten, cliente.socket.get(),
                     [&] { quieto.restart(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return quieto.elapsed() > 500; }, 30000));
    // What left it sits in the system's buffers (a few MiB each way on
    // loopback) and, at most its bound, in the proxy.
    EXPECT_LT(enviado.size() - cliente.socket->bytesToWrite(), 24LL * 1024 * 1024);

    QByteArray chegou;
    lento->setReadBufferSize(0);
    QObject::connect(lento, &QTcpSocket::readyRead, lento, [&] { chegou += lento->readAll(); });
    chegou += lento->readAll();
    ASSERT_TRUE(esperar([&] { return chegou.size() >= enviado.size(); })) << chegou.size();
    EXPECT_TRUE(chegou == enviado);

    const QByteArray resposta(12 * 1024 * 1024, 'R');
    lento->write(resposta);
    ASSERT_TRUE(esperar([&] { return cliente.recebido.size() >= resposta.size(); }));
    EXPECT_TRUE(cliente.recebido == resposta);

    // The server closing closes the browser's side after what it sent.
    lento->write("fim");
    lento->disconnectFromHost();
    ASSERT_TRUE(esperar([&] { return !cliente.conectado(); }));
    EXPECT_TRUE(cliente.recebido.endsWith("fim"));
}
