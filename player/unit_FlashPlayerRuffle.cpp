#include "player/unit_FlashPlayerRuffle.h"

#include "player/unit_PaginaRuffle.h"

#include <QLabel>
#include <QStackedLayout>
#include <QWebEngineView>

namespace {

// The engine knows three qualities; the automatic levels start at their own level.
QString nomeQualidade(int qualidade) {
    return qualidade == 0 || qualidade == 2 ? QStringLiteral("low") : QStringLiteral("high");
}

QString motivoFalha(const QString& motivo, const QString& detalhe) {
    if (motivo == QLatin1String("http"))
        return QStringLiteral("the server answered %1").arg(detalhe);
    if (motivo == QLatin1String("formato"))
        return QStringLiteral("what is there is not a Flash movie");
    if (motivo == QLatin1String("motor"))
        return QStringLiteral("the player refused it: %1").arg(detalhe);
    if (motivo == QLatin1String("tempo"))
        return QStringLiteral("it did not start within %1 seconds")
            .arg(TFlashPlayerRuffle::tempoLimiteCarga / 1000);
    if (motivo == QLatin1String("pagina"))
        return QStringLiteral("the player's own files could not be opened");
    if (motivo == QLatin1String("endereco"))
        return QStringLiteral("only web addresses (http or https) can be played");
    return QStringLiteral("its host could not be reached");
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
    visao_->setPage(pagina_);
    setFocusProxy(visao_);

    textoFalha_ = new QLabel(this);
    textoFalha_->setObjectName(QStringLiteral("textoFalha"));
    textoFalha_->setAlignment(Qt::AlignCenter);
    textoFalha_->setWordWrap(true);
    textoFalha_->setMargin(24);
    textoFalha_->setTextFormat(Qt::PlainText);
    textoFalha_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    pilha_ = new QStackedLayout(this);
    pilha_->addWidget(visao_);
    pilha_->addWidget(textoFalha_);
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
    pilha_->setCurrentWidget(visao_);
    timerCarga_.start();
    QMetaObject::invokeMethod(
        this,
        [this, carga] {
            informarEstado(0);
            if (carga == carga_)
                pagina_->carregarFilme(configuracao(), carga);
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
    const bool escuro = fundo.isValid() && fundo.lightness() < 128;
    textoFalha_->setStyleSheet(
        QStringLiteral("background: #%1; color: %2;")
            .arg(bgColor_, escuro ? QStringLiteral("white") : QStringLiteral("black")));
    pagina_->configurar(QLatin1Char('#') + bgColor_, nomeQualidade(quality_));
}

void TFlashPlayerRuffle::filmeCarregado(int carga) {
    if (carga != carga_)
        return;
    // A movie that starts after its stage gave up on it is shown all the same.
    pilha_->setCurrentWidget(visao_);
    concluirCarga();
}

void TFlashPlayerRuffle::filmeFalhou(int carga, const QString& motivo, const QString& detalhe) {
    if (carga != carga_ || estado_ == 4)
        return;
    textoFalha_->setText(
        QStringLiteral("The movie at %1 could not be loaded: %2.").arg(movie_, motivoFalha(motivo, detalhe)));
    pilha_->setCurrentWidget(textoFalha_);
    concluirCarga();
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
