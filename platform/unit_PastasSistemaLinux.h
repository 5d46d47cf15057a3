#pragma once

#include "platform/unit_PastasSistema.h"

#include <initializer_list>

// APPDATA, LOCALAPPDATA and TEMP when set; otherwise the XDG config home (or
// ~/.config), the XDG cache home (or ~/.cache) and TMPDIR (or /tmp).
class TPastasSistemaLinux : public TPastasSistema {
public:
    QString pastaDadosUsuario() const override;
    QString pastaCacheUsuario() const override;
    QString pastaTemporaria() const override;

private:
    // The first of the variables that is set, else `padrao`.
    static QString primeira(std::initializer_list<const char*> variaveis, const QString& padrao);
};
