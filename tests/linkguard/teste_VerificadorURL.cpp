#include "app/unit_Principal.h"
#include "core/unit_ArquivoConfig.h"
#include "core/unit_TratadorErros.h"
#include "linkguard/unit_VerificadorURL.h"
#include "linkguard/unit_VigiaLinks.h"
#include "tests/support/unit_Falsos.h"
#include "tests/support/unit_Impressao.h"
#include "tests/support/unit_ServidorLocal.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

bool verificadoresTerminados() {
    return QTest::qWaitFor([] { return TTrabalhador::ativos() == 0; }, 10'000);
}

// Against the local server: its one address and port are let through.
class VerificadorURL : public ::testing::Test {
protected:
    VerificadorURL() { TVerificadorURL::limites.destinosPermitidos = {servidor.destino()}; }
    ~VerificadorURL() override { TVerificadorURL::limites = limitesDoPrograma; }

    // Every hand-over of one verifier of `endereco`, as "urlFinal | url | titulo".
    QStringList verificar(const QString& endereco, const std::function<void()>& aoEntregar = {}) {
        QStringList entregas;
        auto* verificador = new TVerificadorURL(
            endereco, &vida, [&](const QString& urlFinal, const QString& url, const QString& titulo) {
                entregas << urlFinal + " | " + url + " | " + titulo;
                if (aoEntregar)
                    aoEntregar();
            });
        verificador->Start();
        EXPECT_TRUE(verificadoresTerminados());
        return entregas;
    }
    QString entrega(const QByteArray& urlFinal, const QByteArray& url, const QString& titulo = {}) const {
        return servidor.url(urlFinal) + " | " + servidor.url(url) + " | " + titulo;
    }

    const TLimitesHttp limitesDoPrograma = TVerificadorURL::limites;
    QObject vida;
    TServidorLocal servidor;
};

} // namespace

TEST_F(VerificadorURL, PaginaSemRedirecionamentoEPrefixoHttp) {
    servidor.rota("/pagina", TRespostaLocal{200, "<html><title>\n Olá, mundo \t</title></html>"});
    const QString semEsquema = servidor.url("/pagina").mid(7);
    EXPECT_EQ(verificar(semEsquema), QStringList{entrega("/pagina", "/pagina", "Olá, mundo")});
    const QString maiusculas = "HTTP://" + semEsquema;
    EXPECT_EQ(verificar(maiusculas), QStringList{maiusculas + " | " + maiusculas + " | Olá, mundo"});
}

// The relative target is reported as given, and still followed correctly; a
// redirect with a body, as most servers send, is followed too.
TEST_F(VerificadorURL, CadaRedirecionamentoAntesDeSerSeguido) {
    servidor.rota("/curto", TRespostaLocal::redirecionar("meio"));
    TRespostaLocal comCorpo = TRespostaLocal::redirecionar(servidor.url("/final").toUtf8(), 301);
    comCorpo.corpo = "<html><title>301 Moved Permanently</title></html>";
    servidor.rota("/meio", comCorpo);
    servidor.rota("/final", TRespostaLocal{200, "<title>Fim</title>"});
    const QString inicio = servidor.url("/curto");
    EXPECT_EQ(verificar(inicio), QStringList({"meio | " + inicio + " | ", entrega("/final", "/curto"),
                                              entrega("/final", "/curto", "Fim")}));
}

TEST_F(VerificadorURL, JanelaRegistraCadaEnderecoAlcancado) {
    servidor.rota("/curto", TRespostaLocal::redirecionar(servidor.url("/meio").toUtf8()));
    servidor.rota("/meio", TRespostaLocal::redirecionar(servidor.url("/final").toUtf8()));
    servidor.rota("/final", TRespostaLocal{200, "<title>Fim</title>"});
    TServicosTeste teste;
    TPrincipal principal(std::move(teste.servicos));
    principal.iniciarVerificador(servidor.url("/curto"));
    ASSERT_TRUE(verificadoresTerminados());
    EXPECT_EQ(principal.listaURLsTestadas.entradas(),
              QStringList({servidor.url("/meio"), servidor.url("/final"), servidor.url("/final")}));
}

TEST_F(VerificadorURL, TamanhoDeclaradoAcimaDoLimiteNaoELido) {
    const QByteArray inicio = "<title>Grande</title>";
    servidor.rota("/limite", TRespostaLocal{200, inicio + QByteArray(1'000'000 - inicio.size(), ' ')});
    servidor.rota("/acima", TRespostaLocal{200, inicio + QByteArray(1'000'001 - inicio.size(), ' ')});
    EXPECT_EQ(verificar(servidor.url("/limite")), QStringList{entrega("/limite", "/limite", "Grande")});
    EXPECT_EQ(verificar(servidor.url("/acima")), QStringList{entrega("/acima", "/acima")});
}

