#pragma once

#include <QString>

// The per-user data, cache and temporary folders the program builds its own
// folders in. Paths use "/"; an empty text means the variable is unset.
class TPastasSistema {
public:
    virtual ~TPastasSistema() = default;
    virtual QString pastaDadosUsuario() const = 0;
    // What may be thrown away and made again (the games' web cache).
    virtual QString pastaCacheUsuario() const = 0;
    virtual QString pastaTemporaria() const = 0;
};
