#include "ui/unit_AjustePai.h"

#include <QEvent>
#include <QWidget>

TAjustePai::TAjustePai(QWidget* alvo) : QObject(alvo), alvo_(alvo) {
    alvo_->installEventFilter(this);
    // A widget built with its parent got that parent before this object existed.
    if (QWidget* pai = alvo_->parentWidget())
        pai->installEventFilter(this);
}

void TAjustePai::setAlinhado(bool alinhado) {
    alinhado_ = alinhado;
    reajustar();
}

void TAjustePai::reajustar() {
    QWidget* pai = alvo_->parentWidget();
    if (alinhado_ && pai && alvo_->geometry() != pai->rect())
        alvo_->setGeometry(pai->rect());
}

bool TAjustePai::eventFilter(QObject* objeto, QEvent* evento) {
    const QEvent::Type tipo = evento->type();
    if (objeto == alvo_ && tipo == QEvent::ParentChange) {
        if (QWidget* pai = alvo_->parentWidget())
            pai->installEventFilter(this);
        reajustar();
    } else if (objeto == alvo_ && (tipo == QEvent::Move || tipo == QEvent::Resize)) {
        reajustar();
    } else if (objeto != alvo_ && tipo == QEvent::Resize && objeto == alvo_->parentWidget()) {
        reajustar();
    }
    return false;
}
