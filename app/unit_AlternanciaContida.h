#pragma once

#include <QObject>
#include <functional>

class QTimer;

// A switch between two states asked for by someone else (a movie's
// full-screen call), made at most once per interval. The first request
// switches at once and opens the interval; the requests that come within it
// are counted and, when it ends, switch once if they were odd in number, which
// opens the next interval. The state reached is the one every request honoured
// would give; a flood of requests switches once per interval, no more.
class TAlternanciaContida : public QObject {
    Q_OBJECT
public:
    TAlternanciaContida(std::function<void()> alternar, int intervaloMs, QObject* pai);

    QTimer* timerIntervalo;

    void pedir();
    void timerIntervaloTimer();

private:
    void alternarAgora();

    std::function<void()> alternar_;
    bool pendente_ = false; // an odd number of requests came within the interval
};
