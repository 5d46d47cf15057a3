#include "player/unit_PonteSockets.h"

#include "player/unit_ProxyPaginas.h"
#include "player/unit_ServidorPonte.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QPointer>
#include <QRandomGenerator>
#include <array>

namespace {

TPonteSockets* ponte = nullptr;

// 256 bits, as hex.
QString novoSegredo() {
    std::array<quint32, 8> palavras{};
    QRandomGenerator::system()->fillRange(palavras.data(), palavras.size());
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(palavras.data()), sizeof palavras).toHex());
}

template <typename TAcao> void naPonte(TServidorPonte* servidor, TAcao acao) {
    QMetaObject::invokeMethod(servidor, std::move(acao), Qt::QueuedConnection);
}

} // namespace

// The proxy is a child of the bridge's server, whose pages it asks about on
// their thread.
TPonteSockets::TPonteSockets()
    : servidor_(new TServidorPonte),
      proxy_(new TProxyPaginas(
          limites, [servidor = servidor_](const QString& host) { return servidor->ehHostDeFilme(host); },
          servidor_)) {
    thread_.setObjectName(QStringLiteral("ponte de sockets"));
    servidor_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, servidor_, &QObject::deleteLater);
    thread_.start();
    QMetaObject::invokeMethod(
        servidor_,
        [this] {
            porta_ = servidor_->escutar();
            portaProxy_ = proxy_->escutar();
        },
        Qt::BlockingQueuedConnection);
}

TPonteSockets& TPonteSockets::instancia() {
    if (!ponte) {
        ponte = new TPonteSockets;
        qAddPostRoutine(&TPonteSockets::parar);
    }
    return *ponte;
}

void TPonteSockets::parar() {
    ponte->thread_.quit();
    ponte->thread_.wait();
}

QString TPonteSockets::origem(const QUrl& url) {
    const int porta = url.port();
    const bool portaPadrao = porta < 0 || (url.scheme() == QLatin1String("http") && porta == 80) ||
                             (url.scheme() == QLatin1String("https") && porta == 443);
    QString texto = url.scheme() + QStringLiteral("://") + url.host(QUrl::FullyEncoded);
    if (!portaPadrao)
        texto += QLatin1Char(':') + QString::number(porta);
    return texto;
}

QString TPonteSockets::registrarPagina(const QUrl& enderecoFilme) {
    const QString segredo = novoSegredo();
    const TServidorPonte::TPagina pagina{origem(enderecoFilme), enderecoFilme.host(), limites, {}};
    naPonte(servidor_, [ponte = servidor_, segredo, pagina] { ponte->registrarPagina(segredo, pagina); });
    return segredo;
}

void TPonteSockets::removerPagina(const QString& segredo) {
    naPonte(servidor_, [ponte = servidor_, segredo] { ponte->removerPagina(segredo); });
}

QJsonArray TPonteSockets::entradas(const QString& segredo, const QList<TServidorSocket>& servidores) {
    naPonte(servidor_,
            [ponte = servidor_, segredo, servidores] { ponte->definirServidores(segredo, servidores); });
    QJsonArray lista;
    for (qsizetype i = 0; i < servidores.size(); ++i)
        lista.append(QJsonObject{
            {QStringLiteral("host"), servidores.at(i).host},
            {QStringLiteral("port"), servidores.at(i).porta},
            {QStringLiteral("proxyUrl"), endereco() + segredo + QLatin1Char('/') + QString::number(i)},
        });
    return lista;
}

// The answer crosses back to the UI thread, where alone the guard is read.
void TPonteSockets::verificar(const QUrl& enderecoFilme, const TServidorSocket& servidor, QObject* contexto,
                              std::function<void(bool)> resposta) {
    const auto entregar = [receptor = &receptor_, guarda = QPointer<QObject>(contexto),
                           resposta = std::move(resposta)](bool alcancavel) {
        QMetaObject::invokeMethod(
            receptor,
            [guarda, resposta, alcancavel] {
                if (guarda)
                    resposta(alcancavel);
            },
            Qt::QueuedConnection);
    };
    naPonte(servidor_,
            [ponte = servidor_, servidor, hostFilme = enderecoFilme.host(), limitesPagina = limites,
             entregar] { ponte->verificar(servidor, hostFilme, limitesPagina, entregar); });
}

QString TPonteSockets::enderecoProxy() const {
    return QStringLiteral("socks5://127.0.0.1:%1").arg(portaProxy_);
}

QString TPonteSockets::endereco() const {
    return QStringLiteral("ws://127.0.0.1:%1/").arg(porta_);
}
