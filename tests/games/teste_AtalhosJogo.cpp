// A game screen takes a browser's keys before the movie, its header works by
// keyboard, and the warning over it keeps every key from the game.
#include "games/unit_frameVelmora.h"
#include "linkguard/unit_VigiaLinks.h"
#include "linkguard/unit_frameProtetor.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

namespace {

// Counts the keys that reach a widget.
class TContadorTeclas : public QObject {
public:
    int teclas = 0;

protected:
    bool eventFilter(QObject*, QEvent* evento) override {
        if (evento->type() == QEvent::KeyPress || evento->type() == QEvent::KeyRelease ||
            evento->type() == QEvent::ShortcutOverride)
            ++teclas;
        return false;
    }
};

class AtalhosJogo : public TAmbienteJogos {
protected:
    TFlashPlayerFalso* player = nullptr;
    TframeVelmora* tela = nullptr;

    void SetUp() override {
        TAmbienteJogos::SetUp();
        player = abrirPronto(0);
        tela = principal->frameVelmora;
        ASSERT_TRUE(player->Focused());
    }
    static QWidget* foco() { return QApplication::focusWidget(); }
    void reativar() {
        principal->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(principal.get()));
        player->SetFocus();
    }
    static void teclar(Qt::Key tecla, Qt::KeyboardModifiers modificadores = Qt::NoModifier) {
        QTest::keyClick(foco(), tecla, modificadores);
    }
};

TEST_F(AtalhosJogo, AGameOpenedTakesTheKeyboard) {
    EXPECT_EQ(foco(), player);
}

TEST_F(AtalhosJogo, AltLeftGoesHomeAndCtrlWAsksToClose) {
    teclar(Qt::Key_W, Qt::ControlModifier);
    ASSERT_EQ(teste.mensagens->mostradas.size(), 1);
    EXPECT_EQ(teste.mensagens->mostradas[0].texto, principal->idioma->get("frameVelmora.confirmarFechar"));
    EXPECT_NE(principal->frameVelmora, nullptr);

    teclar(Qt::Key_Left, Qt::AltModifier);
    EXPECT_TRUE(principal->timerMostrarHome->isActive());
    concluirTransicoes();
    EXPECT_TRUE(tela->isHidden());
    EXPECT_EQ(foco(), principal->logoVelmora);
}

TEST_F(AtalhosJogo, F11SwitchesFullScreenAndEscLeavesIt) {
    teclar(Qt::Key_F11);
    EXPECT_TRUE(principal->emFullscreen());
    // Changing the border made a new native window: it is activated again.
    reativar();
    teclar(Qt::Key_Escape);
    EXPECT_FALSE(principal->emFullscreen());
    reativar();
    // Out of full screen, Esc is the movie's.
    TContadorTeclas contador;
    player->installEventFilter(&contador);
    teclar(Qt::Key_Escape);
    EXPECT_GT(contador.teclas, 0);
    EXPECT_FALSE(principal->emFullscreen());
}

// F6 (or Tab out of the movie) brings the header up with the keyboard in it;
// Esc gives the keyboard back to the movie and the header goes.
TEST_F(AtalhosJogo, TheHeaderShowsWhileItHoldsTheFocus) {
    tela->TimerCabecalhoTimer();
    ASSERT_TRUE(tela->Cabecalho->isHidden());
    teclar(Qt::Key_F6);
    EXPECT_EQ(foco(), tela->btnVoltar);
    tela->TimerCabecalhoTimer();
    EXPECT_TRUE(tela->Cabecalho->isVisible());
    // Tab goes along the header and back into the movie.
    const QList<QWidget*> esperados{tela->Image3, tela->btnDesempenho, tela->btnFechar, player};
    for (QWidget* esperado : esperados) {
        teclar(Qt::Key_Tab);
        EXPECT_EQ(foco(), esperado) << foco()->objectName().toStdString();
    }
    tela->TimerCabecalhoTimer();
    EXPECT_TRUE(tela->Cabecalho->isHidden());

    teclar(Qt::Key_Tab);
    EXPECT_EQ(foco(), tela->btnVoltar);
    tela->TimerCabecalhoTimer();
    EXPECT_TRUE(tela->Cabecalho->isVisible());
    teclar(Qt::Key_Escape);
    EXPECT_EQ(foco(), player);
    tela->TimerCabecalhoTimer();
    EXPECT_TRUE(tela->Cabecalho->isHidden());
}

TEST_F(AtalhosJogo, ThePerformancePanelWorksByKeyboard) {
    tela->btnDesempenho->setFocus(Qt::TabFocusReason);
    teclar(Qt::Key_Return);
    ASSERT_TRUE(tela->painelDesempenho->isVisible());
    EXPECT_EQ(foco(), tela->opcoesRender);
    teclar(Qt::Key_Escape);
    EXPECT_TRUE(tela->painelDesempenho->isHidden());
    EXPECT_EQ(foco(), player);
}

// The warning takes the keyboard at once: a key sent to the game's player
// while it shows never reaches it, Tab stays on the warning, and its back
// button (Esc) gives the keyboard back to the game.
TEST_F(AtalhosJogo, TheWarningTakesTheKeyboardFromTheGame) {
    TContadorTeclas contador;
    player->installEventFilter(&contador);
    principal->listaBadURLs = {QStringLiteral("ruim")};
    teste.areaTransferencia->copiar(QStringLiteral("http://ruim.com"));
    principal->vigiaLinks->timerAreaTransferenciaTimer(); // the burst ends
    TframeProtetor* aviso = principal->frameProtetor();
    ASSERT_TRUE(aviso->isVisible());
    EXPECT_EQ(foco(), aviso->btnVoltar);

    for (Qt::Key tecla : {Qt::Key_A, Qt::Key_Return, Qt::Key_Space, Qt::Key_F11})
        QTest::keyClick(player, tecla);
    // Even a player that takes the focus back gets no key: the warning takes it again.
    player->SetFocus();
    QTest::keyClick(player, Qt::Key_B);
    EXPECT_EQ(contador.teclas, 0);
    EXPECT_FALSE(principal->emFullscreen());
    EXPECT_TRUE(aviso->isAncestorOf(foco()));

    for (int i = 0; i < 10; ++i) {
        teclar(Qt::Key_Tab);
        EXPECT_TRUE(aviso->isAncestorOf(foco())) << foco()->objectName().toStdString();
    }

    teclar(Qt::Key_Escape);
    concluirTransicoes();
    EXPECT_TRUE(principal->painelQuillet->isHidden());
    EXPECT_EQ(foco(), player);
    QTest::keyClick(player, Qt::Key_A);
    EXPECT_GT(contador.teclas, 0);
}

} // namespace
