#include "core/unit_ArquivoConfig.h"
#include "core/unit_Constantes.h"
#include "games/unit_frameErroFlash.h"
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Painel.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

using CicloJogos = TAmbienteJogos;

TEST_F(CicloJogos, VoltarEReabrirMostraOMesmoJogoComFoco) {
    clicarTile(0);
    TframeVelmora* tela = principal->frameVelmora;
    ASSERT_NE(tela, nullptr);
    EXPECT_TRUE(tela->isHidden());
    EXPECT_EQ(principal->painelJogo->caption(),
              principal->idioma->get(QStringLiteral("frameVelmora.textoConectando")));
    TFlashPlayerFalso* player = fabrica->criados.last();
    player->mudarEstado(3);
    EXPECT_TRUE(tela->isHidden());
    player->mudarEstado(4);
    EXPECT_FALSE(tela->isHidden());

    voltar(tela);
    EXPECT_TRUE(tela->isHidden());
    EXPECT_TRUE(principal->painelJogo->isHidden());
    clicarTile(0);
    EXPECT_EQ(principal->frameVelmora, tela);
    EXPECT_EQ(fabrica->criados.size(), 1);
    EXPECT_EQ(player->movies.size(), 1);
    EXPECT_TRUE(tela->isVisible());
    EXPECT_TRUE(player->Focused());
}

TEST_F(CicloJogos, FecharSoComSimEReabrirConstroiDeNovo) {
    textosDasListas();
    abrirPronto(0);
    TframeVelmora* tela = principal->frameVelmora;
    tela->btnFecharClick(); // answered No
    EXPECT_FALSE(principal->timerMostrarHome->isActive());
    EXPECT_EQ(teste.mensagens->mostradas.last().texto, QStringLiteral("Close Velmora?"));

    teste.mensagens->respostas.push_back(true);
    tela->btnFecharClick();
    concluirTransicoes();
    EXPECT_EQ(principal->frameVelmora, nullptr);
    EXPECT_TRUE(fabrica->criados[0].isNull());
    for (const TIdiomaControl& entrada : std::as_const(principal->idioma->listaControls))
        EXPECT_FALSE(entrada.control.isNull());

    // A rebuilt screen speaks the current language as well.
    textos({QStringLiteral("frameVelmora.btnVoltar=< Home")});
    TFlashPlayerFalso* novo = abrirPronto(0);
    EXPECT_EQ(fabrica->criados.size(), 2);
    EXPECT_EQ(novo->movies.size(), 1);
    EXPECT_EQ(principal->frameVelmora->btnVoltar->text(), QStringLiteral("< Home"));
}

TEST_F(CicloJogos, OutrosJogosConvivemEFechamUmDeCadaVez) {
    textosDasListas();
    abrirPronto(1);
    voltar(principal->framesOutroJogo[0]);
    abrirPronto(2);
    TframeOutroJogo* kraddle = principal->framesOutroJogo[0];
    TframeOutroJogo* gumbrel = principal->framesOutroJogo[1];
    EXPECT_EQ(kraddle->objectName(), QStringLiteral("frameOutroJogo_0"));
    EXPECT_EQ(gumbrel->objectName(), QStringLiteral("frameOutroJogo_1"));
    EXPECT_EQ(kraddle->parentWidget(), principal->painelJogo);
    EXPECT_TRUE(kraddle->isHidden());
    EXPECT_FALSE(gumbrel->isHidden());

    teste.mensagens->respostas.push_back(true);
    gumbrel->btnFecharClick();
    EXPECT_EQ(teste.mensagens->mostradas.last().texto, QStringLiteral("Close Gumbrel?"));
    EXPECT_EQ(principal->fechandoJogo, 1);
    concluirTransicoes();
    EXPECT_EQ(principal->framesOutroJogo[1], nullptr);
    EXPECT_EQ(principal->framesOutroJogo[0], kraddle);
    EXPECT_EQ(principal->fechandoJogo, -1);
    EXPECT_FALSE(fabrica->criados[0].isNull());
}

class SemPlayer : public TAmbienteJogos {
protected:
    void SetUp() override {
        teste.servicos.fabricaPlayer = std::make_unique<TFabricaPlayerAusente>();
        montar();
    }
};

TEST_F(SemPlayer, NenhumaTelaFicaEOErroAparece) {
    textos({QStringLiteral("frameErroFlash.textoErroMotor=%s")});
    for (int tile : {0, 2}) {
        clicarTile(tile);
        EXPECT_EQ(principal->frameVelmora, nullptr);
        EXPECT_EQ(principal->framesOutroJogo[1], nullptr);
        EXPECT_TRUE(principal->painelJogo->findChildren<TframeJogo*>().isEmpty());
        EXPECT_FALSE(principal->frameErroFlash()->isHidden());
        EXPECT_EQ(principal->frameErroFlash()->textoErro->text(), QStringLiteral("Class not registered"));
        EXPECT_FALSE(principal->painelQuillet->isHidden());
    }
}

// The filter as the application sees it: an event sent to any widget passes it first.
class FiltroMensagens : public TAmbienteJogos {
protected:
    TFlashPlayerFalso* player = nullptr;

    void SetUp() override {
        TAmbienteJogos::SetUp();
        player = abrirPronto(0);
        player->SetFocus();
        ASSERT_TRUE(player->Focused());
    }
    bool descartado(QEvent::Type tipo, Qt::MouseButton botao = Qt::RightButton) {
        QMouseEvent evento(tipo, QPointF(5, 5), QPointF(5, 5), botao, botao, Qt::NoModifier);
        return principal->ApplicationEvents1Message(principal->btnConfig, &evento);
    }
};

TEST_F(FiltroMensagens, SoOPressionarDoBotaoDireitoEDescartado) {
    EXPECT_TRUE(descartado(QEvent::MouseButtonPress));
    EXPECT_FALSE(descartado(QEvent::MouseButtonRelease));
    EXPECT_FALSE(descartado(QEvent::MouseButtonDblClick));
    EXPECT_FALSE(descartado(QEvent::MouseButtonPress, Qt::LeftButton));
    QContextMenuEvent tecla(QContextMenuEvent::Keyboard, QPoint(5, 5), QPoint(5, 5));
    EXPECT_FALSE(principal->ApplicationEvents1Message(player, &tecla));

    // Through the application: the press never reaches the home button.
    bool chegou = false;
    QObject::connect(principal->btnConfig, &QPushButton::pressed, principal.get(),
                     [&chegou] { chegou = true; });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(principal->btnConfig, &press);
    EXPECT_FALSE(chegou);
}

TEST_F(FiltroMensagens, MenuPermitidoOuJogoEscondidoDeixamPassar) {
    principal->config->WriteBool(Constantes::secao, QStringLiteral("menuCtx"), true);
    EXPECT_FALSE(descartado(QEvent::MouseButtonPress));
    principal->config->WriteBool(Constantes::secao, QStringLiteral("menuCtx"), false);

    // Covered by the program's own panel, the game keeps its flag and its focus.
    principal->painelQuillet->raise();
    EXPECT_TRUE(descartado(QEvent::MouseButtonPress));

    voltar(principal->frameVelmora);
    abrirPronto(1);
    principal->framesOutroJogo[0]->Flash->SetFocus();
    EXPECT_TRUE(descartado(QEvent::MouseButtonPress));
    voltar(principal->framesOutroJogo[0]);
    EXPECT_FALSE(descartado(QEvent::MouseButtonPress));
}
