// Game screens: opening, showing again and closing the four games, and the
// application-wide filter that keeps the right button away from a focused game.
#include "app/unit_Principal.h"

#include "app/unit_AlternanciaContida.h"
#include "core/unit_ArquivoConfig.h"
#include "core/unit_Chaves.h"
#include "core/unit_Conexao.h"
#include "core/unit_Constantes.h"
#include "games/unit_DadosJogos.h"
#include "games/unit_ServidoresJogos.h"
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "remote/unit_Definicoes.h"
#include "ui/unit_AjustePai.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Painel.h"

#include <QMouseEvent>
#include <QTimer>

// A screen whose start fails (no player control) is destroyed and its
// reference emptied; the error goes on to the application-wide handler.
template <typename TTela, typename TIniciar> void TPrincipal::construirTela(TTela*& tela, TIniciar iniciar) {
    painelJogo->setCaption(idioma->get(QStringLiteral("Principal.iniciandoJogo")));
    tela = new TTela(contextoTelas(), *this, painelJogo);
    tela->hide();
    (new TAjustePai(tela))->setAlinhado(true);
    ligarTelaJogo(tela);
    tela->definirCoberta(jogosCobertos());
    try {
        iniciar(*tela);
        tela->definirServidoresSocket(servidoresSocket(tela->chaveJogo()));
    } catch (...) {
        delete std::exchange(tela, nullptr);
        throw;
    }
}

// What every game screen asks for; closing is wired by each game's opening.
void TPrincipal::ligarTelaJogo(TframeJogo* tela) {
    Conexao::protegida(tela, &TframeJogo::voltarPedido, this, [this, tela] {
        mostrarHome();
        callbackOcultarHome = {static_cast<QWidget*>(tela), &QWidget::hide};
    });
    Conexao::protegida(tela, &TframeJogo::telaCheiaPedida, telaCheiaContida, &TAlternanciaContida::pedir);
    Conexao::protegida(tela, &TframeJogo::telaCheiaTeclada, this, &TPrincipal::modoFullscreen);
    Conexao::protegida(tela, &TframeJogo::servidorSocketDescoberto, this,
                       [this, tela](const TServidorSocket& servidor) {
                           servidoresJogos->aprender(tela->chaveJogo(), servidor);
                       });
    Conexao::protegida(tela, &TframeJogo::enderecoPedidoPeloFilme, this, &TPrincipal::abrirLinkDoFilme);
    Conexao::protegida(tela, &TframeJogo::conectando, this, [this] {
        repaint();
        painelJogo->repaint();
        painelJogo->setCaption(idioma->get(QStringLiteral("frameVelmora.textoConectando")));
    });
}

QList<TServidorSocket> TPrincipal::servidoresSocket(const QString& jogo) const {
    QList<TServidorSocket> servidores = TServidorSocket::lerLista(
        TDefinicoes::valor(qlDef, QStringLiteral("sockets_") + jogo), TServidoresJogos::maximoPorJogo);
    for (const TServidorSocket& aprendido : servidoresJogos->aprendidos(jogo))
        if (!servidores.contains(aprendido))
            servidores.append(aprendido);
    return servidores;
}

void TPrincipal::abrirVelmora() {
    if (frameVelmora) {
        frameVelmora->retomar();
        return;
    }
    construirTela(frameVelmora, [this](TframeVelmora& nova) {
        Conexao::protegida(&nova, &TframeJogo::fechamentoConfirmado, this, [this] {
            mostrarHome();
            callbackOcultarHome = {this, &TPrincipal::fecharVelmora};
        });
        nova.iniciar();
    });
}

void TPrincipal::abrirOutroJogo(int indice) {
    TframeOutroJogo*& tela = framesOutroJogo.at(indice);
    if (tela) {
        tela->retomar();
        return;
    }
    construirTela(tela, [this, indice](TframeOutroJogo& nova) {
        Conexao::protegida(&nova, &TframeJogo::fechamentoConfirmado, this, [this, indice] {
            mostrarHome();
            fechandoJogo = indice;
            callbackOcultarHome = {this, &TPrincipal::fecharOutroJogo};
        });
        nova.iniciar(indice);
    });
}

