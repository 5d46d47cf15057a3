// The clipboard watcher and the warning it raises, on the main window.
#include "app/unit_Principal.h"
#include "core/unit_ArquivoConfig.h"
#include "core/unit_Constantes.h"
#include "core/unit_Erros.h"
#include "games/unit_frameVelmora.h"
#include "linkguard/unit_VigiaLinks.h"
#include "linkguard/unit_frameProtetor.h"
#include "settings/unit_frameConfig.h"
#include "tests/support/unit_Falsos.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The main window with the verifier's start and the foreground call recorded.
class TPrincipalVigiado : public TPrincipal {
public:
    using TPrincipal::TPrincipal;
    QStringList verificadores;
    // For each call: whether the warning was already in front of the game.
    QList<bool> primeiroPlano;

    void iniciarVerificador(const QString& endereco) override { verificadores.append(endereco); }
    void trazerParaPrimeiroPlano() override { primeiroPlano.append(quilletNaFrente()); }
    bool quilletNaFrente() const {
        const QObjectList& filhos = children();
        return painelQuillet->isVisible() &&
               filhos.indexOf(painelQuillet) >
                   std::max(filhos.indexOf(painelJogo), filhos.indexOf(painelHome));
    }
};

class VigiaLinks : public ::testing::Test {
protected:
    std::unique_ptr<TServicosTeste> teste;
    std::unique_ptr<TPrincipalVigiado> principal;

    void SetUp() override { abrirJanela(); }

    // A fresh main window, not at its first start, with the Velmora game running.
    void abrirJanela() {
        principal.reset();
        teste = std::make_unique<TServicosTeste>();
        escreverArquivo(teste->pastaDados() + QStringLiteral("config.ini"), "[Quillet]\nprimeiroUso=0\n");
        principal = std::make_unique<TPrincipalVigiado>(std::move(teste->servicos));
        principal->show();
        const QString idioma = teste->pastaDados() + QStringLiteral("teste.lng");
        escreverArquivo(idioma, ";QL6-language-file\n"
                                "frameProtetor.texto1=Suspeito: %s\\nVolte.\n"
                                "frameProtetor.texto2=De %s para %s\n");
        principal->idioma->carregarIdioma(idioma);
        jogarVelmora();
    }

    // The bad-site list compiled, as it arrives from its download.
    void definirLista(const QStringList& lista) {
        TRegrasLinks regras;
        regras.definirLista(lista);
        principal->definirListaBadURLs(regras);
    }

    static void escreverArquivo(const QString& caminho, const QByteArray& conteudo) {
        QDir().mkpath(QFileInfo(caminho).path());
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(conteudo);
    }

    // The Velmora game opened from its tile, its movie running and its player focused.
    void jogarVelmora() {
        principal->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(principal.get()));
        Q_EMIT principal->logoVelmora->Click();
        while (principal->timerOcultarHome->isActive())
            principal->timerOcultarHomeTimer();
        teste->fabricaPlayer->criados.last()->mudarEstado(4);
        principal->frameVelmora->Flash->SetFocus();
        ASSERT_TRUE(principal->frameVelmora->Flash->Focused());
    }

    // A copy, judged when its burst ends (when it was made inside the game).
    void copiar(const QString& texto) {
        teste->areaTransferencia->copiar(texto);
        if (principal->vigiaLinks->timerAreaTransferencia->isActive())
            principal->vigiaLinks->timerAreaTransferenciaTimer();
    }
    // The warning's back button: the game has the keyboard again.
    void voltarAoJogo() {
        principal->frameProtetor()->btnVoltarClick();
        while (principal->timerOcultarQuillet->isActive())
            principal->timerOcultarQuilletTimer();
    }
    void escreverOpcao(const char* chave, const QString& valor) {
        principal->config->WriteString(Constantes::secao, QLatin1String(chave), valor);
    }
    bool avisoVisivel() const { return principal->frameProtetor()->isVisible(); }
    QString textoURL() const { return principal->frameProtetor()->textoURL->text(); }
    QString textoInfo() const { return principal->frameProtetor()->textoInfo->toPlainText(); }
};

