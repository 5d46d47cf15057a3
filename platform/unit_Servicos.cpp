#include "platform/unit_Servicos.h"

#include "core/unit_Constantes.h"
#include "platform/unit_AreaTransferenciaQt.h"
#include "platform/unit_CaixasMensagemQt.h"
#include "platform/unit_EncerramentoQt.h"
#include "platform/unit_MetricasJanelaQt.h"
#include "platform/unit_PastasSistemaLinux.h"
#include "platform/unit_ShellQt.h"
#include "player/unit_FabricaPlayerLinux.h"

TServicos TServicos::doSistema() {
    TServicos servicos;
    servicos.pastas = std::make_unique<TPastasSistemaLinux>();
    servicos.mensagens = std::make_unique<TCaixasMensagemQt>();
    servicos.shell = std::make_unique<TShellQt>();
    servicos.encerramento = std::make_unique<TEncerramentoQt>();
    servicos.metricas = std::make_unique<TMetricasJanelaQt>();
    // Each game's browser data beside the settings, its cache where the desktop keeps caches.
    servicos.fabricaPlayer = std::make_unique<TFabricaPlayerLinux>(
        TPastasNavegador{servicos.pastas->pastaDadosUsuario() + QLatin1Char('/') + Constantes::nomePasta +
                             QStringLiteral("web"),
                         servicos.pastas->pastaCacheUsuario() + QLatin1Char('/') + Constantes::nomePasta +
                             QStringLiteral("web")});
    servicos.areaTransferencia = std::make_unique<TAreaTransferenciaQt>();
    return servicos;
}
