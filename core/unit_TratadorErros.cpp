#include "core/unit_TratadorErros.h"

namespace {

TratadorErros::TTratador& tratadorAtual() {
    static TratadorErros::TTratador tratador;
    return tratador;
}

} // namespace

namespace TratadorErros {

void definir(TTratador tratador) {
    tratadorAtual() = std::move(tratador);
}

void tratar(const std::exception& erro) {
    if (const TTratador& tratador = tratadorAtual())
        tratador(erro);
}

} // namespace TratadorErros
