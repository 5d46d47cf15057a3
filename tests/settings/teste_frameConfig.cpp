#include "app/unit_Principal.h"
#include "core/unit_ArquivoConfig.h"
#include "core/unit_Erros.h"
#include "core/unit_TratadorErros.h"
#include "games/unit_frameErroFlash.h"
#include "linkguard/unit_frameProtetor.h"
#include "settings/unit_frameConfig.h"
#include "tests/support/unit_Falsos.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Painel.h"
#include "ui/unit_RotuloClicavel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class TelaConfig : public ::testing::Test {
protected:
    TServicosTeste teste;
    QString caminho = teste.pastaDados() + "config.ini";
    std::unique_ptr<TPrincipal> principal;
    TframeConfig* tela = nullptr;

    void iniciar(const QByteArray& config) {
        if (!config.isNull()) {
            QDir().mkpath(teste.pastaDados());
            QFile arquivo(caminho);
            ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
            arquivo.write(config);
        }
        principal = std::make_unique<TPrincipal>(std::move(teste.servicos));
        principal->show();
        tela = principal->frameConfig();
    }
    QByteArray bytes() const {
        QFile arquivo(caminho);
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }
    QString lido(const char* chave) const {
        return TArquivoConfig(caminho).ReadString("Quillet", chave, "-");
    }
    // A choice of the user, as the list reports it.
    static void escolher(QComboBox* lista, int indice) {
        lista->setCurrentIndex(indice);
        Q_EMIT lista->activated(indice);
    }
};

TEST_F(TelaConfig, InglesTrocaTodosOsTextosEDesligaOVerificador) {
    iniciar("[Quillet]\r\nprimeiroUso=0\r\nwmodeFlash=3\r\nqualidadeFlash=2\r\n");
    principal->btnConfigClick();
    escolher(tela->selectIdioma, 1);
    TIdioma& idioma = *principal->idioma;
    for (const TIdiomaControl& entrada : idioma.listaControls) {
        if (auto* lista = qobject_cast<QComboBox*>(entrada.control.data())) {
            for (int i = 0; i < lista->count(); ++i)
                EXPECT_EQ(lista->itemText(i), idioma.get(entrada.nome).split("\r\n")[i]);
        } else if (entrada.control != tela->textoDescricaoVLinks) {
            EXPECT_EQ(entrada.control->property("text").toString(), idioma.get(entrada.nome))
                << entrada.nome.toStdString();
        }
    }
    EXPECT_EQ(principal->btnConfig->text(), "Configurations");
    EXPECT_EQ(principal->frameProtetor()->btnVoltar->text(), "< Home");
    // Looked-up texts follow once the event loop has told the screens.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(principal->frameErroFlash()->textoTitulo->text(), "Game player error");
    EXPECT_EQ(tela->opcoesRender->currentText(), "Transparent");
    EXPECT_EQ(tela->opcoesQualidade->currentText(), "Auto Low");
    EXPECT_FALSE(tela->checkVLinks->isChecked());
    EXPECT_FALSE(tela->checkVLinks->isEnabled());
    EXPECT_EQ(tela->textoDescricaoVLinks->text(), "Only available in portuguese.");
    // Showing the box off in English stores nothing: the choice is the user's.
    EXPECT_EQ(lido("idIdioma") + lido("idioma") + lido("ativarVerificadorLinks"), "1EN-");

    escolher(tela->selectIdioma, 0);
    EXPECT_EQ(tela->textoTitulo->text(), QStringLiteral("Configurações"));
    EXPECT_TRUE(tela->checkVLinks->isEnabled());
    EXPECT_TRUE(tela->checkVLinks->isChecked());
    EXPECT_EQ(tela->textoDescricaoVLinks->text(), idioma.get("frameConfig.textoDescricaoVLinks"));
    EXPECT_EQ(lido("idIdioma") + lido("idioma") + lido("ativarVerificadorLinks"), "0PT-");
    tela->checkVLinks->click();
    EXPECT_EQ(lido("ativarVerificadorLinks"), "0");
}

