#include "player/unit_JanelaFilme.h"

bool TJanelaFilme::acceptNavigationRequest(const QUrl& url, NavigationType, bool quadroPrincipal) {
    if (quadroPrincipal && url.scheme() != QLatin1String("about")) {
        Q_EMIT enderecoPedido(url);
        deleteLater();
    }
    return false;
}
