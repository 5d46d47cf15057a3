// The socket bridge and the pages' proxy against the same server reached
// directly, side by side in one run: the round trip of small messages (the added latency) and
// the throughput of a large transfer, and how long the UI thread goes
// without running its events meanwhile (it runs nothing but a timer here:
// the page, the proxy and the game server are on threads of their own, as the
// browser and the server are in other processes).
// Run: bench_ponte_sockets [round trips] [megabytes]
#include "player/unit_PonteSockets.h"
#include "player/unit_ProxyPaginas.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QWebSocket>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

const QString origem = QStringLiteral("http://jogo.example");

// A game server on its own thread: echoes, or counts what it reads.
class TServidor : public QObject {
public:
    std::atomic<qint64> recebidos{0};
    quint16 porta = 0;
    bool eco = true;

    void escutar() {
        servidor_ = new QTcpServer(this);
        servidor_->listen(QHostAddress::LocalHost);
        porta = servidor_->serverPort();
        connect(servidor_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = servidor_->nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { ler(socket); });
            }
        });
    }

private:
    void ler(QTcpSocket* socket) {
        const QByteArray dados = socket->readAll();
        // The policy request, once, from the bridge.
        if (dados.startsWith("<policy-file-request/>")) {
            socket->write(
                R"(<cross-domain-policy><allow-access-from domain="*" to-ports="*"/></cross-domain-policy>)"
                "\0",
                98);
            socket->disconnectFromHost();
            return;
        }
        recebidos += dados.size();
        if (eco)
            socket->write(dados);
    }

    QTcpServer* servidor_ = nullptr;
};

// The page's side (a WebSocket to the bridge) or a direct TCP socket, on its own thread.
class TCliente : public QObject {
public:
    std::function<void(const QByteArray&)> enviar;
    std::function<void()> aoReceber;
    qint64 recebidos = 0;

    void abrirPonte(const QString& url) {
        auto* socket = new QWebSocket(origem, QWebSocketProtocol::VersionLatest, this);
        enviar = [socket](const QByteArray& dados) { socket->sendBinaryMessage(dados); };
        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this](const QByteArray& d) { receber(d.size()); });
        connect(socket, &QWebSocket::connected, this, [this] { pronto = true; });
        socket->open(QUrl(url));
    }
    void abrirDireto(quint16 porta, const QNetworkProxy& proxy = QNetworkProxy::NoProxy) {
        auto* socket = new QTcpSocket(this);
        socket->setProxy(proxy);
        enviar = [socket](const QByteArray& dados) { socket->write(dados); };
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { receber(socket->readAll().size()); });
        connect(socket, &QTcpSocket::connected, this, [this] { pronto = true; });
        socket->connectToHost(QHostAddress::LocalHost, porta);
    }
    std::atomic<bool> pronto{false};

private:
    void receber(qint64 quantos) {
        recebidos += quantos;
        if (aoReceber)
            aoReceber();
    }
};

// Runs `acao` on `objeto`'s thread and waits for it.
template <typename TAcao> void em(QObject* objeto, TAcao acao) {
    QMetaObject::invokeMethod(objeto, acao, Qt::BlockingQueuedConnection);
}

struct TMedida {
    double rttMedianaUs = 0;
    double rttP99Us = 0;
    double mbPorSegundo = 0;
    double maiorParadaUiMs = 0;
};

double percentil(std::vector<double> valores, double p) {
    std::sort(valores.begin(), valores.end());
    return valores[static_cast<size_t>(p * static_cast<double>(valores.size() - 1))];
}

// Runs the event loop until `feito` holds, noting the UI thread's longest gap between ticks.
void esperar(const std::function<bool()>& feito, double& maiorParada) {
    QElapsedTimer relogio;
    relogio.start();
    qint64 anterior = relogio.nsecsElapsed();
    QTimer tique;
    tique.setInterval(1);
    QObject::connect(&tique, &QTimer::timeout, [&] {
        const qint64 agora = relogio.nsecsElapsed();
        maiorParada = std::max(maiorParada, static_cast<double>(agora - anterior) / 1e6);
        anterior = agora;
    });
    tique.start();
    while (!feito())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
}

enum class TCaminho { ponte, proxy, direto };

