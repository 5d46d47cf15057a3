#include "app/unit_Principal.h"
#include "core/unit_Erros.h"
#include "core/unit_Texto.h"
#include "linkguard/unit_VerificadorURL.h"
#include "net/unit_Trabalhador.h"
#include "remote/unit_Definicoes.h"
#include "tests/support/unit_Falsos.h"
#include "tests/support/unit_ServidorLocal.h"
#include "ui/unit_Idioma.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

bool downloadsTerminados() {
    return QTest::qWaitFor([] { return TTrabalhador::ativos() == 0; }, 10'000);
}

// The program started against a local server that serves `documento` as the
// primary definitions document.
struct TPrograma {
    TServidorLocal servidor;
    TServicosTeste teste;
    std::unique_ptr<TPrincipal> principal;

    explicit TPrograma(const QByteArray& documento, int status = 200) {
        servidor.rota("/def", TRespostaLocal{status, documento});
        teste.servicos.enderecos.definicoesPrimaria = servidor.url("/def");
        teste.servicos.enderecos.definicoesReserva = servidor.url("/reserva");
    }
    ~TPrograma() {
        principal.reset();
        EXPECT_TRUE(downloadsTerminados());
    }
    TPrincipal& iniciar() {
        principal = std::make_unique<TPrincipal>(std::move(teste.servicos));
        EXPECT_TRUE(downloadsTerminados());
        return *principal;
    }
    QByteArrayList caminhosPedidos() const {
        QByteArrayList caminhos;
        for (const TPedidoLocal& pedido : servidor.pedidos())
            caminhos << pedido.caminho;
        return caminhos;
    }
    QString textoSobreAtualizado() const {
        return principal->idioma->get(QStringLiteral("Principal.textoSobre_Atualizado"),
                                      {QStringLiteral("6.0.1")});
    }
};

} // namespace

TEST(DocumentoDefinicoes, Linhas) {
    EXPECT_EQ(Texto::linhas("\xEF\xBB\xBF"
                            "a=1\r\nb=2\rc=3\n\nd"),
              QStringList({"a=1", "b=2", "c=3", "", "d"}));
    EXPECT_EQ(Texto::linhas("a\r\n\r\n"), QStringList({"a", ""}));
    EXPECT_EQ(Texto::linhas("x\n\xEF\xBB\xBF"
                            "y"),
              QStringList({"x", QChar(0xFEFF) + QStringLiteral("y")}));
    for (const QByteArray texto : {"", "\xEF\xBB\xBF", "\n", "a", "a\r", "a\r\n\r\n", "\r\r\n\n",
                                   "\xEF\xBB\xBF\nb", "a\n\xC3\rb\xFF\r\nc"})
        EXPECT_EQ(Texto::contarLinhas(texto), Texto::linhas(texto).size())
            << texto.toPercentEncoding().data();
}

TEST(DocumentoDefinicoes, Valores) {
    const QStringList documento = {"VERSAO=602",         "versao=500",           " badlist=http://a",
                                   "sem sinal de igual", "super_desativarVL=1 ", "x = y=z"};
    EXPECT_EQ(TDefinicoes::valor(documento, "versao"), "602");
    EXPECT_EQ(TDefinicoes::valor(documento, "badlist"), "");
    EXPECT_EQ(TDefinicoes::valor(documento, "super_desativarVL"), "1 ");
    EXPECT_EQ(TDefinicoes::valor(documento, "x "), " y=z");
    EXPECT_EQ(TDefinicoes::valor(documento, "ausente"), "");
}

TEST(DocumentoDefinicoes, InteiroSoDoTextoDecimalInteiro) {
    for (const auto& [texto, numero] :
         {std::pair{"602", 602}, {"+602", 602}, {"-5", -5}, {"0601", 601}, {"2147483647", 2147483647}}) {
        EXPECT_EQ(TDefinicoes::inteiro(QString::fromLatin1(texto)), numero) << texto;
    }
    const QString invalidos[] = {QString::fromLatin1("602\0abc", 7),
                                 "",
                                 "+",
                                 "602 ",
                                 " 602",
                                 "6 02",
                                 "602abc",
                                 "0x25A",
                                 "6.02",
                                 "2147483648",
                                 "--5",
                                 QStringLiteral("\uFF16\uFF10\uFF12")};
    for (const QString& texto : invalidos)
        EXPECT_THROW(TDefinicoes::inteiro(texto), EConversao) << texto.toStdString();
}

