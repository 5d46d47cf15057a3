#include "platform/unit_Aplicacao.h"

#include "core/unit_TratadorErros.h"

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv) {}

bool TAplicacao::notify(QObject* receptor, QEvent* evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& erro) {
        TratadorErros::tratar(erro);
    }
    return false;
}
