#include "player/unit_ArmazemJogos.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

constexpr qint64 bloco = TArmazemJogos::bloco;

void escrever(const QString& arquivo, qint64 bytes) {
    QDir().mkpath(QFileInfo(arquivo).path());
    QFile saida(arquivo);
    ASSERT_TRUE(saida.open(QIODevice::WriteOnly));
    saida.write(QByteArray(bytes, 'x'));
}

bool vazia(const QString& pasta) {
    return QDir(pasta).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Data and cache base folders in a fresh temporary folder.
class ArmazemJogos : public ::testing::Test {
protected:
    QString dados(const QString& caminho = {}) const {
        return raiz.filePath(QStringLiteral("dados/") + caminho);
    }
    QString cache(const QString& caminho = {}) const {
        return raiz.filePath(QStringLiteral("cache/") + caminho);
    }
    bool lixoEsvaziado() const {
        return QTest::qWaitFor(
            [this] { return vazia(dados(".descartados")) && vazia(cache(".descartados")); });
    }

    QTemporaryDir raiz;
    TArmazemJogos armazem{{dados(), cache()}};
};

} // namespace

// Files count in whole 4 KiB blocks and folders as one, as they take the
// disk; data and cache together; other games' folders apart.
TEST_F(ArmazemJogos, TamanhoDeUmJogoEmBlocosDosDadosEDoCache) {
    escrever(dados("Kraddle/Local Storage/000003.log"), 1);
    escrever(dados("Kraddle/Cookies"), bloco + 1);
    escrever(cache("Kraddle/Cache/dados"), 3 * bloco);
    escrever(dados("Lurrow/Cookies"), 100 * bloco);
    // Kraddle, Local Storage, Kraddle (cache), Cache: four folders; files 1 + 2 + 3 blocks.
    EXPECT_EQ(armazem.tamanho(QStringLiteral("Kraddle"), 1'000'000), 10 * bloco);
    EXPECT_EQ(armazem.tamanho(QStringLiteral("Gumbrel"), 1'000'000), 0);
}

// Counting stops as soon as the count passes the cap: a folder of many
// thousands of files costs no more than the cap's worth of them.
TEST_F(ArmazemJogos, ContagemParaAoPassarDoLimite) {
    for (int i = 0; i < 3000; ++i)
        escrever(dados(QStringLiteral("Kraddle/IndexedDB/blob/%1").arg(i)), 1);
    const qint64 limite = 100 * bloco;
    const qint64 contado = armazem.tamanho(QStringLiteral("Kraddle"), limite);
    EXPECT_GT(contado, limite);
    EXPECT_LE(contado, limite + bloco);
    EXPECT_GT(armazem.tamanho(QStringLiteral("Kraddle"), 10'000 * bloco), 3000 * bloco);
}

// Erased, a game's folders are gone at once and deleted on a worker; a link
// inside is deleted as a link, what it points to stays; other games stay.
TEST_F(ArmazemJogos, DescartarTiraAsPastasDoJogoSoAsDele) {
    escrever(dados("Kraddle/IndexedDB/1"), 10);
    escrever(cache("Kraddle/Cache/1"), 10);
    escrever(dados("Lurrow/Cookies"), 10);
    escrever(raiz.filePath(QStringLiteral("fora/importante")), 10);
    ASSERT_TRUE(QFile::link(raiz.filePath(QStringLiteral("fora")), dados("Kraddle/atalho")));

    armazem.descartar(QStringLiteral("Kraddle"));
    EXPECT_FALSE(QFileInfo::exists(dados("Kraddle")));
    EXPECT_FALSE(QFileInfo::exists(cache("Kraddle")));
    EXPECT_EQ(armazem.tamanho(QStringLiteral("Kraddle"), 1'000'000), 0);
    EXPECT_TRUE(lixoEsvaziado());
    EXPECT_TRUE(QFileInfo::exists(raiz.filePath(QStringLiteral("fora/importante"))));
    EXPECT_TRUE(QFileInfo::exists(dados("Lurrow/Cookies")));
}

// What an earlier run left to delete, and the folders of the one profile all
// games once shared, go when the folders are first taken in hand.
TEST_F(ArmazemJogos, PrimeiroUsoApagaRestosEOPerfilCompartilhadoAntigo) {
    escrever(dados(".descartados/Velmora-1/Cookies"), 10);
    escrever(cache(".descartados/Velmora-1/Cache/1"), 10);
    escrever(dados("armazenamento/Local Storage/1"), 10);
    escrever(dados("cache/Cache/1"), 10);
    escrever(dados("Velmora/Cookies"), 10);
    const TArmazemJogos novo({dados(), cache()});
    EXPECT_EQ(novo.tamanho(QStringLiteral("Velmora"), 1'000'000), 2 * bloco);
    EXPECT_FALSE(QFileInfo::exists(dados("armazenamento")));
    EXPECT_FALSE(QFileInfo::exists(dados("cache")));
    EXPECT_TRUE(lixoEsvaziado());
    EXPECT_TRUE(QFileInfo::exists(dados("Velmora/Cookies")));
}