// A NUL inside the version stops nothing but the notice: the rest of the
// document still counts.
TEST(Definicoes, VersaoComNulNaoAvisa) {
    TPrograma programa(QByteArray("versao=602\0abc\nsuper_desativarVL=1", 34));
    TPrincipal& principal = programa.iniciar();
    EXPECT_TRUE(programa.teste.mensagens->mostradas.isEmpty());
    EXPECT_EQ(TDefinicoes::valor(principal.qlDef, "super_desativarVL"), "1");
}

TEST(Definicoes, AvisoSoParaVersaoMaiorQueADoPrograma) {
    for (const auto& [documento, avisos] : {std::pair{"versao=601", 0}, {"versaoStr=6.0.2\nVERSAO=602", 1}}) {
        TPrograma programa(documento);
        TPrincipal& principal = programa.iniciar();
        ASSERT_EQ(programa.teste.mensagens->mostradas.size(), avisos) << documento;
        if (avisos) {
            EXPECT_EQ(programa.teste.mensagens->mostradas[0].texto,
                      principal.idioma->get(QStringLiteral("Mensagem.atualizacaoDisponivel"), {"6.0.2"}));
        }
    }
}

TEST(Definicoes, RecusarDeixaALinhaDesatualizadaEANota) {
    TPrograma programa("versao=602\nversaoStr=6.0.2\natualizacao=http://novo.example/q6");
    TPrincipal& principal = programa.iniciar();
    const QString esperado = principal.idioma->get(QStringLiteral("Principal.textoSobre_Deatualizado"),
                                                   {"6.0.2", "http://novo.example/q6"}) +
                             QLatin1Char('\n') +
                             principal.idioma->get(QStringLiteral("Principal.textoSobre"));
    EXPECT_EQ(principal.textoVersao->toPlainText(), QString(esperado).replace(QLatin1String("\r\n"), "\n"));
    EXPECT_TRUE(programa.teste.shell->abertos.isEmpty());
    EXPECT_EQ(programa.teste.encerramento->vezes, 0);
}

namespace {

// Whether a line of Latin text is laid out left to right throughout, as the
// program's own sentences are: every character further right than the one
// before it.
bool daEsquerdaParaADireita(const QString& linha) {
    QTextLayout layout(linha, QFont(QStringLiteral("DejaVu Sans")));
    layout.beginLayout();
    QTextLine linhaLayout = layout.createLine();
    linhaLayout.setLineWidth(100000);
    layout.endLayout();
    for (int i = 1; i < linha.size(); ++i)
        if (linhaLayout.cursorToX(i) <= linhaLayout.cursorToX(i - 1))
            return false;
    return true;
}

} // namespace

TEST(DocumentoDefinicoes, CadaControleDeDirecaoEEscritoComoSeuCodigo) {
    QString controles;
    QStringList codigos;
    for (const char16_t c :
         {0x061C, 0x200E, 0x200F, 0x202A, 0x202B, 0x202C, 0x202D, 0x202E, 0x2066, 0x2067, 0x2068, 0x2069}) {
        controles += QChar(c);
        codigos += QStringLiteral("<U+%1>").arg(int(c), 4, 16, QLatin1Char('0')).toUpper();
    }
    EXPECT_EQ(Texto::bidiVisivel(QStringLiteral("a") + controles + QStringLiteral("b")),
              QStringLiteral("a") + codigos.join(QString()) + QStringLiteral("b"));
    // Letters of right-to-left scripts and other format characters are text already.
    const QString hebraicoEJuncao = QStringLiteral("\u05D0\u05D1 \u200D x");
    EXPECT_EQ(Texto::bidiVisivel(hebraicoEJuncao), hebraicoEJuncao);
}

// A right-to-left override in the document's version text or address would
// turn the rest of the program's sentence around it; it is shown as text.
TEST(Definicoes, ControlesDeDirecaoDoDocumentoSaoMostradosComoTexto) {
    const QString rlo(QChar(0x202E));
    const QString versao = QStringLiteral("6.0.2 ") + rlo + QStringLiteral("exe.ecnatsni");
    const QString endereco = QStringLiteral("http://novo.example/") + rlo + QStringLiteral("6q");
    TPrograma programa("versao=602\nversaoStr=" + versao.toUtf8() + "\natualizacao=" + endereco.toUtf8());
    TPrincipal& principal = programa.iniciar();

    ASSERT_EQ(programa.teste.mensagens->mostradas.size(), 1);
    const QString pergunta = programa.teste.mensagens->mostradas[0].texto;
    EXPECT_EQ(pergunta, principal.idioma->get(QStringLiteral("Mensagem.atualizacaoDisponivel"),
                                              {QStringLiteral("6.0.2 <U+202E>exe.ecnatsni")}));
    const QString primeiraLinha = pergunta.split(QStringLiteral("\r\n")).first();
    EXPECT_TRUE(daEsquerdaParaADireita(primeiraLinha)) << primeiraLinha.toStdString();
    EXPECT_FALSE(daEsquerdaParaADireita(QString(primeiraLinha).replace(QStringLiteral("<U+202E>"), rlo)))
        << "the override, obeyed, would turn the sentence";

    const QString sobre = principal.textoVersao->toPlainText().split(QLatin1Char('\n')).first();
    EXPECT_FALSE(sobre.contains(rlo));
    EXPECT_TRUE(sobre.contains(QStringLiteral("http://novo.example/<U+202E>6q"))) << sobre.toStdString();
    EXPECT_TRUE(daEsquerdaParaADireita(sobre)) << sobre.toStdString();
}

