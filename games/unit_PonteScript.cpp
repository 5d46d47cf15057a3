#include "games/unit_PonteScript.h"

#include "app/unit_Principal.h"
#include "core/unit_Constantes.h"
#include "player/unit_FlashPlayer.h"

namespace {

const QString pedidoEndereco = QStringLiteral(
    R"(<invoke name="window.location.href.toString" returntype="xml"><arguments></arguments></invoke>)");
const QString pedidoIdentidade =
    QStringLiteral(R"(<invoke name="function(){return navigator.appVersion+'-'+navigator.appName;}" )"
                   R"(returntype="xml"><arguments></arguments></invoke>)");
const QString prefixoTelaCheia = QStringLiteral(R"(<invoke name="pleinEcran" )");

QString emString(const QString& valor) {
    return QStringLiteral("<string>") + valor + QStringLiteral("</string>");
}

} // namespace

namespace PonteScript {

void responder(TPrincipal& principal, TFlashPlayer& Flash, const QString& request, const QString& urlPagina) {
    if (request == pedidoEndereco)
        Flash.SetReturnValue(emString(urlPagina));
    if (request == pedidoIdentidade)
        Flash.SetReturnValue(
            emString(Constantes::titulo + QStringLiteral(" (") + Constantes::versaoTexto + QLatin1Char(')')));
    if (request.startsWith(prefixoTelaCheia))
        principal.modoFullscreen();
}

} // namespace PonteScript
