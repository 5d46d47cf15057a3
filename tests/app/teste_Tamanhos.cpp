// The window's least size, at which the home screen still shows everything,
// and its icon.
#include "tests/support/unit_Janela.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// A widget's rectangle in the home panel's coordinates.
QRect naHome(const TPrincipal& janela, const QWidget* widget) {
    return QRect(widget->mapTo(janela.painelHome, QPoint(0, 0)), widget->size());
}

// Where the tile's logo is drawn, in the home panel's coordinates.
QRect logo(const TPrincipal& janela, int indice) {
    const TImagem* imagem = janela.bannersJogos[indice];
    const QSize tamanho = janela.bannersOriginais[indice].deviceIndependentSize().toSize();
    const QPoint canto(imagem->width() / 2 - tamanho.width() / 2,
                       imagem->height() / 2 - tamanho.height() / 2);
    return QRect(imagem->mapTo(janela.painelHome, canto), tamanho);
}

void verificarHomeInteira(const TPrincipal& janela) {
    const QRect home = janela.painelHome->rect();
    const std::array<const TPainel*, 4> tiles{janela.painelLogoVlm, janela.painelLogoKrd,
                                              janela.painelLogoGumbrel, janela.painelLogoLurr};
    const std::array<const QWidget*, 4> outros{janela.btnKestrum, janela.btnConfig, janela.btnYouTube,
                                               janela.textoVersao};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(tiles[i]->objectName().toStdString());
        EXPECT_TRUE(home.contains(naHome(janela, tiles[i])));
        // Each logo shows whole: inside its tile, under no other tile.
        EXPECT_TRUE(naHome(janela, tiles[i]).contains(logo(janela, i)));
        for (const TPainel* outro : tiles) {
            if (outro != tiles[i]) {
                EXPECT_FALSE(naHome(janela, outro).intersects(logo(janela, i)))
                    << outro->objectName().toStdString();
            }
        }
        for (const QWidget* outro : outros)
            EXPECT_FALSE(naHome(janela, outro).intersects(naHome(janela, tiles[i])))
                << outro->objectName().toStdString();
    }
    for (const QWidget* widget : outros) {
        SCOPED_TRACE(widget->objectName().toStdString());
        EXPECT_TRUE(home.contains(naHome(janela, widget)));
        for (const QWidget* outro : outros) {
            if (outro != widget) {
                EXPECT_FALSE(naHome(janela, outro).intersects(naHome(janela, widget)))
                    << outro->objectName().toStdString();
            }
        }
    }
    // The header and its wordmark.
    EXPECT_TRUE(naHome(janela, janela.Image1).intersects(home));
    EXPECT_LE(naHome(janela, janela.Image1).bottom(), 70);
}

TEST(Tamanhos, AtTheLeastSizeNothingOverlapsOrVanishesInEitherLanguage) {
    for (const char* idioma : {"PT", "EN"}) {
        SCOPED_TRACE(idioma);
        TJanelaTeste janela(QStringLiteral("[Quillet]\r\nprimeiroUso=0\r\nidioma=%1\r\n").arg(idioma));
        janela->resize(400, 300);
        EXPECT_EQ(janela->size(), janela->minimumSize());
        verificarHomeInteira(*janela.principal);
        // Wider or taller only adds room.
        for (const QSize tamanho : {QSize(561, 521), QSize(840, 626), QSize(1920, 1080), QSize(560, 1080)}) {
            SCOPED_TRACE(tamanho.width());
            janela->resize(tamanho);
            verificarHomeInteira(*janela.principal);
        }
    }
}

// Not much less room in either direction would do: the least size is the
// layout's own, with a margin for fonts a little wider than these.
TEST(Tamanhos, TheLeastSizeIsTheLayoutsOwn) {
    TJanelaTeste janela(QStringLiteral("[Quillet]\r\nprimeiroUso=0\r\nidioma=EN\r\n"));
    const QSize minimo = janela->minimumSize();
    janela->setMinimumSize(0, 0);
    for (const QSize menor : {minimo - QSize(40, 0), minimo - QSize(0, 40)}) {
        janela->resize(menor);
        ::testing::TestPartResultArray falhas;
        {
            ::testing::ScopedFakeTestPartResultReporter reporter(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &falhas);
            verificarHomeInteira(*janela.principal);
        }
        EXPECT_GT(falhas.size(), 0) << menor.width() << "x" << menor.height() << " has room to spare";
    }
}

TEST(Tamanhos, TheWindowHasTheProgramsIcon) {
    TJanelaTeste janela;
    const QIcon icone = janela->windowIcon();
    ASSERT_FALSE(icone.isNull());
    EXPECT_TRUE(icone.availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(icone.availableSizes().contains(QSize(48, 48)));
    EXPECT_TRUE(icone.availableSizes().contains(QSize(128, 128)));
}

} // namespace
