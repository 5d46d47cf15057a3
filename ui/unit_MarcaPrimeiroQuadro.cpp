#include "ui/unit_MarcaPrimeiroQuadro.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>
#include <cstdio>

TMarcaPrimeiroQuadro::TMarcaPrimeiroQuadro(QWidget* janela, std::function<void(qint64)> aoPintar)
    : QObject(janela), janela_(janela), aoPintar_(std::move(aoPintar)) {
    QCoreApplication::instance()->installEventFilter(this);
}

void TMarcaPrimeiroQuadro::instalarSePedido(QWidget* janela) {
    if (qEnvironmentVariableIsEmpty("QUILLET_MARCAR_QUADRO"))
        return;
    new TMarcaPrimeiroQuadro(janela, [](qint64 nanossegundos) {
        std::printf("primeiro-quadro %lld\n", static_cast<long long>(nanossegundos));
        std::fflush(stdout);
    });
}

// The widgets paint and the backing store is flushed while the window's first
// expose event is handled; the mark is taken at the next turn of the event
// loop, after both.
bool TMarcaPrimeiroQuadro::eventFilter(QObject* objeto, QEvent* evento) {
    if (evento->type() != QEvent::Expose || objeto != janela_->windowHandle() ||
        !janela_->windowHandle()->isExposed())
        return false;
    QCoreApplication::instance()->removeEventFilter(this);
    QTimer::singleShot(0, this, [this] {
        aoPintar_(std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1));
        deleteLater();
    });
    return false;
}