TEST(Definicoes, AceitarAbreOEnderecoEEncerraSemPerguntar) {
    TPrograma programa("versao=700\natualizacao=https://novo.example/q6");
    programa.teste.mensagens->respostas = {true};
    programa.iniciar();
    EXPECT_EQ(programa.teste.shell->abertos, QStringList{"https://novo.example/q6"});
    EXPECT_EQ(programa.teste.encerramento->vezes, 1);
    EXPECT_EQ(programa.teste.mensagens->mostradas.size(), 1); // no close question
}

// An address that may not be opened: nothing opened, the user told in the
// interface language, the program running on with the outdated about line.
TEST(Definicoes, AceitarComEnderecoQueNaoPodeSerAbertoAvisaESegue) {
    for (const QString idioma : {"PT", "EN"}) {
        for (const char* atualizacao : {"file:///bin/sh", "", "novo.example/q6"}) {
            TPrograma programa(QByteArray("versao=700\nversaoStr=7.0\natualizacao=") + atualizacao);
            programa.teste.mensagens->respostas = {true};
            programa.teste.escreverConfig("[Quillet]\nprimeiroUso=0\nidioma=" + idioma.toLatin1() + "\n");
            TPrincipal& principal = programa.iniciar();
            EXPECT_TRUE(programa.teste.shell->abertos.isEmpty()) << atualizacao;
            EXPECT_EQ(programa.teste.encerramento->vezes, 0) << atualizacao;
            ASSERT_EQ(programa.teste.mensagens->mostradas.size(), 2) << atualizacao;
            const auto& aviso = programa.teste.mensagens->mostradas[1];
            EXPECT_EQ(aviso.tipo, "erro");
            EXPECT_EQ(aviso.texto, principal.idioma->get(QStringLiteral("Mensagem.enderecoInvalido")));
            EXPECT_FALSE(aviso.texto.startsWith(QLatin1Char('$'))) << idioma.toStdString();
            EXPECT_TRUE(principal.textoVersao->toPlainText().startsWith(
                principal.idioma->get(QStringLiteral("Principal.textoSobre_Deatualizado"),
                                      {"7.0", QString::fromLatin1(atualizacao)})));
        }
    }
}

TEST(Definicoes, VersaoNaoInteiraAindaBuscaAListaRuim) {
    TPrograma programa("");
    programa.servidor.rota(
        "/def", TRespostaLocal{200, " versao=602\nbadlist=" + programa.servidor.url("/bad").toUtf8()});
    programa.servidor.rota("/bad", TRespostaLocal{200, "\xEF\xBB\xBF"
                                                       "um\n\ndois\r\n"});
    TPrincipal& principal = programa.iniciar();
    EXPECT_EQ(principal.listaBadURLs, QStringList({"um", "", "dois"}));
    EXPECT_TRUE(programa.teste.mensagens->mostradas.isEmpty());
    EXPECT_TRUE(principal.textoVersao->toPlainText().startsWith(programa.textoSobreAtualizado() + "\n"));
}

// 400 MB declared and never sent: refused at the headers, so the fallback
// document is fetched at once.
TEST(Definicoes, DocumentoDeclaradoGrandeDemaisContaComoFalha) {
    TPrograma programa("");
    programa.servidor.rota("/def", TRespostaLocal{.tamanhoDeclarado = 400'000'000});
    programa.servidor.rota("/reserva", TRespostaLocal{200, "versao=601"});
    EXPECT_EQ(programa.iniciar().qlDef, QStringList({"versao=601"}));
    TPrograma noLimite(QByteArray(TDocumentoRemoto::tamanhoMaximoDefinicoes - 11, '#') + "\nversao=601");
    EXPECT_EQ(noLimite.iniciar().qlDef.value(1), "versao=601");
    EXPECT_EQ(noLimite.caminhosPedidos(), QByteArrayList({"/def"}));
}

