#include "player/unit_FiltroRuffle.h"

#include "net/unit_EnderecoIp.h"
#include "player/unit_EsquemaRuffle.h"
#include "player/unit_PonteSockets.h"

namespace {

bool esquemaPermitido(const QWebEngineUrlRequestInfo& pedido) {
    const QString esquema = pedido.requestUrl().scheme();
    switch (pedido.resourceType()) {
    case QWebEngineUrlRequestInfo::ResourceTypeMainFrame:
        // The player's page, which the program itself gives the view.
        return esquema == QLatin1String("data") &&
               pedido.navigationType() == QWebEngineUrlRequestInfo::NavigationTypeTyped;
    case QWebEngineUrlRequestInfo::ResourceTypeSubFrame:
        return false;
    default:
        for (const char* aceito : {"http", "https", "ws", "wss", "data", "blob"})
            if (esquema == QLatin1String(aceito))
                return true;
        return esquema == QLatin1String(TEsquemaRuffle::nome);
    }
}

// The page's own origin: the movie's address, which the page was made at.
QUrl origemDaPagina(const QWebEngineUrlRequestInfo& pedido) {
    return pedido.initiator().isEmpty() ? pedido.firstPartyUrl() : pedido.initiator();
}

// Into this machine or its networks only from a movie served from there (a
// game on the local network, a test), and the page's sockets to the bridge.
bool destinoPermitido(const QWebEngineUrlRequestInfo& pedido) {
    const QUrl& url = pedido.requestUrl();
    if (url.host().isEmpty() || !TEnderecoIp::hostInterno(url.host()))
        return true;
    if (pedido.resourceType() == QWebEngineUrlRequestInfo::ResourceTypeWebSocket &&
        url.toString().startsWith(TPonteSockets::instancia().endereco()))
        return true;
    const QUrl origem = origemDaPagina(pedido);
    return !origem.host().isEmpty() && TEnderecoIp::hostInterno(origem.host());
}

} // namespace

void TFiltroRuffle::interceptRequest(QWebEngineUrlRequestInfo& pedido) {
    if (!esquemaPermitido(pedido) || !destinoPermitido(pedido))
        pedido.block(true);
}
