#pragma once

#include <QObject>
#include <QtGlobal>
#include <functional>

class QWidget;

// Tells, once, when a shown top-level widget's first frame has been painted
// and handed to the window system: the moment the start-up benchmarks compare.
class TMarcaPrimeiroQuadro : public QObject {
    Q_OBJECT
public:
    // `aoPintar` receives the steady clock, in nanoseconds since its epoch.
    TMarcaPrimeiroQuadro(QWidget* janela, std::function<void(qint64)> aoPintar);

    // When QUILLET_MARCAR_QUADRO is set, prints "primeiro-quadro <nanoseconds>"
    // on standard output at `janela`'s first frame; otherwise does nothing.
    static void instalarSePedido(QWidget* janela);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QWidget* janela_;
    std::function<void(qint64)> aoPintar_;
};