TEST_F(VigiaLinks, CopiaNoJogoEJulgadaEVerificada) {
    copiar(QStringLiteral("custa 3.50"));
    EXPECT_TRUE(principal->verificadores.isEmpty());
    copiar(QStringLiteral("  olha http://um.com/a e http://dois.com\u00A0\n"));
    EXPECT_EQ(principal->verificadores, QStringList{QStringLiteral("http://um.com/a")});
    EXPECT_FALSE(avisoVisivel());
}

// No address as written: the one of the canonical copy is verified.
TEST_F(VigiaLinks, SoACopiaCanonicaTemEnderecoEEleEVerificado) {
    copiar(QStringLiteral("SITE.COM custa 3.50"));
    copiar(QStringLiteral("HTTP://0x7F000001:8080/Painel"));
    copiar(QStringLiteral("Site\u200B.com"));
    EXPECT_EQ(principal->verificadores,
              QStringList({QStringLiteral("site.com"), QStringLiteral("http://127.0.0.1:8080/Painel"),
                           QStringLiteral("site.com")}));
    // An address as written is the one verified, whatever the copy adds.
    copiar(QStringLiteral("HTTP://Outro.com/A"));
    EXPECT_EQ(principal->verificadores.last(), QStringLiteral("Outro.com/A"));
}

// Keywords count only as written; the list sees the canonical copy.
TEST_F(VigiaLinks, PalavrasChaveSoNoTextoComoEscrito) {
    copiar(QStringLiteral("http://HACK-GRATIS.COM/"));
    EXPECT_FALSE(avisoVisivel());
    EXPECT_EQ(principal->verificadores, QStringList{QStringLiteral("http://hack-gratis.com/")});
    definirLista({QStringLiteral("hack-gratis")});
    copiar(QStringLiteral("http://HACK-GRATIS.COM/"));
    EXPECT_TRUE(avisoVisivel());
    EXPECT_EQ(textoURL(), QStringLiteral("http://hack-gratis.com/"));
    EXPECT_EQ(principal->primeiroPlano, QList<bool>{true});
}

TEST_F(VigiaLinks, PortoesFechados) {
    const std::pair<const char*, std::function<void()>> portoes[] = {
        {"remote switch",
         [&] {
             principal->qlDef = {QStringLiteral("versao=600"), QStringLiteral("super_desativarVL=1")};
         }},
        {"remote switch, name case", [&] { principal->qlDef = {QStringLiteral("SUPER_desativarVL=1")}; }},
        {"English", [&] { escreverOpcao("idioma", QStringLiteral("EN")); }},
        {"lower-case pt", [&] { escreverOpcao("idioma", QStringLiteral("pt")); }},
        {"watcher off", [&] { escreverOpcao("ativarVerificadorLinks", QStringLiteral("0")); }},
        {"no Velmora screen", [&] { principal->fecharVelmora(); }},
        {"Velmora screen hidden", [&] { principal->frameVelmora->hide(); }},
        {"game panel hidden", [&] { principal->painelJogo->hide(); }},
        {"player not focused", [&] { principal->frameVelmora->Flash->clearFocus(); }},
    };
    for (const auto& [nome, fechar] : portoes) {
        SCOPED_TRACE(nome);
        abrirJanela();
        definirLista({QStringLiteral("ruim")});
        fechar();
        copiar(QStringLiteral("http://ok.com"));
        copiar(QStringLiteral("http://ruim.com"));
        EXPECT_TRUE(principal->verificadores.isEmpty());
        EXPECT_FALSE(avisoVisivel());
    }
}

TEST_F(VigiaLinks, PortoesAbertos) {
    principal->qlDef = {QStringLiteral("super_desativarVL=1 "), QStringLiteral(" super_desativarVL=1"),
                        QStringLiteral("super_desativarVL")};
    escreverOpcao("idioma", QStringLiteral("PT"));
    escreverOpcao("ativarVerificadorLinks", QStringLiteral("1"));
    copiar(QStringLiteral("http://ok.com"));
    EXPECT_EQ(principal->verificadores, QStringList{QStringLiteral("http://ok.com")});
}

