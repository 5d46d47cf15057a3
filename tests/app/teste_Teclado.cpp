// The keyboard on the program's own screens: Tab goes round the screen in
// front, Enter and Space act, Esc goes back; the warning takes it at once.
#include "games/unit_frameOutroJogo.h"
#include "linkguard/unit_frameProtetor.h"
#include "settings/unit_frameConfig.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"
#include "ui/unit_RotuloClicavel.h"
#include "ui/unit_TeclaAcionar.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class Teclado : public ::testing::Test {
protected:
    TJanelaTeste janela;

    void SetUp() override {
        janela->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(janela.principal.get()));
    }
    static QWidget* foco() { return QApplication::focusWidget(); }
    static void teclar(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier) {
        QTest::keyClick(foco(), tecla, modificadores);
    }
    // The widgets Tab visits from the focus, `vezes` presses, in order.
    static QList<QWidget*> percorrer(int vezes, Qt::Key tecla = Qt::Key_Tab) {
        QList<QWidget*> visitados;
        for (int i = 0; i < vezes; ++i) {
            teclar(tecla);
            visitados.append(foco());
        }
        return visitados;
    }
};

TEST_F(Teclado, TilesTakeTheFocusInReadingOrder) {
    TPrincipal* p = janela.principal.get();
    p->logoVelmora->setFocus(Qt::TabFocusReason);
    const QList<QWidget*> esperados{p->logoKraddle, p->btnKestrum, p->btnConfig,   p->btnYouTube,
                                    p->logoGumbrel, p->logoLurrow, p->textoVersao, p->logoVelmora};
    EXPECT_EQ(percorrer(esperados.size()), esperados);
    // Backwards as well.
    EXPECT_EQ(percorrer(2, Qt::Key_Backtab), (QList<QWidget*>{p->textoVersao, p->logoLurrow}));
}

// The ring shows for the keyboard, not for the mouse's click.
TEST_F(Teclado, TheFocusRingShowsForTheKeyboardOnly) {
    TPrincipal* p = janela.principal.get();
    p->logoVelmora->setFocus(Qt::TabFocusReason);
    teclar(Qt::Key_Tab);
    EXPECT_TRUE(TTeclaAcionar::focoVisivel(p->logoKraddle));
    EXPECT_FALSE(TTeclaAcionar::focoVisivel(p->logoVelmora));
    p->logoGumbrel->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(TTeclaAcionar::focoVisivel(p->logoGumbrel));
}

TEST_F(Teclado, EnterAndSpaceOnATileOpenTheGame) {
    TPrincipal* p = janela.principal.get();
    p->logoKraddle->setFocus(Qt::TabFocusReason);
    teclar(Qt::Key_Return);
    EXPECT_TRUE(p->timerOcultarHome->isActive());
    janela.concluirTransicoes();
    ASSERT_NE(p->framesOutroJogo[0], nullptr);

    // Back home, the tile of the game left holds the focus again.
    p->framesOutroJogo[0]->btnVoltarClick();
    janela.concluirTransicoes();
    EXPECT_EQ(foco(), p->logoKraddle);

    p->logoLurrow->setFocus(Qt::TabFocusReason);
    teclar(Qt::Key_Space);
    janela.concluirTransicoes();
    EXPECT_NE(p->framesOutroJogo[2], nullptr);
}

TEST_F(Teclado, LinkButtonsTakeEnter) {
    janela->btnKestrum->setFocus(Qt::TabFocusReason);
    teclar(Qt::Key_Return);
    teclar(Qt::Key_Tab);
    teclar(Qt::Key_Tab);
    teclar(Qt::Key_Enter);
    EXPECT_EQ(janela.shell->abertos,
              QStringList({janela->servicos.enderecos.portal, janela->servicos.enderecos.canalVideos}));
}

// The settings screen keeps Tab to itself, acts on Enter, and Esc is its back.
TEST_F(Teclado, TheSettingsScreenWorksByKeyboard) {
    TPrincipal* p = janela.principal.get();
    p->btnConfig->setFocus(Qt::TabFocusReason);
    teclar(Qt::Key_Return);
    janela.concluirTransicoes();
    TframeConfig* tela = p->frameConfig();
    EXPECT_EQ(foco(), tela->btnVoltar);

    const QList<QWidget*> visitados = percorrer(40);
    for (QWidget* widget : visitados)
        EXPECT_TRUE(tela->isAncestorOf(widget)) << widget->objectName().toStdString();
    for (QWidget* controle : std::initializer_list<QWidget*>{
             tela->textoContrato, tela->opcoesRender, tela->opcoesQualidade, tela->checkNoOffset,
             tela->checkAnim, tela->checkVLinks, tela->checkSala, tela->checkMenuCtx, tela->selectIdioma,
             tela->btnVoltar})
        EXPECT_TRUE(visitados.contains(controle)) << controle->objectName().toStdString();

    // Enter on the terms' link opens them (and Esc there changes nothing); Space ticks a box.
    janela.mensagens->respostas = {std::nullopt};
    tela->textoContrato->setFocus(Qt::TabFocusReason);
    teclar(Qt::Key_Return);
    ASSERT_EQ(janela.mensagens->mostradas.size(), 1);
    EXPECT_TRUE(
        janela.mensagens->mostradas[0].texto.startsWith(QStringLiteral("Contrato de Licença de Uso")));
    EXPECT_EQ(janela.encerramento->vezes, 0);
    tela->checkAnim->setFocus(Qt::TabFocusReason);
    teclar(Qt::Key_Space);
    EXPECT_FALSE(tela->checkAnim->isChecked());

    teclar(Qt::Key_Escape);
    EXPECT_TRUE(p->timerOcultarQuillet->isActive());
    janela.concluirTransicoes();
    EXPECT_TRUE(p->painelQuillet->isHidden());
    EXPECT_EQ(foco(), p->btnConfig);
}

} // namespace
