#include "app/unit_Principal.h"

#include "app/unit_AlternanciaContida.h"
#include "core/unit_ArquivoConfig.h"
#include "core/unit_Chaves.h"
#include "core/unit_Conexao.h"
#include "core/unit_Constantes.h"
#include "core/unit_Erros.h"
#include "core/unit_Recursos.h"
#include "core/unit_Texto.h"
#include "core/unit_TratadorErros.h"
#include "games/unit_DadosJogos.h"
#include "games/unit_ServidoresJogos.h"
#include "games/unit_frameErroFlash.h"
#include "linkguard/unit_frameProtetor.h"
#include "remote/unit_DefinicoesRemotas.h"
#include "settings/unit_frameConfig.h"
#include "ui/unit_AjustePai.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"
#include "ui/unit_TeclaAcionar.h"
#include "ui/unit_TradutorIdioma.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

const QColor corFundoHome(247, 247, 247);
constexpr int passoTransicao = 52;
constexpr int alturaTextoVersao = 39; // of the about text, at its least
// The least client area at which the home screen's tiles, logos, buttons and
// about text all show without overlapping (beyond the tile columns' designed
// overlap), in both languages: 547 x 501 with the fonts of a Debian desktop
// (across, the link buttons against the settings button; down, the tiles,
// the middle row and the English about text), with a margin for wider fonts.
constexpr QSize tamanhoMinimo(560, 520);
constexpr int intervaloTelaCheia = 1000;

QTimer* criarTimer(QObject* dono, const char* nome, int intervalo) {
    auto* timer = new QTimer(dono);
    timer->setObjectName(QLatin1String(nome));
    timer->setInterval(intervalo);
    return timer;
}

QString pastaComBarra(QString pasta) {
    if (!pasta.endsWith(QLatin1Char('/')))
        pasta += QLatin1Char('/');
    return pasta;
}

} // namespace

TPrincipal::TPrincipal(TServicos servicosRecebidos, QWidget* pai)
    : QWidget(pai), servicos(std::move(servicosRecebidos)) {
    setObjectName(QStringLiteral("Principal"));
    criarComponentes();
    TratadorErros::definir([this](const std::exception& erro) { ApplicationEvents1Exception(erro); });
    qApp->installEventFilter(this);
    try {
        FormCreate();
    } catch (const std::exception& erro) {
        ApplicationEvents1Exception(erro);
    }
}

TPrincipal::~TPrincipal() {
    qApp->removeEventFilter(this);
    TratadorErros::definir({});
}

std::unique_ptr<QIODevice> TPrincipal::QuilletRSC(const QString& Nome) const {
    return Recursos::abrir(Nome);
}

// ---------------------------------------------------------------------------
// Components

void TPrincipal::criarComponentes() {
    setWindowTitle(Constantes::titulo);
    setWindowIcon(Componentes::iconePrograma());
    setFont(Componentes::fonteSegoe(12));
    setMinimumSize(tamanhoMinimo);
    resize(840, 626);

    // Bottom of the stack first: the program's own screens, the games, then home.
    painelQuillet = new TPainel(this);
    painelQuillet->setObjectName(QStringLiteral("painelQuillet"));
    painelQuillet->setCor(corFundoHome);
    painelQuillet->setAlinhado(true);
    painelQuillet->installEventFilter(this);

    painelJogo = new TPainel(this);
    painelJogo->setObjectName(QStringLiteral("painelJogo"));
    painelJogo->setCor(Qt::white);
    painelJogo->setCaption(QStringLiteral("Iniciando..."));
    QFont fonteJogo(QStringLiteral("Verdana"));
    fonteJogo.setPixelSize(19);
    painelJogo->setFont(fonteJogo);
    QPalette paletaJogo = painelJogo->palette();
    paletaJogo.setColor(QPalette::WindowText, QColor(66, 79, 111));
    painelJogo->setPalette(paletaJogo);
    painelJogo->setAlinhado(true);
    painelJogo->hide();

    criarHome();
    ligarTiles();
    ordenarTeclado();

    timerOcultarHome = criarTimer(this, "timerOcultarHome", 1);
    timerMostrarHome = criarTimer(this, "timerMostrarHome", 1);
    timermostrarQuillet = criarTimer(this, "timermostrarQuillet", 1);
    timerOcultarQuillet = criarTimer(this, "timerOcultarQuillet", 1);
    AnimLogo = criarTimer(this, "AnimLogo", 10);
    Conexao::protegida(timerOcultarHome, &QTimer::timeout, this, &TPrincipal::timerOcultarHomeTimer);
    Conexao::protegida(timerMostrarHome, &QTimer::timeout, this, &TPrincipal::timerMostrarHomeTimer);
    Conexao::protegida(timermostrarQuillet, &QTimer::timeout, this, &TPrincipal::timermostrarQuilletTimer);
    Conexao::protegida(timerOcultarQuillet, &QTimer::timeout, this, &TPrincipal::timerOcultarQuilletTimer);
    Conexao::protegida(AnimLogo, &QTimer::timeout, this, &TPrincipal::AnimLogoTimer);
    // Switching re-creates the native window: a movie asking every 200 ms
    // would have it re-created several times a second.
    telaCheiaContida = new TAlternanciaContida([this] { modoFullscreen(); }, intervaloTelaCheia, this);
}

