#pragma once

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
    // A player on the engine; `pastaDadosWeb` as TFabricaPlayerLinux's.
    virtual TFlashPlayer* criar(QWidget* pai, const QString& pastaDadosWeb) = 0;
};

#define TModuloPlayer_iid "org.quillet.TModuloPlayer/1"
Q_DECLARE_INTERFACE(TModuloPlayer, TModuloPlayer_iid)
