#include "settings/unit_frameConfig.h"

TframeConfig::TframeConfig(TPrincipal* principal, QWidget* pai) : TFrame(pai), principal_(principal) {
    setObjectName(QStringLiteral("frameConfig"));
}

void TframeConfig::init() {}

void TframeConfig::mostrarConfigs() {}