// A burst of changes is judged once, on its latest text: each change only
// restarts the short timer; the long one, started by the first change, bounds
// the wait while changes keep coming.
TEST_F(VigiaLinks, RajadaJulgadaUmaVezNoTextoMaisRecente) {
    TVigiaLinks* vigia = principal->vigiaLinks;
    definirLista({QStringLiteral("ruim")});
    EXPECT_LE(vigia->timerAreaTransferencia->interval(), 100);
    EXPECT_TRUE(vigia->timerAreaTransferencia->isSingleShot());
    EXPECT_GT(vigia->timerRajadaMaxima->interval(), vigia->timerAreaTransferencia->interval());

    teste->areaTransferencia->copiar(QStringLiteral("http://ruim.com"));
    const int restanteNoInicio = vigia->timerRajadaMaxima->remainingTime();
    for (int i = 0; i < 5000; ++i)
        teste->areaTransferencia->copiar(QStringLiteral("http://ok%1.com/").arg(i));
    EXPECT_EQ(teste->areaTransferencia->leituras, 0) << "no change is read before its burst ends";
    EXPECT_TRUE(vigia->timerAreaTransferencia->isActive());
    EXPECT_LE(vigia->timerRajadaMaxima->remainingTime(), restanteNoInicio) << "not restarted by the burst";
    EXPECT_TRUE(principal->verificadores.isEmpty());

    // The event loop runs until the burst's timer strikes.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !principal->verificadores.isEmpty(); }));
    EXPECT_EQ(principal->verificadores, QStringList{QStringLiteral("http://ok4999.com/")});
    EXPECT_EQ(teste->areaTransferencia->leituras, 1);
    EXPECT_FALSE(avisoVisivel()) << "the bad first text was replaced before the burst ended";
    EXPECT_FALSE(vigia->timerAreaTransferencia->isActive());
    EXPECT_FALSE(vigia->timerRajadaMaxima->isActive());

    teste->areaTransferencia->copiar(QStringLiteral("http://ok.com"));
    teste->areaTransferencia->copiar(QStringLiteral("http://ruim.com"));
    vigia->timerAreaTransferencia->stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return avisoVisivel(); })) << "the long timer ends the burst too";
    EXPECT_FALSE(vigia->timerRajadaMaxima->isActive());
}

// Text copied in another program after a copy inside the game leaves nothing to judge.
TEST_F(VigiaLinks, RajadaQueTerminaForaDoJogoNaoEJulgada) {
    TVigiaLinks* vigia = principal->vigiaLinks;
    teste->areaTransferencia->copiar(QStringLiteral("http://ok.com"));
    principal->frameVelmora->Flash->clearFocus();
    teste->areaTransferencia->copiar(QStringLiteral("http://outro-programa.com"));
    EXPECT_FALSE(vigia->timerAreaTransferencia->isActive());
    EXPECT_FALSE(vigia->timerRajadaMaxima->isActive());
    EXPECT_EQ(teste->areaTransferencia->leituras, 0);
    EXPECT_TRUE(principal->verificadores.isEmpty());
}

// An address reached by a verifier (from the network) may hold direction
// controls; the warning shows them as text.
TEST_F(VigiaLinks, ControlesDeDirecaoDoEnderecoSaoMostradosComoTexto) {
    definirLista({QStringLiteral("ruim")});
    const QString rlo(QChar(0x202E));
    ASSERT_TRUE(
        principal->verificarBadURL(QStringLiteral("http://ruim.com/") + rlo + QStringLiteral("exe.gpj"),
                                   QStringLiteral("http://ok.com/"), QString()));
    EXPECT_EQ(textoURL(), QStringLiteral("http://ok.com/ -> http://ruim.com/<U+202E>exe.gpj"));
    EXPECT_FALSE(textoInfo().contains(rlo));
    EXPECT_TRUE(textoInfo().contains(QStringLiteral("http://ruim.com/<U+202E>exe.gpj")));
}

TEST_F(VigiaLinks, AreaOcupadaTerminaOTratadorComErro) {
    teste->areaTransferencia->ocupada = true;
    EXPECT_THROW(copiar(QStringLiteral("http://ok.com")), EErro);
    EXPECT_TRUE(principal->verificadores.isEmpty());
}

TEST_F(VigiaLinks, EnderecoSeguroJulgadoComHttpNaFrente) {
    definirLista({QStringLiteral("^http://seguro\\.com")});
    copiar(QStringLiteral("https://seguro.com/entrar"));
    EXPECT_TRUE(avisoVisivel());
    EXPECT_EQ(textoURL(), QStringLiteral("http://seguro.com/entrar"));
    EXPECT_TRUE(principal->verificadores.isEmpty());
}