// A list over a cap is refused whole: declared too long, grown too long
// without a declared length, or with too many entries.
TEST(Definicoes, ListaRuimAlemDosLimitesNaoEAceita) {
    const qint64 tamanho = TDocumentoRemoto::tamanhoMaximoListaBadURLs;
    const qsizetype entradas = TDocumentoRemoto::maxEntradasListaBadURLs;
    const TRespostaLocal casos[] = {
        {.tamanhoDeclarado = tamanho + 1},
        {.corpo = QByteArray(tamanho + 1, 'a'), .emPartes = true},
        {.corpo = QByteArray("x\\.com\n").repeated(entradas) + "a"},
    };
    for (const TRespostaLocal& lista : casos) {
        TPrograma programa("");
        programa.servidor.rota("/def",
                               TRespostaLocal{200, "badlist=" + programa.servidor.url("/bad").toUtf8()});
        programa.servidor.rota("/bad", lista);
        EXPECT_TRUE(programa.iniciar().listaBadURLs.isEmpty());
        EXPECT_EQ(programa.servidor.contar("/bad"), 1);
    }
}

// The list at its entry cap arrives compiled: its last entry judges at once.
TEST(Definicoes, ListaRuimNoLimiteChegaCompilada) {
    QByteArray lista;
    for (qsizetype i = 0; i < TDocumentoRemoto::maxEntradasListaBadURLs; ++i)
        lista += "site" + QByteArray::number(i) + "\\.com\r\n";
    TPrograma programa("");
    programa.servidor.rota("/def", TRespostaLocal{200, "badlist=" + programa.servidor.url("/bad").toUtf8()});
    programa.servidor.rota("/bad", TRespostaLocal{200, lista});
    TPrincipal& principal = programa.iniciar();
    ASSERT_EQ(principal.listaBadURLs.size(), TDocumentoRemoto::maxEntradasListaBadURLs);
    EXPECT_EQ(principal.listaBadURLs.last(), "site49999\\.com");
    EXPECT_TRUE(principal.verificarBadURL("http://site49999.com/", "http://site49999.com/", {}));
    EXPECT_FALSE(principal.verificarBadURL("http://site49999xcom/", "http://site49999xcom/", {}));
}

TEST(Definicoes, BadlistVaziaNaoIniciaDownload) {
    TPrograma programa("badlist=\nversao=601");
    programa.iniciar();
    EXPECT_EQ(programa.caminhosPedidos(), QByteArrayList({"/def"}));
}

TEST(Definicoes, PrimariaVaziaUsaAReservaEAReservaVaziaEncerra) {
    {
        TPrograma programa("");
        programa.servidor.rota("/reserva", TRespostaLocal{200, "versao=601\nsuper_desativarVL=1"});
        EXPECT_EQ(programa.iniciar().qlDef, QStringList({"versao=601", "super_desativarVL=1"}));
    }
    TPrograma programa("documento perdido", 404);
    programa.servidor.rota("/reserva", TRespostaLocal{200, ""});
    EXPECT_TRUE(programa.iniciar().qlDef.isEmpty());
    EXPECT_EQ(programa.caminhosPedidos(), QByteArrayList({"/def", "/reserva"}));
}

// Destroying the window returns at once; what arrives afterwards runs nothing.
TEST(Definicoes, FecharComTrabalhadoresEmCurso) {
    TPrograma programa("");
    TRespostaLocal documento{.corpo = "badlist=" + programa.servidor.url("/bad").toUtf8(), .portao = 1};
    programa.servidor.rota("/def", documento);
    programa.servidor.rota("/lento", TRespostaLocal{.corpo = "<title>t</title>", .portao = 1});
    programa.principal = std::make_unique<TPrincipal>(std::move(programa.teste.servicos));
    const TLimitesHttp limitesDoPrograma = TVerificadorURL::limites;
    TVerificadorURL::limites.destinosPermitidos = {programa.servidor.destino()};
    programa.principal->iniciarVerificador(programa.servidor.url("/lento"));
    TVerificadorURL::limites = limitesDoPrograma;
    ASSERT_TRUE(QTest::qWaitFor([&] { return programa.servidor.pedidos().size() == 2; }, 10'000));
    programa.principal.reset();
    programa.servidor.abrirPortao(1);
    EXPECT_TRUE(downloadsTerminados());
    EXPECT_EQ(programa.servidor.contar("/bad"), 0);
}
