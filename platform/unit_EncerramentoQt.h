#pragma once

#include "platform/unit_Encerramento.h"

class TEncerramentoQt : public TEncerramento {
public:
    void encerrarAgora() override;
};
