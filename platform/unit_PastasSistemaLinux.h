#pragma once

#include "platform/unit_PastasSistema.h"

// APPDATA, LOCALAPPDATA and TEMP when set; otherwise the XDG config home (or
// ~/.config), the XDG cache home (or ~/.cache) and TMPDIR (or /tmp).
class TPastasSistemaLinux : public TPastasSistema {
public:
    QString pastaDadosUsuario() const override;
    QString pastaCacheUsuario() const override;
    QString pastaTemporaria() const override;

private:
    static QString variavel(const char* nome);
};
