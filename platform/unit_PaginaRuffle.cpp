#include "platform/unit_PaginaRuffle.h"

#include "platform/unit_ValorXml.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <exception>
#include <unistd.h>

namespace {

const QString marca = QStringLiteral("quillet:");
const QString marcaRastro = QStringLiteral("quillet:rastro:");

QString arquivoPagina() {
    return TPaginaRuffle::pasta() + QStringLiteral("/pagina.html");
}

// Set before the browser starts, once for the whole program.
void prepararNavegador() {
    // Chromium refuses to start its sandbox as root; the program and its
    // tests may well run as root (containers, CI).
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The page is a local file and every movie comes from a web host, which
    // answers without cross-origin permission: the browser, which only ever
    // shows the players' page, lets the page read them, as the Flash control
    // reads any movie.
    QByteArray opcoes = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!opcoes.contains("--disable-web-security"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", opcoes.append(" --disable-web-security").trimmed());
}

QString json(const QJsonArray& valores) {
    return QString::fromUtf8(QJsonDocument(valores).toJson(QJsonDocument::Compact));
}

} // namespace

TPaginaRuffle::TPaginaRuffle(QWebEngineProfile* perfil, QObject* pai) : QWebEnginePage(perfil, pai) {
    QWebEngineSettings* ajustes = settings();
    // The page is a local file and the movies come from the web: only this
    // page may reach other origins (nothing else is ever shown here).
    ajustes->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    ajustes->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    ajustes->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    ajustes->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, true);
    ajustes->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    ajustes->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    ajustes->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);
    load(QUrl::fromLocalFile(arquivoPagina()));
}

QString TPaginaRuffle::pasta() {
    return QStringLiteral(QUILLET_DIR_RUFFLE);
}

bool TPaginaRuffle::instalada() {
    return QFileInfo::exists(arquivoPagina()) &&
           QFileInfo::exists(pasta() + QStringLiteral("/ruffle/ruffle.js"));
}

QWebEngineProfile* TPaginaRuffle::perfil(const QString& pastaDados) {
    static QPointer<QWebEngineProfile> compartilhado;
    if (compartilhado)
        return compartilhado;
    prepararNavegador();
    if (pastaDados.isEmpty()) {
        compartilhado = new QWebEngineProfile(qApp);
        return compartilhado;
    }
    compartilhado = new QWebEngineProfile(QStringLiteral("Quillet"), qApp);
    compartilhado->setPersistentStoragePath(QDir(pastaDados).filePath(QStringLiteral("armazenamento")));
    compartilhado->setCachePath(QDir(pastaDados).filePath(QStringLiteral("cache")));
    return compartilhado;
}

void TPaginaRuffle::carregarFilme(const QJsonObject& config, int carga) {
    executar(QStringLiteral("carregar"), config, carga);
}

void TPaginaRuffle::configurar(const QString& fundo, const QString& qualidade) {
    setBackgroundColor(QColor::fromString(fundo));
    executar(QStringLiteral("configurar"),
             QJsonObject{{QStringLiteral("fundo"), fundo}, {QStringLiteral("qualidade"), qualidade}});
}

void TPaginaRuffle::executar(const QString& funcao, const QJsonValue& argumento, const QJsonValue& outro) {
    QJsonArray argumentos{argumento};
    if (!outro.isUndefined())
        argumentos.append(outro);
    runJavaScript(QStringLiteral("quillet.%1(...%2);").arg(funcao, json(argumentos)));
}

bool TPaginaRuffle::javaScriptPrompt(const QUrl& origem, const QString& mensagem, const QString& valor,
                                     QString* resultado) {
    if (origem.scheme() != QLatin1String("file"))
        return false;
    if (mensagem == marca + QStringLiteral("chamada")) {
        const std::optional<QString> resposta = chamada(valor);
        if (resposta)
            *resultado = *resposta;
        return resposta.has_value();
    }
    const QJsonObject aviso = QJsonDocument::fromJson(valor.toUtf8()).object();
    const int carga = aviso.value(QStringLiteral("carga")).toInt(-1);
    if (mensagem == marca + QStringLiteral("carregado"))
        Q_EMIT filmeCarregado(carga);
    else if (mensagem == marca + QStringLiteral("falha"))
        Q_EMIT filmeFalhou(carga, aviso.value(QStringLiteral("motivo")).toString(),
                           aviso.value(QStringLiteral("detalhe")).toString());
    return false;
}

// The reply goes back as JSON, [value], which the page unpacks. An error of
// the program's handler must not unwind through the browser: it is raised
// again from the event loop, where the application-wide handler gets it,
// and the movie's call returns nothing.
std::optional<QString> TPaginaRuffle::chamada(const QString& pedido) {
    if (!responderChamada)
        return std::nullopt;
    const QPointer<TPaginaRuffle> viva(this);
    ++emChamada_;
    std::optional<QString> resposta;
    try {
        resposta = responderChamada(pedido);
    } catch (...) {
        QMetaObject::invokeMethod(
            qApp, [erro = std::current_exception()] { std::rethrow_exception(erro); }, Qt::QueuedConnection);
    }
    if (!viva)
        return std::nullopt;
    --emChamada_;
    if (!resposta)
        return std::nullopt;
    const std::optional<QJsonValue> valor = ValorXml::decodificar(*resposta);
    if (!valor)
        return std::nullopt;
    return json(QJsonArray{*valor});
}

void TPaginaRuffle::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& mensagem, int,
                                             const QString&) {
    if (mensagem.startsWith(marcaRastro))
        Q_EMIT rastreado(mensagem.mid(marcaRastro.size()));
}

// Only the page itself is ever shown: a movie that opens an address does not
// take the player away from its game.
bool TPaginaRuffle::acceptNavigationRequest(const QUrl& url, NavigationType, bool quadroPrincipal) {
    return !quadroPrincipal || url == QUrl::fromLocalFile(arquivoPagina());
}