void TPrincipal::criarHome() {
    painelHome = new TPainel(this);
    painelHome->setObjectName(QStringLiteral("painelHome"));
    painelHome->setCor(corFundoHome);
    painelHome->setAlinhado(true);
    painelHome->installEventFilter(this);

    painelHeader = new TPainel(painelHome);
    painelHeader->setObjectName(QStringLiteral("painelHeader"));
    painelHeader->setCor(Qt::white);
    Image1 = new QLabel(painelHeader);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap::fromImage(Componentes::imagem(QStringLiteral("MARCA"))));
    Image1->setAlignment(Qt::AlignCenter);
    auto* layoutHeader = new QVBoxLayout(painelHeader);
    layoutHeader->setContentsMargins(3, 3, 3, 3);
    layoutHeader->addWidget(Image1, 0, Qt::AlignHCenter | Qt::AlignTop);

    Bevel1 = new QFrame(painelHome);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::HLine);
    Bevel1->setFrameShadow(QFrame::Sunken);

    criarPainelLogo(painelLogoVlm, logoVelmora, "painelLogoVlm", "logoVelmora", QRect(16, 91, 345, 114));
    criarPainelLogo(painelLogoGumbrel, logoGumbrel, "painelLogoGumbrel", "logoGumbrel",
                    QRect(16, 391, 345, 114));
    criarPainelLogo(painelLogoKrd, logoKraddle, "painelLogoKrd", "logoKraddle", QRect(464, 91, 345, 114));
    criarPainelLogo(painelLogoLurr, logoLurrow, "painelLogoLurr", "logoLurrow", QRect(457, 389, 345, 114));

    btnConfig = new QPushButton(QStringLiteral("Configurações"), painelHome);
    btnConfig->setObjectName(QStringLiteral("btnConfig"));
    btnConfig->resize(161, 40);
    btnConfig->setCursor(Qt::PointingHandCursor);
    btnConfig->setFont(Componentes::fonteSegoe(13));
    btnConfig->setIcon(QIcon(QPixmap::fromImage(Componentes::imagem(QStringLiteral("ENGRENAGEM24")))));
    btnConfig->setIconSize(QSize(24, 24));
    TTeclaAcionar::instalar(btnConfig);
    Conexao::protegida(btnConfig, &QPushButton::clicked, this, &TPrincipal::btnConfigClick);

    textoVersao = new QPlainTextEdit(painelHome);
    textoVersao->setObjectName(QStringLiteral("textoVersao"));
    textoVersao->setReadOnly(true);
    textoVersao->setFrameShape(QFrame::NoFrame);
    textoVersao->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    textoVersao->setTabChangesFocus(true);
    QFont fonteVersao = Componentes::fonteSegoe(12);
    fonteVersao.setItalic(true);
    textoVersao->setFont(fonteVersao);
    QPalette paletaVersao = textoVersao->palette();
    paletaVersao.setColor(QPalette::Base, corFundoHome);
    paletaVersao.setColor(QPalette::Text, Componentes::cinzaTexto);
    textoVersao->setPalette(paletaVersao);
    // A new about text (an update notice) may need another height.
    connect(textoVersao->document(), &QTextDocument::contentsChanged, this, [this] {
        alinharComponentesHome();
        painelHomeResize();
    });

    const auto criarBotaoLink = [this](const char* nome, const QString& texto, const char* icone) {
        auto* botao = new QToolButton(painelHome);
        botao->setObjectName(QLatin1String(nome));
        botao->setText(texto);
        botao->resize(172, 73);
        botao->setCursor(Qt::PointingHandCursor);
        botao->setFont(Componentes::fonteSegoe(16));
        botao->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        botao->setIcon(QIcon(QPixmap::fromImage(Componentes::imagem(QLatin1String(icone)))));
        botao->setIconSize(QSize(40, 40));
        TTeclaAcionar::instalar(botao);
        return botao;
    };
    btnKestrum = criarBotaoLink("btnKestrum", QStringLiteral("Kestrum"), "EMBLEMA");
    btnKestrum->move(18, btnKestrum->y());
    btnYouTube = criarBotaoLink("btnYouTube", QStringLiteral("Canal no YouTube"), "PLAY");
    Conexao::protegida(btnKestrum, &QToolButton::clicked, this, &TPrincipal::btnKestrumClick);
    Conexao::protegida(btnYouTube, &QToolButton::clicked, this, &TPrincipal::btnYouTubeClick);
}

