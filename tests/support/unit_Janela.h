#pragma once

#include "app/unit_Principal.h"
#include "tests/support/unit_Falsos.h"

#include <QTimer>
#include <memory>

// A main window built on test services, shown at its design size, with the
// fakes kept at hand. A settings file can be written before the window starts.
class TJanelaTeste {
public:
    TJanelaTeste();
    // Writes the settings file the window will find at start-up (section "Quillet").
    explicit TJanelaTeste(const QString& conteudoConfig);

    TPrincipal* operator->() const { return principal.get(); }

    // Runs a timer's tick handler until the timer stops; returns the number of ticks.
    static int ticarAteParar(QTimer* timer, const std::function<void()>& tick, int limite = 1000);
    // Completes whatever screen transition is running; returns the number of ticks.
    int concluirTransicoes();
    static int concluirTransicoes(TPrincipal& principal);
    QByteArray conteudoConfig() const;

    TServicosTeste teste;
    TCaixasMensagemRoteiro* mensagens;
    TShellGravador* shell;
    TEncerramentoGravador* encerramento;
    TMetricasFalsas* metricas;
    TAreaTransferenciaFalsa* areaTransferencia;
    std::unique_ptr<TPrincipal> principal;

private:
    void iniciar();
};
