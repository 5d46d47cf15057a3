#pragma once

#include <QApplication>
#include <exception>
#include <functional>

// The application object. Every exception that leaves an event handler, a
// timer tick or a slot ends that operation and reaches the one
// application-wide handler; the program then goes on running.
class TAplicacao : public QApplication {
    Q_OBJECT
public:
    using TTratadorErros = std::function<void(const std::exception& erro)>;

    TAplicacao(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;

    static void definirTratadorErros(TTratadorErros tratador);
    // Passes an error caught elsewhere (a start-up step, say) to the handler.
    static void tratarErro(const std::exception& erro);
    // Runs `operacao`; an error leaving it goes to the handler instead of the caller.
    template <typename TOperacao> static void executarProtegido(TOperacao&& operacao) {
        try {
            operacao();
        } catch (const std::exception& erro) {
            tratarErro(erro);
        }
    }

private:
    static TTratadorErros tratador_;
};
