#pragma once

// Wrong: core/ is the lowest layer.
#include "app/unit_Janela.h"
