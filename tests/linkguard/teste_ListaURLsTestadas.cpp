#include "linkguard/unit_ListaURLsTestadas.h"

#include <gtest/gtest.h>

namespace {

QString endereco(int i) {
    return QStringLiteral("http://site%1.com/").arg(i);
}

} // namespace

// As QString::compare without regard to case, also beyond ASCII and outside
// the Basic Multilingual Plane; a part of an entry, or more than it, is no entry.
TEST(ListaURLsTestadas, BuscaPeloTextoInteiroSemCaixa) {
    TListaURLsTestadas lista;
    const QString deseret = QString::fromUcs4(U"http://x.com/\U00010400");
    lista.acrescentar(QStringLiteral("http://Já.com/ÀB"));
    lista.acrescentar(deseret);
    const QStringList procurados = {QStringLiteral("HTTP://JÁ.COM/àb"), QStringLiteral("http://já.com"),
                                    QStringLiteral("http://já.com/àb/"),
                                    QString::fromUcs4(U"http://X.com/\U00010428"),
                                    QStringLiteral("http://x.com/")};
    for (const QString& procurado : procurados) {
        const bool igual = procurado.compare(QStringLiteral("http://Já.com/ÀB"), Qt::CaseInsensitive) == 0 ||
                           procurado.compare(deseret, Qt::CaseInsensitive) == 0;
        EXPECT_EQ(lista.contem(procurado), igual) << qPrintable(procurado);
    }
    EXPECT_TRUE(lista.contem(QStringLiteral("HTTP://JÁ.COM/àb")));
    EXPECT_TRUE(lista.contem(QString::fromUcs4(U"http://X.com/\U00010428")));
}

// Past 10,000 entries the oldest goes; a text entered twice is found until its last copy goes.
TEST(ListaURLsTestadas, PassandoDasEntradasSaiAMaisAntiga) {
    TListaURLsTestadas lista;
    lista.acrescentar(QStringLiteral("http://dup.com/"));
    for (int i = 1; i < TListaURLsTestadas::entradasMaximas; ++i)
        lista.acrescentar(i == 5 ? QStringLiteral("HTTP://DUP.COM/") : endereco(i));
    EXPECT_EQ(lista.tamanho(), TListaURLsTestadas::entradasMaximas);
    EXPECT_TRUE(lista.contem(QStringLiteral("http://dup.com/")));

    lista.acrescentar(endereco(10'000));
    EXPECT_EQ(lista.tamanho(), TListaURLsTestadas::entradasMaximas);
    EXPECT_EQ(lista.entradas().first(), endereco(1));
    EXPECT_TRUE(lista.contem(QStringLiteral("http://dup.com/"))) << "its second copy is still there";
    for (int i = 10'001; i <= 10'005; ++i)
        lista.acrescentar(endereco(i));
    EXPECT_FALSE(lista.contem(QStringLiteral("http://dup.com/")));
    EXPECT_FALSE(lista.contem(endereco(4)));
    EXPECT_TRUE(lista.contem(endereco(6)));
}

// Past 1 MiB of text the oldest go, however few the entries; an entry larger
// than the whole cap is not kept.
TEST(ListaURLsTestadas, PassandoDosBytesSaemAsMaisAntigas) {
    TListaURLsTestadas lista;
    const auto longo = [](int i) { return endereco(i) + QString(100'000, QLatin1Char('a')); };
    for (int i = 0; i < 5; ++i)
        lista.acrescentar(longo(i));
    EXPECT_EQ(lista.tamanho(), 5);
    lista.acrescentar(longo(5));
    EXPECT_EQ(lista.tamanho(), 5);
    EXPECT_FALSE(lista.contem(longo(0)));
    EXPECT_TRUE(lista.contem(longo(1)));
    EXPECT_LE(lista.bytes(), TListaURLsTestadas::bytesMaximos);

    lista.acrescentar(endereco(9) + QString(600'000, QLatin1Char('b')));
    EXPECT_EQ(lista.tamanho(), 0);
    EXPECT_EQ(lista.bytes(), 0);
}
