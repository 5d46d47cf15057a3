#pragma once

#include "settings/unit_ContextoTela.h"
#include "ui/unit_Frame.h"

class QLabel;
class TPainel;
class TRotuloClicavel;

// The dead-end screen shown when the player control cannot be created: the
// error's text, a hint that the player may be missing, and a help link.
class TframeErroFlash : public TFrame {
    Q_OBJECT
public:
    TframeErroFlash(TContextoTela contexto, QWidget* pai);

    void init();
    // Shows itself with the error's message.
    void mostrarErro(const QString& mensagem);
    void Label1Click();

    TPainel* Panel1;
    QLabel* textoTitulo;
    QLabel* Image2;
    QFrame* Bevel3;
    QLabel* Image1;
    QLabel* textoErro;
    TRotuloClicavel* Label1;

Q_SIGNALS:
    // The help page is to be opened in the user's browser.
    void abrirEnderecoPedido(const QString& url);

private:
    TContextoTela contexto_;
};
