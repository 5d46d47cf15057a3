#include "platform/unit_Erros.h"
#include "platform/unit_Frame.h"
#include "platform/unit_Recursos.h"
#include "settings/unit_Formatador.h"
#include "settings/unit_Idioma.h"
#include "settings/unit_TextoUtf8.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Formatador, PreencheSNaOrdemEPorcentagemDupla) {
    EXPECT_EQ(Formatador::formatar("%s vai a %s: 100%%", {"Ana", "%s%%"}), "Ana vai a %s%%: 100%");
    for (const char* modelo : {"%s e %s", "%d", "50%", "%"})
        EXPECT_THROW(Formatador::formatar(modelo, {"x"}), EFormato) << modelo;
}

TEST(Idioma, ConsultaIgnoraCaixaEChaveAusenteVoltaSemFormatar) {
    TIdioma idioma;
    idioma.carregarIdioma("PT");
    EXPECT_EQ(idioma.get("FRAMECONFIG.TEXTOTITULO"), QStringLiteral("Configurações"));
    EXPECT_TRUE(
        idioma.get("PRINCIPAL.LICENÇA", {"T"}).startsWith(QStringLiteral("Contrato de Licença de Uso\r\n")));
    EXPECT_EQ(idioma.get("frameConfig.nada", {"a", "b"}), "$frameConfig.nada");
    idioma.carregarIdioma("EN");
    EXPECT_EQ(idioma.get("frameProtetor.texto1", {"http://x"}), "$frameProtetor.texto1");
    EXPECT_EQ(idioma.lang, TextoUtf8::linhas(Recursos::ler("IDIOMA_EN")));
}

TEST(Idioma, ValoresTemQuebrasDeLinhaEPontasAparadas) {
    TIdioma idioma;
    idioma.lang = {";QL6-language-file", "a.b=  um\\ndois \t", "a.c =x", "a.d=x=y", "a.d=outro", ";a.e=1"};
    EXPECT_EQ(idioma.get("a.b"), "um\r\ndois");
    EXPECT_EQ(idioma.get("a.c"), "$a.c");
    EXPECT_EQ(idioma.get("a.c "), "x");
    EXPECT_EQ(idioma.get("a.d"), "x=y");
    EXPECT_EQ(idioma.get("a.e"), "$a.e");
}

TEST(Idioma, CarregaArquivoEFalhaMantemTabela) {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath("xx.txt");
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write("\xEF\xBB\xBF"
                  "a.b=um\r\na.c=dois\ra.d=tr\xC3\xAAs\n");
    arquivo.close();
    TIdioma idioma;
    idioma.carregarIdioma(caminho);
    EXPECT_EQ(idioma.lang, QStringList({"a.b=um", "a.c=dois", QStringLiteral("a.d=três")}));
    EXPECT_THROW(idioma.carregarIdioma(pasta.filePath("falta.txt")), EErro);
    EXPECT_THROW(idioma.carregarIdioma("pt"), EErro);
    EXPECT_EQ(idioma.get("a.c"), "dois");
}

TEST(Idioma, ChaveVemDoFrameMaisProximoOuDaJanela) {
    QWidget janela;
    janela.setObjectName("Principal");
    auto* painel = new QWidget(&janela);
    auto* frame = new TFrame(painel);
    frame->setObjectName("frameX");
    auto* rolagem = new QScrollArea(frame);
    rolagem->setWidget(new QWidget);
    auto* interno = new QLabel(new QWidget(rolagem->widget()));
    interno->setObjectName("textoA");
    auto* botao = new QPushButton(painel);
    botao->setObjectName("btnB");
    auto* direto = new QLabel(frame);
    direto->setObjectName("textoC");
    TIdioma idioma;
    for (QWidget* control :
         {static_cast<QWidget*>(interno), static_cast<QWidget*>(botao), static_cast<QWidget*>(direto)})
        idioma.add(control, "Caption");
    ASSERT_EQ(idioma.listaControls.size(), 3);
    EXPECT_EQ(idioma.listaControls[0].nome, "frameX.textoA");
    EXPECT_EQ(idioma.listaControls[1].nome, "Principal.btnB");
    EXPECT_EQ(idioma.listaControls[2].nome, "frameX.textoC");
}

TEST(Idioma, AplicarPreencheTextosEListasSemSelecao) {
    TFrame frame;
    frame.setObjectName("frameConfig");
    auto* rotulo = new QLabel(&frame);
    rotulo->setObjectName("textoContrato");
    auto* lista = new QComboBox(&frame);
    lista->setObjectName("opcoesRender");
    auto* semChave = new QLabel(&frame);
    semChave->setObjectName("semChave");
    TIdioma idioma;
    idioma.carregarIdioma("PT");
    for (QWidget* control :
         {static_cast<QWidget*>(rotulo), static_cast<QWidget*>(lista), static_cast<QWidget*>(semChave)})
        idioma.add(control, "Caption");
    for (int vez = 0; vez < 2; ++vez) {
        idioma.aplicarIdioma();
        EXPECT_EQ(lista->count(), 5);
        EXPECT_EQ(lista->itemText(4), "Window");
        EXPECT_EQ(lista->currentIndex(), -1);
        lista->setCurrentIndex(2);
    }
    EXPECT_EQ(rotulo->text().count("\r\n"), 1);
    EXPECT_EQ(semChave->text(), "$frameConfig.semChave");
    QLabel umaLinha("x");
    rotulo->setText("x\r\ny");
    EXPECT_GT(rotulo->sizeHint().height(), umaLinha.sizeHint().height() * 3 / 2);
}

TEST(Idioma, ControlDestruidoSaiDoRegistro) {
    TFrame frame;
    auto* fica = new QLabel(&frame);
    auto* sai = new QLabel(&frame);
    TIdioma idioma;
    idioma.add(sai, "Caption");
    idioma.add(fica, "Caption");
    delete sai;
    ASSERT_EQ(idioma.listaControls.size(), 1);
    EXPECT_EQ(idioma.listaControls[0].control, fica);
    idioma.aplicarIdioma();
    EXPECT_TRUE(fica->text().startsWith('$'));
}

TEST(Idioma, PropriedadeQueOControlNaoTemFalhaNaSuaEntrada) {
    TFrame frame;
    auto* antes = new QLabel(&frame);
    auto* depois = new QLabel(&frame);
    TIdioma idioma;
    idioma.add(antes, "Caption");
    idioma.add(new QFrame(&frame), "Caption");
    idioma.add(depois, "Caption");
    EXPECT_THROW(idioma.aplicarIdioma(), EErro);
    EXPECT_FALSE(antes->text().isEmpty());
    EXPECT_TRUE(depois->text().isEmpty());
    idioma.listaControls = {{depois, "x.y", "Hint"}};
    EXPECT_THROW(idioma.aplicarIdioma(), EErro);
}

} // namespace
