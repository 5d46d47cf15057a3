#pragma once

#include "platform/unit_MetricasJanela.h"

class TMetricasJanelaQt : public TMetricasJanela {
public:
    QPoint posicaoCursor() const override;
    int alturaLegenda(const QWidget* janela) const override;
    QSize tamanhoTela() const override;
};