TMedida medir(TCaminho caminho, int idas, qint64 megabytes) {
    QThread threadServidor, threadCliente, threadProxy;
    auto* eco = new TServidor;
    auto* cliente = new TCliente;
    eco->moveToThread(&threadServidor);
    cliente->moveToThread(&threadCliente);
    threadServidor.start();
    threadCliente.start();
    em(eco, [eco] { eco->escutar(); });

    TPonteSockets& ponte = TPonteSockets::instancia();
    TPonteSockets::limites.destinosPermitidos = {QStringLiteral("127.0.0.1:%1").arg(eco->porta)};
    const QString segredo = ponte.registrarPagina(QUrl(origem + QStringLiteral("/jogo.swf")));
    const QString url = ponte.entradas(segredo, {{QStringLiteral("127.0.0.1"), eco->porta}})
                            .at(0)
                            .toObject()
                            .value(QStringLiteral("proxyUrl"))
                            .toString();
    TLimitesPonte limitesProxy;
    limitesProxy.destinosPermitidos = TPonteSockets::limites.destinosPermitidos;
    auto* proxy = new TProxyPaginas(limitesProxy, [](const QString&) { return false; });
    proxy->moveToThread(&threadProxy);
    threadProxy.start();
    quint16 portaProxy = 0;
    em(proxy, [&] { portaProxy = proxy->escutar(); });
    em(cliente, [&] {
        if (caminho == TCaminho::ponte)
            cliente->abrirPonte(url);
        else if (caminho == TCaminho::proxy)
            cliente->abrirDireto(eco->porta, QNetworkProxy(QNetworkProxy::Socks5Proxy,
                                                           QStringLiteral("127.0.0.1"), portaProxy));
        else
            cliente->abrirDireto(eco->porta);
    });
    TMedida medida;
    double parada = 0;
    esperar([&] { return cliente->pronto.load(); }, parada);

    // Round trips: each message waits for its echo.
    const QByteArray pequena(32, 'r');
    std::vector<double> tempos;
    std::atomic<qint64> esperado{0};
    QElapsedTimer relogio;
    for (int i = 0; i < idas; ++i) {
        const qint64 alvo = (i + 1) * pequena.size();
        relogio.start();
        em(cliente, [&] { cliente->enviar(pequena); });
        while (true) {
            qint64 recebidos = 0;
            em(cliente, [&] { recebidos = cliente->recebidos; });
            if (recebidos >= alvo)
                break;
            QThread::yieldCurrentThread();
        }
        tempos.push_back(static_cast<double>(relogio.nsecsElapsed()) / 1e3);
    }
    medida.rttMedianaUs = percentil(tempos, 0.5);
    medida.rttP99Us = percentil(tempos, 0.99);

    // Throughput: the server counts what arrives, echoing nothing.
    em(eco, [eco] {
        eco->eco = false;
        eco->recebidos = 0;
    });
    const QByteArray pedaco(64 * 1024, 't');
    const qint64 total = megabytes * 1000 * 1000;
    relogio.start();
    em(cliente, [&] {
        for (qint64 enviado = 0; enviado < total; enviado += pedaco.size())
            cliente->enviar(
                pedaco.left(static_cast<qsizetype>(std::min<qint64>(pedaco.size(), total - enviado))));
    });
    esperar([&] { return eco->recebidos.load() >= total; }, parada);
    medida.mbPorSegundo =
        static_cast<double>(total) / 1e6 / (static_cast<double>(relogio.nsecsElapsed()) / 1e9);
    medida.maiorParadaUiMs = parada;

    ponte.removerPagina(segredo);
    em(cliente, [cliente] { delete cliente; });
    em(eco, [eco] { delete eco; });
    em(proxy, [proxy] { delete proxy; });
    for (QThread* thread : {&threadCliente, &threadServidor, &threadProxy}) {
        thread->quit();
        thread->wait();
    }
    return medida;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication aplicacao(argc, argv);
    const int idas = argc > 1 ? std::atoi(argv[1]) : 1000;
    const qint64 megabytes = argc > 2 ? std::atoi(argv[2]) : 50;
    std::printf(
        "%d round trips of 32 bytes, %lld MB one way; bridge, proxy and direct alternating, 3 runs each\n",
        idas, static_cast<long long>(megabytes));
    std::printf("%-8s %14s %14s %12s %18s\n", "", "RTT median us", "RTT p99 us", "MB/s", "UI thread gap ms");
    for (int rodada = 0; rodada < 3; ++rodada) {
        for (const auto& [caminho, nome] :
             {std::pair{TCaminho::ponte, "bridge"}, std::pair{TCaminho::proxy, "proxy"},
              std::pair{TCaminho::direto, "direct"}}) {
            const TMedida m = medir(caminho, idas, megabytes);
            std::printf("%-8s %14.1f %14.1f %12.1f %18.1f\n", nome, m.rttMedianaUs, m.rttP99Us,
                        m.mbPorSegundo, m.maiorParadaUiMs);
            std::fflush(stdout);
        }
    }
    std::_Exit(0);
}
