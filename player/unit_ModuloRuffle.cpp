#include "player/unit_ModuloRuffle.h"

#include "player/unit_FlashPlayerRuffle.h"
#include "player/unit_PaginaRuffle.h"
#include "player/unit_PerfisRuffle.h"

#include <QWebEnginePage>

bool TModuloRuffle::instalado() const {
    return TPaginaRuffle::instalada();
}

TFlashPlayer* TModuloRuffle::criar(QWidget* pai, const QString& jogo, const TPastasNavegador& pastas) {
    auto* player = new TFlashPlayerRuffle(pai, TPerfisRuffle::perfil(jogo, pastas));
    TPerfisRuffle::usar(jogo, player->findChild<QWebEnginePage*>());
    return player;
}

bool TModuloRuffle::liberar(const QString& jogo) {
    return TPerfisRuffle::liberar(jogo);
}
