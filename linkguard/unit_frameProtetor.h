#pragma once

#include "ui/unit_Frame.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TPainel;
class TPrincipal;

// The link warning: which copied link was found bad, where it leads and why
// it is dangerous. It covers the game, which keeps running behind it.
class TframeProtetor : public TFrame {
    Q_OBJECT
public:
    TframeProtetor(TPrincipal* principal, QWidget* pai);

    void init();
    void btnVoltarClick();

    QFrame* Bevel2;
    TPainel* Panel1;
    QLabel* textoTitulo;
    QPushButton* btnVoltar;
    QLabel* textoURL;
    QLabel* Image1;
    QPlainTextEdit* textoInfo;

private:
    TPrincipal* principal_;
};
