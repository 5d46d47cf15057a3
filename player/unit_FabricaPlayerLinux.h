#pragma once

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
class TFabricaPlayerLinux : public TFabricaPlayer {
public:
    // The module's file name in its folder.
    static const QString arquivoModulo;

    // `pastaDadosWeb`: where the engine keeps cookies and the movies' saved
    // data between runs; empty, they live in memory only. `pastasModulo`:
    // where the engine's module is looked for, in order.
    explicit TFabricaPlayerLinux(QString pastaDadosWeb = {}, QStringList pastasModulo = pastasPadrao());
    ~TFabricaPlayerLinux() override;

    // Next to the executable, its plugins/ folder (a build tree), and the
    // installed program's <prefix>/lib/quillet6 (the executable in <prefix>/bin).
    static QStringList pastasPadrao();

    TFlashPlayer* criar(QWidget* pai) override;
    // Whether players on the SWF engine can be made: its module loads and the
    // engine's files are there. Loads the module, and with it the browser.
    bool motorDisponivel() { return motor() != nullptr; }

private:
    // The engine's module, loaded on first need; null when there is none
    // usable or the engine's files are missing.
    TModuloPlayer* motor();

    QString pastaDadosWeb_;
    QStringList pastasModulo_;
    bool procurado_ = false;
    std::unique_ptr<QPluginLoader> carregador_;
    TModuloPlayer* motor_ = nullptr;
};
