#include "platform/unit_CaixasMensagemQt.h"
#include "tests/support/unit_Impressao.h"
#include "tests/support/unit_VigiaCaixa.h"

#include <gtest/gtest.h>

// Text that looks like markup (nested tables would hold the layout for
// minutes) is shown exactly as it is.
TEST(CaixasMensagemQt, TextoMostradoComoTextoSimples) {
    const QString texto = QStringLiteral("Quillet (<table><tr><td><b>7.0</b>) est\u00E1 dispon\u00EDvel");
    const auto vigia = vigiarCaixa([&](QMessageBox* caixa) {
        EXPECT_EQ(caixa->textFormat(), Qt::PlainText);
        EXPECT_EQ(caixa->text(), texto);
        caixa->done(QMessageBox::No);
    });
    EXPECT_FALSE(TCaixasMensagemQt().perguntarInformando(texto));
}
