#pragma once

#include <QJsonObject>
#include <QWebEnginePage>
#include <functional>
#include <optional>

class QWebEngineProfile;

// The web page in which the SWF engine (Ruffle's web build) plays one movie,
// and the messages between that page and the program. The page is a local
// file; movies come from their own web addresses.
class TPaginaRuffle : public QWebEnginePage {
    Q_OBJECT
public:
    TPaginaRuffle(QWebEngineProfile* perfil, QObject* pai);

    // The folder of this build holding the page and the engine's web build.
    static QString pasta();
    // Whether the page and the engine's files are there.
    static bool instalada();
    // The browser profile every page of the program shares (one browser, one
    // cache). With a folder, cookies and the movies' saved data are kept
    // there between runs; without, they live in memory only.
    static QWebEngineProfile* perfil(const QString& pastaDados);

    // Answers one external call of the movie (its request in the player's
    // XML form) while the movie waits: the XML reply, or nothing.
    std::function<std::optional<QString>(const QString& pedido)> responderChamada;
    bool emChamada() const { return emChamada_ > 0; }

    // Plays a movie with the engine's configuration `config` (its "url" is
    // the movie's address); `carga` comes back with the events of this load.
    void carregarFilme(const QJsonObject& config, int carga);
    // The background colour ("#RRGGBB") and quality ("low" or "high") of the
    // movie, applied at once, also while it plays.
    void configurar(const QString& fundo, const QString& qualidade);

Q_SIGNALS:
    // Sent from inside the page's own call: receivers connect queued.
    void filmeCarregado(int carga);
    // `motivo`: "rede" (no answer), "http" (`detalhe` has the status),
    // "formato" (not a movie), "motor" (the engine refused it).
    void filmeFalhou(int carga, const QString& motivo, const QString& detalhe);
    void rastreado(const QString& linha);

protected:
    bool javaScriptPrompt(const QUrl& origem, const QString& mensagem, const QString& valor,
                          QString* resultado) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel nivel, const QString& mensagem, int linha,
                                  const QString& fonte) override;
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool acceptNavigationRequest(const QUrl& url, NavigationType tipo, bool quadroPrincipal) override;
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }

private:
    std::optional<QString> chamada(const QString& pedido);
    void executar(const QString& funcao, const QJsonValue& argumento, const QJsonValue& outro = {});

    int emChamada_ = 0;
};
