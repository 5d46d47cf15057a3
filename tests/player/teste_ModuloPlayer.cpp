#include "core/unit_Erros.h"
#include "player/unit_FabricaPlayerLinux.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Whether a library whose file name holds `nome` is loaded in this process.
bool carregada(const QByteArray& nome) {
    QFile mapas(QStringLiteral("/proc/self/maps"));
    return mapas.open(QIODevice::ReadOnly) && mapas.readAll().contains(nome);
}

} // namespace

// The factory of the program with the engine's module where the build puts
// it, or in folders without it. Each test runs in a process of its own.
class ModuloPlayer : public ::testing::Test {
protected:
    void TearDown() override { qunsetenv("QUILLET_PLAYER"); }

    // The class of the player the factory makes with QUILLET_PLAYER set to `escolha`.
    QString criado(TFabricaPlayerLinux& fabrica, const char* escolha) {
        qputenv("QUILLET_PLAYER", escolha);
        std::unique_ptr<TFlashPlayer> player(fabrica.criar(&janela, QStringLiteral("Velmora")));
        return QString::fromLatin1(player->metaObject()->className());
    }

    QWidget janela;
};

TEST_F(ModuloPlayer, TheBrowserIsLoadedWithTheFirstEnginePlayerAndNeverBefore) {
    if (!QFileInfo::exists(QStringLiteral(QUILLET_DIR_RUFFLE "/ruffle/ruffle.js")))
        GTEST_SKIP() << "the SWF engine is not installed";
    TFabricaPlayerLinux fabrica({}, {QStringLiteral(QUILLET_PASTA_MODULOS)});
    EXPECT_FALSE(carregada("libQt6WebEngine"));
    EXPECT_EQ(criado(fabrica, "standin"), QStringLiteral("TFlashPlayerSubstituto"));
    EXPECT_FALSE(carregada("libQt6WebEngine"));

    EXPECT_EQ(criado(fabrica, ""), QStringLiteral("TFlashPlayerRuffle"));
    EXPECT_TRUE(carregada("libQt6WebEngineCore"));
    EXPECT_EQ(criado(fabrica, "ruffle"), QStringLiteral("TFlashPlayerRuffle"));
    // A second factory finds the module already loaded.
    TFabricaPlayerLinux outra({}, {QStringLiteral(QUILLET_PASTA_MODULOS)});
    EXPECT_EQ(criado(outra, ""), QStringLiteral("TFlashPlayerRuffle"));
}

// No module, or a file in its place that is none: the stand-in, unless the
// engine is demanded.
TEST_F(ModuloPlayer, WithoutAUsableModuleTheStandInPlaysUnlessTheEngineIsDemanded) {
    const bool navegadorAntes = carregada("libQt6WebEngine");
    QTemporaryDir vazia;
    QTemporaryDir estragada;
    QFile falso(estragada.filePath(TFabricaPlayerLinux::arquivoModulo));
    ASSERT_TRUE(falso.open(QIODevice::WriteOnly));
    falso.write(QByteArray(4096, 'x'));
    falso.close();

    for (const QString& pasta : {vazia.path(), estragada.path()}) {
        TFabricaPlayerLinux fabrica({}, {pasta});
        EXPECT_EQ(criado(fabrica, ""), QStringLiteral("TFlashPlayerSubstituto")) << qPrintable(pasta);
        EXPECT_THROW(criado(fabrica, "ruffle"), EOleSysError) << qPrintable(pasta);
        EXPECT_EQ(criado(fabrica, "standin"), QStringLiteral("TFlashPlayerSubstituto"));
    }
    EXPECT_EQ(carregada("libQt6WebEngine"), navegadorAntes);
}

// Through the module as the program goes: a game's profile makes its folders
// under the factory's; erasing is refused while the game's player lives, and
// once it is gone the folders go and the profile with them.
TEST_F(ModuloPlayer, AGamesDataIsErasedOnlyOnceItsPlayerIsGone) {
    if (!QFileInfo::exists(QStringLiteral(QUILLET_DIR_RUFFLE "/ruffle/ruffle.js")))
        GTEST_SKIP() << "the SWF engine is not installed";
    QTemporaryDir raiz;
    TFabricaPlayerLinux fabrica(
        {raiz.filePath(QStringLiteral("dados")), raiz.filePath(QStringLiteral("cache"))},
        {QStringLiteral(QUILLET_PASTA_MODULOS)});
    auto player = std::unique_ptr<TFlashPlayer>(fabrica.criar(&janela, QStringLiteral("Gumbrel")));
    const QString pasta = raiz.filePath(QStringLiteral("dados/Gumbrel"));
    EXPECT_TRUE(QFileInfo(pasta).isDir());
    EXPECT_GT(fabrica.medidorDados()(QStringLiteral("Gumbrel"), 1 << 30), 0);

    EXPECT_FALSE(fabrica.limparDados(QStringLiteral("Gumbrel")));
    EXPECT_TRUE(QFileInfo(pasta).isDir());
    player.reset();
    EXPECT_TRUE(fabrica.limparDados(QStringLiteral("Gumbrel")));
    EXPECT_FALSE(QFileInfo::exists(pasta));
    EXPECT_EQ(fabrica.medidorDados()(QStringLiteral("Gumbrel"), 1 << 30), 0);
}
