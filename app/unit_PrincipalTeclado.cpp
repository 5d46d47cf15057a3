// The keyboard on the main window: it goes only to the screen in front, and
// each screen that comes in front takes it.
#include "app/unit_Principal.h"

#include "games/unit_frameErroFlash.h"
#include "games/unit_frameJogo.h"
#include "linkguard/unit_frameProtetor.h"
#include "player/unit_FlashPlayer.h"
#include "settings/unit_frameConfig.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"
#include "ui/unit_TeclaAcionar.h"

#include <QApplication>

namespace {

bool eventoDeTeclado(const QEvent* evento) {
    switch (evento->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

} // namespace

// Of the three panels, the one shown on top of the others.
QWidget* TPrincipal::painelEmFrente() const {
    QWidget* frente = nullptr;
    for (QObject* filho : children())
        if (filho == painelHome || filho == painelJogo || filho == painelQuillet)
            if (!static_cast<QWidget*>(filho)->isHidden())
                frente = static_cast<QWidget*>(filho);
    return frente;
}

// While the program's own panel covers the window (the link warning over a
// running game, say), a key meant for a control under it (the game's player
// taking the focus back) goes nowhere: the screen in front takes the focus.
bool TPrincipal::teclaParaTelaCoberta(QObject* objeto, QEvent* evento) {
    if (!eventoDeTeclado(evento) || painelEmFrente() != painelQuillet || !painelQuillet->alinhado())
        return false;
    auto* widget = qobject_cast<QWidget*>(objeto);
    if (!widget || widget == this || widget->window() != this || widget == painelQuillet ||
        painelQuillet->isAncestorOf(widget))
        return false;
    focarEmFrente();
    return true;
}

// Home is left: the control that held the focus gets it back on the return.
void TPrincipal::guardarFocoHome() {
    QWidget* foco = QApplication::focusWidget();
    if (!foco || !painelHome->isAncestorOf(foco))
        return;
    focoHome_ = foco;
    focoHomeVisivel_ = !qobject_cast<const TImagem*>(foco) || TTeclaAcionar::focoVisivel(foco);
}

void TPrincipal::focarEmFrente() {
    QWidget* frente = painelEmFrente();
    if (frente == painelQuillet) {
        // The screens of the panel, the top one first.
        for (TFrame* tela : {static_cast<TFrame*>(frameErroFlash_), static_cast<TFrame*>(frameConfig_),
                             static_cast<TFrame*>(frameProtetor_)})
            if (tela && tela->isVisible()) {
                tela->focarPrimeiro();
                return;
            }
    } else if (frente == painelHome) {
        QWidget* alvo = focoHome_ ? focoHome_.data() : logoVelmora;
        alvo->setFocus(focoHomeVisivel_ ? Qt::OtherFocusReason : Qt::MouseFocusReason);
    } else if (frente == painelJogo) {
        focarJogoEmVista();
    }
}

void TPrincipal::focarJogoEmVista() {
    for (TframeJogo* tela : telasJogo())
        if (tela && !tela->isHidden() && tela->Flash)
            tela->Flash->SetFocus();
}
