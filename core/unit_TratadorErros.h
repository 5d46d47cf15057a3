#pragma once

#include <exception>
#include <functional>
#include <utility>

// The one application-wide error handler. Every error that leaves an event
// handler, a slot, a timer tick or a start-up step ends that operation and is
// passed here; the program then goes on running. Used on the UI thread only.
namespace TratadorErros {
using TTratador = std::function<void(const std::exception& erro)>;

// Installs the handler; an empty one drops every error.
void definir(TTratador tratador);
// Passes an error caught elsewhere to the handler.
void tratar(const std::exception& erro);
// Runs `operacao`; an error leaving it goes to the handler instead of the caller.
template <typename TOperacao> void executar(TOperacao&& operacao) {
    try {
        std::forward<TOperacao>(operacao)();
    } catch (const std::exception& erro) {
        tratar(erro);
    }
}
} // namespace TratadorErros