void TPrincipal::criarPainelLogo(TPainel*& painel, TImagem*& logo, const char* nomePainel,
                                 const char* nomeLogo, const QRect& geometria) {
    painel = new TPainel(painelHome);
    painel->setObjectName(QLatin1String(nomePainel));
    painel->setFrameShape(QFrame::Panel);
    painel->setFrameShadow(QFrame::Raised);
    painel->setLineWidth(2);
    // Two light one-pixel bevels around the picture.
    QPalette bordas = painel->palette();
    bordas.setColor(QPalette::Light, QColor(255, 255, 255));
    bordas.setColor(QPalette::Dark, QColor(218, 220, 226));
    painel->setPalette(bordas);
    painel->setGeometry(geometria);
    logo = new TImagem(painel);
    logo->setObjectName(QLatin1String(nomeLogo));
    logo->setCursor(Qt::PointingHandCursor);
    logo->setGeometry(painel->contentsRect());
}

void TPrincipal::alinharComponentesHome() {
    const int largura = painelHome->width();
    painelHeader->setGeometry(0, 0, largura, 70);
    Bevel1->setGeometry(0, 70, largura, 3);
    // The about text shows whole: the memo grows with its lines from the
    // design height; a text longer than a third of the screen (an update
    // notice with a long address from the network) scrolls.
    const int altura = std::clamp(Componentes::alturaTexto(textoVersao, largura - 6), alturaTextoVersao,
                                  std::max(alturaTextoVersao, painelHome->height() / 3));
    textoVersao->setGeometry(3, painelHome->height() - 3 - altura, largura - 6, altura);
}

// ---------------------------------------------------------------------------
// Start-up

