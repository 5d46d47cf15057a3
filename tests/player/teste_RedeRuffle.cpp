// A player page's requests never reach this machine or its networks, unless
// its movie came from there: the filter refuses them by their address's text,
// the pages' proxy by the address a name leads to. The game host and a name
// that leads to this machine are given their addresses by the proxy's limits.
#include "tests/player/unit_AmbienteRuffle.h"

#include "player/unit_PonteSockets.h"
#include <QNetworkInterface>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace MotorTeste;

namespace {

// What a page can ask for, each kind of request to `url` (and its ws: twin),
// all settled before "/fim" is asked of the page's own host.
QString pedirDeTodoJeito(const QStringList& urls) {
    QString lista;
    for (const QString& url : urls)
        lista += QLatin1Char('"') + url + QStringLiteral("\",");
    return QStringLiteral(R"(
(async () => {
  const pedidos = [];
  for (const url of [%1]) {
    pedidos.push(fetch(url + 'fetch', {mode: 'no-cors'}).catch(() => 0));
    pedidos.push(new Promise((fim) => {
      const x = new XMLHttpRequest(); x.open('GET', url + 'xhr'); x.onloadend = fim; x.send(); }));
    pedidos.push(new Promise((fim) => {
      const i = new Image(); i.onload = i.onerror = fim; i.src = url + 'imagem'; }));
    pedidos.push(new Promise((fim) => {
      const s = document.createElement('script'); s.onload = s.onerror = fim; s.src = url + 'script';
      document.head.appendChild(s); }));
    pedidos.push(new Promise((fim) => {
      const w = new WebSocket(url.replace('http', 'ws') + 'ws'); w.onclose = fim; }));
    navigator.sendBeacon(url + 'beacon', 'x');
  }
  await Promise.allSettled(pedidos);
  await fetch('/fim').catch(() => 0);
})();
)")
        .arg(lista);
}

// A listener counting the connections it accepts, and closing them.
struct TEscutaContada {
    QTcpServer servidor;
    int aceitas = 0;
    explicit TEscutaContada(const QHostAddress& endereco) {
        servidor.listen(endereco);
        QObject::connect(&servidor, &QTcpServer::newConnection, &servidor, [this] {
            while (QTcpSocket* socket = servidor.nextPendingConnection()) {
                ++aceitas;
                socket->abort();
                socket->deleteLater();
            }
        });
    }
    quint16 porta() const { return servidor.serverPort(); }
};

QString enderecoProprio() {
    for (const QHostAddress& endereco : QNetworkInterface::allAddresses())
        if (endereco.protocol() == QAbstractSocket::IPv4Protocol && !endereco.isLoopback())
            return endereco.toString();
    return {};
}

} // namespace

class RedeRuffle : public TAmbienteRuffle {
protected:
    void SetUp() override {
        // Before the browser starts: the game host and another name both lead
        // to this machine.
        TPonteSockets::limites.nomesResolvidos = {
            {QStringLiteral("jogo.example"), QStringLiteral("127.0.0.1")},
            {QStringLiteral("interno.example"), QStringLiteral("127.0.0.1")}};
        TAmbienteRuffle::SetUp();
        servidor.rota("/fim", TRespostaLocal{200, "ok", "text/plain"});
    }

    // Plays the still movie from `host` (this machine's server either way)
    // and has its page ask for everything of `urls`.
    void pedirDaPagina(const QString& host, const QStringList& urls) {
        TFlashPlayerRuffle* player = criarPlayer();
        QUrl filme(urlFilme("estatico.swf"));
        filme.setHost(host);
        player->setMovie(filme.toString());
        ASSERT_TRUE(esperarEstados(1));
        executar(player, pedirDeTodoJeito(urls));
        ASSERT_TRUE(esperar([&] { return servidor.contar("/fim") == 1; }));
    }
};

// From a game host elsewhere: no address of this machine or its networks, no
// "localhost" and no name leading here is reached, whatever the kind of
// request.
TEST_F(RedeRuffle, APublicGamesPageReachesNothingOfThisMachine) {
    TEscutaContada literal(QHostAddress::LocalHost);
    TEscutaContada propria(QHostAddress::AnyIPv4);
    QStringList urls{QStringLiteral("http://127.0.0.1:%1/").arg(literal.porta()),
                     QStringLiteral("http://localhost:%1/").arg(literal.porta()),
                     QStringLiteral("http://127.1:%1/").arg(literal.porta()),
                     QStringLiteral("http://0x7f000001:%1/").arg(literal.porta()),
                     QStringLiteral("http://interno.example:%1/").arg(literal.porta())};
    if (const QString ip = enderecoProprio(); !ip.isEmpty())
        urls.append(QStringLiteral("http://%1:%2/").arg(ip).arg(propria.porta()));
    pedirDaPagina(QStringLiteral("jogo.example"), urls);
    EXPECT_EQ(literal.aceitas, 0);
    EXPECT_EQ(propria.aceitas, 0);
}

// A game served from this machine (or its network) reaches it, as before.
TEST_F(RedeRuffle, AGameServedFromThisMachineReachesIt) {
    TEscutaContada literal(QHostAddress::LocalHost);
    pedirDaPagina(QStringLiteral("127.0.0.1"), {QStringLiteral("http://127.0.0.1:%1/").arg(literal.porta())});
    EXPECT_GT(literal.aceitas, 0);
}

// The page's sockets to the socket bridge, on this machine, pass.
TEST_F(RedeRuffle, APublicGamesPageReachesTheSocketBridge) {
    const QString ponte = TPonteSockets::instancia().endereco();
    TFlashPlayerRuffle* player = criarPlayer();
    QUrl filme(urlFilme("estatico.swf"));
    filme.setHost(QStringLiteral("jogo.example"));
    player->setMovie(filme.toString());
    ASSERT_TRUE(esperarEstados(1));
    executar(player, QStringLiteral(R"(
new Promise((fim) => { const w = new WebSocket('%1x/0'); w.onopen = () => fim('aberto'); w.onclose = () => fim('fechado'); })
  .then((r) => fetch('/fim?r=' + r));)")
                         .arg(ponte));
    ASSERT_TRUE(esperar([&] { return servidor.contar("/fim") == 1; }));
    EXPECT_EQ(servidor.pedidos().last().parametro("r"), "aberto");
}
