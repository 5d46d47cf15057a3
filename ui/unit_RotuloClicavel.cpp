#include "ui/unit_RotuloClicavel.h"

#include <QMouseEvent>

void TRotuloClicavel::mouseReleaseEvent(QMouseEvent* evento) {
    QLabel::mouseReleaseEvent(evento);
    if (evento->button() == Qt::LeftButton && rect().contains(evento->position().toPoint()))
        Q_EMIT Click();
}
