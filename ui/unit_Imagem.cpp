#include "ui/unit_Imagem.h"

#include "ui/unit_Componentes.h"
#include "ui/unit_TeclaAcionar.h"

#include <QMouseEvent>
#include <QPainter>

TImagem::TImagem(QWidget* pai) : QWidget(pai) {
    TTeclaAcionar::instalarEmControle(this);
}

void TImagem::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.drawImage(0, 0, bitmap);
    if (TTeclaAcionar::focoVisivel(this))
        Componentes::pintarFoco(pintor, rect());
}

void TImagem::enterEvent(QEnterEvent*) {
    Q_EMIT MouseEnter();
}

void TImagem::leaveEvent(QEvent*) {
    Q_EMIT MouseLeave();
}

void TImagem::mousePressEvent(QMouseEvent* evento) {
    botaoPressionado_ = evento->button();
    Q_EMIT MouseDown(evento->button());
}

// The left button's release always counts; another button's only over the picture.
void TImagem::mouseReleaseEvent(QMouseEvent* evento) {
    const bool sobre = rect().contains(evento->position().toPoint());
    const Qt::MouseButton botao = evento->button();
    if (botao == Qt::LeftButton || sobre)
        Q_EMIT MouseUp(botao);
    if (botao == Qt::LeftButton && botaoPressionado_ == Qt::LeftButton && sobre)
        Q_EMIT Click();
    botaoPressionado_ = Qt::NoButton;
}
