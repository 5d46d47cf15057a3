#include "platform/unit_FabricaPlayerLinux.h"

#include "platform/unit_FlashPlayerSubstituto.h"

TFlashPlayer* TFabricaPlayerLinux::criar(QWidget* pai) {
    return new TFlashPlayerSubstituto(pai);
}
