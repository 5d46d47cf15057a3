#pragma once

#include "player/unit_PastasNavegador.h"

#include <QString>
#include <QtPlugin>

class QWidget;
class TFlashPlayer;

// What a player module loaded at run time offers the program: the player on
// the SWF engine, kept out of the executable so that a program that never
// opens a game never loads the browser. The module is built with this very
// program: it uses the program's own player base class.
class TModuloPlayer {
public:
    virtual ~TModuloPlayer() = default;

    // Whether the engine's own files are there for it.
    virtual bool instalado() const = 0;
    // A player on the engine for the game `jogo`, whose browser profile
    // keeps its data in `pastas` (the same every time for one game).
    virtual TFlashPlayer* criar(QWidget* pai, const QString& jogo, const TPastasNavegador& pastas) = 0;
    // Lets the game's browser profile go, with what it holds in memory, so
    // that its folders can be erased; false while a page of the game lives.
    virtual bool liberar(const QString& jogo) = 0;
};

#define TModuloPlayer_iid "org.quillet.TModuloPlayer/2"
Q_DECLARE_INTERFACE(TModuloPlayer, TModuloPlayer_iid)