TEST_F(VerificadorURL, TituloPelasPosicoesDasMarcas) {
    const std::pair<QByteArray, QString> casos[] = {
        {"<TITLE>Maiusculas</TITLE>", ""},
        // Not a start tag: the title runs from position 6 up to the end tag.
        {"<title lang=\"pt\">Atributo</title>", "lang=\"pt\">Atributo"},
        {"0123456 sem abertura </title>", "6 sem abertura"},
        {"</title> fim antes <title>depois", ""},
        {"<title>sem fim", ""},
        {"<title>\xC3\xA7\xFF</title>", QStringLiteral("ç\uFFFD")},
    };
    for (const auto& [pagina, titulo] : casos) {
        servidor.rota("/titulo", TRespostaLocal{200, pagina});
        EXPECT_EQ(verificar(servidor.url("/titulo")), QStringList{entrega("/titulo", "/titulo", titulo)})
            << pagina.data();
    }
}

TEST_F(VerificadorURL, StatusFinal) {
    servidor.rota("/nada", TRespostaLocal{404, "<title>Erro</title>"});
    servidor.rota("/para-nada", TRespostaLocal::redirecionar("/nada"));
    servidor.rota("/movido", TRespostaLocal{302, "<title>Movido</title>"});
    EXPECT_EQ(verificar(servidor.url("/nada")), QStringList());
    EXPECT_EQ(verificar(servidor.url("/para-nada")),
              QStringList{"/nada | " + servidor.url("/para-nada") + " | "});
    EXPECT_EQ(verificar(servidor.url("/movido")), QStringList{entrega("/movido", "/movido")});
}

// Only a non-page answer that sends the client back to where it is gets cut off.
TEST_F(VerificadorURL, RespostaQueNaoEPaginaEApontaParaSi) {
    const auto resposta = [&](const QByteArray& tipo, const QByteArray& location) {
        return TRespostaLocal{
            200, "<title>Lido</title>", tipo, {{"Location", servidor.url(location).toUtf8()}}};
    };
    servidor.rota("/si", resposta("application/octet-stream", "/si"));
    servidor.rota("/outro", resposta("application/octet-stream", "/si"));
    servidor.rota("/html", resposta("TEXT/HTML; charset=utf-8", "/html"));
    EXPECT_EQ(verificar(servidor.url("/si")), QStringList{entrega("/si", "/si")});
    EXPECT_EQ(verificar(servidor.url("/outro")), QStringList{entrega("/outro", "/outro", "Lido")});
    EXPECT_EQ(verificar(servidor.url("/html")), QStringList{entrega("/html", "/html", "Lido")});
}

TEST_F(VerificadorURL, ErroNumaEntregaEncerraEmSilencio) {
    int errosNaAplicacao = 0;
    TratadorErros::definir([&](const std::exception&) { ++errosNaAplicacao; });
    servidor.rota("/curto", TRespostaLocal::redirecionar("/final"));
    servidor.rota("/final", TRespostaLocal{200, "<title>Fim</title>"});
    const auto falhar = [] { throw std::runtime_error("entrada invalida na lista"); };
    EXPECT_EQ(verificar(servidor.url("/curto"), falhar).size(), 1);
    EXPECT_EQ(servidor.contar("/final"), 0);
    EXPECT_EQ(verificar(servidor.url("/final"), falhar).size(), 1);
    TratadorErros::definir({});
    EXPECT_EQ(errosNaAplicacao, 0);
}

// A port browsers refuse ends the check as a host that does not answer,
// whether the link names it or a redirect leads there (the target is still
// judged first); nothing connects to it.
TEST_F(VerificadorURL, PortaInseguraComoHostQueNaoResponde) {
    TServidorLocal inseguro(TServidorLocal::portasInseguras());
    if (inseguro.porta() == 0)
        GTEST_SKIP() << "every unsafe port tried is taken on this machine";
    TVerificadorURL::limites.destinosPermitidos << inseguro.destino();
    inseguro.rota("/pagina", TRespostaLocal{200, "<title>Outro protocolo</title>"});
    servidor.rota("/desvio", TRespostaLocal::redirecionar(inseguro.url("/pagina").toUtf8()));
    EXPECT_EQ(verificar(inseguro.url("/pagina")), QStringList());
    EXPECT_EQ(verificar(servidor.url("/desvio")),
              QStringList{inseguro.url("/pagina") + " | " + servidor.url("/desvio") + " | "});
    EXPECT_EQ(inseguro.conexoesAceitas(), 0);
}

