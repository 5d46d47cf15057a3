#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>

// A worker thread that runs `Execute` once and then destroys itself. Nobody
// waits for it, cancels it or hears of its errors. It reaches the UI thread
// only through hand-overs.
class TTrabalhador {
public:
    // Created on the UI thread. `vida` bounds the hand-overs: once it is gone
    // (the main window holds one that goes first when the window is
    // destroyed), they run nothing.
    explicit TTrabalhador(QObject* vida);
    virtual ~TTrabalhador();
    TTrabalhador(const TTrabalhador&) = delete;
    TTrabalhador& operator=(const TTrabalhador&) = delete;

    // Begins `Execute` on a thread of its own; the worker destroys itself when it returns.
    void Start();

    // Workers created and not yet destroyed.
    static int ativos() { return ativos_.load(); }

protected:
    virtual void Execute() = 0;
    // Runs `acao` on the UI thread and returns when it has returned. Hand-overs
    // of several workers run one after another in arrival order, also while a
    // modal box is open. An exception raised by `acao` is raised again here.
    void entregar(const std::function<void()>& acao);

private:
    static void destruir(TTrabalhador* trabalhador);

    QPointer<QObject> vida_;
    static inline std::atomic<int> ativos_{0};
};
