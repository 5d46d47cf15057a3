// Game screens: opening, showing again and closing the four games, and the
// application-wide filter that keeps the right button away from a focused game.
#include "app/unit_Principal.h"

#include "core/unit_Constantes.h"
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "settings/unit_ArquivoConfig.h"
#include "settings/unit_Chaves.h"
#include "settings/unit_Idioma.h"
#include "ui/unit_AjustePai.h"
#include "ui/unit_Painel.h"

#include <QMouseEvent>

namespace {

// Builds a game screen hidden in the game panel and starts it. A screen whose
// start fails (no player control) is destroyed and its reference emptied; the
// error goes on to the application-wide handler.
template <typename TTela, typename TIniciar>
void construirTela(TPrincipal& principal, TTela*& tela, TIniciar iniciar) {
    principal.painelJogo->setCaption(principal.idioma->get(QStringLiteral("Principal.iniciandoJogo")));
    tela = new TTela(&principal, principal.painelJogo);
    tela->hide();
    (new TAjustePai(tela))->setAlinhado(true);
    try {
        iniciar(*tela);
    } catch (...) {
        delete std::exchange(tela, nullptr);
        throw;
    }
}

// A screen that exists is shown again with its game as it was, the keyboard in its player.
bool retomarTela(TframeJogo* tela) {
    if (!tela)
        return false;
    tela->show();
    tela->Flash->SetFocus();
    return true;
}

void abrirOutroJogo(TPrincipal& principal, int indice) {
    TframeOutroJogo*& tela = principal.framesOutroJogo.at(indice);
    if (retomarTela(tela))
        return;
    construirTela(principal, tela, [indice](TframeOutroJogo& nova) { nova.iniciar(indice); });
}

} // namespace

void TPrincipal::abrirVelmora() {
    if (retomarTela(frameVelmora))
        return;
    construirTela(*this, frameVelmora, [](TframeVelmora& nova) { nova.iniciar(); });
}

void TPrincipal::abrirKraddle() {
    abrirOutroJogo(*this, 0);
}

void TPrincipal::abrirGumbrel() {
    abrirOutroJogo(*this, 1);
}

void TPrincipal::abrirLurrow() {
    abrirOutroJogo(*this, 2);
}

void TPrincipal::fecharVelmora() {
    delete std::exchange(frameVelmora, nullptr);
}

void TPrincipal::fecharOutroJogo() {
    if (fechandoJogo >= 0 && fechandoJogo < static_cast<int>(framesOutroJogo.size()))
        delete std::exchange(framesOutroJogo[fechandoJogo], nullptr);
    fechandoJogo = -1;
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

// Runs for every event of the program: anything but a right-button press costs one comparison.
bool TPrincipal::ApplicationEvents1Message(QObject*, QEvent* Msg) {
    if (Msg->type() != QEvent::MouseButtonPress ||
        static_cast<QMouseEvent*>(Msg)->button() != Qt::RightButton)
        return false;
    if (!config || config->ReadBool(Constantes::secao, Chave::menuCtx, false))
        return false;
    bool Handled = false;
    const TframeJogo* telas[] = {frameVelmora, framesOutroJogo[0], framesOutroJogo[1], framesOutroJogo[2]};
    for (const TframeJogo* tela : telas)
        if (tela && tela->visivelComFoco())
            Handled = true;
    return Handled;
}