// However the link names this machine, no connection is made and nothing is
// handed over, as when a host does not answer.
TEST_F(VerificadorURL, EnderecoDaPropriaMaquinaNaoEContactado) {
    TVerificadorURL::limites.destinosPermitidos.clear();
    servidor.rota("/pagina", TRespostaLocal{200, "<title>Local</title>"});
    const QString porta = servidor.destino().section(QLatin1Char(':'), 1);
    const QStringList enderecos = {
        servidor.url("/pagina"),
        "localhost:" + porta + "/pagina",
        "http://127.1:" + porta + "/pagina",
        "http://2130706433:" + porta + "/pagina",
        "http://[::ffff:127.0.0.1]:" + porta + "/pagina",
        "http://[::1]:" + porta + "/pagina",
    };
    for (const QString& endereco : enderecos)
        EXPECT_EQ(verificar(endereco), QStringList()) << endereco.toStdString();
    EXPECT_EQ(servidor.conexoesAceitas(), 0);
}

// The allowed test server redirects into the machine: the redirect is judged
// as always, its target is never connected to, and no final report follows.
TEST_F(VerificadorURL, RedirecionamentoParaDentroDaRedeNaoESeguido) {
    TServidorLocal interno;
    interno.rota("/segredo", TRespostaLocal{200, "<title>Interno</title>"});
    const QString metadados = QStringLiteral("http://169.254.169.254/latest/meta-data/");
    servidor.rota("/para-interno", TRespostaLocal::redirecionar(interno.url("/segredo").toUtf8()));
    servidor.rota("/para-metadados", TRespostaLocal::redirecionar(metadados.toUtf8()));
    EXPECT_EQ(verificar(servidor.url("/para-interno")),
              QStringList{interno.url("/segredo") + " | " + servidor.url("/para-interno") + " | "});
    EXPECT_EQ(verificar(servidor.url("/para-metadados")),
              QStringList{metadados + " | " + servidor.url("/para-metadados") + " | "});
    EXPECT_EQ(interno.conexoesAceitas(), 0);
    EXPECT_EQ(servidor.conexoesAceitas(), 2);
}

namespace {

// The watcher with its gates open, its verifiers real and their checks queued.
class VigiaComVerificador : public VerificadorURL {
protected:
    VigiaComVerificador()
        : config(pastas.raiz.filePath(QStringLiteral("config.ini"))),
          vigia(config, area, listaBadURLs, listaURLsTestadas,
                {.desligadoRemotamente = [] { return false; }, .jogoComFoco = [] { return true; }}, &vida,
                nullptr) {
        area.aoMudar([this] {
            vigia.areaTransferenciaMudou();
            vigia.timerAreaTransferenciaTimer();
        });
        QObject::connect(&vigia, &TVigiaLinks::verificacaoPedida, &vigia, &TVigiaLinks::iniciarVerificador);
    }

    TPastasTeste pastas;
    TArquivoConfig config;
    TAreaTransferenciaFalsa area;
    QStringList listaBadURLs;
    TListaURLsTestadas listaURLsTestadas;
    TVigiaLinks vigia;
};

} // namespace

// Found only once the host is read as a browser reads it, and fetched at the
// address the canonical copy gives.
TEST_F(VigiaComVerificador, HostNumericoEVerificadoPeloEnderecoCanonico) {
    servidor.rota("/pagina", TRespostaLocal{200, "<title>Numerico</title>"});
    const QString porta = servidor.destino().section(QLatin1Char(':'), 1);
    area.copiar("entra em HTTP://2130706433:" + porta + "/pagina");
    ASSERT_TRUE(verificadoresTerminados());
    EXPECT_EQ(listaURLsTestadas.entradas(), QStringList{servidor.url("/pagina")});
    EXPECT_EQ(servidor.contar("/pagina"), 1);
}

// The link is copied again and again while its check waits for an answer.
TEST_F(VigiaComVerificador, MesmoLinkCopiadoDezVezesUmaVerificacao) {
    servidor.rota("/lento", TRespostaLocal{200, "<title>Lento</title>", "text/html", {}, false, false, 1});
    for (int i = 0; i < 10; ++i)
        area.copiar(servidor.url("/lento"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return servidor.contar("/lento") == 1; }, 10'000));
    EXPECT_EQ(vigia.filaVerificacoes().emCurso(), 1);
    EXPECT_EQ(vigia.filaVerificacoes().emEspera(), 0);
    servidor.abrirPortao(1);
    ASSERT_TRUE(verificadoresTerminados());
    EXPECT_EQ(servidor.contar("/lento"), 1);
    EXPECT_EQ(listaURLsTestadas.entradas(), QStringList{servidor.url("/lento")});
}