void TPrincipal::FormCreate() {
    qlDef.clear();
    criarDefinicoesRemotas();
    fechandoJogo = -1;

    dataDir = pastaComBarra(servicos.pastas->pastaDadosUsuario()) + Constantes::nomePasta;
    QDir().mkpath(dataDir);
    configPath = dataDir + Constantes::nomeArquivoConfig;
    tempDir = pastaComBarra(servicos.pastas->pastaTemporaria()) + Constantes::nomePasta;
    QDir().mkpath(tempDir);

    servidoresJogos = std::make_unique<TServidoresJogos>(dataDir + QStringLiteral("servidores/"));
    config = std::make_unique<TArquivoConfig>(configPath);
    config->aoRecusarEscrita([this](const EArquivo& erro) { avisarConfigNaoGravada(erro); });
    idioma = new TIdioma();
    idioma->setParent(this);
    tradutor = new TTradutorIdioma(*idioma, this);
    carregarIdiomaInicial();
    idioma->add(btnConfig, QStringLiteral("Caption"));
    iniciarInterface();
    idioma->aplicarIdioma();
    nomearAcessiveisHome();
    Componentes::escreverMemo(textoVersao,
                              textoSobre(idioma->get(QStringLiteral("Principal.textoSobre_Atualizado"),
                                                     {Constantes::versaoTexto})));

    criarDadosJogos();
    dadosJogos->conferir(TDadosJogos::jogos());
    criarVigiaLinks();
    listaBadURLs.clear();
    definicoesRemotas->iniciar();
    listaURLsTestadas.limpar();
    primeiroUso();
}

// A stored language that is not two letters long, or that cannot be loaded,
// gives the built-in Portuguese table.
void TPrincipal::carregarIdiomaInicial() {
    const QString guardado = config->ReadString(Constantes::secao, Chave::idioma, QStringLiteral("PT"));
    if (guardado.size() == 2) {
        try {
            idioma->carregarIdioma(guardado.toUpper());
            return;
        } catch (const EErro&) {
        }
    }
    idioma->carregarIdioma(QStringLiteral("PT"));
}

void TPrincipal::iniciarInterface() {
    bannersJogos = {logoVelmora, logoKraddle, logoGumbrel, logoLurrow};
    bannersOriginais.clear();
    for (const char* recurso : {"LOGO_VELMORA", "LOGO_KRADDLE", "LOGO_GUMBREL", "LOGO_LURROW"})
        bannersOriginais.append(Componentes::imagem(QLatin1String(recurso)));
    for (int i = 0; i < bannersJogos.size(); ++i)
        comporTile(i);
}

TContextoTela TPrincipal::contextoTelas() {
    return {*idioma, *config, servicos};
}

TframeProtetor* TPrincipal::frameProtetor() {
    return telaOculta(frameProtetor_);
}

TframeConfig* TPrincipal::frameConfig() {
    return telaOculta(frameConfig_);
}

TframeErroFlash* TPrincipal::frameErroFlash() {
    return telaOculta(frameErroFlash_);
}

template <typename TTela> TTela* TPrincipal::telaOculta(TTela*& tela) {
    if (!tela) {
        tela = new TTela(contextoTelas(), painelQuillet);
        tela->init();
        prepararTelaOculta(tela);
        ligarTelaOculta(tela);
    }
    return tela;
}

// A screen made late fills the program panel hidden, speaks the language in
// use and takes its place in the stack: the warning under the settings, both
// under the player-error screen, whichever was made first.
void TPrincipal::prepararTelaOculta(TFrame* tela) {
    (new TAjustePai(tela))->setAlinhado(true);
    tela->hide();
    idioma->aplicarIdioma(tela);
    const std::array<TFrame*, 3> pilha{frameProtetor_, frameConfig_, frameErroFlash_};
    const auto acima = std::find_if(std::find(pilha.begin(), pilha.end(), tela) + 1, pilha.end(),
                                    [](const TFrame* outra) { return outra != nullptr; });
    if (acima != pilha.end())
        tela->stackUnder(*acima);
}

// What the program's own screens ask for.
void TPrincipal::ligarTelaOculta(TframeProtetor* tela) {
    // The game has the keyboard back at once, while the warning slides away.
    Conexao::protegida(tela, &TframeProtetor::voltarPedido, this, [this] {
        painelJogo->show();
        ocultarQuillet(painelJogo);
        focarJogoEmVista();
    });
}

void TPrincipal::ligarTelaOculta(TframeConfig* tela) {
    Conexao::protegida(tela, &TframeConfig::voltarPedido, this, [this] { ocultarQuillet(painelHome); });
    Conexao::protegida(tela, &TframeConfig::encerramentoPedido, this,
                       [this] { servicos.encerramento->encerrarAgora(); });
    Conexao::protegida(tela, &TframeConfig::limpezaDadosPedida, this, &TPrincipal::limparDadosJogos);
}

