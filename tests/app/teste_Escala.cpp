// On a screen scaled by 1.5 or 2 (QT_SCALE_FACTOR, set for this program by
// the test command) the pictures come at the screen's pixel density.
#include "tests/support/unit_Janela.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Imagem.h"

#include <QGuiApplication>
#include <QIcon>
#include <gtest/gtest.h>

namespace {

TEST(Escala, PicturesComeAtTheScreensDensity) {
    const qreal densidade = qGuiApp->devicePixelRatio();
    ASSERT_GT(densidade, 1.0) << "run with QT_SCALE_FACTOR set";
    for (const char* recurso :
         {"LOGO_VELMORA", "LOGO_KRADDLE", "LOGO_GUMBREL", "LOGO_LURROW", "MARCA", "ENGRENAGEM24",
          "ENGRENAGEM32", "EMBLEMA", "PLAY", "GUARDA", "EXCLAMACAO", "LOGO_PROGRAMA"}) {
        SCOPED_TRACE(recurso);
        const QImage imagem = Componentes::imagem(QLatin1String(recurso));
        const QSize tamanho = QImage(QStringLiteral(":/") + QLatin1String(recurso)).size();
        EXPECT_EQ(imagem.devicePixelRatio(), densidade);
        EXPECT_EQ(imagem.deviceIndependentSize().toSize(), tamanho);
        EXPECT_EQ(imagem.size(), (QSizeF(tamanho) * densidade).toSize());
    }
    // The theme's pictures, which Qt finds by the "@2x" of their names.
    for (const char* figura : {":/SETA.PNG", ":/VISTO.PNG"}) {
        const QIcon icone{QString::fromLatin1(figura)};
        EXPECT_EQ(icone.pixmap(QSize(10, 6), 2.0).devicePixelRatio(), 2.0) << figura;
    }
}

TEST(Escala, TilesAreComposedAtTheScreensDensity) {
    const qreal densidade = qGuiApp->devicePixelRatio();
    TJanelaTeste janela;
    for (const TImagem* tile : janela->bannersJogos) {
        EXPECT_EQ(tile->bitmap.devicePixelRatio(), densidade);
        EXPECT_EQ(tile->bitmap.size(), (QSizeF(tile->size()) * densidade).toSize());
    }
    // The logo lands at its place at full density: the tile holds its pixels.
    const TImagem* velmora = janela->logoVelmora;
    const QImage& logo = janela->bannersOriginais[0];
    const QPoint canto = QPoint(velmora->width() / 2 - 109, velmora->height() / 2 - 33) * densidade;
    const QPoint meio(logo.width() / 2, logo.height() / 2);
    EXPECT_EQ(velmora->bitmap.pixelColor(canto + meio), logo.pixelColor(meio));
}

} // namespace
