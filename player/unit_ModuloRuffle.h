#pragma once

#include "player/unit_ModuloPlayer.h"

#include <QObject>

// The module of the player on the SWF engine (Ruffle's web build in Qt
// WebEngine), loaded by TFabricaPlayerLinux when a game first needs a player.
class TModuloRuffle : public QObject, public TModuloPlayer {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TModuloPlayer_iid)
    Q_INTERFACES(TModuloPlayer)
public:
    bool instalado() const override;
    TFlashPlayer* criar(QWidget* pai, const QString& jogo, const TPastasNavegador& pastas) override;
    bool liberar(const QString& jogo) override;
};
