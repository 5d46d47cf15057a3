#include "core/unit_Erros.h"
#include "settings/unit_ArquivoConfig.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
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
    // Overwrites the file in place, as an editor saving over it would; the file
    // keeps its inode and, when `mesmaHora`, its modification time to the nanosecond.
    void sobrescrever(const QByteArray& bytes, bool mesmaHora) {
        struct stat antes {};
        ASSERT_EQ(stat(QFile::encodeName(caminho).constData(), &antes), 0);
        QFile arquivo(caminho);
        ASSERT_TRUE(arquivo.open(QIODevice::ReadWrite | QIODevice::Truncate));
        arquivo.write(bytes);
        arquivo.close();
        if (mesmaHora) {
            const timespec horas[2] = {antes.st_atim, antes.st_mtim};
            ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(caminho).constData(), horas, 0), 0);
        }
    }
};

QByteArray utf16ComMarca(const QString& texto, QStringEncoder::Encoding codificacao) {
    QStringEncoder codificador(codificacao, QStringEncoder::Flag::WriteBom);
    return codificador(texto);
}

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

// Every refusal is reported before it is raised; the caller decides what to tell.
TEST_F(ArquivoConfig, ArquivoOuPastaSomenteLeituraRecusaCadaEscritaNomeandoOArquivo) {
    const QByteArray antigo = "[Quillet]\r\nnoOffset=0\r\n";
    escrever(antigo);
    QFile::setPermissions(caminho, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    QStringList avisos;
    config.aoRecusarEscrita([&avisos](const EArquivo& erro) { avisos.append(erro.Message()); });
    const std::function<void()> escritas[] = {[&] { config.WriteBool(S, "noOffset", true); },
                                              [&] { config.WriteInteger(S, "wmodeFlash", 2); },
                                              [&] { config.WriteString(S, "idioma", "EN"); }};
    for (const auto& escrita : escritas) {
        try {
            escrita();
            ADD_FAILURE() << "write accepted";
        } catch (const EArquivo& erro) {
            EXPECT_TRUE(erro.Message().contains(caminho)) << erro.Message().toStdString();
            EXPECT_EQ(avisos.last(), erro.Message());
        }
    }
    EXPECT_EQ(avisos.size(), 3);
    EXPECT_EQ(conteudo(), antigo);
    EXPECT_FALSE(config.ReadBool(S, "noOffset", true));

    QFile::remove(caminho);
    QFile::setPermissions(pasta.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_THROW(config.WriteString(S, "idioma", "EN"), EArquivo);
    QFile::setPermissions(pasta.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(QFile::exists(caminho));
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

TEST_F(ArquivoConfig, Utf16ComMarcaLidoEGravadoNaPropriaCodificacao) {
    const QString texto = QStringLiteral("[Outra]\r\nnome=Ação ✓ \U0001F600\r\n[Quillet]\r\nidioma=EN\n"
                                         "wmodeFlash=3\r\n\r\n; fim\r\n");
    for (const auto codificacao : {QStringEncoder::Utf16LE, QStringEncoder::Utf16BE}) {
        SCOPED_TRACE(codificacao == QStringEncoder::Utf16LE ? "LE" : "BE");
        escrever(utf16ComMarca(texto, codificacao));
        EXPECT_EQ(config.ReadString(S, "idioma", "PT"), "EN");
        EXPECT_EQ(config.ReadInteger(S, "wmodeFlash", 1), 3);
        EXPECT_EQ(config.ReadString("Outra", "nome", "-"), QStringLiteral("Ação ✓ \U0001F600"));

        config.WriteBool(S, "usarAnim", false);
        config.WriteString(S, "idioma", "PT");
        QString esperado = texto;
        esperado.replace("idioma=EN\n", "idioma=PT\n").replace("; fim\r\n", "; fim\r\nusarAnim=0\r\n");
        EXPECT_EQ(conteudo(), utf16ComMarca(esperado, codificacao));
        EXPECT_EQ(config.ReadString("Outra", "nome", "-"), QStringLiteral("Ação ✓ \U0001F600"));
    }
}

// Bytes that are not UTF-8 make the file Windows-1252, where each byte is one character.
TEST_F(ArquivoConfig, Windows1252LidoSemPerdaEGravadoComOsMesmosBytes) {
    QByteArray todos;
    for (int byte = 0x20; byte <= 0xFF; ++byte)
        todos.append(char(byte));
    const QByteArray antigo =
        "[Quillet]\r\nnome=Jo\xE3o \x80\x81\x9D\r\ntodos=" + todos + "\r\nidioma=PT\r\n";
    escrever(antigo);
    EXPECT_EQ(config.ReadString(S, "nome", "-"), QStringLiteral("João €\u0081\u009D"));

    config.WriteString(S, "idioma", "EN");
    config.WriteString(S, "copia", config.ReadString(S, "todos", "-"));
    QByteArray esperado = antigo;
    esperado.replace("idioma=PT\r\n", "idioma=EN\r\ncopia=" + todos.trimmed() + "\r\n");
    EXPECT_EQ(conteudo(), esperado);

    EXPECT_THROW(config.WriteString(S, "nome", QStringLiteral("日本")), EArquivo);
    EXPECT_EQ(conteudo(), esperado);
}

TEST_F(ArquivoConfig, Utf8ComMarcaGuardaAsLinhasInvalidasByteAByte) {
    const QByteArray antigo = "\xEF\xBB\xBF[Quillet]\r\nlixo=\xC3(\xFF\xFE\r\nnome=ação\r\nidioma=PT\r\n";
    escrever(antigo);
    EXPECT_EQ(config.ReadString(S, "nome", "-"), QStringLiteral("ação"));
    EXPECT_EQ(config.ReadString(S, "idioma", "-"), "PT");
    config.WriteString(S, "idioma", "EN");
    QByteArray esperado = antigo;
    EXPECT_EQ(conteudo(), esperado.replace("idioma=PT", "idioma=EN"));
}

TEST_F(ArquivoConfig, CadaLinhaGuardaOSeuFimENovasLinhasSeguemOPrimeiro) {
    escrever("[Quillet]\nidioma=PT\r\nusarAnim=1\r[Outra]\r\nb=2");
    EXPECT_TRUE(config.ReadBool(S, "usarAnim", false));
    EXPECT_EQ(config.ReadString("Outra", "b", "-"), "2");
    config.WriteBool(S, "usarAnim", false);
    EXPECT_EQ(conteudo(), "[Quillet]\nidioma=PT\r\nusarAnim=0\r[Outra]\r\nb=2");
    config.WriteBool(S, "novo", true);
    EXPECT_EQ(conteudo(), "[Quillet]\nidioma=PT\r\nusarAnim=0\rnovo=1\n[Outra]\r\nb=2");
    config.WriteString("Terceira", "x", "1");
    EXPECT_EQ(conteudo(), "[Quillet]\nidioma=PT\r\nusarAnim=0\rnovo=1\n[Outra]\r\nb=2\n[Terceira]\nx=1\n");
}

TEST_F(ArquivoConfig, MarcaSozinhaGanhaASecaoNaSuaCodificacao) {
    const QString novo = QStringLiteral("[Quillet]\r\nidioma=EN\r\n");
    const std::pair<QByteArray, QByteArray> casos[] = {
        {"", novo.toUtf8()},
        {"\xEF\xBB\xBF", "\xEF\xBB\xBF" + novo.toUtf8()},
        {"\xFF\xFE", utf16ComMarca(novo, QStringEncoder::Utf16LE)},
        {"\xFE\xFF", utf16ComMarca(novo, QStringEncoder::Utf16BE)}};
    for (const auto& [marca, esperado] : casos) {
        escrever(marca);
        EXPECT_EQ(config.ReadString(S, "idioma", "PT"), "PT");
        config.WriteString(S, "idioma", "EN");
        EXPECT_EQ(conteudo(), esperado) << marca.toHex().toStdString();
    }
}

// What cannot be changed without harm is left as it is, and the refusal says why.
TEST_F(ArquivoConfig, ArquivoQueNaoSePodeMudarSemEstragoFicaIntacto) {
    const QByteArray legivel = "[Quillet]\r\nidioma=EN\r\n";
    QByteArray grande = legivel;
    grande += QByteArray(TArquivoConfig::tamanhoMaximo + 1 - grande.size(), ';');
    struct TCaso {
        const char* nome;
        QByteArray bytes;
        const char* idiomaLido;
        const char* motivo;
    };
    const TCaso casos[] = {{"UTF-16 without its mark",
                            QStringEncoder(QStringEncoder::Utf16LE)(QString::fromLatin1(legivel)), "PT",
                            "NUL"},
                           {"UTF-16 ending in half a character",
                            utf16ComMarca(legivel, QStringEncoder::Utf16LE) + 'x', "EN", "half a character"},
                           {"too large", grande, "PT", "larger than"}};
    for (const TCaso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        escrever(caso.bytes);
        EXPECT_EQ(config.ReadString(S, "idioma", "PT"), caso.idiomaLido);
        try {
            config.WriteString(S, "idioma", "PT");
            ADD_FAILURE() << "write accepted";
        } catch (const EArquivo& erro) {
            EXPECT_TRUE(erro.Message().contains(caminho) && erro.Message().contains(caso.motivo))
                << erro.Message().toStdString();
        }
        EXPECT_TRUE(conteudo() == caso.bytes);
    }
    QFile::remove(caminho);
    ASSERT_TRUE(QDir().mkdir(caminho));
    EXPECT_EQ(config.ReadString(S, "idioma", "PT"), "PT");
    EXPECT_THROW(config.WriteString(S, "idioma", "EN"), EArquivo);
    EXPECT_TRUE(QFileInfo(caminho).isDir());
}

TEST_F(ArquivoConfig, LinhaEnormeDentroDoLimiteELidaEGuardada) {
    const QByteArray antigo =
        "[Quillet]\r\ngrande=" + QByteArray(TArquivoConfig::tamanhoMaximo - 100, 'x') + "\r\nidioma=EN\r\n";
    escrever(antigo);
    EXPECT_EQ(config.ReadString(S, "grande", "-"), QString(2047, QLatin1Char('x')));
    EXPECT_EQ(config.ReadString(S, "idioma", "PT"), "EN");
    config.WriteBool(S, "usarAnim", false);
    EXPECT_TRUE(conteudo() == antigo + "usarAnim=0\r\n");
}

// The parsed file is used again while the file stays as it was: both reads give
// the very text the one parse made. Any change is seen at the next read.
TEST_F(ArquivoConfig, ArquivoInalteradoNaoEAnalisadoDeNovoEMudancasSaoVistas) {
    escrever("[Quillet]\r\nidioma=EN\r\n" + QByteArray(TArquivoConfig::tamanhoMaximo / 2, ';'));
    const QString primeira = config.ReadString(S, "idioma", "PT");
    const QString segunda = config.ReadString(S, "idioma", "PT");
    EXPECT_EQ(primeira.constData(), segunda.constData());

    // Same size, same inode, same modification time to the nanosecond; a small
    // file, so that the change often falls within the clock tick of the last one.
    escrever("[Quillet]\r\nidioma=EN\r\n");
    EXPECT_EQ(config.ReadString(S, "idioma", "-"), "EN");
    sobrescrever("[Quillet]\r\nidioma=PT\r\n", true);
    EXPECT_EQ(config.ReadString(S, "idioma", "-"), "PT");

    QTemporaryDir outra;
    QFile novo(outra.filePath("config.ini"));
    ASSERT_TRUE(novo.open(QIODevice::WriteOnly));
    novo.write("[Quillet]\r\nidioma=XX\r\n");
    novo.close();
    ASSERT_EQ(
        ::rename(QFile::encodeName(novo.fileName()).constData(), QFile::encodeName(caminho).constData()), 0);
    EXPECT_EQ(config.ReadString(S, "idioma", "-"), "XX");

    QFile::remove(caminho);
    EXPECT_EQ(config.ReadString(S, "idioma", "-"), "-");
}

} // namespace
