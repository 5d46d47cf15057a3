#pragma once

#include "player/unit_FlashPlayer.h"

#include <QColor>
#include <QTimer>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// Stands in for the player on a system without a Flash runtime. It plays the
// part of a game's loader movie and says so on its stage: it loads (ready
// states 0, 2, 3, 4, each from the event loop), then asks its page for the
// page address and the browser identity and shows the replies. Its stage
// offers a chat line whose text can be typed, selected and copied, and a
// button making the movie's full-screen call.
class TFlashPlayerSubstituto : public TFlashPlayer {
    Q_OBJECT
public:
    explicit TFlashPlayerSubstituto(QWidget* pai);

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

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    QLabel* criarLinha(const char* nome);
    void avancarCarga();
    void perguntarPagina();
    void pedirTelaCheia();
    void posicionarPalco();
    void mostrarPropriedades();

    QString bgColor_;
    QColor corFundo_ = Qt::white;
    QString movie_;
    // The player's own defaults, kept while nobody sets them.
    QString scale_ = QStringLiteral("showAll");
    QString wmode_ = QStringLiteral("Window");
    int quality_ = 1;
    int estado_ = -1;
    qsizetype passoCarga_ = 0;
    QTimer timerCarga_;

    QFrame* palco_;
    QLabel* textoFilme_;
    QLabel* textoRender_;
    QLabel* textoQualidade_;
    QLabel* textoEstado_;
    QLabel* textoPagina_;
    QLabel* textoIdentidade_;
    QLineEdit* campoChat_;
    QPushButton* btnTelaCheia_;
};
