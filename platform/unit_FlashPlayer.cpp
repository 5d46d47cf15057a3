#include "platform/unit_FlashPlayer.h"

#include "platform/unit_AjustePai.h"

#include <QApplication>

TFlashPlayer::TFlashPlayer(QWidget* pai) : QWidget(pai), ajuste_(new TAjustePai(this)) {
    setFocusPolicy(Qt::StrongFocus);
}

bool TFlashPlayer::alinhado() const {
    return ajuste_->alinhado();
}

void TFlashPlayer::setAlinhado(bool alinhado) {
    ajuste_->setAlinhado(alinhado);
}

void TFlashPlayer::SetFocus() {
    setFocus(Qt::OtherFocusReason);
}

bool TFlashPlayer::Focused() const {
    const QWidget* foco = QApplication::focusWidget();
    return foco && (foco == this || isAncestorOf(foco));
}
