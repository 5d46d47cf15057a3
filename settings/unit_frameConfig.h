#pragma once

#include "platform/unit_Frame.h"

class TPrincipal;

// The settings screen.
class TframeConfig : public TFrame {
    Q_OBJECT
public:
    TframeConfig(TPrincipal* principal, QWidget* pai);

    void init();
    void mostrarConfigs();

private:
    TPrincipal* principal_;
};
