#include "platform/unit_InstanciaUnica.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The running copy holds its data folder's name; a start with the same
// folder, however written, is handed over and asks the running one forward.
TEST(InstanciaUnica, SegundoInicioNaMesmaPastaEEntregueAoPrimeiro) {
    QTemporaryDir raiz;
    const QString pasta = raiz.filePath(QStringLiteral("dados/Quillet 6/"));
    auto primeira = std::make_unique<TInstanciaUnica>(pasta);
    ASSERT_FALSE(primeira->entregarAExistente());
    primeira->ouvir();
    int chamadas = 0;
    QObject::connect(primeira.get(), &TInstanciaUnica::chamada, primeira.get(), [&] { ++chamadas; });

    ASSERT_TRUE(QFile::link(raiz.filePath(QStringLiteral("dados")), raiz.filePath(QStringLiteral("enlace"))));
    const QStringList mesmaPasta = {pasta, raiz.filePath(QStringLiteral("enlace/Quillet 6")),
                                    raiz.filePath(QStringLiteral("dados/x/../Quillet 6"))};
    for (const QString& outraForma : mesmaPasta) {
        SCOPED_TRACE(outraForma.toStdString());
        const int antes = chamadas;
        EXPECT_TRUE(TInstanciaUnica(outraForma).entregarAExistente());
        EXPECT_TRUE(QTest::qWaitFor([&] { return chamadas == antes + 1; }));
    }

    // Another data folder is another copy, which runs beside the first.
    TInstanciaUnica outra(raiz.filePath(QStringLiteral("outros dados")));
    EXPECT_NE(outra.nome(), primeira->nome());
    EXPECT_FALSE(outra.entregarAExistente());

    // Once the first is gone, the next start is the running copy.
    primeira.reset();
    EXPECT_FALSE(TInstanciaUnica(pasta).entregarAExistente());
}

// The real program: a second start with the same data folder ends at once,
// the first going on; a start with another data folder runs beside it.
class InstanciaUnicaPrograma : public ::testing::Test {
protected:
    ~InstanciaUnicaPrograma() override {
        for (const auto& processo : processos) {
            processo->kill();
            processo->waitForFinished();
        }
    }

    QProcess* iniciar(const QString& pastaDados) {
        processos.push_back(std::make_unique<QProcess>());
        QProcess* processo = processos.back().get();
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("APPDATA"), raiz.filePath(pastaDados));
        ambiente.insert(QStringLiteral("TEMP"), raiz.filePath(QStringLiteral("temp")));
        ambiente.insert(QStringLiteral("QUILLET_PLAYER"), QStringLiteral("standin"));
        ambiente.insert(QStringLiteral("QUILLET_MARCAR_QUADRO"), QStringLiteral("1"));
        processo->setProcessEnvironment(ambiente);
        processo->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        processo->start(QStringLiteral(QUILLET_EXECUTAVEL), {});
        return processo;
    }
    static bool primeiroQuadro(QProcess* processo) {
        return QTest::qWaitFor([&] { return processo->readAllStandardOutput().contains("primeiro-quadro"); },
                               60000);
    }

    QTemporaryDir raiz;
    std::vector<std::unique_ptr<QProcess>> processos;
};

TEST_F(InstanciaUnicaPrograma, SegundoInicioTerminaEOutraPastaRodaAoLado) {
    QProcess* primeiro = iniciar(QStringLiteral("a"));
    ASSERT_TRUE(primeiroQuadro(primeiro));

    QProcess* segundo = iniciar(QStringLiteral("a"));
    ASSERT_TRUE(segundo->waitForFinished(30000));
    EXPECT_EQ(segundo->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(segundo->exitCode(), 0);
    EXPECT_FALSE(segundo->readAllStandardOutput().contains("primeiro-quadro")) << "it showed no window";
    EXPECT_EQ(primeiro->state(), QProcess::Running);

    QProcess* outraPasta = iniciar(QStringLiteral("b"));
    EXPECT_TRUE(primeiroQuadro(outraPasta));
    EXPECT_EQ(primeiro->state(), QProcess::Running);
}

} // namespace
