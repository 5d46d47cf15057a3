#pragma once

#include "platform/unit_AreaTransferencia.h"

#include <QObject>

// The desktop clipboard through Qt: a change of the clipboard (not of the
// mouse selection) is one notification.
class TAreaTransferenciaQt : public QObject, public TAreaTransferencia {
    Q_OBJECT
public:
    TAreaTransferenciaQt();
    void aoMudar(std::function<void()> receptor) override;
    QString lerTexto() override;
    void limpar() override;

private:
    void notificar();

    std::function<void()> receptor_;
};
