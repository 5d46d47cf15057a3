#pragma once

#include "settings/unit_ContextoTela.h"
#include "ui/unit_Frame.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TPainel;

// The link warning: which copied link was found bad, where it leads and why
// it is dangerous. It covers the game, which keeps running behind it.
class TframeProtetor : public TFrame {
    Q_OBJECT
public:
    TframeProtetor(TContextoTela contexto, QWidget* pai);

    void init();
    // Shows itself with the link found bad: `url`, reached from the copied `urlOriginal`.
    void mostrarAviso(const QString& url, const QString& urlOriginal);
    void btnVoltarClick();

    QFrame* Bevel2;
    TPainel* Panel1;
    QLabel* textoTitulo;
    QPushButton* btnVoltar;
    QLabel* textoURL;
    QLabel* Image1;
    QPlainTextEdit* textoInfo;

Q_SIGNALS:
    // The warning is to slide away and uncover the game.
    void voltarPedido();

private:
    TContextoTela contexto_;
};
