#include "platform/unit_Aplicacao.h"

TAplicacao::TTratadorErros TAplicacao::tratador_;

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {}

bool TAplicacao::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& erro) {
        tratarErro(erro);
    }
    return false;
}

void TAplicacao::definirTratadorErros(TTratadorErros tratador) {
    tratador_ = std::move(tratador);
}

void TAplicacao::tratarErro(const std::exception& erro) {
    if (tratador_)
        tratador_(erro);
}
