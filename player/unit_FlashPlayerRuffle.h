#pragma once

#include "player/unit_FlashPlayer.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QTimer>
#include <QUrl>
#include <utility>

class QStackedLayout;
class QWebEngineProfile;
class QWebEngineView;
class TPaginaRuffle;
class TPalcoFalha;

// The player on a real SWF engine: Ruffle's web build in an embedded browser
// view. The movie's external calls reach OnFlashCall while it waits; ready
// state 0 follows every new movie and 4 its start. A movie that cannot be
// loaded (no answer, an HTTP error, not a movie, no start within the load
// time-out) still ends in ready state 4, with a stage saying so in place of
// the movie, why in plain words, and a button that tries again; so does a
// movie whose page process ends (a crash, or killed), with a button that
// restarts it in place. The browser view holding the keyboard focus is the
// player holding it (the stage's button, while the stage shows).
class TFlashPlayerRuffle : public TFlashPlayer {
    Q_OBJECT
public:
    // How long a movie may take from Movie to its start.
    static constexpr int tempoLimiteCarga = 30000;

    TFlashPlayerRuffle(QWidget* pai, QWebEngineProfile* perfil);
    ~TFlashPlayerRuffle() override;

    QString BGColor() const override { return bgColor_; }
    void setBGColor(const QString& rrggbb) override;
    QString Movie() const override { return movie_; }
    void setMovie(const QString& url) override;
    QString Scale() const override { return scale_; }
    void setScale(const QString& escala) override;
    QString WMode() const override { return wmode_; }
    void setWMode(const QString& modo) override;
    int Quality() const override { return quality_; }
    void setQuality(int qualidade) override;
    void setServidoresSocket(const QList<TServidorSocket>& servidores) override { servidores_ = servidores; }

Q_SIGNALS:
    // A line the movie traced.
    void rastreado(const QString& linha);

protected:
    void changeEvent(QEvent* evento) override;
    // Sees the user's clicks and keys on their way into the browser's view.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // The engine's configuration for the current movie and properties.
    QJsonObject configuracao() const;
    void aplicarAparencia();
    void filmeCarregado(int carga);
    void filmeFalhou(int carga, const QString& motivo, const QString& detalhe);
    // The page's process ended: the movie is gone, whatever its state.
    void processoEncerrado();
    void mostrarFalha();
    void escreverFalha();
    // Shows the movie's view or the failure stage, the keyboard following.
    void mostrarPalco(QWidget* palco);
    // The language the engine's page asks for (and its menus speak).
    void seguirIdioma();
    void tempoEsgotado();
    void concluirCarga();
    // A socket the movie opened to a server it was not given: a server
    // within reach is taken, and the movie restarted (a few times at most)
    // so that its next attempt connects.
    void socketSemServidor(const QString& host, int porta);
    void servidorVerificado(const QUrl& filme, const TServidorSocket& servidor, bool alcancavel);
    // An address the movie asked to open: passed on only in answer to the
    // user's click or key, one per click or key.
    void aberturaPedida(const QUrl& url);

    QString bgColor_ = QStringLiteral("ffffff");
    QString movie_;
    QString scale_;
    QString wmode_ = QStringLiteral("Window");
    int quality_ = 1;

    int carga_ = 0;                     // number of the current movie's load
    int estado_ = -1;                   // last ready state reported
    std::pair<QString, QString> falha_; // why the current movie failed, and the detail
    QTimer timerCarga_{this};

    QList<TServidorSocket> servidores_;
    QList<TServidorSocket> servidoresCarga_; // given to the current movie
    QList<TServidorSocket> emVerificacao_;
    int verificacoes_ = 0;
    int reinicios_ = 0;
    // Since the user's last click or key in the movie, while it may still open an address.
    QElapsedTimer acaoUsuario_;

    QStackedLayout* pilha_;
    QWebEngineView* visao_;
    TPaginaRuffle* pagina_;
    TPalcoFalha* palcoFalha_;
};
