#include "games/unit_PonteScript.h"

#include "core/unit_Constantes.h"
#include "player/unit_FlashPlayer.h"
#include "player/unit_PedidosFilme.h"

namespace {

QString emString(const QString& valor) {
    return QStringLiteral("<string>") + valor + QStringLiteral("</string>");
}

} // namespace

namespace PonteScript {

bool responder(TFlashPlayer& Flash, const QString& request, const QString& urlPagina) {
    if (request == PedidosFilme::enderecoPagina)
        Flash.SetReturnValue(emString(urlPagina));
    if (request == PedidosFilme::identidadeNavegador)
        Flash.SetReturnValue(
            emString(Constantes::titulo + QStringLiteral(" (") + Constantes::versaoTexto + QLatin1Char(')')));
    return request.startsWith(PedidosFilme::prefixoTelaCheia);
}

} // namespace PonteScript
