#include "ui/unit_RotuloClicavel.h"

#include "ui/unit_Componentes.h"
#include "ui/unit_PapelAcessivel.h"
#include "ui/unit_TeclaAcionar.h"

#include <QMouseEvent>
#include <QPainter>

TRotuloClicavel::TRotuloClicavel(QWidget* pai) : TRotuloClicavel(QString(), pai) {}

TRotuloClicavel::TRotuloClicavel(const QString& texto, QWidget* pai) : QLabel(texto, pai) {
    setFocusPolicy(Qt::StrongFocus);
    TTeclaAcionar::instalarEmControle(this);
    TPapelAcessivel::definir(this, QAccessible::Link, "Click");
}

void TRotuloClicavel::mouseReleaseEvent(QMouseEvent* evento) {
    QLabel::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        Q_EMIT Click();
}

void TRotuloClicavel::paintEvent(QPaintEvent* evento) {
    QLabel::paintEvent(evento);
    if (!TTeclaAcionar::focoVisivel(this))
        return;
    QPainter pintor(this);
    Componentes::pintarFoco(pintor, rect());
}