// A choice of off survives a visit to English as well.
TEST_F(TelaConfig, InglesEDepoisPortuguesMantemODesligado) {
    iniciar("[Quillet]\r\nprimeiroUso=0\r\nativarVerificadorLinks=0\r\n");
    principal->btnConfigClick();
    escolher(tela->selectIdioma, 1);
    principal->btnConfigClick();
    escolher(tela->selectIdioma, 0);
    EXPECT_EQ(lido("ativarVerificadorLinks"), "0");
    EXPECT_FALSE(tela->checkVLinks->isChecked());
    EXPECT_TRUE(tela->checkVLinks->isEnabled());
}

// The fill sets every control from the file; only a change of the user writes.
TEST_F(TelaConfig, MostrarDuasVezesNaoGravaNada) {
    const QByteArray guardado =
        "[Quillet]\r\nprimeiroUso=0\r\nwmodeFlash=3\r\nqualidadeFlash=9\r\nidIdioma=-1\r\n"
        "noOffset=1\r\nusarAnim=0\r\nsalaQL6=0\r\nmenuCtx=1\r\nativarVerificadorLinks=0\r\n";
    iniciar(guardado);
    for (int vez = 0; vez < 2; ++vez)
        principal->btnConfigClick();
    EXPECT_EQ(bytes(), guardado);
    EXPECT_EQ(tela->opcoesRender->currentIndex(), 3);
    EXPECT_EQ(tela->opcoesQualidade->currentIndex(), -1);
    EXPECT_EQ(tela->selectIdioma->currentIndex(), -1);
    EXPECT_TRUE(tela->checkNoOffset->isChecked() && tela->checkMenuCtx->isChecked());
    EXPECT_FALSE(tela->checkAnim->isChecked() || tela->checkSala->isChecked() ||
                 tela->checkVLinks->isChecked());
    escolher(tela->opcoesQualidade, 0);
    EXPECT_EQ(lido("qualidadeFlash"), "0");
}

TEST_F(TelaConfig, IdiomaMinusculoDesligaOVerificadorSemGravar) {
    iniciar("[Quillet]\r\nprimeiroUso=0\r\nidioma=pt\r\n");
    principal->btnConfigClick();
    EXPECT_EQ(tela->textoTitulo->text(), QStringLiteral("Configurações"));
    EXPECT_FALSE(tela->checkVLinks->isEnabled() || tela->checkVLinks->isChecked());
    EXPECT_EQ(lido("ativarVerificadorLinks"), "-");
}

TEST_F(TelaConfig, IdiomaQueNaoCarregaVoltaAoAnteriorEAvisa) {
    iniciar("[Quillet]\r\nprimeiroUso=0\r\nidioma=EN\r\nidIdioma=1\r\n");
    principal->btnConfigClick();
    const QByteArray antes = bytes();
    const QString faltando = teste.pastaDados() + "idioma_xx.txt";
    tela->selectIdioma->addItem(faltando);
    escolher(tela->selectIdioma, 2);
    EXPECT_EQ(tela->selectIdioma->currentIndex(), 1);
    EXPECT_EQ(tela->textoTitulo->text(), "Configurations");
    EXPECT_EQ(tela->opcoesRender->currentIndex(), 1);
    ASSERT_EQ(teste.mensagens->mostradas.size(), 1);
    EXPECT_EQ(teste.mensagens->mostradas[0].tipo, "erro");
    EXPECT_TRUE(
        teste.mensagens->mostradas[0].texto.startsWith("Error trying to apply the selected language.\r\n"));
    EXPECT_TRUE(teste.mensagens->mostradas[0].texto.contains(faltando));
    EXPECT_EQ(bytes(), antes);
}

