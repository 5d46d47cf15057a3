#pragma once

#include "platform/unit_PastasSistema.h"

// APPDATA and TEMP when set; otherwise the XDG config home (or ~/.config) and
// TMPDIR (or /tmp).
class TPastasSistemaLinux : public TPastasSistema {
public:
    QString pastaDadosUsuario() const override;
    QString pastaTemporaria() const override;

private:
    static QString variavel(const char* nome);
};
