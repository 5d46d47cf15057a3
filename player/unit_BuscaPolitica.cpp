#include "player/unit_BuscaPolitica.h"

namespace {

const QByteArray pedido("<policy-file-request/>", 23); // with its zero byte

} // namespace

TBuscaPolitica::TBuscaPolitica(std::chrono::milliseconds espera, QObject* pai, TResposta resposta)
    : QObject(pai), resposta_(std::move(resposta)) {
    espera_.setSingleShot(true);
    espera_.setInterval(espera);
    connect(&espera_, &QTimer::timeout, this, [this] { concluir(std::nullopt); });
    connect(&socket_, &QTcpSocket::connected, this, [this] { socket_.write(pedido); });
    connect(&socket_, &QTcpSocket::readyRead, this, &TBuscaPolitica::ler);
    // A host that closes after its policy need not end it with a zero byte.
    connect(&socket_, &QTcpSocket::disconnected, this, [this] { concluir(TPoliticaSocket::ler(recebido_)); });
    connect(&socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError erro) {
        if (erro != QAbstractSocket::RemoteHostClosedError)
            concluir(std::nullopt);
    });
}

void TBuscaPolitica::buscar(const QHostAddress& endereco, int porta, std::chrono::milliseconds espera,
                            QObject* pai, TResposta resposta) {
    auto* busca = new TBuscaPolitica(espera, pai, std::move(resposta));
    busca->espera_.start();
    busca->socket_.connectToHost(endereco, static_cast<quint16>(porta));
}

void TBuscaPolitica::ler() {
    recebido_ += socket_.read(TPoliticaSocket::tamanhoMaximo + 1 - recebido_.size());
    const qsizetype zero = recebido_.indexOf('\0');
    if (zero >= 0)
        concluir(TPoliticaSocket::ler(recebido_.left(zero)));
    else if (recebido_.size() > TPoliticaSocket::tamanhoMaximo)
        concluir(std::nullopt);
}

void TBuscaPolitica::concluir(const std::optional<TPoliticaSocket>& politica) {
    if (!resposta_)
        return;
    espera_.stop();
    socket_.disconnect(this);
    socket_.abort();
    std::exchange(resposta_, nullptr)(politica);
    deleteLater();
}
