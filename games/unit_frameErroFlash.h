#pragma once

#include "ui/unit_ContextoTela.h"
#include "ui/unit_Frame.h"

class QLabel;
class TPainel;
class TRotuloClicavel;

// The dead-end screen shown when the player control cannot be created: the
// error's text, what is missing on this platform (the SWF engine's module and
// files, where the design had the Flash Player ActiveX control), and a help link.
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

protected:
    void changeEvent(QEvent* evento) override;

private:
    void escreverTextos();

    TContextoTela contexto_;
    QString mensagem_;
};
