#pragma once

#include "net/unit_ServidorSocket.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

class TAjustePai;

// The player control that runs a game movie: the properties, operations and
// events the game screens use, and no others. The window operations are the
// widget's own (move, resize, update, repaint) plus alignment and focus below.
class TFlashPlayer : public QWidget {
    Q_OBJECT
public:
    explicit TFlashPlayer(QWidget* pai);

    // Six hex digits RRGGBB: the movie's background colour.
    virtual QString BGColor() const = 0;
    virtual void setBGColor(const QString& rrggbb) = 0;
    virtual QString Movie() const = 0;
    // Starts loading and playing the movie; ready states follow through OnReadyStateChange.
    virtual void setMovie(const QString& url) = 0;
    virtual QString Scale() const = 0;
    virtual void setScale(const QString& escala) = 0;
    // "Opaque", "Direct", "gpu", "Transparent" or "Window".
    virtual QString WMode() const = 0;
    virtual void setWMode(const QString& modo) = 0;
    // 0 low, 1 high, 2 automatic low, 3 automatic high; may change while the movie plays.
    virtual int Quality() const = 0;
    virtual void setQuality(int qualidade) = 0;
    // The game servers the movie's sockets may reach, from the next Movie on.
    // A player that carries no sockets ignores them.
    virtual void setServidoresSocket(const QList<TServidorSocket>& servidores) { Q_UNUSED(servidores) }
    // Only inside OnFlashCall: the XML reply that becomes the movie's call result.
    // Outside a call it has no effect.
    void SetReturnValue(const QString& xml);

    // Aligned, the player fills its parent's client area; free, it keeps its geometry.
    bool alinhado() const;
    void setAlinhado(bool alinhado);
    void SetFocus();
    // Whether the player (or anything inside it) holds the keyboard focus.
    bool Focused() const;

    // Raised synchronously while the movie waits, with the XML text of one external call.
    std::function<void(const QString& request)> OnFlashCall;
    // The player's load state; 4 means the movie is loaded and running.
    std::function<void(int newState)> OnReadyStateChange;
    // A game server the movie connected to without its being given, found
    // reachable: from the next Movie on the movie's sockets reach it.
    std::function<void(const TServidorSocket& servidor)> OnServidorSocket;
    // A web address (http or https) the movie asks to open, in answer to a
    // click or a key of the user in it: at most one per click or key.
    std::function<void(const QString& url)> OnAbrirEndereco;

protected:
    // One external call of the movie: raises OnFlashCall and gives back the
    // reply set with SetReturnValue during it, or nothing.
    std::optional<QString> chamarExterno(const QString& request);
    void informarEstado(int estado);
    void informarServidorSocket(const TServidorSocket& servidor);
    void pedirAbertura(const QString& url);

private:
    TAjustePai* ajuste_;
    // The reply of the external call in progress, if one is.
    std::optional<QString>* respostaEmCurso_ = nullptr;
};

// Creates player controls; fails with EOleSysError when the control is not
// available. What a game's movies store on this computer through their
// players (cookies, saved data, databases, cache) is that game's own, kept
// apart from the other games'.
class TFabricaPlayer {
public:
    virtual ~TFabricaPlayer() = default;
    // A player of the game named `jogo`.
    virtual TFlashPlayer* criar(QWidget* pai, const QString& jogo) = 0;
    // Counts what a game's players keep on this computer, in bytes, until the
    // count passes `ate` (a count over `ate` says only that).
    using TMedidorDados = std::function<qint64(const QString& jogo, qint64 ate)>;
    // A counter that stands alone: it may run on a worker, also after the
    // factory is gone.
    virtual TMedidorDados medidorDados() const = 0;
    // Erases it. False, with nothing erased, while a player of the game lives.
    virtual bool limparDados(const QString& jogo) = 0;
};
