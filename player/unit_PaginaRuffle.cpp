#include "player/unit_PaginaRuffle.h"

#include "core/unit_PastasPrograma.h"
#include "player/unit_EsquemaRuffle.h"
#include "player/unit_FiltroRuffle.h"
#include "player/unit_JanelaFilme.h"
#include "player/unit_PonteSockets.h"
#include "player/unit_ValorXml.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QPointer>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <exception>
#include <unistd.h>

namespace {

const QString marca = QStringLiteral("quillet:");
const QString marcaRastro = QStringLiteral("quillet:rastro:");
// What the engine logs when a movie's socket has no proxy.
const QString marcaSemProxy = QStringLiteral("Missing WebSocket proxy for host ");
// The browser's own bound on a game's HTTP cache: well inside the cap on
// what a game may keep on disk (TDadosJogos), which counts the cache too.
constexpr int tamanhoCache = 20 * 1024 * 1024;

QString arquivo(const QString& nome) {
    return TPaginaRuffle::pasta() + QLatin1Char('/') + nome;
}

QString lerArquivo(const QString& nome) {
    QFile leitor(arquivo(nome));
    return leitor.open(QIODevice::ReadOnly) ? QString::fromUtf8(leitor.readAll()) : QString();
}

// Whether OpenGL here is drawn by the processor (Mesa's llvmpipe on a
// virtual X server or a machine without a graphics driver), or missing.
bool openGlPorSoftware() {
    QOffscreenSurface superficie;
    superficie.create();
    QOpenGLContext contexto;
    if (!contexto.create() || !contexto.makeCurrent(&superficie))
        return true;
    const auto* nome = reinterpret_cast<const char*>(contexto.functions()->glGetString(GL_RENDERER));
    const QByteArray renderizador = QByteArray(nome).toLower();
    contexto.doneCurrent();
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "software", "swiftshader"})
        if (renderizador.contains(software))
            return true;
    return false;
}

// Every connection of the browser but those to loopback addresses (which the
// browser never sends to a proxy) goes through the pages' proxy, which
// resolves names itself; WebRTC may not send UDP past it.
void encaminharPeloProxy() {
    QByteArray argumentos = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    argumentos += " --proxy-server=" + TPonteSockets::instancia().enderecoProxy().toLatin1() +
                  " --force-webrtc-ip-handling-policy=disable_non_proxied_udp";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", argumentos.trimmed());
}

// Once for the whole program, before the browser starts.
void prepararNavegador() {
    // Chromium refuses to start its sandbox as root; the program and its
    // tests may well run as root (containers, CI).
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Where OpenGL is drawn by the processor, every frame of the movie would
    // be drawn over again three times through it (the browser's compositor,
    // the view's scene, the window's composition): about 60% of a processor
    // for a still movie. Drawn in software from the start instead, the
    // browser composes in shared memory (Qt WebEngine turns its GPU off with
    // a software scene) and the view paints like any other widget, so the
    // window also keeps the native window it has.
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND") && openGlPorSoftware())
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    TEsquemaRuffle::registrar();
    encaminharPeloProxy();
}

// An XDG folder variable pointed at another folder while this lives. One
// that was not set is then set to the folder it stood for, never unset:
// added again later, it could move the environment's array while the
// browser's threads read it.
class TPastaXdgTemporaria {
public:
    TPastaXdgTemporaria(const char* nome, const QString& padraoNaCasa, const QString& pasta) : nome_(nome) {
        antes_ =
            qEnvironmentVariableIsEmpty(nome) ? QDir::homePath() + padraoNaCasa : qEnvironmentVariable(nome);
        qputenv(nome_, QFile::encodeName(pasta));
    }
    ~TPastaXdgTemporaria() { qputenv(nome_, QFile::encodeName(antes_)); }
    TPastaXdgTemporaria(const TPastaXdgTemporaria&) = delete;
    TPastaXdgTemporaria& operator=(const TPastaXdgTemporaria&) = delete;

private:
    const char* nome_;
    QString antes_;
};

// Qt WebEngine 6.4 readies a named profile's folders in the desktop's
// standard places (<XDG data home>/<program>/QtWebEngine/<name>, and the same
// under the cache home) while it makes the profile, and writes its
// preferences there before the profile can be given other folders. So the
// standard places are the game's own folders while the profile is made, and
// the folders it took are then fixed, so that it keeps to them.
QWebEngineProfile* perfilEmDisco(const QString& nome, const TPastasNavegador& pastas) {
    const TPastaXdgTemporaria dados("XDG_DATA_HOME", QStringLiteral("/.local/share"), pastas.dados);
    const TPastaXdgTemporaria cache("XDG_CACHE_HOME", QStringLiteral("/.cache"), pastas.cache);
    auto* perfil = new QWebEngineProfile(nome, qApp);
    perfil->setPersistentStoragePath(perfil->persistentStoragePath());
    perfil->setCachePath(perfil->cachePath());
    perfil->setHttpCacheMaximumSize(tamanhoCache);
    return perfil;
}

