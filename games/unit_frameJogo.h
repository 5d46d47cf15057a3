#pragma once

#include "net/unit_ServidorSocket.h"
#include "ui/unit_ContextoTela.h"
#include "ui/unit_Frame.h"

class QKeyEvent;
class QPushButton;
class QTimer;
class TFlashPlayer;
class TJanelaJogos;
class TPainel;

// What every game screen has: the player control, and the header bar with
// back and close that shows only while the mouse is at the top edge of the
// main window or the keyboard is in it. While the screen is in view, the
// program takes a browser's keys before the movie: Alt+Left goes home,
// Ctrl+W asks to close the game, F11 switches full screen and Esc leaves it,
// F6 goes between the movie and the header.
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

    // The game's key (a lower-case word: "velmora", "kraddle"...), once started.
    virtual QString chaveJogo() const = 0;
    // The game servers the movie's sockets may reach. Given right after the
    // start, it applies to the movie the start set.
    void definirServidoresSocket(const QList<TServidorSocket>& servidores);

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
    // A key pressed on the screen: true when it was one of the program's.
    virtual bool tratarAtalho(const QKeyEvent& evento);

Q_SIGNALS:
    // Home is to slide in, and this screen to be hidden once it has.
    void voltarPedido();
    // The user confirmed closing the game: home is to slide in, and this screen to be destroyed once it has.
    void fechamentoConfirmado();
    // The movie asked to switch the window between full screen and its frame.
    void telaCheiaPedida();
    // The user's key (F11, or Esc in full screen) switches the window
    // between full screen and its frame, at once.
    void telaCheiaTeclada();
    // The player exists and its movie is connecting.
    void conectando();
    // The movie connected to a game server it was not given, which was found
    // within reach: from now on its sockets reach it.
    void servidorSocketDescoberto(const TServidorSocket& servidor);
    // The movie asks, in answer to the user's click or key, to open a web address.
    void enderecoPedidoPeloFilme(const QString& url);

protected:
    // Creates the player of the game named `jogo` filling `caixa` on a white
    // background, bound to this screen's handlers, named `jogo` to assistive
    // technology. Fails with EOleSysError when no player can be created.
    void criarFlash(QWidget* caixa, const QString& jogo);
    // Answers the movie's call as its page would, `urlPagina` being the page's address.
    void responderFilme(const QString& request, const QString& urlPagina);
    // Asks `pergunta`; on Yes the close is confirmed.
    void confirmarFechar(const QString& pergunta);
    void showEvent(QShowEvent* evento) override;
    void hideEvent(QHideEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void changeEvent(QEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    bool focusNextPrevChild(bool proximo) override;
    // Whether the keyboard focus is on `widget` or inside it.
    static bool temFoco(const QWidget* widget);
    // The names and descriptions assistive technology reads, in the interface
    // language: once the screen's captions are set, and at every change of language.
    virtual void nomearAcessiveis();

    TContextoTela contexto_;

private:
    // The header timer and the keys run only while the screen is in view.
    void atualizarEmVista();
    void focarCabecalho(bool primeiro);

    const TJanelaJogos& janela_;
    bool coberta_ = false;
    bool ouvindoTeclas_ = false;
};
