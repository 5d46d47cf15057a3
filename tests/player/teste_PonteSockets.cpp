#include "player/unit_PonteSockets.h"
#include "tests/player/unit_ServidorJogo.h"
#include "tests/support/unit_Impressao.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QNetworkInterface>
#include <QTest>
#include <QWebSocket>
#include <gtest/gtest.h>
#include <memory>

using namespace std::chrono_literals;

namespace {

const QUrl filme(QStringLiteral("http://jogo.example:8080/swf/jogo.swf"));
const QString origemFilme = QStringLiteral("http://jogo.example:8080");

// A page's WebSocket to the bridge, as the engine opens it.
struct TSocketPagina {
    std::unique_ptr<QWebSocket> socket;
    QByteArray recebido;
    bool fechado = false;

    TSocketPagina(const QString& url, const QString& origem) : socket(std::make_unique<QWebSocket>(origem)) {
        QObject::connect(socket.get(), &QWebSocket::binaryMessageReceived, socket.get(),
                         [this](const QByteArray& dados) { recebido += dados; });
        QObject::connect(socket.get(), &QWebSocket::disconnected, socket.get(), [this] { fechado = true; });
        socket->open(QUrl(url));
    }
    bool aberto() const { return socket->state() == QAbstractSocket::ConnectedState; }
};

class Ponte : public ::testing::Test {
protected:
    void SetUp() override {
        TPonteSockets::limites = TLimitesPonte{};
        // The policy port of this machine is never reached: the game port answers.
        TPonteSockets::limites.destinosPermitidos = {jogo.destino()};
        segredo = ponte.registrarPagina(filme);
    }
    void TearDown() override { ponte.removerPagina(segredo); }

    // The page's proxy address for each server, in order.
    QStringList enderecos(const QList<TServidorSocket>& servidores) {
        QStringList lista;
        for (const QJsonValue& entrada : ponte.entradas(segredo, servidores))
            lista.append(entrada.toObject().value(QStringLiteral("proxyUrl")).toString());
        return lista;
    }
    QString enderecoJogo() { return enderecos({{QStringLiteral("127.0.0.1"), jogo.porta()}}).at(0); }

    static bool esperar(const std::function<bool()>& condicao) { return QTest::qWaitFor(condicao, 20000); }
    // The page's socket ends closed, and the game server got no connection.
    void esperarRecusa(TSocketPagina& pagina) {
        EXPECT_TRUE(esperar([&] { return pagina.fechado; }));
        EXPECT_EQ(jogo.conexoesJogo().size(), 0);
    }

    TPonteSockets& ponte = TPonteSockets::instancia();
    TServidorJogo jogo;
    QString segredo;
};

} // namespace

TEST_F(Ponte, BytesGoBothWaysOnceTheHostConsentsAndItsPolicyIsAskedOnce) {
    const QString endereco = enderecoJogo();
    TSocketPagina primeira(endereco, origemFilme);
    ASSERT_TRUE(esperar([&] { return primeira.aberto(); }));
    primeira.socket->sendBinaryMessage(QByteArray("Hello!\0", 7));
    primeira.socket->sendBinaryMessage("<root/>");
    ASSERT_TRUE(esperar([&] { return primeira.recebido.size() == 14; }));
    EXPECT_EQ(primeira.recebido, QByteArray("Hello!\0<root/>", 14));

    TSocketPagina segunda(endereco, origemFilme);
    ASSERT_TRUE(esperar([&] { return segunda.aberto(); }));
    segunda.socket->sendBinaryMessage("again");
    ASSERT_TRUE(esperar([&] { return segunda.recebido == "again"; }));
    EXPECT_EQ(jogo.conexoesJogo().size(), 2);
    EXPECT_EQ(jogo.pedidosPolitica(), 1);

    // The server closing closes the page's socket, after what it sent.
    jogo.conexoesJogo().at(0)->write("bye");
    jogo.conexoesJogo().at(0)->disconnectFromHost();
    ASSERT_TRUE(esperar([&] { return primeira.fechado; }));
    EXPECT_TRUE(primeira.recebido.endsWith("bye"));
    // The page going closes its sockets.
    ponte.removerPagina(segredo);
    EXPECT_TRUE(esperar([&] { return segunda.fechado; }));
}

