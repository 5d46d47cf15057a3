#pragma once

#include "core/unit_TratadorErros.h"

#include <QObject>
#include <functional>
#include <type_traits>

// Connections whose slot may raise an error. Qt is built without exceptions:
// an error unwinding out of a slot would cross its code. Here the error is
// handed to the application-wide handler inside the slot, before it leaves.
namespace Conexao {

// A slot run protected: a member function of the context object, or any
// callable. It takes as many of the signal's arguments as the slot does.
template <typename TContexto, typename TSlot> class TSlotProtegido {
public:
    TSlotProtegido(TContexto* contexto, TSlot slot) : contexto_(contexto), slot_(std::move(slot)) {}

    template <typename... TArgs>
    requires std::is_member_function_pointer_v<TSlot> &&
        std::is_invocable_v<const TSlot&, TContexto*, TArgs...>
    void operator()(TArgs&&... args) const {
        TratadorErros::executar([&] { std::invoke(slot_, contexto_, std::forward<TArgs>(args)...); });
    }

    template <typename... TArgs>
    requires(!std::is_member_function_pointer_v<TSlot>) && std::is_invocable_v<const TSlot&, TArgs...> void
                                                           operator()(TArgs&&... args) const {
        TratadorErros::executar([&] { std::invoke(slot_, std::forward<TArgs>(args)...); });
    }

private:
    TContexto* contexto_;
    TSlot slot_;
};

// Connects `sinal` of `emissor` to `slot`, which runs while `contexto` lives
// (and in its thread); an error leaving the slot goes to the application-wide handler.
template <typename TEmissor, typename TSinal, typename TContexto, typename TSlot>
QMetaObject::Connection protegida(const TEmissor* emissor, TSinal sinal, TContexto* contexto, TSlot slot,
                                  Qt::ConnectionType tipo = Qt::AutoConnection) {
    static_assert(std::is_base_of_v<QObject, TContexto>, "a connection needs a context object");
    return QObject::connect(emissor, sinal, contexto,
                            TSlotProtegido<TContexto, TSlot>(contexto, std::move(slot)), tipo);
}

} // namespace Conexao
