#include "player/unit_ServidorPonte.h"

#include "player/unit_AcessoSocket.h"
#include "player/unit_ConexaoPonte.h"
#include "player/unit_SocketContido.h"

#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>
#include <QWebSocket>
#include <algorithm>

namespace {

// Handshakes under way at once; a local program that opens more gets nothing.
constexpr qsizetype apertosMaximos = 64;
// A handshake longer than this is given up.
constexpr int esperaAperto = 10000;
// What a socket keeps of what its peer sent before the handshake has ended.
constexpr qint64 bufferAperto = 64 * 1024;

} // namespace

TServidorPonte::TServidorPonte(QObject* pai)
    : QObject(pai), apertos_(QStringLiteral("Quillet"), QWebSocketServer::NonSecureMode, this) {
    escuta_.aoAceitar = [this](TSocketContido* socket) { aceitar(socket); };
    connect(&apertos_, &QWebSocketServer::newConnection, this, &TServidorPonte::apertoConcluido);
}

TServidorPonte::~TServidorPonte() {
    for (TPaginaAberta& aberta : paginas_)
        for (TConexaoPonte* conexao : std::as_const(aberta.conexoes))
            conexao->disconnect(this);
}

quint16 TServidorPonte::escutar() {
    escuta_.setMaxPendingConnections(apertosMaximos);
    if (!escuta_.listen(QHostAddress::LocalHost, 0))
        return 0;
    host_ = QStringLiteral("127.0.0.1:%1").arg(escuta_.serverPort());
    return escuta_.serverPort();
}

void TServidorPonte::registrarPagina(const QString& segredo, const TPagina& pagina) {
    paginas_.insert(segredo, TPaginaAberta{pagina, {}});
}

void TServidorPonte::definirServidores(const QString& segredo, const QList<TServidorSocket>& servidores) {
    if (const auto aberta = paginas_.find(segredo); aberta != paginas_.end())
        aberta->pagina.servidores = servidores;
}

void TServidorPonte::removerPagina(const QString& segredo) {
    const TPaginaAberta aberta = paginas_.take(segredo);
    for (TConexaoPonte* conexao : aberta.conexoes) {
        conexao->disconnect(this);
        conexao->fechar();
    }
}

bool TServidorPonte::ehHostDeFilme(const QString& host) const {
    return std::any_of(paginas_.cbegin(), paginas_.cend(), [&host](const TPaginaAberta& aberta) {
        return QString::fromLatin1(QUrl::toAce(aberta.pagina.hostFilme)).compare(host, Qt::CaseInsensitive) ==
               0;
    });
}

void TServidorPonte::verificar(const TServidorSocket& servidor, const QString& hostFilme,
                               const TLimitesPonte& limites, const std::function<void(bool)>& resposta) {
    TAcessoSocket::obter(
        servidor, hostFilme, limites, consentimento_, this,
        [resposta](const std::optional<QHostAddress>& endereco) { resposta(endereco.has_value()); });
}

void TServidorPonte::aceitar(TSocketContido* socket) {
    const quint16 porta = socket->peerPort();
    if (emAperto_.size() >= apertosMaximos || emAperto_.contains(porta)) {
        delete socket;
        return;
    }
    socket->setReadBufferSize(bufferAperto);
    emAperto_.insert(porta, socket);
    const auto esquecer = [this, porta, socket] {
        if (emAperto_.value(porta) == socket)
            emAperto_.remove(porta);
        socket->deleteLater();
    };
    connect(socket, &QTcpSocket::disconnected, this, esquecer);
    QTimer::singleShot(esperaAperto, socket, [this, porta, socket] {
        if (emAperto_.value(porta) == socket)
            socket->abort();
    });
    apertos_.handleConnection(socket);
}

void TServidorPonte::apertoConcluido() {
    while (QWebSocket* pagina = apertos_.nextPendingConnection()) {
        TSocketContido* bruto = emAperto_.take(pagina->peerPort());
        int indice = -1;
        TPaginaAberta* aberta = bruto ? paginaDe(*pagina, indice) : nullptr;
        if (!aberta) {
            delete pagina;
            if (bruto)
                bruto->abort();
            continue;
        }
        bruto->disconnect(this);
        auto* conexao =
            new TConexaoPonte(pagina, bruto, aberta->pagina.servidores.at(indice), aberta->pagina.hostFilme,
                              aberta->pagina.limites, consentimento_, this);
        aberta->conexoes.insert(conexao);
        connect(conexao, &TConexaoPonte::encerrada, this, [this, conexao] {
            for (TPaginaAberta& p : paginas_)
                p.conexoes.remove(conexao);
        });
    }
}

// The path is "/<secret>/<server's position>".
TServidorPonte::TPaginaAberta* TServidorPonte::paginaDe(const QWebSocket& socket, int& servidor) {
    const QStringList partes = socket.requestUrl().path().split(QLatin1Char('/'));
    if (partes.size() != 3 || !partes.at(0).isEmpty())
        return nullptr;
    const auto aberta = paginas_.find(partes.at(1));
    if (aberta == paginas_.end())
        return nullptr;
    bool numero = false;
    servidor = partes.at(2).toInt(&numero);
    const bool valida = numero && servidor >= 0 && servidor < aberta->pagina.servidores.size() &&
                        socket.origin() == aberta->pagina.origem &&
                        socket.request().rawHeader("Host") == host_.toLatin1() &&
                        aberta->conexoes.size() < aberta->pagina.limites.socketsPorPagina;
    return valida ? &*aberta : nullptr;
}