void TPrincipal::ligarTelaOculta(TframeErroFlash* tela) {
    Conexao::protegida(tela, &TframeErroFlash::abrirEnderecoPedido, this, &TPrincipal::abrirURL);
}

// The version line, then the note (which may run over several lines).
QString TPrincipal::textoSobre(const QString& linhaVersao) const {
    return linhaVersao + Texto::quebraLinha + idioma->get(QStringLiteral("Principal.textoSobre"));
}

// A settings file that cannot be written does not keep the settings screen from opening.
void TPrincipal::primeiroUso() {
    if (!config->ReadBool(Constantes::secao, Chave::primeiroUso, true))
        return;
    TratadorErros::executar([this] {
        config->WriteBool(Constantes::secao, Chave::primeiroUso, false);
        config->UpdateFile();
    });
    btnConfigClick();
}

bool TPrincipal::lerOpcao(const QString& chave, bool padrao) const {
    return config->ReadBool(Constantes::secao, chave, padrao);
}

// ---------------------------------------------------------------------------
// Screen transitions. One runs at a time: starting one first finishes the
// running one at once, with its pending action.

bool TPrincipal::animar() const {
    return !concluindoTransicao_ && lerOpcao(Chave::usarAnim, true);
}

void TPrincipal::concluirTransicaoEmCurso() {
    concluindoTransicao_ = true;
    const std::pair<QTimer*, void (TPrincipal::*)()> transicoes[] = {
        {timerMostrarHome, &TPrincipal::timerMostrarHomeTimer},
        {timerOcultarHome, &TPrincipal::timerOcultarHomeTimer},
        {timermostrarQuillet, &TPrincipal::timermostrarQuilletTimer},
        {timerOcultarQuillet, &TPrincipal::timerOcultarQuilletTimer}};
    for (const auto& [timer, tick] : transicoes)
        if (timer->isActive())
            (this->*tick)();
    concluindoTransicao_ = false;
}

// The action stored by the caller of a transition, in the same handler that
// started it, becomes that transition's own at its first tick.
void TPrincipal::reivindicarAcao() {
    if (acaoReivindicada_)
        return;
    acaoTransicao_ = std::exchange(callbackOcultarHome, {});
    acaoReivindicada_ = true;
}

void TPrincipal::executarAcaoPendente() {
    reivindicarAcao();
    const TOcultarHomeCallback acao = std::exchange(acaoTransicao_, {});
    acaoReivindicada_ = false;
    if (acao)
        TratadorErros::executar(acao);
}

void TPrincipal::mostrarHome() {
    concluirTransicaoEmCurso();
    painelHome->resize(width(), height());
    painelHome->raise();
    painelHome->show();
    timerMostrarHome->start();
}

void TPrincipal::timerMostrarHomeTimer() {
    reivindicarAcao();
    if (animar())
        painelHome->move(painelHome->x() + passoTransicao, painelHome->y());
    else
        painelHome->move(0, painelHome->y());
    if (painelHome->x() < 0)
        return;
    timerMostrarHome->stop();
    painelHome->setAlinhado(true);
    painelJogo->hide();
    executarAcaoPendente();
    focarEmFrente();
}

void TPrincipal::ocultarHome(QWidget* entaoMostrar) {
    concluirTransicaoEmCurso();
    guardarFocoHome();
    painelHome->setAlinhado(false);
    painelHome->setGeometry(0, 0, width(), height());
    entaoMostrar->show();
    timerOcultarHome->start();
}

void TPrincipal::timerOcultarHomeTimer() {
    reivindicarAcao();
    const int larguraCliente = painelHome->contentsRect().width();
    if (animar())
        painelHome->move(painelHome->x() - passoTransicao, painelHome->y());
    else
        painelHome->move(-larguraCliente, painelHome->y());
    if (painelHome->x() > -larguraCliente)
        return;
    timerOcultarHome->stop();
    painelHome->hide();
    repaint();
    // The revealed panel stays on screen a moment before the pending action
    // (which may build a game screen) takes the UI thread.
    QThread::msleep(100);
    executarAcaoPendente();
}

