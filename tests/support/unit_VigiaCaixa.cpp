#include "tests/support/unit_VigiaCaixa.h"

#include <QApplication>

std::unique_ptr<QTimer> vigiarCaixa(std::function<void(QMessageBox*)> fazer) {
    auto vigia = std::make_unique<QTimer>();
    QTimer* timer = vigia.get();
    timer->callOnTimeout([timer, fazer = std::move(fazer)] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caixa)
            return;
        timer->stop();
        fazer(caixa);
    });
    timer->start(0);
    return vigia;
}
