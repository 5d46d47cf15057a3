#include "games/unit_frameVelmora.h"
#include "player/unit_FabricaPlayerLinux.h"
#include "player/unit_FlashPlayerSubstituto.h"
#include "tests/games/unit_AmbienteJogos.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QString textoNoPalco(const QWidget& player, const char* nome) {
    const auto* rotulo = player.findChild<QLabel*>(QLatin1String(nome));
    return rotulo ? rotulo->text() : QString();
}

} // namespace

TEST(FlashPlayerSubstituto, CarregaPeloLacoDeEventosEPerguntaAPagina) {
    QWidget pai;
    pai.resize(1000, 700);
    TFlashPlayerSubstituto player(&pai);
    player.setAlinhado(true);
    QList<int> estados;
    QStringList pedidos;
    player.OnReadyStateChange = [&](int estado) { estados.append(estado); };
    player.OnFlashCall = [&](const QString& request) {
        pedidos.append(request);
        if (pedidos.size() == 1)
            player.SetReturnValue(QStringLiteral("<string>http://page.example/</string>"));
    };
    player.setBGColor(QStringLiteral("6A7495"));
    player.setWMode(QStringLiteral("gpu"));
    player.setQuality(3);
    player.setScale(QStringLiteral("noScale"));
    player.setMovie(QStringLiteral("http://movie.example/Loader.swf"));
    EXPECT_TRUE(estados.isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return estados.size() == 4; }));
    EXPECT_EQ(estados, QList<int>({0, 2, 3, 4}));
    EXPECT_EQ(pedidos, QStringList({pedidoEndereco, pedidoIdentidade}));

    EXPECT_EQ(player.BGColor(), QStringLiteral("6A7495"));
    EXPECT_EQ(player.WMode(), QStringLiteral("gpu"));
    EXPECT_EQ(player.Quality(), 3);
    EXPECT_TRUE(
        textoNoPalco(player, "textoFilme").contains(QStringLiteral("http://movie.example/Loader.swf")));
    EXPECT_TRUE(textoNoPalco(player, "textoRender").contains(QStringLiteral("gpu")));
    EXPECT_TRUE(textoNoPalco(player, "textoQualidade").contains(QStringLiteral("3")));
    EXPECT_TRUE(textoNoPalco(player, "textoPagina")
                    .contains(QStringLiteral("<string>http://page.example/</string>")));
    EXPECT_TRUE(textoNoPalco(player, "textoIdentidade").contains(QStringLiteral("no reply")));
    // The colour covers the whole player, also outside the 800 x 600 stage.
    EXPECT_EQ(player.grab().toImage().pixelColor(3, 3), QColor(0x6A, 0x74, 0x95));
}

class Substituto : public TAmbienteJogos {
protected:
    void SetUp() override {
        qputenv("QUILLET_PLAYER", "standin"); // where the SWF engine is installed too
        teste.servicos.fabricaPlayer = std::make_unique<TFabricaPlayerLinux>();
        montar();
    }
    void TearDown() override { qunsetenv("QUILLET_PLAYER"); }
};

TEST_F(Substituto, NoVelmoraRecebeAsRespostasDaPonteEPedeTelaCheia) {
    clicarTile(0);
    TframeVelmora* tela = principal->frameVelmora;
    ASSERT_TRUE(QTest::qWaitFor([tela] { return tela->isVisible(); }));
    TFlashPlayer* player = tela->Flash;
    EXPECT_TRUE(QTest::qWaitFor([player] {
        return textoNoPalco(*player, "textoIdentidade")
            .contains(QStringLiteral("<string>Quillet 6 (6.0.1)</string>"));
    }));
    EXPECT_TRUE(
        textoNoPalco(*player, "textoPagina")
            .contains(QStringLiteral("<string>http://www.velmora.example/?salon=*QL6 vanilla</string>")));

    auto* chat = player->findChild<QLineEdit*>(QStringLiteral("campoChat"));
    chat->setFocus();
    EXPECT_TRUE(player->Focused());
    player->findChild<QPushButton*>(QStringLiteral("btnTelaCheia"))->click();
    EXPECT_TRUE(principal->emFullscreen());
}
