#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

// A parameterless operation bound to an object: the pending action of a
// screen transition. It does nothing once its object is gone.
class TOcultarHomeCallback {
public:
    TOcultarHomeCallback() = default;
    template <typename TObjeto>
    TOcultarHomeCallback(TObjeto* objeto, void (TObjeto::*operacao)())
        : objeto_(objeto), operacao_([objeto, operacao] { (objeto->*operacao)(); }) {}

    explicit operator bool() const { return static_cast<bool>(operacao_); }
    bool operator==(const TOcultarHomeCallback& outro) const = delete;
    void operator()() const {
        if (objeto_)
            operacao_();
    }

private:
    QPointer<QObject> objeto_;
    std::function<void()> operacao_;
};
