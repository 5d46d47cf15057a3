#include "player/unit_ModuloRuffle.h"

#include "player/unit_FlashPlayerRuffle.h"
#include "player/unit_PaginaRuffle.h"

bool TModuloRuffle::instalado() const {
    return TPaginaRuffle::instalada();
}

TFlashPlayer* TModuloRuffle::criar(QWidget* pai, const QString& pastaDadosWeb) {
    return new TFlashPlayerRuffle(pai, TPaginaRuffle::perfil(pastaDadosWeb));
}
