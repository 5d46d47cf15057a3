#include "player/unit_FabricaPlayerLinux.h"

#include "core/unit_Erros.h"
#include "player/unit_FlashPlayerSubstituto.h"
#include "player/unit_ModuloPlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QOpenGLContext>
#include <QPluginLoader>

// Exported by Qt GUI and declared only in its private headers: the context
// every OpenGL context of the program shares its resources with.
QOpenGLContext* qt_gl_global_share_context();
void qt_gl_set_global_share_context(QOpenGLContext* contexto);

const QString TFabricaPlayerLinux::arquivoModulo = QStringLiteral("libquillet_player_ruffle.so");

namespace {

// The browser draws with OpenGL in contexts that share with the program's
// global one. Qt makes that context at start when asked before the
// application exists (Qt::AA_ShareOpenGLContexts), which loads the OpenGL
// driver (with a software driver, tens of megabytes) for a home screen that
// never draws with it. Made here instead, before the browser's module loads,
// every context made after it (the browser's, the window's composition once
// the player's view joins it) shares with it all the same.
void prepararContextoCompartilhado() {
    if (qt_gl_global_share_context())
        return;
    // Kept until the program ends, as Qt keeps its own; set also where it
    // could not be made (no OpenGL), as Qt does: the browser then reads it
    // and turns its GPU off.
    auto* contexto = new QOpenGLContext;
    contexto->create();
    qt_gl_set_global_share_context(contexto);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

} // namespace

TFabricaPlayerLinux::TFabricaPlayerLinux(TPastasNavegador pastasWeb, QStringList pastasModulo)
    : armazem_(std::move(pastasWeb)), pastasModulo_(std::move(pastasModulo)) {}

// The module stays loaded: the browser it started lives until the program ends.
TFabricaPlayerLinux::~TFabricaPlayerLinux() = default;

QStringList TFabricaPlayerLinux::pastasPadrao() {
    const QDir executavel(QCoreApplication::applicationDirPath());
    return {executavel.path(), executavel.filePath(QStringLiteral("plugins")),
            QDir::cleanPath(executavel.filePath(QStringLiteral("../lib/quillet6")))};
}

TModuloPlayer* TFabricaPlayerLinux::motor() {
    if (std::exchange(procurado_, true))
        return motor_;
    for (const QString& pasta : pastasModulo_) {
        const QString arquivo = QDir(pasta).filePath(arquivoModulo);
        if (!QFileInfo(arquivo).isFile())
            continue;
        prepararContextoCompartilhado();
        carregador_ = std::make_unique<QPluginLoader>(arquivo);
        // A module of another build of the program fails here, not later.
        carregador_->setLoadHints(QLibrary::ResolveAllSymbolsHint);
        auto* modulo = qobject_cast<TModuloPlayer*>(carregador_->instance());
        if (!modulo)
            qWarning("The player module %s could not be loaded: %s", qPrintable(arquivo),
                     qPrintable(carregador_->errorString()));
        else if (modulo->instalado())
            motor_ = modulo;
        break;
    }
    return motor_;
}

TFlashPlayer* TFabricaPlayerLinux::criar(QWidget* pai, const QString& jogo) {
    const QByteArray escolha = qgetenv("QUILLET_PLAYER");
    if (escolha == "standin")
        return new TFlashPlayerSubstituto(pai);
    if (TModuloPlayer* modulo = motor())
        return modulo->criar(pai, jogo, armazem_.pastasDoJogo(jogo));
    if (escolha == "ruffle")
        throw EOleSysError(QCoreApplication::translate(
            "TFabricaPlayerLinux", "the SWF engine (Ruffle) is not installed with this build of Quillet",
            "Flash.motorAusente"));
    return new TFlashPlayerSubstituto(pai);
}

TFabricaPlayer::TMedidorDados TFabricaPlayerLinux::medidorDados() const {
    return [bases = armazem_.bases()](const QString& jogo, qint64 ate) {
        return TArmazemJogos::tamanho(bases.doJogo(jogo), ate);
    };
}

// A module never loaded made no profile; its folders hold only what earlier runs left.
bool TFabricaPlayerLinux::limparDados(const QString& jogo) {
    if (motor_ && !motor_->liberar(jogo))
        return false;
    armazem_.descartar(jogo);
    return true;
}
