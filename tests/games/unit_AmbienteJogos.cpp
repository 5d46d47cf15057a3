#include "tests/games/unit_AmbienteJogos.h"

#include "core/unit_Constantes.h"
#include "games/unit_frameJogo.h"
#include "settings/unit_ArquivoConfig.h"
#include "settings/unit_Idioma.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Imagem.h"

#include <QDir>
#include <QTest>

void TAmbienteJogos::montar() {
    QDir().mkpath(teste.pastaDados());
    TArquivoConfig(teste.pastaDados() + QStringLiteral("config.ini"))
        .WriteBool(Constantes::secao, QStringLiteral("primeiroUso"), false);
    principal = std::make_unique<TPrincipal>(std::move(teste.servicos));
    principal->show();
    principal->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(principal.get()));
}

void TAmbienteJogos::concluirTransicoes() {
    TJanelaTeste::concluirTransicoes(*principal);
}

void TAmbienteJogos::clicarTile(int indice) {
    Q_EMIT principal->bannersJogos.at(indice)->Click();
    concluirTransicoes();
}

TFlashPlayerFalso* TAmbienteJogos::abrirPronto(int indice) {
    clicarTile(indice);
    TFlashPlayerFalso* player = fabrica->criados.last();
    player->mudarEstado(4);
    return player;
}

void TAmbienteJogos::voltar(TframeJogo* tela) {
    tela->btnVoltarClick();
    concluirTransicoes();
}

void TAmbienteJogos::gravar(const QString& chave, int valor) {
    principal->config->WriteInteger(Constantes::secao, chave, valor);
}

void TAmbienteJogos::textos(const QStringList& linhas) {
    principal->idioma->lang = linhas + principal->idioma->lang;
}

void TAmbienteJogos::textosDasListas() {
    textos({QStringLiteral("frameVelmora.opcoesRender=O\\nD\\nG\\nT\\nW"),
            QStringLiteral("frameVelmora.opcoesQualidade=Low\\nHigh\\nAuto low\\nAuto high"),
            QStringLiteral("frameVelmora.confirmarFechar=Close Velmora?"),
            QStringLiteral("frameOutroJogo.confirmarFechar=Close %s?")});
}
