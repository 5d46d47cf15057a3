#include "core/unit_ArquivoConfig.h"
#include "core/unit_Recursos.h"
#include "games/unit_frameErroFlash.h"
#include "linkguard/unit_frameProtetor.h"
#include "settings/unit_frameConfig.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Frame.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_MarcaPrimeiroQuadro.h"
#include "ui/unit_Painel.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <chrono>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QStringList linhasSobre(const TJanelaTeste& janela) {
    return janela->textoVersao->toPlainText().split(QLatin1Char('\n'));
}

} // namespace

TEST(Inicio, CreatesDataAndTemporaryFoldersWithTheirParents) {
    TJanelaTeste janela;
    const QString raiz = janela.teste.pastas->raiz.path();
    EXPECT_EQ(janela->dataDir, raiz + QStringLiteral("/appdata/Quillet 6/"));
    EXPECT_EQ(janela->tempDir, raiz + QStringLiteral("/temp/Quillet 6/"));
    EXPECT_EQ(janela->configPath, janela->dataDir + QStringLiteral("config.ini"));
    EXPECT_TRUE(QDir(janela->dataDir).exists());
    EXPECT_TRUE(QDir(janela->tempDir).exists());
}

TEST(Inicio, WindowStartsAtItsDesignSizeWithHomeInFront) {
    TJanelaTeste janela;
    EXPECT_EQ(janela->windowTitle(), QStringLiteral("Quillet 6"));
    EXPECT_EQ(janela->objectName(), QStringLiteral("Principal"));
    EXPECT_TRUE(janela->painelHome->isVisible());
    EXPECT_TRUE(janela->painelJogo->isHidden());
    EXPECT_TRUE(janela->painelQuillet->isVisible());
    EXPECT_EQ(janela->painelJogo->caption(), QStringLiteral("Iniciando..."));
    EXPECT_EQ(janela->listaBadURLs, QStringList());
    EXPECT_EQ(janela->fechandoJogo, -1);
    // The home panel is the top of the stack.
    EXPECT_EQ(janela->childAt(420, 300)->window(), janela.principal.get());
    QWidget* topo = janela->childAt(420, 10);
    EXPECT_TRUE(topo == janela->painelHeader || janela->painelHeader->isAncestorOf(topo));
}

// The program's own screens are made when first needed: hidden, filling the
// program panel, in the language in use, stacked in one order whichever comes first.
TEST(Inicio, OwnScreensAreMadeWhenFirstNeededAndStackInTheirOrder) {
    TJanelaTeste janela(QStringLiteral("[Quillet]\r\nprimeiroUso=0\r\nidioma=en\r\n"));
    EXPECT_TRUE(janela->painelQuillet->findChildren<TFrame*>().isEmpty()) << "the home screen makes none";
    const QWidget* erro = janela->frameErroFlash();
    const QWidget* aviso = janela->frameProtetor();
    const QWidget* config = janela->frameConfig();
    EXPECT_EQ(janela->frameProtetor(), aviso) << "made once";
    EXPECT_EQ(janela->painelQuillet->findChildren<TFrame*>().size(), 3);
    const QObjectList ordem = janela->painelQuillet->children();
    EXPECT_LT(ordem.indexOf(aviso), ordem.indexOf(config));
    EXPECT_LT(ordem.indexOf(config), ordem.indexOf(erro));
    for (const QWidget* tela : {aviso, config, erro}) {
        EXPECT_TRUE(tela->isHidden()) << tela->objectName().toStdString();
        EXPECT_EQ(tela->geometry(), janela->painelQuillet->rect()) << tela->objectName().toStdString();
    }
    EXPECT_EQ(janela->frameProtetor()->btnVoltar->text(), QStringLiteral("< Home"));
}

TEST(Inicio, StoredLanguageIsUpperCasedBeforeLoading) {
    TJanelaTeste janela(QStringLiteral("[Quillet]\r\nprimeiroUso=0\r\nidioma=en\r\n"));
    EXPECT_EQ(janela->btnConfig->text(), QStringLiteral("Configurations"));
    const QStringList linhas = linhasSobre(janela);
    ASSERT_EQ(linhas.size(), 3) << "the English note runs over two lines";
    EXPECT_TRUE(linhas[0].startsWith(QStringLiteral("Your Quillet is up to date (version 6.0.1).")));
}

