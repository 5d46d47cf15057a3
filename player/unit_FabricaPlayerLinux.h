#pragma once

#include "player/unit_FlashPlayer.h"

// The player controls of this desktop: players on the SWF engine when this
// build has it and the engine's files are installed, the stand-in loader
// movie otherwise. The environment variable QUILLET_PLAYER chooses:
// "standin" always gives the stand-in; "ruffle" demands the engine and, when
// it is missing, fails as a missing control does.
class TFabricaPlayerLinux : public TFabricaPlayer {
public:
    // `pastaDadosWeb`: where the engine keeps cookies and the movies' saved
    // data between runs; empty, they live in memory only.
    explicit TFabricaPlayerLinux(QString pastaDadosWeb = {});
    TFlashPlayer* criar(QWidget* pai) override;

private:
    QString pastaDadosWeb_;
};
