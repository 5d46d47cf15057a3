#include "core/unit_ArquivoConfig.h"
#include "core/unit_Erros.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/file.h>
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
    // No temporary file is left; the lock file stays for the next write.
    EXPECT_EQ(QDir(pasta.path()).entryList(QDir::Files), QStringList({"config.ini", "config.ini.lock"}));
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

// A write waits for the lock another writer holds, and gives up after its
// time rather than holding the program; the file stays as it was.
TEST_F(ArquivoConfig, TravaPresaRecusaAEscritaDepoisDaEspera) {
    const QByteArray antigo = "[Quillet]\r\nidioma=PT\r\n";
    escrever(antigo);
    const QByteArray travaCaminho = QFile::encodeName(caminho + ".lock");
    const int trava = open(travaCaminho.constData(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(trava, 0);
    ASSERT_EQ(flock(trava, LOCK_EX), 0);
    const auto espera = std::exchange(TArquivoConfig::esperaTrava, std::chrono::milliseconds(20));
    QStringList avisos;
    config.aoRecusarEscrita([&avisos](const EArquivo& erro) { avisos.append(erro.Message()); });
    EXPECT_THROW(config.WriteString(S, "idioma", "EN"), EArquivo);
    ASSERT_EQ(avisos.size(), 1);
    EXPECT_TRUE(avisos[0].contains("config.ini.lock")) << avisos[0].toStdString();
    EXPECT_EQ(conteudo(), antigo);

    close(trava);
    config.WriteString(S, "idioma", "EN");
    EXPECT_EQ(config.ReadString(S, "idioma", "-"), "EN");

    // Something else in the lock file's place is refused at once, never waited on.
    ASSERT_TRUE(QFile::remove(caminho + ".lock"));
    ASSERT_EQ(mkfifo(travaCaminho.constData(), 0600), 0);
    EXPECT_THROW(config.WriteString(S, "idioma", "PT"), EArquivo);
    EXPECT_EQ(config.ReadString(S, "idioma", "-"), "EN");
    TArquivoConfig::esperaTrava = espera;
}

// Writers in processes of their own, each counting a key of its own up by
// one, 300 times, in the same file: a write lost to another writer (its
// change written over) leaves a count short.
class ArquivoConfigProcessos : public ArquivoConfig {
protected:
    struct TEscritor {
        QString programa;
        QStringList argumentos;
    };

    // Runs the writers together; true when all of them ended well.
    static bool executarJuntos(const QList<TEscritor>& escritores) {
        std::vector<std::unique_ptr<QProcess>> processos;
        for (const TEscritor& escritor : escritores) {
            processos.push_back(std::make_unique<QProcess>());
            processos.back()->setProcessChannelMode(QProcess::ForwardedChannels);
            processos.back()->start(escritor.programa, escritor.argumentos);
        }
        bool bem = true;
        for (const auto& processo : processos)
            bem = processo->waitForFinished(300'000) && processo->exitStatus() == QProcess::NormalExit &&
                  processo->exitCode() == 0 && bem;
        return bem;
    }
    static TEscritor copiaDoPrograma(const QString& arquivo, const QString& chave) {
        return {QStringLiteral(QUILLET_ESCRITOR_CONFIG), {arquivo, chave, QStringLiteral("300")}};
    }
};

// One of the copies reaches the file through another folder, a link to this
// one, as a copy started with another data folder could.
TEST_F(ArquivoConfigProcessos, TresCopiasDoProgramaNaoPerdemNenhumaEscrita) {
    escrever("[Quillet]\r\n");
    const QString outraPasta = pasta.filePath(QStringLiteral("outra"));
    ASSERT_TRUE(QFile::link(pasta.path(), outraPasta));
    ASSERT_TRUE(
        executarJuntos({copiaDoPrograma(caminho, QStringLiteral("a")),
                        copiaDoPrograma(outraPasta + QStringLiteral("/config.ini"), QStringLiteral("b")),
                        copiaDoPrograma(caminho, QStringLiteral("c"))}));
    for (const char* chave : {"a", "b", "c"})
        EXPECT_EQ(config.ReadInteger(S, QLatin1String(chave), 0), 300) << chave;
}

// Another program that changes the file under the same lock.
TEST_F(ArquivoConfigProcessos, OutroProgramaComATravaNaoPerdeNemFazPerderEscritas) {
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    const QString outroPrograma = QStringLiteral(R"(
import fcntl, os, re, sys
caminho, chave, vezes = sys.argv[1], sys.argv[2], int(sys.argv[3])
for _ in range(vezes):
    with open(caminho + '.lock', 'a') as trava:
        fcntl.flock(trava, fcntl.LOCK_EX)
        texto = open(caminho, newline='').read()
        achado = re.search('^' + chave + r'=(\d+)\r$', texto, re.M)
        if achado:
            texto = texto[:achado.start(1)] + str(int(achado.group(1)) + 1) + texto[achado.end(1):]
        else:
            texto += chave + '=1\r\n'
        with open(caminho + '.novo', 'w', newline='') as novo:
            novo.write(texto)
        os.replace(caminho + '.novo', caminho)
)");
    escrever("[Quillet]\r\n");
    ASSERT_TRUE(executarJuntos(
        {copiaDoPrograma(caminho, QStringLiteral("a")),
         {python,
          {QStringLiteral("-c"), outroPrograma, caminho, QStringLiteral("outro"), QStringLiteral("300")}},
         copiaDoPrograma(caminho, QStringLiteral("c"))}));
    for (const char* chave : {"a", "outro", "c"})
        EXPECT_EQ(config.ReadInteger(S, QLatin1String(chave), 0), 300) << chave;
}

} // namespace
