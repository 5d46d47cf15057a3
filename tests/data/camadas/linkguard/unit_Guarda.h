#pragma once

#include "core/unit_Base.h"
