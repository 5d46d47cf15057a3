#pragma once

#include <QUrl>
#include <QWebEnginePage>

// The window a movie's page opens (a link with a target of its own): it
// loads nothing, tells the address it was to load and goes.
class TJanelaFilme : public QWebEnginePage {
    Q_OBJECT
public:
    using QWebEnginePage::QWebEnginePage;

Q_SIGNALS:
    void enderecoPedido(const QUrl& url);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType tipo, bool quadroPrincipal) override;
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
};
