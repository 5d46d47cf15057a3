#include "ui/unit_Painel.h"

#include "ui/unit_AjustePai.h"

#include <QPainter>

TPainel::TPainel(QWidget* pai) : QFrame(pai), ajuste_(new TAjustePai(this)) {}

bool TPainel::alinhado() const {
    return ajuste_->alinhado();
}

void TPainel::setAlinhado(bool alinhado) {
    ajuste_->setAlinhado(alinhado);
}

void TPainel::setCaption(const QString& caption) {
    caption_ = caption;
    update();
}

void TPainel::setCor(const QColor& cor) {
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, cor);
    setPalette(paleta);
    setAutoFillBackground(true);
}

void TPainel::paintEvent(QPaintEvent* evento) {
    QFrame::paintEvent(evento);
    if (caption_.isEmpty())
        return;
    QPainter pintor(this);
    pintor.setFont(font());
    pintor.setPen(palette().color(QPalette::WindowText));
    pintor.drawText(rect(), Qt::AlignCenter, caption_);
}
