#pragma once

#include <QWebEngineUrlSchemeHandler>

// Serves the SWF engine's own files (scripts and WebAssembly) to the
// players' pages at quillet://motor/<path>, read-only, from the engine's
// installed package: a page at a game host's origin may load its scripts
// from there, which it could not from a file.
class TEsquemaRuffle : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    static const QByteArray nome;
    // Where the engine's files are, as the page addresses them.
    static const QString endereco;

    // Makes the scheme known to the browser: secure (a page of an https host
    // may load from it) and open to cross-origin reads. Only before the
    // browser starts, that is before the first profile is created.
    static void registrar();

    // `pacote`: the engine's folder; nothing outside it is served.
    TEsquemaRuffle(QString pacote, QObject* pai);

    // The file that `url` names inside `pacote`, with every link resolved;
    // empty when it names nothing there (another host, a path that leaves the
    // folder, a link that points out of it, a folder, a missing file).
    static QString arquivo(const QString& pacote, const QUrl& url);

    void requestStarted(QWebEngineUrlRequestJob* pedido) override;

private:
    QString pacote_;
};
