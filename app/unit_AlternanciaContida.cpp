#include "app/unit_AlternanciaContida.h"

#include "core/unit_Conexao.h"

#include <QTimer>

TAlternanciaContida::TAlternanciaContida(std::function<void()> alternar, int intervaloMs, QObject* pai)
    : QObject(pai), alternar_(std::move(alternar)) {
    timerIntervalo = new QTimer(this);
    timerIntervalo->setObjectName(QStringLiteral("timerIntervalo"));
    timerIntervalo->setSingleShot(true);
    timerIntervalo->setInterval(intervaloMs);
    Conexao::protegida(timerIntervalo, &QTimer::timeout, this, &TAlternanciaContida::timerIntervaloTimer);
}

void TAlternanciaContida::pedir() {
    if (timerIntervalo->isActive())
        pendente_ = !pendente_;
    else
        alternarAgora();
}

void TAlternanciaContida::timerIntervaloTimer() {
    timerIntervalo->stop();
    if (std::exchange(pendente_, false))
        alternarAgora();
}

// The interval runs from the switch, also when the switch fails.
void TAlternanciaContida::alternarAgora() {
    timerIntervalo->start();
    alternar_();
}