TEST_F(VigiaLinks, EmailEJulgado) {
    copiar(QStringLiteral("jogador@velmora.com"));
    EXPECT_EQ(principal->verificadores, QStringList{QStringLiteral("jogador@velmora.com")});
    definirLista({QStringLiteral("jogador@")});
    copiar(QStringLiteral("jogador@velmora.com"));
    EXPECT_EQ(textoURL(), QStringLiteral("http://jogador@velmora.com"));
}

TEST_F(VigiaLinks, EnderecoJaAlcancadoNaoGanhaOutroVerificador) {
    principal->listaURLsTestadas.acrescentar(QStringLiteral("HTTP://JA.COM/A"));
    copiar(QStringLiteral("http://ja.com/a"));
    EXPECT_TRUE(principal->verificadores.isEmpty());
    // Entered by its verifier with the scheme, so copied without it the text differs.
    copiar(QStringLiteral("ja.com/a"));
    EXPECT_EQ(principal->verificadores, QStringList{QStringLiteral("ja.com/a")});
    // Still judged locally on every copy.
    definirLista({QStringLiteral("ja\\.com")});
    copiar(QStringLiteral("http://ja.com/a"));
    EXPECT_TRUE(avisoVisivel());
}

TEST_F(VigiaLinks, EntradaInvalidaFicaDeForaEAProtecaoSegue) {
    testing::internal::CaptureStderr();
    definirLista({QStringLiteral("["), QStringLiteral("nada"), QStringLiteral("ruim")});
    EXPECT_NE(testing::internal::GetCapturedStderr().find("line 1 left out"), std::string::npos);
    copiar(QStringLiteral("http://ok.com"));
    EXPECT_EQ(principal->verificadores, QStringList{QStringLiteral("http://ok.com")});
    EXPECT_FALSE(avisoVisivel());
    // The title of the page the verifier lands on is judged too.
    EXPECT_TRUE(principal->verificarBadURL(QStringLiteral("http://ok.com"), QStringLiteral("http://ok.com"),
                                           QStringLiteral("Gerador de morangos")));
    voltarAoJogo();
    copiar(QStringLiteral("http://ruim.com"));
    EXPECT_TRUE(principal->quilletNaFrente());
    EXPECT_EQ(principal->verificadores.size(), 1);
}

