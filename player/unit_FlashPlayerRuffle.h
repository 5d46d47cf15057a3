#pragma once

#include "player/unit_FlashPlayer.h"

#include <QJsonObject>
#include <QTimer>

class QLabel;
class QStackedLayout;
class QWebEngineProfile;
class QWebEngineView;
class TPaginaRuffle;

// The player on a real SWF engine: Ruffle's web build in an embedded browser
// view. The movie's external calls reach OnFlashCall while it waits; ready
// state 0 follows every new movie and 4 its start. A movie that cannot be
// loaded (no answer, an HTTP error, not a movie, no start within the load
// time-out) still ends in ready state 4, with a stage saying so in place of
// the movie. The browser view holding the keyboard focus is the player
// holding it.
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

Q_SIGNALS:
    // A line the movie traced.
    void rastreado(const QString& linha);

private:
    // The engine's configuration for the current movie and properties.
    QJsonObject configuracao() const;
    void aplicarAparencia();
    void filmeCarregado(int carga);
    void filmeFalhou(int carga, const QString& motivo, const QString& detalhe);
    void tempoEsgotado();
    void concluirCarga();

    QString bgColor_ = QStringLiteral("ffffff");
    QString movie_;
    QString scale_;
    QString wmode_ = QStringLiteral("Window");
    int quality_ = 1;

    int carga_ = 0;   // number of the current movie's load
    int estado_ = -1; // last ready state reported
    QTimer timerCarga_{this};

    QStackedLayout* pilha_;
    QWebEngineView* visao_;
    TPaginaRuffle* pagina_;
    QLabel* textoFalha_;
};
