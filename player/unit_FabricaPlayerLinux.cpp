#include "player/unit_FabricaPlayerLinux.h"

#include "core/unit_Erros.h"
#include "player/unit_FlashPlayerSubstituto.h"

#ifdef QUILLET_RUFFLE
#include "player/unit_FlashPlayerRuffle.h"
#include "player/unit_PaginaRuffle.h"
#endif

TFabricaPlayerLinux::TFabricaPlayerLinux(QString pastaDadosWeb) : pastaDadosWeb_(std::move(pastaDadosWeb)) {}

TFlashPlayer* TFabricaPlayerLinux::criar(QWidget* pai) {
    const QByteArray escolha = qgetenv("QUILLET_PLAYER");
    if (escolha == "standin")
        return new TFlashPlayerSubstituto(pai);
#ifdef QUILLET_RUFFLE
    if (TPaginaRuffle::instalada())
        return new TFlashPlayerRuffle(pai, TPaginaRuffle::perfil(pastaDadosWeb_));
#endif
    if (escolha == "ruffle")
        throw EOleSysError(QStringLiteral("The SWF engine (Ruffle) is not installed with this build."));
    return new TFlashPlayerSubstituto(pai);
}
