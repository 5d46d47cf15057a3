#pragma once

#include "games/unit_Jogo.h"
#include "linkguard/unit_Guarda.h"
