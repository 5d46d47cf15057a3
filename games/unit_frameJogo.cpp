#include "games/unit_frameJogo.h"

#include "core/unit_Conexao.h"
#include "games/unit_JanelaJogos.h"
#include "games/unit_PonteScript.h"
#include "platform/unit_Servicos.h"
#include "player/unit_FlashPlayer.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Painel.h"
#include "ui/unit_PapelAcessivel.h"
#include "ui/unit_TeclaAcionar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int alturaCabecalho = 30;
constexpr int margemBotoes = 3;
constexpr int intervaloCabecalho = 20;

QPushButton* criarBotao(QWidget* pai, const char* nome, const QString& texto, const QSize& tamanho) {
    auto* botao = new QPushButton(texto, pai);
    botao->setObjectName(QLatin1String(nome));
    botao->resize(tamanho);
    TTeclaAcionar::instalar(botao);
    return botao;
}

bool combinacao(const QKeyEvent& evento, Qt::KeyboardModifiers modificadores, int tecla) {
    return evento.key() == tecla && (evento.modifiers() & ~Qt::KeypadModifier) == modificadores;
}

} // namespace

TframeJogo::TframeJogo(TContextoTela contexto, const TJanelaJogos& janela, QWidget* pai)
    : TFrame(pai), contexto_(contexto), janela_(janela) {
    Componentes::pintarFundo(this, Qt::white);
    setFont(Componentes::fonteSegoe(12));

    Cabecalho = new TPainel(this);
    Cabecalho->setObjectName(QStringLiteral("Cabecalho"));
    Cabecalho->setCor(Qt::white);
    Cabecalho->setGeometry(0, 0, width(), alturaCabecalho);
    btnVoltar = criarBotao(Cabecalho, "btnVoltar", QStringLiteral("< Voltar"), QSize(86, 24));
    btnVoltar->move(margemBotoes, margemBotoes);
    btnFechar = criarBotao(Cabecalho, "btnFechar", QStringLiteral("Fechar"), QSize(72, 24));
    Conexao::protegida(btnVoltar, &QPushButton::clicked, this, &TframeJogo::btnVoltarClick);
    Conexao::protegida(btnFechar, &QPushButton::clicked, this, &TframeJogo::btnFecharClick);

    TimerCabecalho = new QTimer(this);
    TimerCabecalho->setObjectName(QStringLiteral("TimerCabecalho"));
    TimerCabecalho->setInterval(intervaloCabecalho);
    Conexao::protegida(TimerCabecalho, &QTimer::timeout, this, &TframeJogo::TimerCabecalhoTimer);
}

void TframeJogo::criarFlash(QWidget* caixa, const QString& jogo) {
    Flash = contexto_.servicos.fabricaPlayer->criar(caixa, jogo);
    Flash->setAccessibleName(jogo);
    Flash->setBGColor(QStringLiteral("ffffff"));
    Flash->OnFlashCall = [this](const QString& request) { FlashFlashCall(request); };
    Flash->OnReadyStateChange = [this](int newState) { FlashReadyStateChange(newState); };
    Flash->OnServidorSocket = [this](const TServidorSocket& servidor) {
        Q_EMIT servidorSocketDescoberto(servidor);
    };
    Flash->OnAbrirEndereco = [this](const QString& url) { Q_EMIT enderecoPedidoPeloFilme(url); };
    Flash->setAlinhado(true);
    Flash->show();
    Q_EMIT conectando();
}

void TframeJogo::definirServidoresSocket(const QList<TServidorSocket>& servidores) {
    Flash->setServidoresSocket(servidores);
}

void TframeJogo::responderFilme(const QString& request, const QString& urlPagina) {
    if (PonteScript::responder(*Flash, request, urlPagina))
        Q_EMIT telaCheiaPedida();
}

// A game opened now takes the keyboard as it shows.
void TframeJogo::FlashReadyStateChange(int newState) {
    if (newState == 4 && isHidden()) {
        show();
        Flash->SetFocus();
    }
}

// The cursor's height over the client area, read 50 times a second: it must stay cheap.
void TframeJogo::TimerCabecalhoTimer() {
    int y = contexto_.servicos.metricas->posicaoCursor().y() - janela_.topoJanela();
    if (!janela_.emFullscreen())
        y -= janela_.alturaLegenda();
    Cabecalho->setVisible((y >= 0 && y <= alturaCabecalho) || temFoco(Cabecalho));
}