// A list of 20,000 entries that backtrack without end on the copied address:
// the judgement stops at its budget and the link goes on to the verifier.
TEST_F(VigiaLinks, ListaHostilNaoPrendeACopiaEOVerificadorSegue) {
    QStringList lista;
    for (int i = 0; i < 10'000; ++i)
        lista << QStringLiteral("(a+)+$") << QStringLiteral("(x+x+)+y");
    definirLista(lista);
    const QString endereco = QStringLiteral("http://%1.com/?y=%2-b")
                                 .arg(QString(30, QLatin1Char('x')), QString(30, QLatin1Char('a')));
    testing::internal::CaptureStderr();
    copiar(endereco);
    const std::string erro = testing::internal::GetCapturedStderr();
    EXPECT_EQ(principal->verificadores, QStringList{endereco});
    EXPECT_FALSE(avisoVisivel());
    EXPECT_NE(erro.find("bad-site entries undecided"), std::string::npos) << erro;
}

TEST_F(VigiaLinks, ListaPostaDiretoNoCampoTambemValeEAcompanhaMudancas) {
    principal->listaBadURLs = {QStringLiteral("ruim")};
    EXPECT_TRUE(principal->verificarBadURL(QStringLiteral("ruim.com"), QStringLiteral("ruim.com"), {}));
    principal->listaBadURLs.clear();
    EXPECT_FALSE(principal->verificarBadURL(QStringLiteral("ruim.com"), QStringLiteral("ruim.com"), {}));
}

TEST_F(VigiaLinks, TextosDoAviso) {
    definirLista({QStringLiteral("ruim")});
    // Equal once both carry the scheme: the one-address text.
    EXPECT_TRUE(
        principal->verificarBadURL(QStringLiteral("ruim.com"), QStringLiteral("http://ruim.com"), {}));
    EXPECT_EQ(textoURL(), QStringLiteral("http://ruim.com"));
    EXPECT_EQ(textoInfo(), QStringLiteral("Suspeito: http://ruim.com\nVolte."));

    EXPECT_TRUE(
        principal->verificarBadURL(QStringLiteral("http://ruim.com/x"), QStringLiteral("curto.ly/a"), {}));
    EXPECT_EQ(textoURL(), QStringLiteral("http://curto.ly/a -> http://ruim.com/x"));
    EXPECT_EQ(textoInfo(), QStringLiteral("De http://curto.ly/a para http://ruim.com/x"));

    // A judgement that finds nothing leaves the warning as it is.
    EXPECT_FALSE(principal->verificarBadURL(QStringLiteral("bom.com"), QStringLiteral("bom.com"), {}));
    EXPECT_EQ(textoURL(), QStringLiteral("http://curto.ly/a -> http://ruim.com/x"));
    EXPECT_TRUE(avisoVisivel());
}

TEST_F(VigiaLinks, PrimeiroPlanoConformeOVeredito) {
    definirLista({QStringLiteral("ruim")});
    const QString inicio = QStringLiteral("http://curto.ly/a");

    // Keywords: the warning shows, the window is not brought forward.
    EXPECT_TRUE(principal->verificarBadURL(QStringLiteral("http://hack-gratis.com"), inicio, {}));
    EXPECT_TRUE(principal->quilletNaFrente());
    EXPECT_TRUE(principal->primeiroPlano.isEmpty());

    // A bad title: forward before the warning comes up.
    principal->painelQuillet->hide();
    EXPECT_TRUE(
        principal->verificarBadURL(QStringLiteral("http://bom.com"), inicio, QStringLiteral("Hack Queijo")));
    EXPECT_EQ(principal->primeiroPlano, QList<bool>{false});

    // A listed site: forward once the warning is up.
    principal->painelQuillet->hide();
    principal->primeiroPlano.clear();
    EXPECT_TRUE(principal->verificarBadURL(QStringLiteral("http://ruim.com"), inicio, {}));
    EXPECT_EQ(principal->primeiroPlano, QList<bool>{true});
}

TEST_F(VigiaLinks, AvisoCobreOJogoSemTransicao) {
    definirLista({QStringLiteral("ruim")});
    copiar(QStringLiteral("http://ruim.com"));
    EXPECT_TRUE(principal->quilletNaFrente());
    EXPECT_TRUE(principal->painelQuillet->alinhado());
    EXPECT_EQ(principal->painelQuillet->geometry(), principal->rect());
    EXPECT_EQ(principal->frameProtetor()->geometry(), principal->painelQuillet->rect());
    EXPECT_FALSE(principal->timermostrarQuillet->isActive());
    // The game is only covered.
    EXPECT_TRUE(principal->painelJogo->isVisible());
    EXPECT_TRUE(principal->frameVelmora->isVisible());

    principal->frameProtetor()->btnVoltar->click();
    EXPECT_TRUE(principal->painelJogo->isVisible());
    while (principal->timerOcultarQuillet->isActive())
        principal->timerOcultarQuilletTimer();
    EXPECT_FALSE(principal->painelQuillet->isVisible());
    EXPECT_TRUE(principal->frameVelmora->isVisible());
    // The warning stays up inside the hidden panel.
    EXPECT_FALSE(principal->frameProtetor()->isHidden());
}

TEST_F(VigiaLinks, AvisoDuranteASaidaDoPainelTerminaASaidaAntes) {
    definirLista({QStringLiteral("ruim")});
    copiar(QStringLiteral("http://ruim.com"));
    principal->frameProtetor()->btnVoltarClick();
    principal->timerOcultarQuilletTimer();
    copiar(QStringLiteral("http://ruim.com/outra"));
    EXPECT_FALSE(principal->timerOcultarQuillet->isActive());
    EXPECT_TRUE(principal->quilletNaFrente());
    EXPECT_EQ(principal->painelQuillet->geometry(), principal->rect());
}

TEST_F(VigiaLinks, AvisoFicaSobATelaDeConfiguracoes) {
    definirLista({QStringLiteral("ruim")});
    principal->btnConfigClick();
    while (principal->timermostrarQuillet->isActive())
        principal->timermostrarQuilletTimer();
    EXPECT_TRUE(principal->verificarBadURL(QStringLiteral("ruim.com"), QStringLiteral("ruim.com"), {}));
    const QObjectList ordem = principal->painelQuillet->children();
    EXPECT_GT(ordem.indexOf(principal->frameConfig()), ordem.indexOf(principal->frameProtetor()));
    EXPECT_TRUE(principal->frameConfig()->isVisible());
}

// The warning says which rule found the link bad, and where a redirect led.
TEST_F(VigiaLinks, AvisoDizPorQueConformeARegra) {
    definirLista({QStringLiteral("ruim")});
    const TIdioma& idioma = *principal->idioma;
    const TframeProtetor* aviso = principal->frameProtetor();
    const QString inicio = QStringLiteral("http://curto.ly/a");
    const std::tuple<QString, QString, const char*> casos[] = {
        {QStringLiteral("http://hack-gratis.com"), QString(), "frameProtetor.motivoPalavrasChave"},
        {QStringLiteral("http://ruim.com"), QString(), "frameProtetor.motivoSiteRuim"},
        {QStringLiteral("http://bom.com"), QStringLiteral("Gerador de MORANGOS"),
         "frameProtetor.motivoTitulo"},
    };
    for (const auto& [url, titulo, chave] : casos) {
        SCOPED_TRACE(chave);
        ASSERT_TRUE(principal->verificarBadURL(url, inicio, titulo));
        EXPECT_EQ(aviso->textoMotivo->text(), idioma.get(QLatin1String(chave)));
        EXPECT_FALSE(aviso->textoMotivo->isHidden());
        EXPECT_EQ(aviso->textoDestino->text(), idioma.get(QStringLiteral("frameProtetor.destino"), {url}));
        EXPECT_FALSE(aviso->textoDestino->isHidden());
    }
    // Reached directly: no line of where it leads.
    ASSERT_TRUE(principal->verificarBadURL(QStringLiteral("ruim.com"), QStringLiteral("ruim.com"), {}));
    EXPECT_TRUE(aviso->textoDestino->isHidden());
    EXPECT_EQ(aviso->textoMotivo->text(), idioma.get(QStringLiteral("frameProtetor.motivoSiteRuim")));
}

TEST_F(VigiaLinks, AvisoTiraOLinkCopiadoDaAreaDeTransferencia) {
    definirLista({QStringLiteral("ruim")});
    const TframeProtetor* aviso = principal->frameProtetor();
    const QString removido =
        principal->idioma->get(QStringLiteral("frameProtetor.removidoAreaTransferencia"));

    copiar(QStringLiteral("olha isso: http://ruim.com/premio"));
    EXPECT_TRUE(avisoVisivel());
    EXPECT_TRUE(teste->areaTransferencia->texto.isEmpty());
    EXPECT_EQ(aviso->textoOrigem->text(), removido);

    // A disguised copy is found by its canonical address, and goes too.
    voltarAoJogo();
    copiar(QStringLiteral("RUIM\u200B.com"));
    EXPECT_TRUE(teste->areaTransferencia->texto.isEmpty());
    EXPECT_EQ(aviso->textoOrigem->text(), removido);

    // A verifier's verdict comes later: what the user copied since stays,
    // and the screen claims nothing.
    copiar(QStringLiteral("outra coisa"));
    ASSERT_TRUE(
        principal->verificarBadURL(QStringLiteral("http://ruim.com/x"), QStringLiteral("curto.ly/a"), {}));
    EXPECT_EQ(teste->areaTransferencia->texto, QStringLiteral("outra coisa"));
    EXPECT_TRUE(aviso->textoOrigem->isHidden());

    // The copied start address of a redirect is still there: it goes.
    copiar(QStringLiteral("curto.ly/a"));
    ASSERT_TRUE(
        principal->verificarBadURL(QStringLiteral("http://ruim.com/x"), QStringLiteral("curto.ly/a"), {}));
    EXPECT_TRUE(teste->areaTransferencia->texto.isEmpty());
    EXPECT_EQ(aviso->textoOrigem->text(), removido);
}

// A link a movie asked to open was never in the clipboard: nothing is taken
// off it, and the screen says the link was not opened instead.
TEST_F(VigiaLinks, AvisoDeLinkDoFilmeNaoMexeNaAreaDeTransferencia) {
    copiar(QStringLiteral("http://ruim.com"));
    TframeProtetor* aviso = principal->frameProtetor();
    aviso->mostrarAviso(QStringLiteral("http://ruim.com"), QStringLiteral("http://ruim.com"),
                        TRegrasLinks::TVeredito::siteRuim, TframeProtetor::TOrigem::filme);
    EXPECT_EQ(teste->areaTransferencia->texto, QStringLiteral("http://ruim.com"));
    EXPECT_EQ(aviso->textoOrigem->text(), principal->idioma->get(QStringLiteral("frameProtetor.naoAberto")));
    EXPECT_EQ(textoInfo(),
              principal->idioma->get(QStringLiteral("frameProtetor.conselho")).replace("\r\n", "\n"));
}

// Both built-in languages explain the warning; English, which has no texts
// of a copied link of its own, gives the general advice.
TEST_F(VigiaLinks, AvisoNasDuasLinguas) {
    definirLista({QStringLiteral("ruim")});
    principal->idioma->carregarIdioma(QStringLiteral("PT"));
    ASSERT_TRUE(principal->verificarBadURL(QStringLiteral("ruim.com"), QStringLiteral("ruim.com"), {}));
    const TframeProtetor* aviso = principal->frameProtetor();
    EXPECT_TRUE(
        textoInfo().startsWith(QStringLiteral("Cuidado!\nO link \"http://ruim.com\" que você copiou")));
    EXPECT_TRUE(aviso->textoMotivo->text().startsWith(QStringLiteral("Por que:")));

    principal->idioma->carregarIdioma(QStringLiteral("EN"));
    ASSERT_TRUE(principal->verificarBadURL(QStringLiteral("ruim.com"), QStringLiteral("ruim.com"), {}));
    EXPECT_TRUE(textoInfo().startsWith(QStringLiteral("Be careful!\nDo not give away")))
        << textoInfo().toStdString();
    EXPECT_TRUE(aviso->textoMotivo->text().startsWith(QStringLiteral("Why:")));
    for (const QLabel* linha : {aviso->textoMotivo, aviso->textoDestino, aviso->textoOrigem})
        EXPECT_FALSE(linha->text().startsWith(QLatin1Char('$'))) << linha->text().toStdString();
}

} // namespace

