#pragma once

#include "platform/unit_Shell.h"

class TShellQt : public TShell {
public:
    void abrir(const QString& url) override;
};
