#pragma once

#include <QString>

// The per-user data folder and the temporary folder the program builds its
// own folders in. Paths use "/"; an empty text means the variable is unset.
class TPastasSistema {
public:
    virtual ~TPastasSistema() = default;
    virtual QString pastaDadosUsuario() const = 0;
    virtual QString pastaTemporaria() const = 0;
};
