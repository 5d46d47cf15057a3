#include "games/unit_frameJogo.h"

#include "core/unit_Conexao.h"
#include "games/unit_JanelaJogos.h"
#include "games/unit_PonteScript.h"
#include "platform/unit_Servicos.h"
#include "player/unit_FlashPlayer.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Painel.h"

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
    return botao;
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
    Flash->setBGColor(QStringLiteral("ffffff"));
    Flash->OnFlashCall = [this](const QString& request) { FlashFlashCall(request); };
    Flash->OnReadyStateChange = [this](int newState) { FlashReadyStateChange(newState); };
    Flash->setAlinhado(true);
    Flash->show();
    Q_EMIT conectando();
}

void TframeJogo::responderFilme(const QString& request, const QString& urlPagina) {
    if (PonteScript::responder(*Flash, request, urlPagina))
        Q_EMIT telaCheiaPedida();
}

void TframeJogo::FlashReadyStateChange(int newState) {
    if (newState == 4 && isHidden())
        show();
}

// The cursor's height over the client area, read 50 times a second: it must stay cheap.
void TframeJogo::TimerCabecalhoTimer() {
    int y = contexto_.servicos.metricas->posicaoCursor().y() - janela_.topoJanela();
    if (!janela_.emFullscreen())
        y -= janela_.alturaLegenda();
    Cabecalho->setVisible(y >= 0 && y <= alturaCabecalho);
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
    atualizarTimerCabecalho();
}

// The header follows the cursor only while the screen is in view; the player
// is never touched, so a hidden or covered game keeps running.
void TframeJogo::atualizarTimerCabecalho() {
    if (!isVisible() || coberta_)
        TimerCabecalho->stop();
    else if (!TimerCabecalho->isActive())
        TimerCabecalho->start();
}

void TframeJogo::showEvent(QShowEvent* evento) {
    TFrame::showEvent(evento);
    atualizarTimerCabecalho();
}

void TframeJogo::hideEvent(QHideEvent* evento) {
    TFrame::hideEvent(evento);
    atualizarTimerCabecalho();
}

void TframeJogo::resizeEvent(QResizeEvent* evento) {
    TFrame::resizeEvent(evento);
    FrameResize();
}