bool enderecoWeb(const QUrl& url) {
    return (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

int portaPadrao(const QString& esquema) {
    return esquema == QLatin1String("https") ? 443 : 80;
}

QString json(const QJsonArray& valores) {
    return QString::fromUtf8(QJsonDocument(valores).toJson(QJsonDocument::Compact));
}

} // namespace

TPaginaRuffle::TPaginaRuffle(QWebEngineProfile* perfil, QObject* pai) : QWebEnginePage(perfil, pai) {
    QWebEngineSettings* ajustes = settings();
    ajustes->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    ajustes->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    ajustes->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
    // A script writes the clipboard only right after the user's own action
    // (a click or a key in the page), as on the web; the engine's copy (Ctrl+C,
    // its menu's Copy) is made in that action's handler.
    ajustes->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    ajustes->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    ajustes->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    ajustes->setAttribute(QWebEngineSettings::FocusOnNavigationEnabled, false);

    // The bridge is in place before anything of the page runs.
    QWebEngineScript ponte;
    ponte.setName(QStringLiteral("ponte"));
    ponte.setSourceCode(lerArquivo(QStringLiteral("ponte.js")));
    ponte.setInjectionPoint(QWebEngineScript::DocumentCreation);
    ponte.setWorldId(QWebEngineScript::MainWorld);
    ponte.setRunsOnSubFrames(false);
    scripts().insert(ponte);

    connect(this, &QWebEnginePage::renderProcessTerminated, this, &TPaginaRuffle::encerrouProcesso);
}

void TPaginaRuffle::encerrouProcesso() {
    endereco_.clear();
    pronta_ = false;
    filmePendente_.reset();
    Q_EMIT processoEncerrado();
}

TPaginaRuffle::~TPaginaRuffle() {
    if (!segredo_.isEmpty())
        TPonteSockets::instancia().removerPagina(segredo_);
}

QString TPaginaRuffle::pasta() {
    return PastasPrograma::dados() + QStringLiteral("/ruffle");
}

bool TPaginaRuffle::instalada() {
    return QFileInfo::exists(arquivo(QStringLiteral("pagina.html"))) &&
           QFileInfo::exists(arquivo(QStringLiteral("ponte.js"))) &&
           QFileInfo::exists(arquivo(QStringLiteral("ruffle/ruffle.js")));
}

QWebEngineProfile* TPaginaRuffle::perfil(const QString& nome, const TPastasNavegador& pastas) {
    [[maybe_unused]] static const bool navegadorPronto = (prepararNavegador(), true);
    QWebEngineProfile* perfil =
        pastas.emMemoria() ? new QWebEngineProfile(qApp) : perfilEmDisco(nome, pastas);
    perfil->installUrlSchemeHandler(TEsquemaRuffle::nome,
                                    new TEsquemaRuffle(arquivo(QStringLiteral("ruffle")), perfil));
    perfil->setUrlRequestInterceptor(new TFiltroRuffle(perfil));
    return perfil;
}

bool TPaginaRuffle::mesmaOrigem(const QUrl& a, const QUrl& b) {
    return !a.host().isEmpty() && a.scheme() == b.scheme() &&
           a.host(QUrl::FullyEncoded) == b.host(QUrl::FullyEncoded) &&
           a.port(portaPadrao(a.scheme())) == b.port(portaPadrao(b.scheme()));
}

void TPaginaRuffle::carregarFilme(const QJsonObject& config, int carga,
                                  const QList<TServidorSocket>& servidores) {
    const QUrl url(config.value(QStringLiteral("url")).toString());
    if (!enderecoWeb(url)) {
        Q_EMIT filmeFalhou(carga, QStringLiteral("endereco"), {});
        return;
    }
    if (!mesmaOrigem(url, endereco_))
        criarPagina(url);
    QJsonObject completa = config;
    completa.insert(QStringLiteral("socketProxy"), TPonteSockets::instancia().entradas(segredo_, servidores));
    // The engine says which server a movie's socket missed only from this level on.
    completa.insert(QStringLiteral("logLevel"), QStringLiteral("warn"));
    if (pronta_)
        executar(QStringLiteral("carregar"), completa, carga);
    else
        filmePendente_ = TFilme{completa, carga};
}

// The page's document gets the movie's address, and with it its origin; its
// sockets get a secret of their own at the bridge, and the old page's close.
void TPaginaRuffle::criarPagina(const QUrl& endereco) {
    TPonteSockets& ponte = TPonteSockets::instancia();
    if (!segredo_.isEmpty())
        ponte.removerPagina(segredo_);
    segredo_ = ponte.registrarPagina(endereco);
    endereco_ = endereco;
    pronta_ = false;
    ++numero_;
    setHtml(lerArquivo(QStringLiteral("pagina.html")).arg(numero_), endereco_);
}

// A page made before the last one (and replaced by it) is not ready for anything.
void TPaginaRuffle::paginaPronta(const QJsonObject& aviso) {
    if (pronta_ || aviso.value(QStringLiteral("pagina")).toInt() != numero_)
        return;
    pronta_ = true;
    if (!aparencia_.isEmpty())
        executar(QStringLiteral("configurar"), aparencia_);
    if (const std::optional<TFilme> filme = std::exchange(filmePendente_, std::nullopt))
        executar(QStringLiteral("carregar"), filme->config, filme->carga);
}

void TPaginaRuffle::configurar(const QString& fundo, const QString& qualidade) {
    setBackgroundColor(QColor::fromString(fundo));
    aparencia_ = QJsonObject{{QStringLiteral("fundo"), fundo}, {QStringLiteral("qualidade"), qualidade}};
    if (pronta_)
        executar(QStringLiteral("configurar"), aparencia_);
}

void TPaginaRuffle::executar(const QString& funcao, const QJsonValue& argumento, const QJsonValue& outro) {
    QJsonArray argumentos{argumento};
    if (!outro.isUndefined())
        argumentos.append(outro);
    runJavaScript(QStringLiteral("quillet.%1(...%2);").arg(funcao, json(argumentos)));
}

// Only the page's own document talks to the program; a document of an
// origin the page has left is not heard.
bool TPaginaRuffle::javaScriptPrompt(const QUrl& origem, const QString& mensagem, const QString& valor,
                                     QString* resultado) {
    if (!mesmaOrigem(origem, endereco_))
        return false;
    if (mensagem == marca + QStringLiteral("chamada")) {
        const std::optional<QString> resposta = chamada(valor);
        if (resposta)
            *resultado = *resposta;
        return resposta.has_value();
    }
    const QJsonObject aviso = QJsonDocument::fromJson(valor.toUtf8()).object();
    const int carga = aviso.value(QStringLiteral("carga")).toInt(-1);
    if (mensagem == marca + QStringLiteral("pronta"))
        paginaPronta(aviso);
    else if (mensagem == marca + QStringLiteral("carregado"))
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
    if (mensagem.startsWith(marcaRastro)) {
        Q_EMIT rastreado(mensagem.mid(marcaRastro.size()));
        return;
    }
    // "... Missing WebSocket proxy for host <host>, port <port>", then the
    // console's styles: the host is the movie's text, the port a number.
    static const QRegularExpression semProxy(QStringLiteral("^(.*?), port (\\d{1,5})(?:\\s|$)"),
                                             QRegularExpression::DotMatchesEverythingOption);
    const qsizetype inicio = mensagem.indexOf(marcaSemProxy);
    if (inicio < 0)
        return;
    const QRegularExpressionMatch partes = semProxy.match(mensagem.mid(inicio + marcaSemProxy.size()));
    if (partes.hasMatch())
        Q_EMIT socketSemServidor(partes.captured(1), partes.captured(2).toInt());
}

// Only the page the program made is ever shown: a movie that opens an
// address does not take the player away from its game, nor puts a frame in
// it. Its own document asking for a web address is told.
bool TPaginaRuffle::acceptNavigationRequest(const QUrl& url, NavigationType tipo, bool quadroPrincipal) {
    if (quadroPrincipal && tipo == NavigationTypeTyped && url.scheme() == QLatin1String("data"))
        return true;
    if (quadroPrincipal)
        Q_EMIT aberturaPedida(url);
    return false;
}

// A window of its own gets a page that loads nothing; one at a time.
QWebEnginePage* TPaginaRuffle::createWindow(WebWindowType) {
    if (janela_)
        return nullptr;
    auto* janela = new TJanelaFilme(profile(), this);
    connect(janela, &TJanelaFilme::enderecoPedido, this, &TPaginaRuffle::aberturaPedida);
    janela_ = janela;
    return janela;
}
