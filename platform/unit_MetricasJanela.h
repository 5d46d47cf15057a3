#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

// What the program asks the window system about positions and sizes.
class TMetricasJanela {
public:
    virtual ~TMetricasJanela() = default;
    // Mouse cursor position in screen coordinates.
    virtual QPoint posicaoCursor() const = 0;
    // Height of a window's caption bar: the distance from the frame's top to the client area's top.
    virtual int alturaLegenda(const QWidget* janela) const = 0;
    // Size of the primary display.
    virtual QSize tamanhoTela() const = 0;
};
