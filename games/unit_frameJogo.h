#pragma once

#include "ui/unit_Frame.h"

class QPushButton;
class QTimer;
class TFlashPlayer;
class TPainel;
class TPrincipal;

// What every game screen has: the player control, and the header bar with
// back and close that shows only while the mouse is at the top edge of the
// main window.
class TframeJogo : public TFrame {
    Q_OBJECT
public:
    TframeJogo(TPrincipal* principal, QWidget* pai);

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

    // Shown (by its own flag) with its player holding the keyboard focus.
    bool visivelComFoco() const;

protected:
    // Creates the player filling `caixa` on a white background, bound to this
    // screen's handlers, and tells the game panel the movie is connecting.
    // Fails with EOleSysError when no player can be created.
    void criarFlash(QWidget* caixa);
    // Asks `pergunta`; on Yes slides the home screen in and answers true.
    bool confirmarFechar(const QString& pergunta);
    void resizeEvent(QResizeEvent* evento) override;

    TPrincipal* principal_;
};
