#include "player/unit_ConexaoPonte.h"

#include "player/unit_AcessoSocket.h"
#include "player/unit_SocketContido.h"

#include <QNetworkProxy>
#include <QWebSocket>

namespace {

// What the server's side reads from the system at a time, and keeps at most
// while the page's side is full.
constexpr qint64 pedacoServidor = 64 * 1024;
// The longest header of a WebSocket frame.
constexpr qint64 cabecalhoQuadro = 14;
// How long a server that reads nothing may keep what the page sent before it
// closed.
constexpr int esperaFechamento = 5000;

} // namespace

TConexaoPonte::TConexaoPonte(QWebSocket* pagina, TSocketContido* bruto, const TServidorSocket& servidor,
                             const QString& hostFilme, const TLimitesPonte& limites,
                             TConsentimentoSocket& consentimento, QObject* pai)
    : QObject(pai), pagina_(pagina), bruto_(bruto), porta_(servidor.porta), limites_(limites) {
    pagina_->setParent(this);
    bruto_->setParent(this);
    bruto_->conter();
    // A frame is read only once it is there whole: the page's side keeps
    // one at most.
    const auto maximo = static_cast<quint64>(limites_.mensagemMaxima);
    pagina_->setMaxAllowedIncomingFrameSize(maximo);
    pagina_->setMaxAllowedIncomingMessageSize(maximo);
    bruto_->setReadBufferSize(limites_.mensagemMaxima + cabecalhoQuadro);
    connect(pagina_, &QWebSocket::binaryMessageReceived, this, &TConexaoPonte::paraServidor);
    connect(pagina_, &QWebSocket::bytesWritten, this, &TConexaoPonte::paraPagina);
    connect(pagina_, &QWebSocket::disconnected, this, &TConexaoPonte::paginaFechou);
    // Connected after the WebSocket's own reader, so it runs once that has read.
    connect(bruto_, &QTcpSocket::readyRead, this, [this] { bruto_->retomarLeitura(); });

    servidor_.setProxy(QNetworkProxy::NoProxy);
    servidor_.setReadBufferSize(pedacoServidor);
    connect(&servidor_, &QTcpSocket::connected, this, [this] {
        prazo_.stop();
        if (bruto_)
            bruto_->soltar();
    });
    connect(&servidor_, &QTcpSocket::readyRead, this, &TConexaoPonte::paraPagina);
    connect(&servidor_, &QTcpSocket::bytesWritten, this, &TConexaoPonte::aliviarServidor);
    connect(&servidor_, &QTcpSocket::disconnected, this, &TConexaoPonte::servidorFechou);
    connect(&servidor_, &QTcpSocket::errorOccurred, this, &TConexaoPonte::servidorFechou);

    prazo_.setSingleShot(true);
    connect(&prazo_, &QTimer::timeout, this, &TConexaoPonte::fechar);
    prazo_.start(limites_.conexao);
    TAcessoSocket::obter(servidor, hostFilme, limites_, consentimento, this,
                         [this](const std::optional<QHostAddress>& endereco) { conectar(endereco); });
}

TConexaoPonte::~TConexaoPonte() {
    servidor_.disconnect(this);
    pagina_->disconnect(this);
}

void TConexaoPonte::conectar(const std::optional<QHostAddress>& endereco) {
    if (endereco)
        servidor_.connectToHost(*endereco, static_cast<quint16>(porta_));
    else
        fechar();
}

void TConexaoPonte::paraServidor(const QByteArray& mensagem) {
    servidor_.write(mensagem);
    if (bruto_ && servidor_.bytesToWrite() >= limites_.pendenteMaximo)
        bruto_->conter();
}

void TConexaoPonte::aliviarServidor() {
    if (bruto_ && bruto_->contido() && servidor_.bytesToWrite() <= limites_.pendenteMaximo / 2)
        bruto_->soltar();
}

// The server's bytes go on only while the page's side has room; the rest
// waits in the system, which slows the server down. Once the server has
// closed and all it sent is on its way, the page's side closes too.
void TConexaoPonte::paraPagina() {
    while (servidor_.bytesAvailable() > 0 && pagina_->bytesToWrite() < limites_.pendenteMaximo &&
           pagina_->state() == QAbstractSocket::ConnectedState)
        pagina_->sendBinaryMessage(servidor_.read(pedacoServidor));
    servidor_.retomarLeitura();
    if (servidorFechado_ && servidor_.bytesAvailable() == 0 &&
        pagina_->state() == QAbstractSocket::ConnectedState) {
        pagina_->close();
        QTimer::singleShot(esperaFechamento, pagina_, &QWebSocket::abort);
    }
}

void TConexaoPonte::servidorFechou() {
    if (servidor_.state() == QAbstractSocket::ConnectedState || std::exchange(servidorFechado_, true))
        return;
    prazo_.stop();
    paraPagina();
    verificarFim();
}

void TConexaoPonte::paginaFechou() {
    if (servidor_.state() == QAbstractSocket::ConnectedState) {
        servidor_.disconnectFromHost();
        QTimer::singleShot(esperaFechamento, &servidor_, &QTcpSocket::abort);
    } else {
        servidor_.abort();
    }
    verificarFim();
}

void TConexaoPonte::verificarFim() {
    if (pagina_->state() == QAbstractSocket::UnconnectedState &&
        servidor_.state() == QAbstractSocket::UnconnectedState)
        encerrar();
}

void TConexaoPonte::fechar() {
    servidor_.abort();
    pagina_->abort();
    encerrar();
}

void TConexaoPonte::encerrar() {
    if (std::exchange(encerrada_, true))
        return;
    Q_EMIT encerrada();
    deleteLater();
}
