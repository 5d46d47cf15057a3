#pragma once

#include <QWebEngineUrlRequestInterceptor>

// Every request of the players' pages passes here, and what a game page
// never needs is refused before it leaves: files of this machine (file: and
// every other scheme that is not the web's or the engine's), frames, any
// document in place of the player's own page, and, unless the movie itself
// came from there, any address of this machine or its networks written out
// in the request (a literal address, "localhost"). The page's sockets to the
// socket bridge pass.
class TFiltroRuffle : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& pedido) override;
};