TEST_F(Ponte, AnythingButThePagesOwnSocketIsRefusedBeforeAnyConnection) {
    const QString endereco = enderecoJogo();
    const QString semSegredo = endereco.section(QLatin1Char('/'), 0, 2) + QStringLiteral("/x/0");
    TSocketPagina outroSegredo(semSegredo, origemFilme);
    TSocketPagina outroServidor(endereco.chopped(1) + QLatin1Char('1'), origemFilme);
    TSocketPagina outraOrigem(endereco, QStringLiteral("http://evil.example"));
    TSocketPagina outraPorta(endereco, QStringLiteral("http://jogo.example:8081"));
    TSocketPagina semOrigem(endereco, QString());
    for (TSocketPagina* pagina : {&outroSegredo, &outroServidor, &outraOrigem, &outraPorta, &semOrigem})
        esperarRecusa(*pagina);

    // A local program speaking plain HTTP, or nothing at all.
    QTcpSocket programa;
    programa.connectToHost(QHostAddress::LocalHost, QUrl(endereco).port());
    ASSERT_TRUE(esperar([&] { return programa.state() == QAbstractSocket::ConnectedState; }));
    programa.write("GET " + QUrl(endereco).path().toLatin1() + " HTTP/1.1\r\nHost: x\r\n\r\n");
    EXPECT_TRUE(esperar([&] { return programa.state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(jogo.aceitas(), 0);
}

TEST_F(Ponte, APolicyThatDoesNotNameTheMoviesHostOrPortRefuses) {
    for (
        const char* politica :
        {R"(<cross-domain-policy><allow-access-from domain="*.other.example" to-ports="*"/></cross-domain-policy>)",
         R"(<cross-domain-policy><allow-access-from domain="jogo.example" to-ports="1-1023"/></cross-domain-policy>)",
         "no policy here"}) {
        // A server of its own each time: the bridge keeps a host's answer for the run.
        TServidorJogo outro;
        outro.politica = politica;
        TPonteSockets::limites.destinosPermitidos = {outro.destino()};
        ponte.removerPagina(segredo);
        segredo =
            ponte.registrarPagina(QUrl(QStringLiteral("http://jogo.example/%1.swf").arg(outro.porta())));
        TSocketPagina pagina(enderecos({{QStringLiteral("127.0.0.1"), outro.porta()}}).at(0),
                             QStringLiteral("http://jogo.example"));
        EXPECT_TRUE(esperar([&] { return pagina.fechado; })) << politica;
        EXPECT_EQ(outro.pedidosPolitica(), 1) << politica;
        EXPECT_EQ(outro.conexoesJogo().size(), 0) << politica;
    }
}

TEST_F(Ponte, APolicyPortThatNeverAnswersGivesWayToTheGamePortInItsTime) {
    QTcpServer mudo;
    ASSERT_TRUE(mudo.listen(QHostAddress::LocalHost));
    int aceitasMudo = 0;
    QObject::connect(&mudo, &QTcpServer::newConnection, &mudo, [&] {
        while (mudo.nextPendingConnection())
            ++aceitasMudo;
    });
    TPonteSockets::limites.portaPolitica = mudo.serverPort();
    TPonteSockets::limites.esperaPolitica = 300ms;
    TPonteSockets::limites.destinosPermitidos = {jogo.destino(),
                                                 QStringLiteral("127.0.0.1:%1").arg(mudo.serverPort())};
    ponte.removerPagina(segredo);
    segredo = ponte.registrarPagina(filme);

    QElapsedTimer relogio;
    relogio.start();
    TSocketPagina pagina(enderecoJogo(), origemFilme);
    ASSERT_TRUE(esperar([&] { return pagina.aberto(); }));
    pagina.socket->sendBinaryMessage("x");
    ASSERT_TRUE(esperar([&] { return pagina.recebido == "x"; }));
    EXPECT_GE(relogio.elapsed(), 300);
    EXPECT_EQ(aceitasMudo, 1);
    EXPECT_EQ(jogo.pedidosPolitica(), 1);
}

TEST_F(Ponte, NeverIntoThisMachineOrItsNetworks) {
    TServidorJogo local(false);
    QTcpServer todas; // every address of this machine
    ASSERT_TRUE(todas.listen(QHostAddress::AnyIPv4));
    QList<TServidorSocket> servidores{{QStringLiteral("localhost"), local.porta()},
                                      {QStringLiteral("127.0.0.1"), local.porta()},
                                      {QStringLiteral("127.1"), local.porta()},
                                      {QStringLiteral("::1"), local.porta()}};
    for (const QHostAddress& propria : QNetworkInterface::allAddresses())
        if (propria.protocol() == QAbstractSocket::IPv4Protocol && !propria.isLoopback())
            servidores.append({propria.toString(), todas.serverPort()});
    TPonteSockets::limites.destinosPermitidos = {};
    ponte.removerPagina(segredo);
    segredo = ponte.registrarPagina(filme);

    std::vector<std::unique_ptr<TSocketPagina>> paginas;
    for (const QString& endereco : enderecos(servidores))
        paginas.push_back(std::make_unique<TSocketPagina>(endereco, origemFilme));
    for (const auto& pagina : paginas)
        EXPECT_TRUE(esperar([&] { return pagina->fechado; }))
            << pagina->socket->requestUrl().toString().toStdString();
    EXPECT_EQ(local.aceitas(), 0);
    EXPECT_FALSE(todas.hasPendingConnections());
}

TEST_F(Ponte, APageOpensSixteenSocketsAtOnce) {
    const QString endereco = enderecoJogo();
    const auto abrir = [&] {
        auto pagina = std::make_unique<TSocketPagina>(endereco, origemFilme);
        EXPECT_TRUE(esperar([&] { return pagina->aberto() || pagina->fechado; }));
        pagina->socket->sendBinaryMessage("x");
        return pagina;
    };
    std::vector<std::unique_ptr<TSocketPagina>> paginas;
    for (int i = 0; i < 16; ++i)
        paginas.push_back(abrir());
    ASSERT_TRUE(esperar([&] { return jogo.conexoesJogo().size() == 16; }));
    const auto decimaSetima = abrir();
    EXPECT_TRUE(esperar([&] { return decimaSetima->fechado; }));
    EXPECT_EQ(jogo.conexoesJogo().size(), 16);

    // One closed, another may open.
    paginas.front()->socket->close();
    ASSERT_TRUE(
        esperar([&] { return jogo.conexoesJogo().front()->state() == QAbstractSocket::UnconnectedState; }));
    const auto outra = abrir();
    EXPECT_TRUE(esperar([&] { return jogo.conexoesJogo().size() == 17; }));
}

// The bridge reads from the page only while the server's side has room: what
// a page sends to a server that never reads stays with the page.
TEST_F(Ponte, AServerThatNeverReadsHoldsThePageBack) {
    TPonteSockets::limites.pendenteMaximo = 1024 * 1024;
    ponte.removerPagina(segredo);
    segredo = ponte.registrarPagina(filme);
    jogo.aoConectar = [](QTcpSocket* socket) { socket->setReadBufferSize(1); };
    TSocketPagina pagina(enderecoJogo(), origemFilme);
    ASSERT_TRUE(esperar([&] { return pagina.aberto(); }));

    constexpr qint64 enviado = 48LL * 1024 * 1024;
    const QByteArray mega(1024 * 1024, 'x');
    for (qint64 i = 0; i < enviado; i += mega.size())
        pagina.socket->sendBinaryMessage(mega);
    // Until the page has written nothing for a while: the chain is full.
    QElapsedTimer quieto;
    quieto.start();
    QObject::connect(pagina.socket.get(), &QWebSocket::bytesWritten, pagina.socket.get(),
                     [&] { quieto.restart(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return quieto.elapsed() > 500; }, 30000));
    // What left the page sits in the system's buffers (a few MiB each way on
    // loopback) and, at most its bound, in the bridge.
    const qint64 saiu = enviado - pagina.socket->bytesToWrite();
    EXPECT_LT(saiu, 24LL * 1024 * 1024);
    EXPECT_FALSE(pagina.fechado);
}

// Held back while the server reads nothing, the page's bytes flow again once
// it reads: every byte arrives, in order.
TEST_F(Ponte, APageHeldBackGoesOnWhenTheServerReadsAgain) {
    TPonteSockets::limites.pendenteMaximo = 1024 * 1024;
    ponte.removerPagina(segredo);
    segredo = ponte.registrarPagina(filme);
    QTcpSocket* lento = nullptr;
    QByteArray chegou;
    jogo.aoConectar = [&](QTcpSocket* socket) {
        lento = socket;
        socket->setReadBufferSize(1);
    };
    TSocketPagina pagina(enderecoJogo(), origemFilme);
    ASSERT_TRUE(esperar([&] { return pagina.aberto(); }));

    QByteArray enviado;
    for (int i = 0; i < 24; ++i) {
        const QByteArray mega(1024 * 1024, static_cast<char>('a' + i));
        enviado += mega;
        pagina.socket->sendBinaryMessage(mega);
    }
    ASSERT_TRUE(esperar([&] { return lento != nullptr; }));
    QElapsedTimer quieto;
    quieto.start();
    QObject::connect(pagina.socket.get(), &QWebSocket::bytesWritten, pagina.socket.get(),
                     [&] { quieto.restart(); });
    ASSERT_TRUE(QTest::qWaitFor([&] { return quieto.elapsed() > 300; }, 30000));

    lento->setReadBufferSize(0);
    QObject::connect(lento, &QTcpSocket::readyRead, lento, [&] { chegou += lento->readAll(); });
    chegou += lento->readAll();
    ASSERT_TRUE(esperar([&] { return chegou.size() >= enviado.size(); })) << chegou.size();
    EXPECT_TRUE(chegou == enviado);

    // The other way, past the bound too.
    QByteArray resposta;
    for (int i = 0; i < 12; ++i)
        resposta += QByteArray(1024 * 1024, static_cast<char>('A' + i));
    lento->write(resposta);
    ASSERT_TRUE(esperar([&] { return pagina.recebido.size() >= resposta.size(); })) << pagina.recebido.size();
    EXPECT_TRUE(pagina.recebido == resposta);
}

// A movie served from this machine or its network (a game host there)
// reaches its own host there, and nothing else of it.
TEST_F(Ponte, AMovieServedFromTheUsersNetworkReachesItsOwnHostThere) {
    TPonteSockets::limites.destinosPermitidos = {};
    QTcpServer outroLocal; // on every address of this machine
    ASSERT_TRUE(outroLocal.listen(QHostAddress::AnyIPv4));
    ponte.removerPagina(segredo);
    segredo = ponte.registrarPagina(QUrl(QStringLiteral("http://127.0.0.1:8080/jogo.swf")));
    const QStringList urls = enderecos({{QStringLiteral("localhost"), jogo.porta()},
                                        {QStringLiteral("127.0.0.2"), outroLocal.serverPort()}});
    TSocketPagina pagina(urls.at(0), QStringLiteral("http://127.0.0.1:8080"));
    ASSERT_TRUE(esperar([&] { return pagina.aberto(); }));
    pagina.socket->sendBinaryMessage("mesmo host");
    ASSERT_TRUE(esperar([&] { return pagina.recebido == "mesmo host"; }));
    TSocketPagina outro(urls.at(1), QStringLiteral("http://127.0.0.1:8080"));
    EXPECT_TRUE(esperar([&] { return outro.fechado; }));
    EXPECT_FALSE(outroLocal.hasPendingConnections());
}
