#include "player/unit_FlashPlayerRuffle.h"

#include "net/unit_EnderecoIp.h"
#include "player/unit_PaginaRuffle.h"
#include "player/unit_PalcoFalha.h"
#include "player/unit_PonteSockets.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

// Servers a movie may be found asking for, and restarts for them, over a
// player's life: a game connects to a few (a login server, a game server).
constexpr int verificacoesMaximas = 16;
constexpr int reiniciosMaximos = 3;
// How long after the user's click or key the movie may open an address, as
// long as a browser lets a page open a window after one.
constexpr qint64 validadeAcao = 5000;

// The engine knows three qualities; the automatic levels start at their own level.
QString nomeQualidade(int qualidade) {
    return qualidade == 0 || qualidade == 2 ? QStringLiteral("low") : QStringLiteral("high");
}

// The texts follow the interface language: each names its key in the
// language files, and is written here in English.
QString texto(const char* ingles, const char* chave) {
    return QCoreApplication::translate("TFlashPlayerRuffle", ingles, chave);
}

QString motivoFalha(const QString& motivo, const QString& detalhe) {
    if (motivo == QLatin1String("http"))
        return texto("the server answered %1", "Flash.motivoHttp").arg(detalhe);
    if (motivo == QLatin1String("formato"))
        return texto("what is there is not a Flash movie", "Flash.motivoFormato");
    if (motivo == QLatin1String("motor"))
        return texto("the player refused it: %1", "Flash.motivoMotor").arg(detalhe);
    if (motivo == QLatin1String("tempo"))
        return texto("it did not start within %1 seconds", "Flash.motivoTempo")
            .arg(TFlashPlayerRuffle::tempoLimiteCarga / 1000);
    if (motivo == QLatin1String("pagina"))
        return texto("the player's own files could not be opened", "Flash.motivoPagina");
    if (motivo == QLatin1String("endereco"))
        return texto("only web addresses (http or https) can be played", "Flash.motivoEndereco");
    return texto("its host could not be reached", "Flash.motivoRede");
}

// What the user can make of a failure, in plain words.
QString dicaFalha(const QString& motivo) {
    if (motivo == QLatin1String("processo"))
        return texto("The program that runs the game ended unexpectedly: it may have crashed or been "
                     "stopped. Restarting the game loads it again.",
                     "Flash.dicaProcesso");
    if (motivo == QLatin1String("http"))
        return texto("The game's server is having trouble. Try again in a few minutes.", "Flash.dicaHttp");
    if (motivo == QLatin1String("tempo"))
        return texto("The game took too long to start. Check your internet connection and try again.",
                     "Flash.dicaTempo");
    if (motivo == QLatin1String("pagina"))
        return texto("Files of the game player are missing from this installation of Quillet: "
                     "installing it again should mend it.",
                     "Flash.dicaPagina");
    if (motivo == QLatin1String("rede"))
        return texto("Check your internet connection and try again.", "Flash.dicaRede");
    return texto("The game's file could not be played. The game's site may have changed it; try again "
                 "later.",
                 "Flash.dicaFilme");
}

} // namespace

TFlashPlayerRuffle::TFlashPlayerRuffle(QWidget* pai, QWebEngineProfile* perfil) : TFlashPlayer(pai) {
    timerCarga_.setObjectName(QStringLiteral("timerCarga"));
    timerCarga_.setSingleShot(true);
    timerCarga_.setInterval(tempoLimiteCarga);
    connect(&timerCarga_, &QTimer::timeout, this, &TFlashPlayerRuffle::tempoEsgotado);

    visao_ = new QWebEngineView(this);
    visao_->setContextMenuPolicy(Qt::NoContextMenu);
    pagina_ = new TPaginaRuffle(perfil, visao_);
    pagina_->responderChamada = [this](const QString& pedido) { return chamarExterno(pedido); };
    connect(pagina_, &TPaginaRuffle::filmeCarregado, this, &TFlashPlayerRuffle::filmeCarregado,
            Qt::QueuedConnection);
    connect(pagina_, &TPaginaRuffle::filmeFalhou, this, &TFlashPlayerRuffle::filmeFalhou,
            Qt::QueuedConnection);
    connect(pagina_, &TPaginaRuffle::rastreado, this, &TFlashPlayerRuffle::rastreado);
    connect(pagina_, &TPaginaRuffle::socketSemServidor, this, &TFlashPlayerRuffle::socketSemServidor);
    connect(pagina_, &TPaginaRuffle::aberturaPedida, this, &TFlashPlayerRuffle::aberturaPedida);
    visao_->installEventFilter(this);
    visao_->setPage(pagina_);
    setFocusProxy(visao_);
    seguirIdioma();

    connect(pagina_, &TPaginaRuffle::processoEncerrado, this, &TFlashPlayerRuffle::processoEncerrado,
            Qt::QueuedConnection);

    palcoFalha_ = new TPalcoFalha(this);
    // The same movie again, in place: the game screen sees it load as it first did.
    connect(palcoFalha_, &TPalcoFalha::tentarPedido, this, [this] { setMovie(movie_); });

    pilha_ = new QStackedLayout(this);
    pilha_->addWidget(visao_);
    pilha_->addWidget(palcoFalha_);
    aplicarAparencia();
}

