#pragma once

#include "core/unit_Enderecos.h"
#include "platform/unit_AreaTransferencia.h"
#include "platform/unit_CaixasMensagem.h"
#include "platform/unit_Encerramento.h"
#include "platform/unit_MetricasJanela.h"
#include "platform/unit_PastasSistema.h"
#include "platform/unit_Shell.h"
#include "player/unit_FlashPlayer.h"

#include <memory>

// The platform services the main window receives at construction. The
// program hands in the real ones; tests hand in fakes.
struct TServicos {
    std::unique_ptr<TPastasSistema> pastas;
    std::unique_ptr<TCaixasMensagem> mensagens;
    std::unique_ptr<TShell> shell;
    std::unique_ptr<TEncerramento> encerramento;
    std::unique_ptr<TMetricasJanela> metricas;
    std::unique_ptr<TFabricaPlayer> fabricaPlayer;
    std::unique_ptr<TAreaTransferencia> areaTransferencia;
    TEnderecos enderecos;

    // The services of this desktop.
    static TServicos doSistema();
};