namespace {

// Spellings of a listed site that a browser opens as that site, or that a
// reader takes for it.
const QString disfarces[] = {
    // Letter case.
    QStringLiteral("HTTP://premios-vlm.com/login"),
    QStringLiteral("http://PREMIOS-VLM.COM"),
    QStringLiteral("http://Premios-Vlm.com/x"),
    QStringLiteral("Premios-vlm.com tem brinde pra todo mundo"),
    QStringLiteral("premios-vlm.COM/entrar"),
    QStringLiteral("HTTPS://PREMIOS-VLM.COM/"),
    QStringLiteral("www.PREMIOS-VLM.com"),
    // Invisible characters.
    QStringLiteral("premios\u200B-vlm.com"),
    QStringLiteral("premios-vlm\u200B.com"),
    QStringLiteral("prem\u00ADios-vlm.com"),
    QStringLiteral("premios-vlm.\u00ADcom"),
    QStringLiteral("\u200Epremios-vlm.com\u200F"),
    QStringLiteral("premios-v\u2060lm.com"),
    QStringLiteral("premios-vlm\uFEFF.com/x"),
    QStringLiteral("http://pre\u200Dmios-vlm.com/"),
    // Unicode forms.
    QStringLiteral("premios-vlm\u3002com"),
    QStringLiteral("premios-vlm\uFF0Ecom"),
    QStringLiteral("premios-vlm\uFF61com"),
    QStringLiteral(
        "\uFF50\uFF52\uFF45\uFF4D\uFF49\uFF4F\uFF53\uFF0D\uFF56\uFF4C\uFF4D\uFF0E\uFF43\uFF4F\uFF4D"),
    QStringLiteral("premios-vlm.\uFF43\uFF4F\uFF4D"),
    QStringLiteral("premios-vlm.co\u1D50"),
    QStringLiteral("\u24DFremios-vlm.com"),
    // Percent-escapes in the host.
    QStringLiteral("http://premios-vlm%2Ecom/"),
    QStringLiteral("http://premios-v%6Cm.com/"),
    QStringLiteral("http://%70%72%65mios-vlm.com"),
    QStringLiteral("http://premios%2Dvlm.com"),
    QStringLiteral("http://PREMIOS-VLM%2ECOM"),
    QStringLiteral("premios-vlm%2ecom/login"),
    QStringLiteral("https://www.premios-vlm%2Ecom/"),
    // Mixed.
    QStringLiteral("Olha s\u00F3: \uFF28\uFF34\uFF34\uFF30://premios-vlm\u3002com/pegar"),
    QStringLiteral("http://pr\u00ADEMIOS-vlm%2eC\u200Bom"),
    // A listed numeric host, in the forms browsers accept.
    QStringLiteral("http://203.0.113.7/login"),
    QStringLiteral("http://3405803783/"),
    QStringLiteral("http://0xCB007107/"),
    QStringLiteral("http://0313.0.0161.07/"),
    QStringLiteral("http://203.0.28935/"),
    QStringLiteral("http://203.28935/"),
    QStringLiteral("http://0xcb.0x0.0x71.0x7/"),
    QStringLiteral("HTTP://0XCB007107/"),
    QStringLiteral("203.0.113.7/entrar"),
    QStringLiteral("http://jogador@203.0.113.7/"),
    QStringLiteral("http://premios.com@0xCB007107/"),
    QStringLiteral("http://203.0.113.7./"),
    QStringLiteral("entra em http://203.0.113.7:8080/x agora"),
    QStringLiteral("http://\uFF12\uFF10\uFF13\uFF0E\uFF10\uFF0E\uFF11\uFF11\uFF13\uFF0E\uFF17/"),
};

// Texts that look like the listed site or its numeric host and are neither.
const QString inocentes[] = {
    QStringLiteral("premios-vlm.co"),
    QStringLiteral("premios-vlm.org"),
    QStringLiteral("premios-vim.com"),
    QStringLiteral("premios-v1m.com"),
    QStringLiteral("premiosvlm.com"),
    QStringLiteral("premios-vlm"),
    QStringLiteral("PREMIOS VLM COM"),
    QStringLiteral("premios\u200B vlm.com"),
    QStringLiteral("http://premios-vlm%2Fcom"),
    QStringLiteral("http://premios-vlm%252Ecom/"),
    QStringLiteral("premios-vlm\u00B7com"),
    QStringLiteral("premios-vlm. com"),
    QStringLiteral("meu e-mail: premios@vlm.com"),
    QStringLiteral("http://203.0.113.8/"),
    QStringLiteral("http://3405803782/"),
    QStringLiteral("vers\u00E3o 2.0.113.7 do jogo"),
    QStringLiteral("fiz 3405803783 pontos"),
    QStringLiteral("http://203.0.113.7.5/"),
    QStringLiteral("http://0x1g.0.113.7/"),
    QStringLiteral("ganhei 0xCB007107 moedas"),
    QStringLiteral("custa 203.0 moedas"),
};

} // namespace

// The listed site written escaped, and its numeric host.
TEST_F(VigiaLinks, DisfarcesDoSiteListadoSaoPegos) {
    const QStringList lista = {QStringLiteral("premios-vlm\\.com"), QStringLiteral("203\\.0\\.113\\.7")};
    const auto ruim = [&](const QString& texto) {
        abrirJanela();
        definirLista(lista);
        copiar(texto);
        return avisoVisivel();
    };
    int pegos = 0;
    for (const QString& texto : disfarces) {
        const bool pego = ruim(texto);
        pegos += pego;
        EXPECT_TRUE(pego) << texto.toStdString();
    }
    int falsos = 0;
    for (const QString& texto : inocentes) {
        const bool falso = ruim(texto);
        falsos += falso;
        EXPECT_FALSE(falso) << texto.toStdString();
    }
    std::printf("caught %d of %zu disguised spellings; %d of %zu innocent texts judged bad\n", pegos,
                std::size(disfarces), falsos, std::size(inocentes));
}
