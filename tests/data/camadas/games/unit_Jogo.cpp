// Wrong: features do not include one another.
#include "linkguard/unit_Guarda.h"
// Right: down the layers, and inside its own folder.
#include "core/unit_Base.h"
#include "games/unit_Jogo.h"