TEST_F(TelaConfig, SoONaoExplicitoAosTermosEncerraSemPerguntarSeFecha) {
    iniciar("[Quillet]\r\nprimeiroUso=0\r\n");
    principal->btnConfigClick();
    const QByteArray antes = bytes();
    // Yes, then Esc (the box put away unanswered), then No.
    teste.mensagens->respostas = {true, std::nullopt, false};
    QTest::mouseClick(tela->textoContrato, Qt::LeftButton);
    EXPECT_EQ(teste.encerramento->vezes, 0);
    tela->textoContratoClick();
    EXPECT_EQ(teste.encerramento->vezes, 0) << "Esc is not a refusal";
    tela->textoContratoClick();
    EXPECT_EQ(teste.encerramento->vezes, 1);
    ASSERT_EQ(teste.mensagens->mostradas.size(), 3);
    const QString termos = teste.mensagens->mostradas[2].texto;
    EXPECT_TRUE(
        termos.startsWith(QStringLiteral("Contrato de Licença de Uso\r\n\r\nQuillet 6\r\nCopyright")));
    EXPECT_TRUE(termos.endsWith("DAMAGE.\r\n\r\n\r\nVocê aceita os termos do Contrato?"));
    EXPECT_FALSE(termos.contains(QChar(0xFEFF)));
    EXPECT_EQ(bytes(), antes);
}

TEST_F(TelaConfig, GravacaoRecusadaVaiAoTratadorGeralEOControleFicaMudado) {
    const QByteArray guardado = "[Quillet]\r\nprimeiroUso=0\r\nidioma=EN\r\n";
    iniciar(guardado);
    QFile::setPermissions(caminho, QFileDevice::ReadOwner);
    QStringList erros;
    TratadorErros::definir([&erros](const std::exception& erro) {
        if (const auto* arquivo = dynamic_cast<const EArquivo*>(&erro))
            erros.append(arquivo->Message());
    });
    principal->btnConfigClick();
    EXPECT_TRUE(principal->timermostrarQuillet->isActive());
    EXPECT_FALSE(tela->checkVLinks->isChecked());
    QTest::mouseClick(tela->checkNoOffset, Qt::LeftButton, {}, QPoint(8, tela->checkNoOffset->height() / 2));
    QTest::keyClick(tela->opcoesRender, Qt::Key_Down);
    ASSERT_EQ(erros.size(), 2);
    EXPECT_TRUE(erros[1].contains(caminho));
    EXPECT_TRUE(tela->checkNoOffset->isChecked());
    EXPECT_EQ(tela->opcoesRender->currentIndex(), 2);
    EXPECT_EQ(bytes(), guardado);
    // The user is told once, in the interface language, when the event loop runs.
    QCoreApplication::processEvents();
    ASSERT_EQ(teste.mensagens->mostradas.size(), 1);
    EXPECT_EQ(teste.mensagens->mostradas[0].texto,
              "The settings cannot be saved: changes you make will have no "
              "effect.\r\n" +
                  erros[0]);
}

TEST_F(TelaConfig, PrimeiroInicioAbreComOsEstadosDeProjetoEVoltaDeslizando) {
    iniciar(QByteArray());
    EXPECT_EQ(bytes(), "[Quillet]\r\nprimeiroUso=0\r\n");
    EXPECT_TRUE(tela->isVisibleTo(principal->painelQuillet));
    EXPECT_TRUE(principal->timermostrarQuillet->isActive());
    EXPECT_FALSE(tela->checkNoOffset->isChecked() || tela->checkMenuCtx->isChecked());
    EXPECT_TRUE(tela->checkAnim->isChecked() && tela->checkSala->isChecked() &&
                tela->checkVLinks->isChecked());
    EXPECT_EQ(tela->opcoesRender->currentIndex() + tela->opcoesQualidade->currentIndex(), 2);
    EXPECT_EQ(tela->selectIdioma->currentText(), "PT");
    while (principal->timermostrarQuillet->isActive())
        principal->timermostrarQuilletTimer();

    QTest::mouseClick(tela->btnVoltar, Qt::LeftButton);
    principal->timerOcultarQuilletTimer();
    EXPECT_TRUE(tela->isVisibleTo(principal->painelQuillet));
    while (principal->timerOcultarQuillet->isActive())
        principal->timerOcultarQuilletTimer();
    EXPECT_FALSE(tela->isVisibleTo(principal->painelQuillet));
    EXPECT_TRUE(principal->painelHome->isVisible());
}

} // namespace
