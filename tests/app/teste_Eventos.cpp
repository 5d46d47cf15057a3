#include "core/unit_Erros.h"
#include "core/unit_TratadorErros.h"
#include "games/unit_frameErroFlash.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"
#include "ui/unit_RotuloClicavel.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(Fechamento, NoKeepsTheWindowYesClosesIt) {
    TJanelaTeste janela;
    Q_EMIT janela->logoVelmora->MouseEnter(); // a tile fading when the window is closed
    EXPECT_FALSE(janela->close());
    ASSERT_EQ(janela.mensagens->mostradas.size(), 1);
    EXPECT_EQ(janela.mensagens->mostradas[0].tipo, QStringLiteral("pergunta"));
    EXPECT_EQ(janela.mensagens->mostradas[0].texto, QStringLiteral("Deseja mesmo fechar o Quillet?"));
    EXPECT_TRUE(janela->isVisible());
    EXPECT_TRUE(janela->AnimLogo->isActive());

    janela.mensagens->respostas.push_back(true);
    EXPECT_TRUE(janela->close());
    EXPECT_FALSE(janela->AnimLogo->isActive());
}

TEST(ErroAplicacao, OleSystemErrorShowsTheErrorScreenWithTheTrimmedText) {
    TJanelaTeste janela;
    TratadorErros::tratar(EOleSysError(QStringLiteral(" \r\nClass not registered\r\n ")));
    EXPECT_TRUE(janela->frameErroFlash()->isVisible());
    // It names what is missing here, the SWF engine, not the design's ActiveX control.
    const QString texto = janela->frameErroFlash()->textoErro->text();
    EXPECT_TRUE(texto.startsWith(
        QStringLiteral("Falha ao tentar iniciar o player de jogos: Class not registered.\r\n")))
        << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("libquillet_player_ruffle.so")));
    EXPECT_FALSE(texto.contains(QStringLiteral("ActiveX")));
    EXPECT_EQ(janela->frameErroFlash()->textoTitulo->text(), QStringLiteral("Erro no player de jogos"));
    janela.concluirTransicoes();
    EXPECT_EQ(janela->painelQuillet->geometry(), janela->rect());
    EXPECT_TRUE(janela->painelHome->isHidden());
    EXPECT_TRUE(janela->painelJogo->isHidden());
    EXPECT_TRUE(janela.mensagens->mostradas.isEmpty());
}

TEST(ErroAplicacao, OtherErrorsChangeNothing) {
    TJanelaTeste janela;
    TratadorErros::tratar(EConversao(QStringLiteral("'abc' is not a valid integer value")));
    TratadorErros::tratar(std::runtime_error("boom"));
    EXPECT_TRUE(janela->frameErroFlash()->isHidden());
    EXPECT_FALSE(janela->timermostrarQuillet->isActive());
    EXPECT_TRUE(janela->painelHome->isVisible());
    EXPECT_TRUE(janela.mensagens->mostradas.isEmpty());
}

TEST(ErroAplicacao, ExceptionLeavingATimerTickReachesTheHandler) {
    TJanelaTeste janela;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &timer,
                     [] { throw EOleSysError(QStringLiteral("Class not registered")); });
    timer.start(0);
    ASSERT_TRUE(QTest::qWaitFor([&janela] { return janela->frameErroFlash()->isVisible(); }));
}

TEST(ErroAplicacao, HelpLinkOpensTheHelpPage) {
    TJanelaTeste janela;
    TratadorErros::tratar(EOleSysError(QStringLiteral("Class not registered")));
    janela.concluirTransicoes();
    QTest::mouseClick(janela->frameErroFlash()->Label1, Qt::LeftButton);
    EXPECT_EQ(janela.shell->abertos, QStringList{janela->servicos.enderecos.ajudaFlash});
    EXPECT_TRUE(janela->frameErroFlash()->isVisible());
}