// The page outlives this part of the player: it no longer reaches it. A
// movie's call may end the player's life (its game closed from inside the
// handler) while the browser still waits in the page for the answer: the
// view and its page then go when the call is over.
TFlashPlayerRuffle::~TFlashPlayerRuffle() {
    pagina_->disconnect(this);
    pagina_->responderChamada = nullptr;
    if (!pagina_->emChamada())
        return;
    visao_->hide();
    visao_->setParent(nullptr);
    visao_->deleteLater();
}

// The Velmora bridge sets the same colour at every call of the movie.
void TFlashPlayerRuffle::setBGColor(const QString& rrggbb) {
    if (rrggbb == bgColor_)
        return;
    bgColor_ = rrggbb;
    aplicarAparencia();
}

void TFlashPlayerRuffle::setQuality(int qualidade) {
    const bool mudou = nomeQualidade(qualidade) != nomeQualidade(quality_);
    quality_ = qualidade;
    if (mudou)
        aplicarAparencia();
}

void TFlashPlayerRuffle::setScale(const QString& escala) {
    scale_ = escala;
}

void TFlashPlayerRuffle::setWMode(const QString& modo) {
    wmode_ = modo;
}

// The movie loads from the event loop, so that properties set right after
// Movie (its scale, say) are part of its configuration.
void TFlashPlayerRuffle::setMovie(const QString& url) {
    movie_ = url;
    const int carga = ++carga_;
    estado_ = 0;
    mostrarPalco(visao_);
    timerCarga_.start();
    QMetaObject::invokeMethod(
        this,
        [this, carga] {
            informarEstado(0);
            if (carga != carga_)
                return;
            servidoresCarga_ = servidores_;
            pagina_->carregarFilme(configuracao(), carga, servidoresCarga_);
        },
        Qt::QueuedConnection);
}

QJsonObject TFlashPlayerRuffle::configuracao() const {
    QJsonObject config{
        {QStringLiteral("url"), movie_},
        {QStringLiteral("allowScriptAccess"), true},
        {QStringLiteral("autoplay"), QStringLiteral("on")},
        {QStringLiteral("quality"), nomeQualidade(quality_)},
        // The stage lets the page show through: the page paints BGColor, so a
        // new colour shows at once, while the movie plays.
        {QStringLiteral("wmode"), QStringLiteral("transparent")},
        {QStringLiteral("splashScreen"), false},
        {QStringLiteral("unmuteOverlay"), QStringLiteral("hidden")},
        {QStringLiteral("warnOnUnsupportedContent"), false},
        {QStringLiteral("upgradeToHttps"), false},
    };
    if (!scale_.isEmpty())
        config.insert(QStringLiteral("scale"), scale_);
    return config;
}

void TFlashPlayerRuffle::aplicarAparencia() {
    const QColor fundo = QColor::fromString(QLatin1Char('#') + bgColor_);
    palcoFalha_->colorir(fundo);
    pagina_->configurar(QLatin1Char('#') + bgColor_, nomeQualidade(quality_));
}

void TFlashPlayerRuffle::filmeCarregado(int carga) {
    if (carga != carga_)
        return;
    // A movie that starts after its stage gave up on it is shown all the same.
    mostrarPalco(visao_);
    concluirCarga();
}

void TFlashPlayerRuffle::filmeFalhou(int carga, const QString& motivo, const QString& detalhe) {
    if (carga != carga_ || estado_ == 4)
        return;
    falha_ = {motivo, detalhe};
    mostrarFalha();
    concluirCarga();
}

// Loading or playing, the movie is gone with its page's process; the next
// load makes a new page, and with it a new process.
void TFlashPlayerRuffle::processoEncerrado() {
    ++carga_;
    timerCarga_.stop();
    falha_ = {QStringLiteral("processo"), {}};
    mostrarFalha();
    concluirCarga();
}

