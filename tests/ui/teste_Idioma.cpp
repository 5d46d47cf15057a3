#include "core/unit_Erros.h"
#include "core/unit_Formatador.h"
#include "core/unit_Recursos.h"
#include "core/unit_Texto.h"
#include "ui/unit_Frame.h"
#include "ui/unit_Idioma.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utility>

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
    EXPECT_EQ(idioma.lang, Texto::linhas(Recursos::ler("IDIOMA_EN")));
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

// What a language file cannot be is read like a missing file: the table
// stays, and nothing waits on a pipe in its place.
TEST(Idioma, SoArquivoRegularDeAte1MiBELido) {
    QTemporaryDir pasta;
    TIdioma idioma;
    idioma.carregarIdioma("PT");
    const QStringList portugues = idioma.lang;

    const QString limite = pasta.filePath("limite.lng");
    const QString grande = pasta.filePath("grande.lng");
    for (const auto& [caminho, tamanho] :
         {std::pair{limite, TIdioma::tamanhoMaximo}, std::pair{grande, TIdioma::tamanhoMaximo + 1}}) {
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write("a.b=um\n");
        arquivo.write(QByteArray(tamanho - 7, ';'));
    }
    const QString fifo = pasta.filePath("fifo.lng");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString enlaceFifo = pasta.filePath("enlace.lng");
    ASSERT_TRUE(QFile::link(fifo, enlaceFifo));

    for (const QString& caminho : {grande, fifo, enlaceFifo, pasta.path(), QStringLiteral("/dev/zero")}) {
        try {
            idioma.carregarIdioma(caminho);
            ADD_FAILURE() << "read " << caminho.toStdString();
        } catch (const EArquivo& erro) {
            EXPECT_TRUE(erro.Message().contains(caminho)) << erro.Message().toStdString();
        }
        EXPECT_EQ(idioma.lang, portugues);
    }
    idioma.carregarIdioma(limite);
    EXPECT_EQ(idioma.get("a.b"), "um");
}

// A control named `nome` inside `pai`, registered with its caption.
template <class T> T* registrar(TIdioma& idioma, QWidget* pai, const char* nome = "") {
    auto* control = new T(pai);
    control->setObjectName(nome);
    idioma.add(control, "Caption");
    return control;
}

TEST(Idioma, ChaveVemDoFrameMaisProximoOuDaJanela) {
    QWidget janela;
    janela.setObjectName("Principal");
    auto* painel = new QWidget(&janela);
    auto* frame = new TFrame(painel);
    frame->setObjectName("frameX");
    auto* rolagem = new QScrollArea(frame);
    rolagem->setWidget(new QWidget);
    TIdioma idioma;
    registrar<QLabel>(idioma, new QWidget(rolagem->widget()), "textoA");
    registrar<QPushButton>(idioma, painel, "btnB");
    registrar<QLabel>(idioma, frame, "textoC");
    QStringList chaves;
    for (const TIdiomaControl& entrada : idioma.listaControls)
        chaves << entrada.nome;
    EXPECT_EQ(chaves, QStringList({"frameX.textoA", "Principal.btnB", "frameX.textoC"}));
}

TEST(Idioma, AplicarPreencheTextosEListasSemSelecao) {
    TFrame frame;
    frame.setObjectName("frameConfig");
    TIdioma idioma;
    idioma.carregarIdioma("PT");
    auto* rotulo = registrar<QLabel>(idioma, &frame, "textoContrato");
    auto* lista = registrar<QComboBox>(idioma, &frame, "opcoesRender");
    auto* semChave = registrar<QLabel>(idioma, &frame, "semChave");
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
    EXPECT_GT(rotulo->sizeHint().height(), umaLinha.sizeHint().height() * 3 / 2);
}

// A destroyed control leaves the registry; a property the control lacks fails at its entry.
TEST(Idioma, AplicarPassaSoPorControlsVivosEPropriedadesQueExistem) {
    TFrame frame;
    TIdioma idioma;
    auto* antes = registrar<QLabel>(idioma, &frame);
    delete registrar<QLabel>(idioma, &frame);
    registrar<QFrame>(idioma, &frame);
    auto* depois = registrar<QLabel>(idioma, &frame);
    ASSERT_EQ(idioma.listaControls.size(), 3);
    EXPECT_THROW(idioma.aplicarIdioma(), EErro);
    EXPECT_TRUE(antes->text().startsWith('$'));
    EXPECT_TRUE(depois->text().isEmpty());
    idioma.listaControls = {{depois, "x.y", "Hint"}};
    EXPECT_THROW(idioma.aplicarIdioma(), EErro);
}

} // namespace