void TPrincipal::abrirKraddle() {
    abrirOutroJogo(0);
}

void TPrincipal::abrirGumbrel() {
    abrirOutroJogo(1);
}

void TPrincipal::abrirLurrow() {
    abrirOutroJogo(2);
}

void TPrincipal::fecharVelmora() {
    delete std::exchange(frameVelmora, nullptr);
    dadosJogos->conferir({TframeVelmora::nomeJogo});
}

void TPrincipal::fecharOutroJogo() {
    if (fechandoJogo >= 0 && fechandoJogo < static_cast<int>(framesOutroJogo.size())) {
        delete std::exchange(framesOutroJogo[fechandoJogo], nullptr);
        dadosJogos->conferir({TframeOutroJogo::dadosJogo(fechandoJogo).nome});
    }
    fechandoJogo = -1;
}

// A notice waits for the event loop, so that the check's hand-over returns at once.
void TPrincipal::criarDadosJogos() {
    dadosJogos = std::make_unique<TDadosJogos>(
        contextoTelas(), &guardaEntregas, [this](const QString& jogo) { return jogoAberto(jogo); },
        [this](const QString& aviso) {
            QTimer::singleShot(0, this, [this, aviso] { servicos.mensagens->informar(aviso); });
        });
}

// The games' names and screens come in the same order, Velmora first.
bool TPrincipal::jogoAberto(const QString& jogo) const {
    const qsizetype indice = TDadosJogos::jogos().indexOf(jogo);
    return indice >= 0 && telasJogo().at(static_cast<size_t>(indice)) != nullptr;
}

// Asked for on the settings screen, which lies over the game panel: the games
// go without a slide.
void TPrincipal::limparDadosJogos() {
    concluirTransicaoEmCurso();
    delete std::exchange(frameVelmora, nullptr);
    for (TframeOutroJogo*& tela : framesOutroJogo)
        delete std::exchange(tela, nullptr);
    fechandoJogo = -1;
    servicos.mensagens->informar(dadosJogos->limparTodos());
}

// Tile 0 is Velmora, tiles 1 to 3 the other games 0 to 2.
void TPrincipal::mostrarJogoExistente(int indiceTile) {
    if (indiceTile == 0) {
        if (frameVelmora) {
            frameVelmora->show();
            frameVelmora->mostrarConfigs();
        }
        return;
    }
    if (TframeOutroJogo* tela = framesOutroJogo.at(indiceTile - 1))
        tela->show();
}

std::array<TframeJogo*, 4> TPrincipal::telasJogo() const {
    return {frameVelmora, framesOutroJogo[0], framesOutroJogo[1], framesOutroJogo[2]};
}

bool TPrincipal::jogosCobertos() const {
    const QObjectList& pilha = children();
    return !painelQuillet->isHidden() && pilha.indexOf(painelQuillet) > pilha.indexOf(painelJogo);
}

// The warning screen covers a game without hiding it (the game goes on under
// it), so a game screen cannot tell by itself that it is out of view.
void TPrincipal::atualizarCoberturaJogos() {
    const bool cobertos = jogosCobertos();
    for (TframeJogo* tela : telasJogo())
        if (tela)
            tela->definirCoberta(cobertos);
}

// Runs for every event of the program: anything but a right-button press costs one comparison.
bool TPrincipal::ApplicationEvents1Message(QObject*, QEvent* Msg) {
    if (Msg->type() != QEvent::MouseButtonPress ||
        static_cast<QMouseEvent*>(Msg)->button() != Qt::RightButton)
        return false;
    if (!config || config->ReadBool(Constantes::secao, Chave::menuCtx, false))
        return false;
    bool Handled = false;
    for (const TframeJogo* tela : telasJogo())
        if (tela && tela->visivelComFoco())
            Handled = true;
    return Handled;
}
