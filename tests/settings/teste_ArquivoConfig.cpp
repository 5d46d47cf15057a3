#include "platform/unit_Erros.h"
#include "settings/unit_ArquivoConfig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QString S = QStringLiteral("Quillet");

class ArquivoConfig : public ::testing::Test {
protected:
    QTemporaryDir pasta;
    QString caminho = pasta.filePath(QStringLiteral("config.ini"));
    TArquivoConfig config{caminho};

    void escrever(const QByteArray& bytes) {
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
        arquivo.write(bytes);
    }
    QByteArray conteudo() const {
        QFile arquivo(caminho);
        return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
    }
};

TEST_F(ArquivoConfig, InteirosEBooleanos) {
    escrever("[Quillet]\r\na=0x3\r\nb=$3\r\nc=0X1f\r\nd=0x\r\ne=2\r\nf=abc\r\ng=\r\nh=-12\r\ni=$\r\nz=0\r\n");
    const int esperados[] = {3, 3, 31, 9, 2, 9, 9, -12, 9};
    for (char chave = 'a'; chave <= 'i'; ++chave)
        EXPECT_EQ(config.ReadInteger(S, QString(QChar(chave)), 9), esperados[chave - 'a']) << chave;
    EXPECT_TRUE(config.ReadBool(S, "e", false));
    EXPECT_FALSE(config.ReadBool(S, "f", false));
    EXPECT_TRUE(config.ReadBool(S, "f", true));
    EXPECT_FALSE(config.ReadBool(S, "z", true));
}

TEST_F(ArquivoConfig, AusentesDevolvemOPadraoSemCriarOArquivo) {
    EXPECT_EQ(config.ReadString(S, "idioma", "PT"), "PT");
    EXPECT_EQ(config.ReadInteger(S, "wmodeFlash", 1), 1);
    EXPECT_TRUE(config.ReadBool(S, "usarAnim", true));
    EXPECT_FALSE(QFile::exists(caminho));
    escrever("[Outra]\r\nidioma=EN\r\n[Quillet]\r\nx=1\r\n[Depois]\r\nidioma=XX\r\n");
    EXPECT_EQ(config.ReadString(S, "idioma", "PT"), "PT");
}

TEST_F(ArquivoConfig, NomesSemCaixaETextoAte2047Caracteres) {
    escrever("[QUILLET]\r\nIdIoMa=" + QByteArray(3000, 'x') + "\r\n");
    EXPECT_EQ(config.ReadString(S, "idioma", "PT"), QString(2047, QLatin1Char('x')));
    config.WriteString("quillet", "IDIOMA", "EN");
    EXPECT_EQ(config.ReadString(S, "idioma", "PT"), "EN");
    EXPECT_EQ(conteudo().count("="), 1);
}

TEST_F(ArquivoConfig, EscritaCriaArquivoESecaoESubstituiValores) {
    config.WriteInteger(S, "wmodeFlash", -3);
    EXPECT_EQ(config.ReadInteger(S, "wmodeFlash", 1), -3);
    config.WriteInteger(S, "wmodeFlash", 4);
    EXPECT_EQ(conteudo(), "[Quillet]\r\nwmodeFlash=4\r\n");

    escrever("[Quillet]\r\na=1\r\n\r\n[Outra]\r\nb=2\r\n");
    config.WriteBool(S, "c", true);
    EXPECT_EQ(config.ReadString("Outra", "c", "-"), "-");
    EXPECT_EQ(config.ReadString(S, "c", "-"), "1");
    EXPECT_EQ(config.ReadString("Outra", "b", "-"), "2");

    escrever("[Outra]\r\nb=2\r\n");
    config.WriteString(S, "idioma", "EN");
    EXPECT_EQ(config.ReadString(S, "idioma", "PT"), "EN");
    EXPECT_EQ(config.ReadString("Outra", "b", "-"), "2");
}

// The file size limit makes the write fail halfway, also for the superuser.
TEST_F(ArquivoConfig, EscritaQueFalhaDeixaOArquivoAntigoIntacto) {
    const QByteArray antigo = "[Quillet]\r\nidioma=PT\r\nusarAnim=1\r\n";
    escrever(antigo);
    rlimit original{};
    getrlimit(RLIMIT_FSIZE, &original);
    const auto tratadorAnterior = std::signal(SIGXFSZ, SIG_IGN);
    rlimit pequeno = original;
    pequeno.rlim_cur = 16;
    setrlimit(RLIMIT_FSIZE, &pequeno);
    EXPECT_THROW(config.WriteString(S, "idioma", "EN"), EArquivo);
    setrlimit(RLIMIT_FSIZE, &original);
    std::signal(SIGXFSZ, tratadorAnterior);
    EXPECT_EQ(conteudo(), antigo);
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList{"config.ini"});
}

TEST_F(ArquivoConfig, ArquivoSomenteLeituraRecusaCadaEscritaNomeandoOArquivo) {
    const QByteArray antigo = "[Quillet]\r\nnoOffset=0\r\n";
    escrever(antigo);
    QFile::setPermissions(caminho, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    const std::function<void()> escritas[] = {[&] { config.WriteBool(S, "noOffset", true); },
                                              [&] { config.WriteInteger(S, "wmodeFlash", 2); },
                                              [&] { config.WriteString(S, "idioma", "EN"); }};
    for (const auto& escrita : escritas) {
        try {
            escrita();
            ADD_FAILURE() << "write accepted";
        } catch (const EArquivo& erro) {
            EXPECT_TRUE(erro.Message().contains(caminho)) << erro.Message().toStdString();
        }
    }
    EXPECT_EQ(conteudo(), antigo);
    EXPECT_FALSE(config.ReadBool(S, "noOffset", true));
}

TEST_F(ArquivoConfig, ArquivoIlegivelNaoESubstituido) {
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    escrever("[Quillet]\r\nidioma=EN\r\n");
    QFile::setPermissions(caminho, QFileDevice::WriteOwner);
    EXPECT_THROW(config.WriteBool(S, "usarAnim", false), EArquivo);
    QFile::setPermissions(caminho, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(config.ReadString(S, "idioma", "PT"), "EN");
}

} // namespace
