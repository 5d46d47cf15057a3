#pragma once

#include "ui/unit_Frame.h"

class QLabel;
class TPainel;
class TPrincipal;
class TRotuloClicavel;

// The dead-end screen shown when the player control cannot be created: the
// error's text, a hint that the player may be missing, and a help link.
class TframeErroFlash : public TFrame {
    Q_OBJECT
public:
    TframeErroFlash(TPrincipal* principal, QWidget* pai);

    void init();
    void Label1Click();

    TPainel* Panel1;
    QLabel* textoTitulo;
    QLabel* Image2;
    QFrame* Bevel3;
    QLabel* Image1;
    QLabel* textoErro;
    TRotuloClicavel* Label1;

private:
    TPrincipal* principal_;
};
