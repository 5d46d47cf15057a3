#include "platform/unit_MetricasJanelaQt.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

QPoint TMetricasJanelaQt::posicaoCursor() const {
    return QCursor::pos();
}

int TMetricasJanelaQt::alturaLegenda(const QWidget* janela) const {
    return janela->geometry().top() - janela->frameGeometry().top();
}

QSize TMetricasJanelaQt::tamanhoTela() const {
    const QScreen* tela = QGuiApplication::primaryScreen();
    return tela ? tela->size() : QSize();
}
