#pragma once

#include "player/unit_ArmazemJogos.h"
#include "player/unit_FlashPlayer.h"

#include <QStringList>
#include <memory>

class QPluginLoader;
class TModuloPlayer;

// The player controls of this desktop: players on the SWF engine when its
// module and the engine's files are installed, the stand-in loader movie
// otherwise. The engine's module (and with it the browser) is loaded when the
// first player is made, never before. The environment variable
// QUILLET_PLAYER chooses: "standin" always gives the stand-in; "ruffle"
// demands the engine and, when it is missing, fails as a missing control does.
// Each game's players keep their browser data and cache in folders of the
// game's own (TArmazemJogos), which the stand-in never writes.
class TFabricaPlayerLinux : public TFabricaPlayer {
public:
    // The module's file name in its folder.
    static const QString arquivoModulo;

    // `pastasWeb`: the base folders under which the engine keeps each game's
    // cookies, saved data and cache between runs; empty, they live in memory
    // only. `pastasModulo`: where the engine's module is looked for, in order.
    explicit TFabricaPlayerLinux(TPastasNavegador pastasWeb = {}, QStringList pastasModulo = pastasPadrao());
    ~TFabricaPlayerLinux() override;

    // Next to the executable, its plugins/ folder (a build tree), and the
    // installed program's <prefix>/lib/quillet6 (the executable in <prefix>/bin).
    static QStringList pastasPadrao();

    TFlashPlayer* criar(QWidget* pai, const QString& jogo) override;
    TMedidorDados medidorDados() const override;
    bool limparDados(const QString& jogo) override;
    // Whether players on the SWF engine can be made: its module loads and the
    // engine's files are there. Loads the module, and with it the browser.
    bool motorDisponivel() { return motor() != nullptr; }

private:
    // The engine's module, loaded on first need; null when there is none
    // usable or the engine's files are missing.
    TModuloPlayer* motor();

    TArmazemJogos armazem_;
    QStringList pastasModulo_;
    bool procurado_ = false;
    std::unique_ptr<QPluginLoader> carregador_;
    TModuloPlayer* motor_ = nullptr;
};
