#pragma once

#include "ui/unit_ContextoTela.h"
#include "ui/unit_Frame.h"

class QPushButton;
class QTimer;
class TFlashPlayer;
class TJanelaJogos;
class TPainel;

// What every game screen has: the player control, and the header bar with
// back and close that shows only while the mouse is at the top edge of the
// main window.
class TframeJogo : public TFrame {
    Q_OBJECT
public:
    TframeJogo(TContextoTela contexto, const TJanelaJogos& janela, QWidget* pai);

    TPainel* Cabecalho;
    QPushButton* btnVoltar;
    QPushButton* btnFechar;
    QTimer* TimerCabecalho;
    // Created by the screen's start; owned by its content box.
    TFlashPlayer* Flash = nullptr;

    virtual void FlashFlashCall(const QString& request) = 0;
    void FlashReadyStateChange(int newState);
    void TimerCabecalhoTimer();
    virtual void FrameResize();
    void btnVoltarClick();
    virtual void btnFecharClick() = 0;

    // Shows the screen again with its game as it was, the keyboard in its player.
    void retomar();
    // Another screen lies over this one without hiding it (the game goes on
    // under it): the header stops following the cursor until it is uncovered.
    void definirCoberta(bool coberta);
    // Shown (by its own flag) with its player holding the keyboard focus.
    bool visivelComFoco() const;
    // On screen (its panel and the window shown too) with its player holding the keyboard focus.
    bool emVistaComFoco() const;

Q_SIGNALS:
    // Home is to slide in, and this screen to be hidden once it has.
    void voltarPedido();
    // The user confirmed closing the game: home is to slide in, and this screen to be destroyed once it has.
    void fechamentoConfirmado();
    // The movie asked to switch the window between full screen and its frame.
    void telaCheiaPedida();
    // The player exists and its movie is connecting.
    void conectando();

protected:
    // Creates the player of the game named `jogo` filling `caixa` on a white
    // background, bound to this screen's handlers. Fails with EOleSysError
    // when no player can be created.
    void criarFlash(QWidget* caixa, const QString& jogo);
    // Answers the movie's call as its page would, `urlPagina` being the page's address.
    void responderFilme(const QString& request, const QString& urlPagina);
    // Asks `pergunta`; on Yes the close is confirmed.
    void confirmarFechar(const QString& pergunta);
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

    TContextoTela contexto_;

private:
    void atualizarTimerCabecalho();

    const TJanelaJogos& janela_;
    bool coberta_ = false;
};
