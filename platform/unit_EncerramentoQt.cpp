#include "platform/unit_EncerramentoQt.h"

#include <QCoreApplication>

void TEncerramentoQt::encerrarAgora() {
    // Leaves every running event loop (also a modal box's), so the window is
    // never asked to close and no close question is shown.
    QCoreApplication::exit(0);
}