TEST(Inicio, UnusableStoredLanguageFallsBackToPortugueseAndStartUpGoesOn) {
    for (const QString& valor : {QStringLiteral(""), QStringLiteral("PTX"), QStringLiteral("xx")}) {
        TJanelaTeste janela(QStringLiteral("[Quillet]\r\nidioma=%1\r\n").arg(valor));
        EXPECT_EQ(janela->btnConfig->text(), QStringLiteral("Configurações")) << valor.toStdString();
        EXPECT_EQ(linhasSobre(janela).size(), 2);
        EXPECT_TRUE(janela->frameConfig()->isVisible()) << "first use still opens the settings";
    }
}

// A two-letter language names a file in the working folder: a pipe there
// does not hold the start-up, which speaks Portuguese.
TEST(Inicio, StoredLanguageNamingAPipeFallsBackToPortuguese) {
    QTemporaryDir pasta;
    ASSERT_EQ(mkfifo(QFile::encodeName(pasta.filePath(QStringLiteral("XX"))).constData(), 0600), 0);
    const QString antes = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(pasta.path()));
    {
        TJanelaTeste janela(QStringLiteral("[Quillet]\r\nprimeiroUso=0\r\nidioma=xx\r\n"));
        EXPECT_EQ(janela->btnConfig->text(), QStringLiteral("Configurações"));
    }
    QDir::setCurrent(antes);
}

TEST(Inicio, AboutTextIsTheVersionLineThenTheNote) {
    TJanelaTeste janela;
    const QStringList linhas = linhasSobre(janela);
    ASSERT_EQ(linhas.size(), 2);
    EXPECT_EQ(linhas[0], QStringLiteral("Seu Quillet está atualizado (versão 6.0.1)."));
    EXPECT_FALSE(linhas[1].isEmpty());
}

TEST(Inicio, FirstUseIsRecordedAndOpensTheSettingsOnce) {
    TJanelaTeste primeira(QString{});
    EXPECT_FALSE(primeira->config->ReadBool(QStringLiteral("Quillet"), QStringLiteral("primeiroUso"), true));
    EXPECT_TRUE(primeira->frameConfig()->isVisible());
    EXPECT_TRUE(primeira->timermostrarQuillet->isActive()) << "the settings screen slides in";
    primeira.concluirTransicoes();
    EXPECT_TRUE(primeira->painelHome->isHidden());

    TJanelaTeste segunda(QString::fromUtf8(primeira.conteudoConfig()));
    EXPECT_TRUE(segunda->frameConfig()->isHidden());
    EXPECT_FALSE(segunda->timermostrarQuillet->isActive());
    EXPECT_TRUE(segunda->painelHome->isVisible());
}

