#include "net/unit_Trabalhador.h"

#include <QCoreApplication>
#include <exception>
#include <thread>

namespace {

// Receives the hand-overs on the UI thread. Never destroyed, so a worker
// finishing while the program ends still finds it.
QObject& receptorUI() {
    static QObject* const receptor = [] {
        auto* objeto = new QObject;
        objeto->moveToThread(QCoreApplication::instance()->thread());
        return objeto;
    }();
    return *receptor;
}

} // namespace

TTrabalhador::TTrabalhador(QObject* vida) : vida_(vida) {
    receptorUI();
    ++ativos_;
}

TTrabalhador::~TTrabalhador() = default;

// Counted out only once nothing of the worker is left.
void TTrabalhador::destruir(TTrabalhador* trabalhador) {
    delete trabalhador;
    --ativos_;
}

void TTrabalhador::Start() {
    try {
        std::thread([this] {
            try {
                Execute();
            } catch (...) {
            }
            destruir(this);
        }).detach();
    } catch (...) {
        destruir(this);
        throw;
    }
}

void TTrabalhador::entregar(const std::function<void()>& acao) {
    std::exception_ptr erro;
    QMetaObject::invokeMethod(
        &receptorUI(),
        [this, &acao, &erro] {
            if (!vida_)
                return;
            try {
                acao();
            } catch (...) {
                erro = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (erro)
        std::rethrow_exception(erro);
}
