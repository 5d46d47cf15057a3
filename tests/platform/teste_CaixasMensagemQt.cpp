#include "platform/unit_CaixasMensagemQt.h"
#include "tests/support/unit_Impressao.h"
#include "tests/support/unit_VigiaCaixa.h"

#include <QAbstractButton>
#include <QTest>
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

// The terms' question: Esc and the window's close button answer neither Yes
// nor No; the close question takes them for No.
TEST(CaixasMensagemQt, EscNaPerguntaDosTermosNaoEResposta) {
    using TResposta = TCaixasMensagem::TResposta;
    TCaixasMensagemQt caixas;
    const auto teclar = [](Qt::Key tecla) {
        return vigiarCaixa([tecla](QMessageBox* caixa) { QTest::keyClick(caixa, tecla); });
    };
    {
        const auto vigia = teclar(Qt::Key_Escape);
        EXPECT_EQ(caixas.perguntarOuFechar(QStringLiteral("Termos")), TResposta::nenhuma);
    }
    {
        const auto vigia = vigiarCaixa([](QMessageBox* caixa) { caixa->close(); });
        EXPECT_EQ(caixas.perguntarOuFechar(QStringLiteral("Termos")), TResposta::nenhuma);
    }
    {
        const auto vigia = vigiarCaixa([](QMessageBox* caixa) {
            EXPECT_TRUE(caixa->button(QMessageBox::Cancel)->isHidden());
            caixa->button(QMessageBox::No)->click();
        });
        EXPECT_EQ(caixas.perguntarOuFechar(QStringLiteral("Termos")), TResposta::nao);
    }
    {
        const auto vigia = vigiarCaixa([](QMessageBox* caixa) { caixa->button(QMessageBox::Yes)->click(); });
        EXPECT_EQ(caixas.perguntarOuFechar(QStringLiteral("Termos")), TResposta::sim);
    }
    {
        const auto vigia = teclar(Qt::Key_Escape);
        EXPECT_FALSE(caixas.perguntar(QStringLiteral("Fechar?")));
    }
}