// The first-use write is refused: the settings screen opens all the same, and
// the user is told once, whatever else is refused later.
TEST(Inicio, SettingsThatCannotBeSavedAreToldOnceAndStartUpGoesOn) {
    using TPreparo = std::function<void(const TServicosTeste&)>;
    const std::pair<const char*, TPreparo> casos[] = {
        {"APPDATA names a file",
         [](const TServicosTeste& teste) {
             QFile arquivo(teste.pastas->pastaDadosUsuario());
             ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
         }},
        {"a folder in the file's place",
         [](const TServicosTeste& teste) {
             QDir().mkpath(teste.pastaDados() + QStringLiteral("config.ini"));
         }},
        {"a read-only data folder", [](const TServicosTeste& teste) {
             QDir().mkpath(teste.pastaDados());
             QFile::setPermissions(teste.pastaDados(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
         }}};
    for (const auto& [nome, preparar] : casos) {
        SCOPED_TRACE(nome);
        TServicosTeste teste;
        preparar(teste);
        TCaixasMensagemRoteiro* mensagens = teste.mensagens;
        TPrincipal principal(std::move(teste.servicos));
        EXPECT_FALSE(principal.frameConfig()->isHidden());
        EXPECT_TRUE(mensagens->mostradas.isEmpty()) << "the box waits for the event loop";
        QCoreApplication::processEvents();
        principal.frameConfig()->checkNoOffset->toggle();
        QCoreApplication::processEvents();
        TJanelaTeste::concluirTransicoes(principal);
        EXPECT_TRUE(principal.painelHome->isHidden()) << "the settings screen slid in";

        ASSERT_EQ(mensagens->mostradas.size(), 1);
        EXPECT_EQ(mensagens->mostradas[0].tipo, QStringLiteral("erro"));
        const QString& texto = mensagens->mostradas[0].texto;
        EXPECT_TRUE(texto.startsWith(QStringLiteral("Não foi possível salvar as configurações")));
        EXPECT_TRUE(texto.contains(principal.configPath)) << texto.toStdString();
        QFile::setPermissions(principal.dataDir,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
}

TEST(Inicio, TilePictureCentresTheLogoWithIntegerHalving) {
    TJanelaTeste janela;
    TImagem* imagem = janela->logoVelmora;
    imagem->resize(341, 110);
    janela->comporTile(0);

    const QImage& logo = janela->bannersOriginais[0];
    ASSERT_EQ(logo.size(), QSize(218, 66));
    QImage esperada(341, 110, QImage::Format_ARGB32_Premultiplied);
    esperada.fill(Qt::white);
    QPainter pintor(&esperada);
    pintor.drawImage(61, 22, logo); // 341 div 2 - 218 div 2, 110 div 2 - 66 div 2
    pintor.end();
    EXPECT_EQ(imagem->bitmap, esperada);
    EXPECT_EQ(imagem->corFundo, QColor(Qt::white));
}

// The pictures are decoded by Qt's own PNG reader, without its plugins; the
// theme names its pictures by resource path.
TEST(Inicio, EveryPictureOfTheHomeScreenAndOfTheThemeIsDecoded) {
    TJanelaTeste janela;
    EXPECT_EQ(janela->Image1->pixmap().size(), QImage(QStringLiteral(":/MARCA")).size());
    for (const QAbstractButton* botao : std::initializer_list<const QAbstractButton*>{
             janela->btnConfig, janela->btnKestrum, janela->btnYouTube})
        EXPECT_FALSE(botao->icon().isNull()) << botao->objectName().toStdString();
    ASSERT_EQ(janela->bannersOriginais.size(), 4);
    for (const QImage& logo : janela->bannersOriginais)
        EXPECT_FALSE(logo.isNull());

    const QString tema = QString::fromUtf8(Recursos::ler(QStringLiteral("TEMA_TABLET_LIGHT")));
    int figuras = 0;
    for (const QRegularExpressionMatch& url :
         QRegularExpression(QStringLiteral(R"(url\((:/[^)]+)\))")).globalMatch(tema)) {
        ++figuras;
        EXPECT_FALSE(QImage(url.captured(1)).isNull()) << url.captured(1).toStdString();
    }
    EXPECT_EQ(figuras, 2);
}

TEST(Inicio, FirstFrameMarkComesOnceAfterTheWindowIsPainted) {
    class TJanelaContada : public QWidget {
    public:
        int pinturas = 0;

    protected:
        void paintEvent(QPaintEvent*) override { ++pinturas; }
    };
    TJanelaContada janela;
    janela.resize(200, 100);
    const qint64 antes = std::chrono::steady_clock::now().time_since_epoch() / std::chrono::nanoseconds(1);
    QList<std::pair<qint64, int>> marcas; // the clock given, and the paints done by then
    new TMarcaPrimeiroQuadro(&janela, [&](qint64 ns) { marcas.append({ns, janela.pinturas}); });
    janela.show();
    ASSERT_TRUE(QTest::qWaitFor([&marcas] { return !marcas.isEmpty(); }));
    EXPECT_GE(marcas[0].first, antes);
    EXPECT_GE(marcas[0].second, 1);

    janela.hide();
    janela.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&janela));
    QCoreApplication::processEvents();
    EXPECT_EQ(marcas.size(), 1);
}
