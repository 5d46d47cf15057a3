#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Every request of the players' pages passes here, and what a game page
// never needs is refused before it leaves: files of this machine (file: and
// every other scheme that is not the web's or the engine's), frames, and
// any document in place of the player's own page.
class TFiltroRuffle : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& pedido) override;
};
