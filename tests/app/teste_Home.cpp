#include "tests/support/unit_Janela.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QColor branco(255, 255, 255);
const QColor cinzaHover(235, 235, 235);
const QColor pressionado(210, 210, 220);

void ticar(TJanelaTeste& janela, int vezes) {
    for (int i = 0; i < vezes; ++i)
        janela->AnimLogoTimer();
}

QColor corDoBitmap(const TImagem* imagem) {
    return imagem->bitmap.pixelColor(0, 0);
}

} // namespace

TEST(Home, LayoutAtTheDesignSize) {
    TJanelaTeste janela;
    ASSERT_EQ(janela->size(), QSize(840, 626));
    for (const TPainel* tile :
         {janela->painelLogoVlm, janela->painelLogoKrd, janela->painelLogoGumbrel, janela->painelLogoLurr})
        EXPECT_EQ(tile->width(), 418) << tile->objectName().toStdString();
    EXPECT_EQ(janela->painelLogoKrd->x(), 406);
    EXPECT_EQ(janela->painelLogoLurr->x(), 406);
    EXPECT_EQ(janela->painelLogoVlm->pos(), QPoint(16, 91));
    // Above the about text, whose height follows its lines.
    const int topoBaixo = 626 - 114 - 16 - (janela->textoVersao->height() + 3);
    EXPECT_EQ(janela->painelLogoGumbrel->pos(), QPoint(16, topoBaixo));
    EXPECT_EQ(janela->painelLogoLurr->y(), topoBaixo);
    EXPECT_EQ(janela->btnConfig->pos(), QPoint(340, 293));
    EXPECT_EQ(janela->btnKestrum->pos(), QPoint(18, 277));
    EXPECT_EQ(janela->btnYouTube->pos(), QPoint(652, 277));
    // Tile pictures follow the new size.
    EXPECT_EQ(janela->logoVelmora->bitmap.size(), janela->logoVelmora->size());
    EXPECT_EQ(janela->logoVelmora->width(), 414);
}

// At the design size, with the fonts a Linux desktop has in place of the
// design's (Carlito, when installed, for Segoe UI): every line of the about
// text shows, nothing scrolls, and the bottom tiles stay clear of it.
TEST(Home, AboutTextShowsWholeInBothLanguages) {
    for (const char* idioma : {"PT", "EN"}) {
        SCOPED_TRACE(idioma);
        TJanelaTeste janela(QStringLiteral("[Quillet]\r\nprimeiroUso=0\r\nidioma=%1\r\n").arg(idioma));
        QPlainTextEdit* sobre = janela->textoVersao;
        QApplication::processEvents();
        if (QFontDatabase::families().contains(QStringLiteral("Carlito"))) {
            EXPECT_EQ(QFontInfo(sobre->font()).family(), QStringLiteral("Carlito"));
        }
        EXPECT_GE(sobre->toPlainText().count(QLatin1Char('\n')), 1);
        EXPECT_GE(sobre->height(), 39);
        EXPECT_EQ(sobre->verticalScrollBar()->maximum(), 0);
        EXPECT_FALSE(sobre->verticalScrollBar()->isVisible());
        EXPECT_EQ(sobre->geometry().bottom(), 626 - 3 - 1);
        EXPECT_LT(janela->painelLogoGumbrel->geometry().bottom(), sobre->y());
        EXPECT_EQ(janela->painelLogoGumbrel->y(), janela->painelLogoLurr->y());
    }
}