void TframeJogo::FrameResize() {
    Cabecalho->resize(width(), alturaCabecalho);
    btnFechar->move(Cabecalho->width() - btnFechar->width() - margemBotoes, margemBotoes);
}

void TframeJogo::btnVoltarClick() {
    Q_EMIT voltarPedido();
}

void TframeJogo::retomar() {
    show();
    Flash->SetFocus();
}

bool TframeJogo::visivelComFoco() const {
    return !isHidden() && Flash && Flash->Focused();
}

bool TframeJogo::emVistaComFoco() const {
    return isVisible() && Flash && Flash->Focused();
}

void TframeJogo::confirmarFechar(const QString& pergunta) {
    if (contexto_.servicos.mensagens->perguntar(pergunta))
        Q_EMIT fechamentoConfirmado();
}

void TframeJogo::definirCoberta(bool coberta) {
    coberta_ = coberta;
    atualizarEmVista();
}

// The header follows the cursor and the program's keys are heard only while
// the screen is in view; the player is never touched, so a hidden or covered
// game keeps running.
void TframeJogo::atualizarEmVista() {
    const bool emVista = isVisible() && !coberta_;
    if (!emVista)
        TimerCabecalho->stop();
    else if (!TimerCabecalho->isActive())
        TimerCabecalho->start();
    if (emVista == ouvindoTeclas_)
        return;
    ouvindoTeclas_ = emVista;
    if (emVista)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

void TframeJogo::showEvent(QShowEvent* evento) {
    TFrame::showEvent(evento);
    atualizarEmVista();
}

void TframeJogo::hideEvent(QHideEvent* evento) {
    TFrame::hideEvent(evento);
    atualizarEmVista();
}

// Every key of the program passes here while the screen is in view: a key
// pressed elsewhere, or any other event, costs a comparison or two.
bool TframeJogo::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::KeyPress || !objeto->isWidgetType() ||
        !isAncestorOf(static_cast<QWidget*>(objeto)))
        return TFrame::eventFilter(objeto, evento);
    return tratarAtalho(*static_cast<const QKeyEvent*>(evento));
}

bool TframeJogo::tratarAtalho(const QKeyEvent& evento) {
    if (combinacao(evento, Qt::AltModifier, Qt::Key_Left)) {
        btnVoltarClick();
        return true;
    }
    if (combinacao(evento, Qt::ControlModifier, Qt::Key_W)) {
        btnFecharClick();
        return true;
    }
    if (combinacao(evento, Qt::NoModifier, Qt::Key_F11) ||
        (combinacao(evento, Qt::NoModifier, Qt::Key_Escape) && janela_.emFullscreen())) {
        Q_EMIT telaCheiaTeclada();
        return true;
    }
    const bool noCabecalho = temFoco(Cabecalho);
    if (combinacao(evento, Qt::NoModifier, Qt::Key_F6) ||
        (combinacao(evento, Qt::NoModifier, Qt::Key_Escape) && noCabecalho)) {
        if (!noCabecalho)
            focarCabecalho(true);
        else if (Flash)
            Flash->SetFocus();
        return true;
    }
    return false;
}

// The header is hidden while the mouse is away from it: Tab out of the
// movie goes into it, and shows it.
bool TframeJogo::focusNextPrevChild(bool proximo) {
    if (Flash && temFoco(Flash) && Cabecalho->isHidden()) {
        focarCabecalho(proximo);
        return true;
    }
    return TFrame::focusNextPrevChild(proximo);
}

void TframeJogo::focarCabecalho(bool primeiro) {
    Cabecalho->show();
    Cabecalho->raise();
    (primeiro ? btnVoltar : btnFechar)->setFocus(primeiro ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

bool TframeJogo::temFoco(const QWidget* widget) {
    const QWidget* foco = QApplication::focusWidget();
    return foco && (foco == widget || widget->isAncestorOf(foco));
}

void TframeJogo::changeEvent(QEvent* evento) {
    TFrame::changeEvent(evento);
    if (evento->type() == QEvent::LanguageChange)
        nomearAcessiveis();
}

// The player tells assistive technology which keys the program takes.
void TframeJogo::nomearAcessiveis() {
    TPapelAcessivel::nomearPelaLegenda(btnVoltar);
    if (Flash)
        Flash->setAccessibleDescription(contexto_.idioma.get(QStringLiteral("frameVelmora.atalhos")));
}

void TframeJogo::resizeEvent(QResizeEvent* evento) {
    TFrame::resizeEvent(evento);
    FrameResize();
}