void TPrincipal::mostrarQuillet() {
    concluirTransicaoEmCurso();
    guardarFocoHome();
    painelQuillet->setAlinhado(false);
    painelQuillet->setGeometry(width(), 0, width(), height());
    painelQuillet->raise();
    painelQuillet->show();
    timermostrarQuillet->start();
}

void TPrincipal::timermostrarQuilletTimer() {
    reivindicarAcao();
    if (animar())
        painelQuillet->move(painelQuillet->x() - passoTransicao, painelQuillet->y());
    else
        painelQuillet->move(0, painelQuillet->y());
    if (painelQuillet->x() > 0)
        return;
    timermostrarQuillet->stop();
    painelQuillet->setAlinhado(true);
    painelJogo->hide();
    painelHome->hide();
    executarAcaoPendente();
    focarEmFrente();
}

void TPrincipal::ocultarQuillet(QWidget* entaoMostrar) {
    concluirTransicaoEmCurso();
    painelQuillet->setAlinhado(false);
    painelQuillet->setGeometry(0, 0, width(), height());
    entaoMostrar->show();
    timerOcultarQuillet->start();
}

void TPrincipal::timerOcultarQuilletTimer() {
    reivindicarAcao();
    if (animar())
        painelQuillet->move(painelQuillet->x() + passoTransicao, painelQuillet->y());
    else
        painelQuillet->move(width(), painelQuillet->y());
    if (painelQuillet->x() < width())
        return;
    timerOcultarQuillet->stop();
    painelQuillet->hide();
    // The settings screen slid out in view; it is put away now that it is gone.
    if (frameConfig_)
        frameConfig_->hide();
    executarAcaoPendente();
    focarEmFrente();
}

// ---------------------------------------------------------------------------
// Full screen: the mode is read from the window's border.

void TPrincipal::modoFullscreen() {
    const bool visivel = isVisible();
    if (!emFullscreen()) {
        setWindowFlag(Qt::FramelessWindowHint, true);
        setWindowFlag(Qt::WindowStaysOnTopHint, true);
        setWindowState(Qt::WindowMaximized);
        const QSize tela = servicos.metricas->tamanhoTela();
        setGeometry(0, 0, tela.width(), tela.height() + 26);
    } else {
        setWindowFlag(Qt::FramelessWindowHint, false);
        setWindowFlag(Qt::WindowStaysOnTopHint, false);
        // The explicit full-screen geometry dropped the maximised state; the
        // window comes back maximised with its frame.
        setWindowState(Qt::WindowMaximized);
    }
    // Changing the border re-creates the native window, which hides it.
    if (visivel)
        show();
}

bool TPrincipal::emFullscreen() const {
    return windowFlags().testFlag(Qt::FramelessWindowHint);
}

int TPrincipal::topoJanela() const {
    return y();
}

int TPrincipal::alturaLegenda() const {
    return servicos.metricas->alturaLegenda(this);
}

// ---------------------------------------------------------------------------
// Events

void TPrincipal::closeEvent(QCloseEvent* evento) {
    if (!FormCloseQuery()) {
        evento->ignore();
        return;
    }
    FormClose();
    evento->accept();
}

// Qt's translators are installed again at every load of a language.
void TPrincipal::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::LanguageChange && idioma)
        nomearAcessiveisHome();
}

bool TPrincipal::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == painelHome && evento->type() == QEvent::Resize) {
        alinharComponentesHome();
        painelHomeResize();
        return false;
    }
    if (objeto == painelQuillet && (evento->type() == QEvent::Show || evento->type() == QEvent::Hide ||
                                    evento->type() == QEvent::ZOrderChange))
        atualizarCoberturaJogos();
    if (teclaParaTelaCoberta(objeto, evento))
        return true;
    return ApplicationEvents1Message(objeto, evento);
}