// A text far longer than the screen (an update notice with a long address
// from the network) takes at most a third of it, and scrolls.
TEST(Home, AnEndlessAboutTextScrollsInAThirdOfTheScreen) {
    TJanelaTeste janela;
    QPlainTextEdit* sobre = janela->textoVersao;
    Componentes::escreverMemo(sobre, QStringLiteral("http://x/").repeated(2000));
    QApplication::processEvents();
    EXPECT_EQ(sobre->height(), janela->painelHome->height() / 3);
    EXPECT_GT(sobre->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(sobre->verticalScrollBar()->isVisible());
    EXPECT_LT(janela->painelLogoGumbrel->geometry().bottom(), sobre->y());
    Componentes::escreverMemo(sobre, QStringLiteral("curto"));
    EXPECT_EQ(sobre->height(), 39);
}

TEST(Home, HoverDarkensInTwentyTicksAndLightensBackInTwenty) {
    TJanelaTeste janela;
    TImagem* tile = janela->logoKraddle;
    EXPECT_TRUE(tile->hint.isEmpty());
    Q_EMIT tile->MouseEnter();
    ticar(janela, 19);
    EXPECT_EQ(tile->corFundo, QColor(236, 236, 236));
    ticar(janela, 1);
    EXPECT_EQ(tile->corFundo, cinzaHover);
    EXPECT_EQ(tile->hint, QStringLiteral("0"));
    EXPECT_EQ(corDoBitmap(tile), cinzaHover);
    ticar(janela, 5);
    EXPECT_EQ(tile->corFundo, cinzaHover) << "it then stays";

    Q_EMIT tile->MouseLeave();
    ticar(janela, 20);
    EXPECT_EQ(tile->corFundo, branco);
    EXPECT_EQ(tile->hint, QStringLiteral("0"));
    EXPECT_EQ(corDoBitmap(tile), branco);
}

TEST(Home, LeavingHalfwayLightensFromTheCurrentColour) {
    TJanelaTeste janela;
    TImagem* tile = janela->logoVelmora;
    Q_EMIT tile->MouseEnter();
    ticar(janela, 10);
    Q_EMIT tile->MouseLeave();
    ticar(janela, 1);
    EXPECT_EQ(tile->corFundo, QColor(246, 246, 246));
    ticar(janela, 9);
    EXPECT_EQ(tile->corFundo, branco);
    EXPECT_EQ(tile->hint, QStringLiteral("0"));
}

TEST(Home, CrossingBetweenTwoTicksLeavesTheTileWhite) {
    TJanelaTeste janela;
    TImagem* tile = janela->logoGumbrel;
    Q_EMIT tile->MouseEnter();
    Q_EMIT tile->MouseLeave();
    ticar(janela, 1);
    EXPECT_EQ(tile->corFundo, branco);
    EXPECT_EQ(tile->hint, QStringLiteral("0"));
}

TEST(Home, PressWhileDarkeningLastsOneTick) {
    TJanelaTeste janela;
    TImagem* tile = janela->logoLurrow;
    Q_EMIT tile->MouseEnter();
    ticar(janela, 5);
    Q_EMIT tile->MouseDown(Qt::LeftButton);
    EXPECT_EQ(tile->corFundo, pressionado);
    EXPECT_EQ(corDoBitmap(tile), pressionado);
    ticar(janela, 1);
    EXPECT_EQ(tile->corFundo, cinzaHover);
    EXPECT_EQ(tile->hint, QStringLiteral("0"));
}

TEST(Home, LighteningFromThePressedColourHoldsBlueAndEndsAtTheFortyFifthTick) {
    TJanelaTeste janela;
    TImagem* tile = janela->logoVelmora;
    Q_EMIT tile->MouseEnter();
    ticar(janela, 20);
    Q_EMIT tile->MouseDown(Qt::LeftButton);
    ticar(janela, 3);
    EXPECT_EQ(tile->corFundo, pressionado) << "after darkening has ended the pressed colour stays";
    Q_EMIT tile->MouseLeave();
    ticar(janela, 35);
    EXPECT_EQ(tile->corFundo, QColor(245, 245, 255));
    ticar(janela, 9);
    EXPECT_EQ(tile->hint, QStringLiteral("2"));
    ticar(janela, 1);
    EXPECT_EQ(tile->corFundo, branco);
    EXPECT_EQ(tile->hint, QStringLiteral("0"));
}

TEST(Home, RightClickShowsThePressedColourAndOpensNothing) {
    TJanelaTeste janela;
    TImagem* tile = janela->logoVelmora;
    QTest::mousePress(tile, Qt::RightButton);
    EXPECT_EQ(tile->corFundo, pressionado);
    QTest::mouseRelease(tile, Qt::RightButton);
    EXPECT_EQ(tile->corFundo, cinzaHover);
    EXPECT_FALSE(janela->timerOcultarHome->isActive());
    EXPECT_FALSE(janela->callbackOcultarHome);
}

TEST(Home, LeftButtonReleasedOutsideStillReleasesButDoesNotOpen) {
    TJanelaTeste janela;
    TImagem* tile = janela->logoKraddle;
    QTest::mousePress(tile, Qt::LeftButton);
    QTest::mouseRelease(tile, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(tile->corFundo, cinzaHover);
    EXPECT_FALSE(janela->timerOcultarHome->isActive());
}

TEST(Home, ResizeTurnsAHoveredTileWhite) {
    TJanelaTeste janela;
    TImagem* tile = janela->logoVelmora;
    Q_EMIT tile->MouseEnter();
    ticar(janela, 20);
    janela->resize(900, 700);
    ASSERT_TRUE(QTest::qWaitFor([&janela] { return janela->painelHome->width() == 900; }));
    EXPECT_EQ(tile->corFundo, branco);
    EXPECT_EQ(corDoBitmap(tile), branco);
    ticar(janela, 5);
    EXPECT_EQ(tile->corFundo, branco) << "white until the pointer leaves and enters again";
}

TEST(Home, LinkButtonsOpenOnlyWebAddresses) {
    TJanelaTeste janela;
    janela->btnKestrum->click();
    janela->btnYouTube->click();
    EXPECT_EQ(janela.shell->abertos,
              (QStringList{janela->servicos.enderecos.portal, janela->servicos.enderecos.canalVideos}));

    janela.shell->abertos.clear();
    for (const char* recusado :
         {"file:///etc/passwd", "/usr/bin/xterm", "calc.exe", "javascript:alert(1)", "ftp://example.com/a",
          "mailto:a@example.com", "", "http://", "smb://host/x"})
        EXPECT_FALSE(janela->abrirURL(QString::fromLatin1(recusado))) << recusado;
    EXPECT_TRUE(janela.shell->abertos.isEmpty()) << janela.shell->abertos.join(u' ').toStdString();

    EXPECT_TRUE(janela->abrirURL(QStringLiteral("https://www.example.com/novo")));
    EXPECT_TRUE(janela->abrirURL(QStringLiteral("HTTP://www.example.com/")));
    EXPECT_EQ(janela.shell->abertos.size(), 2);
}

TEST(Home, TileClickSlidesHomeAwayWithTheGameAsPendingAction) {
    TJanelaTeste janela;
    QTest::mouseClick(janela->logoGumbrel, Qt::LeftButton);
    EXPECT_TRUE(janela->callbackOcultarHome);
    EXPECT_TRUE(janela->timerOcultarHome->isActive());
    EXPECT_TRUE(janela->painelJogo->isVisible());
}
