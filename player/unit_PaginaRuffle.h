#pragma once

#include "net/unit_ServidorSocket.h"
#include "player/unit_PastasNavegador.h"

#include <QJsonObject>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>
#include <functional>
#include <optional>

class QWebEngineProfile;

// The web page in which the SWF engine (Ruffle's web build) plays one movie,
// and the messages between that page and the program. The page lives at its
// movie's origin, as if the game host served it: the movie reads what a web
// page at its address may read, under the browser's rules. The engine's own
// files come from the engine scheme (TEsquemaRuffle).
class TPaginaRuffle : public QWebEnginePage {
    Q_OBJECT
public:
    TPaginaRuffle(QWebEngineProfile* perfil, QObject* pai);
    ~TPaginaRuffle() override;

    // The folder holding the page and the engine's web build, beside the program.
    static QString pasta();
    // Whether the page and the engine's files are there.
    static bool instalada();
    // A new browser profile named `nome` for the pages, with the engine
    // scheme and the request filter. With folders, cookies, the movies' saved
    // data and the cache are kept in them between runs, and nothing anywhere
    // else; without, they live in memory only.
    static QWebEngineProfile* perfil(const QString& nome, const TPastasNavegador& pastas);

    // Whether `a` and `b` have one origin: scheme, host and port.
    static bool mesmaOrigem(const QUrl& a, const QUrl& b);

    // Answers one external call of the movie (its request in the player's
    // XML form) while the movie waits: the XML reply, or nothing.
    std::function<std::optional<QString>(const QString& pedido)> responderChamada;
    bool emChamada() const { return emChamada_ > 0; }

    // Plays a movie with the engine's configuration `config` (its "url" is
    // the movie's address, http or https), its sockets reaching `servidores`
    // through the socket bridge; `carga` comes back with the events of this
    // load. A movie of another origin than the page's gets a new page at its
    // own.
    void carregarFilme(const QJsonObject& config, int carga, const QList<TServidorSocket>& servidores);
    // The background colour ("#RRGGBB") and quality ("low" or "high") of the
    // movie, applied at once, also while it plays.
    void configurar(const QString& fundo, const QString& qualidade);

Q_SIGNALS:
    // Sent from inside the page's own call: receivers connect queued.
    void filmeCarregado(int carga);
    // `motivo`: "rede" (no answer), "http" (`detalhe` has the status),
    // "formato" (not a movie), "motor" (the engine refused it), "pagina"
    // (the engine's files did not load), "endereco" (not a web address).
    void filmeFalhou(int carga, const QString& motivo, const QString& detalhe);
    void rastreado(const QString& linha);
    // The movie opened a socket to a server it was not given (the engine
    // failed it at once).
    void socketSemServidor(const QString& host, int porta);
    // The movie asked to open `url`, in the page or in a window of its own:
    // nothing was opened.
    void aberturaPedida(const QUrl& url);
    // The page's process ended (a crash, or killed): nothing plays until the
    // next movie, which gets a new page.
    void processoEncerrado();

protected:
    bool javaScriptPrompt(const QUrl& origem, const QString& mensagem, const QString& valor,
                          QString* resultado) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel nivel, const QString& mensagem, int linha,
                                  const QString& fonte) override;
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool acceptNavigationRequest(const QUrl& url, NavigationType tipo, bool quadroPrincipal) override;
    QWebEnginePage* createWindow(WebWindowType tipo) override;

private:
    struct TFilme {
        QJsonObject config;
        int carga;
    };

    void criarPagina(const QUrl& endereco);
    void encerrouProcesso();
    void paginaPronta(const QJsonObject& aviso);
    std::optional<QString> chamada(const QString& pedido);
    void executar(const QString& funcao, const QJsonValue& argumento, const QJsonValue& outro = {});

    QUrl endereco_;                   // the page's address: the movie it was made for
    QString segredo_;                 // of the page's sockets, at the socket bridge
    QPointer<QWebEnginePage> janela_; // the window the movie opened last, until it goes
    int numero_ = 0;                  // of the page made last; its ready message carries it
    bool pronta_ = false;
    std::optional<TFilme> filmePendente_; // until the page is ready
    QJsonObject aparencia_;
    int emChamada_ = 0;
};