void TFlashPlayerRuffle::mostrarFalha() {
    escreverFalha();
    mostrarPalco(palcoFalha_);
}

void TFlashPlayerRuffle::escreverFalha() {
    const QString& motivo = falha_.first;
    const bool processo = motivo == QLatin1String("processo");
    palcoFalha_->mostrar(processo ? texto("The game stopped", "Flash.tituloProcesso")
                                  : texto("The game could not be loaded", "Flash.tituloFalhaCarga"),
                         dicaFalha(motivo),
                         processo ? QString()
                                  : texto("The movie at %1 could not be loaded: %2.", "Flash.falhaCarga")
                                        .arg(movie_, motivoFalha(motivo, falha_.second)),
                         processo ? texto("Restart the game", "Flash.reiniciarJogo")
                                  : texto("Try again", "Flash.tentarNovamente"));
}

void TFlashPlayerRuffle::mostrarPalco(QWidget* palco) {
    if (pilha_->currentWidget() == palco)
        return;
    const bool comFoco = Focused();
    QWidget* foco = palco == visao_ ? static_cast<QWidget*>(visao_) : palcoFalha_->btnTentar;
    setFocusProxy(foco);
    pilha_->setCurrentWidget(palco);
    if (comFoco)
        foco->setFocus(Qt::OtherFocusReason);
}

// The stage of a failed movie, and the engine's own texts (its menu), speak
// the interface language, from the next one on.
void TFlashPlayerRuffle::changeEvent(QEvent* evento) {
    TFlashPlayer::changeEvent(evento);
    if (evento->type() != QEvent::LanguageChange)
        return;
    seguirIdioma();
    if (pilha_->currentWidget() == palcoFalha_)
        escreverFalha();
}

void TFlashPlayerRuffle::seguirIdioma() {
    pagina_->profile()->setHttpAcceptLanguage(texto("en-US", "Idioma.localidade"));
}

void TFlashPlayerRuffle::tempoEsgotado() {
    filmeFalhou(carga_, QStringLiteral("tempo"), {});
}

void TFlashPlayerRuffle::concluirCarga() {
    timerCarga_.stop();
    if (estado_ == 4)
        return;
    estado_ = 4;
    informarEstado(4);
}

void TFlashPlayerRuffle::socketSemServidor(const QString& host, int porta) {
    const std::optional<TServidorSocket> servidor = TServidorSocket::de(host, porta);
    if (!servidor || servidoresCarga_.contains(*servidor) || emVerificacao_.contains(*servidor) ||
        verificacoes_ >= verificacoesMaximas)
        return;
    ++verificacoes_;
    emVerificacao_.append(*servidor);
    const QUrl filme(movie_);
    TPonteSockets::instancia().verificar(filme, *servidor, this,
                                         [this, filme, servidor = *servidor](bool alcancavel) {
                                             servidorVerificado(filme, servidor, alcancavel);
                                         });
}

void TFlashPlayerRuffle::servidorVerificado(const QUrl& filme, const TServidorSocket& servidor,
                                            bool alcancavel) {
    emVerificacao_.removeOne(servidor);
    if (!alcancavel || QUrl(movie_) != filme || servidores_.contains(servidor))
        return;
    servidores_.append(servidor);
    informarServidorSocket(servidor);
    if (reinicios_ < reiniciosMaximos) {
        ++reinicios_;
        setMovie(movie_);
    }
}

bool TFlashPlayerRuffle::eventFilter(QObject* objeto, QEvent* evento) {
    switch (evento->type()) {
    case QEvent::ChildAdded:
        // The browser's widget that takes the input comes with the page.
        if (objeto == visao_)
            static_cast<QChildEvent*>(evento)->child()->installEventFilter(this);
        break;
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        acaoUsuario_.start();
        break;
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(evento)->isAutoRepeat())
            acaoUsuario_.start();
        break;
    default:
        break;
    }
    return false;
}

// Never an address of the user's own machine or network: the movie must not
// reach it through the user's browser either.
void TFlashPlayerRuffle::aberturaPedida(const QUrl& url) {
    const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (!web || url.host().isEmpty() || TEnderecoIp::hostInterno(url.host()) || !acaoUsuario_.isValid() ||
        acaoUsuario_.elapsed() > validadeAcao)
        return;
    acaoUsuario_.invalidate();
    pedirAbertura(url.toString(QUrl::FullyEncoded));
}
