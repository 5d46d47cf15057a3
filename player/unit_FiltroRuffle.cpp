#include "player/unit_FiltroRuffle.h"

#include "player/unit_EsquemaRuffle.h"

namespace {

bool permitido(const QWebEngineUrlRequestInfo& pedido) {
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

} // namespace

void TFiltroRuffle::interceptRequest(QWebEngineUrlRequestInfo& pedido) {
    if (!permitido(pedido))
        pedido.block(true);
}
