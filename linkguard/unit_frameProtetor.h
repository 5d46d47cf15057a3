#pragma once

#include "linkguard/unit_RegrasLinks.h"
#include "ui/unit_ContextoTela.h"
#include "ui/unit_Frame.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TPainel;

// The link warning: which link was found bad, where it leads, by which rule
// and why it is dangerous. It covers the game, which keeps running behind it,
// takes the keyboard at once and announces itself to assistive technology as
// an alert; its back button (Enter or Esc) uncovers the game.
class TframeProtetor : public TFrame {
    Q_OBJECT
public:
    // Where the bad address came from: copied to the clipboard, or asked for by a movie.
    enum class TOrigem { copiado, filme };

    TframeProtetor(TContextoTela contexto, QWidget* pai);

    void init();
    // Shows itself with the link found bad by the rule `veredito`: `url`,
    // reached from `urlOriginal`. A copied link still on the clipboard is
    // taken off it, and the screen says so.
    void mostrarAviso(const QString& url, const QString& urlOriginal,
                      TRegrasLinks::TVeredito veredito = TRegrasLinks::TVeredito::nenhum,
                      TOrigem origem = TOrigem::copiado);
    void btnVoltarClick();

    QFrame* Bevel2;
    TPainel* Panel1;
    QLabel* textoTitulo;
    QPushButton* btnVoltar;
    QLabel* textoURL;
    // Why the link is bad, where it led, and what became of it (taken off
    // the clipboard, or not opened for the movie).
    QLabel* textoMotivo;
    QLabel* textoDestino;
    QLabel* textoOrigem;
    QLabel* Image1;
    QPlainTextEdit* textoInfo;

Q_SIGNALS:
    // The warning is to slide away and uncover the game.
    void voltarPedido();

private:
    QString textoAviso(const QString& url, const QString& urlOriginal, TOrigem origem) const;
    QString motivo(TRegrasLinks::TVeredito veredito) const;
    // Empties the clipboard when it still holds the copied text that led to
    // `urlOriginal`; false when it holds something else (or cannot be read).
    bool retirarDaAreaTransferencia(const QString& urlOriginal);
    void mostrarLinha(QLabel* linha, const QString& texto);
    void anunciar();

    TContextoTela contexto_;
};
