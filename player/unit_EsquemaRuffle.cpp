#include "player/unit_EsquemaRuffle.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

const QByteArray TEsquemaRuffle::nome = QByteArrayLiteral("quillet");
const QString TEsquemaRuffle::endereco = QStringLiteral("quillet://motor/");

namespace {

const QString hostMotor = QStringLiteral("motor");

QByteArray tipoDe(const QString& arquivo) {
    if (arquivo.endsWith(QLatin1String(".wasm")))
        return QByteArrayLiteral("application/wasm");
    if (arquivo.endsWith(QLatin1String(".js")))
        return QByteArrayLiteral("text/javascript");
    return QByteArrayLiteral("application/octet-stream");
}

} // namespace

void TEsquemaRuffle::registrar() {
    if (QWebEngineUrlScheme::schemeByName(nome).name() == nome)
        return;
    QWebEngineUrlScheme esquema(nome);
    esquema.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    esquema.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(esquema);
}

TEsquemaRuffle::TEsquemaRuffle(QString pacote, QObject* pai)
    : QWebEngineUrlSchemeHandler(pai), pacote_(std::move(pacote)) {}

QString TEsquemaRuffle::arquivo(const QString& pacote, const QUrl& url) {
    if (url.scheme() != QLatin1String(nome) || url.host() != hostMotor)
        return {};
    const QString raiz = QFileInfo(pacote).canonicalFilePath();
    const QString caminho = url.path(QUrl::FullyDecoded);
    if (raiz.isEmpty() || !caminho.startsWith(QLatin1Char('/')) || caminho.contains(QChar(0)))
        return {};
    const QFileInfo real(QFileInfo(raiz + caminho).canonicalFilePath());
    if (!real.filePath().startsWith(raiz + QLatin1Char('/')) || !real.isFile())
        return {};
    return real.filePath();
}

void TEsquemaRuffle::requestStarted(QWebEngineUrlRequestJob* pedido) {
    const QString caminho =
        pedido->requestMethod() == "GET" ? arquivo(pacote_, pedido->requestUrl()) : QString();
    // Read on the browser's own thread until the request is gone.
    auto* leitor = new QFile(caminho, pedido);
    if (caminho.isEmpty() || !leitor->open(QIODevice::ReadOnly)) {
        pedido->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    pedido->reply(tipoDe(caminho), leitor);
}
