#pragma once

#include "platform/unit_FlashPlayer.h"

// The player controls of this desktop. There is no Flash runtime here, so
// every control is the stand-in loader movie.
class TFabricaPlayerLinux : public TFabricaPlayer {
public:
    TFlashPlayer* criar(QWidget* pai) override;
};
