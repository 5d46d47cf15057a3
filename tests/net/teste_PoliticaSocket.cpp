#include "net/unit_PoliticaSocket.h"
#include "net/unit_ServidorSocket.h"
#include "tests/support/unit_Impressao.h"

#include <gtest/gtest.h>

namespace {

TPoliticaSocket politica(const char* texto) {
    const std::optional<TPoliticaSocket> lida = TPoliticaSocket::ler(texto);
    EXPECT_TRUE(lida) << texto;
    return lida.value_or(*TPoliticaSocket::ler("<cross-domain-policy/>"));
}

} // namespace

TEST(PoliticaSocket, DomainsAndPortsAsGameHostsWriteThem) {
    const TPoliticaSocket p = politica(R"(<?xml version="1.0"?>
<!DOCTYPE cross-domain-policy SYSTEM "http://www.adobe.com/xml/dtds/cross-domain-policy.dtd">
<cross-domain-policy>
  <site-control permitted-cross-domain-policies="master-only"/>
  <allow-access-from domain="*.Velmora.example" to-ports="5555,6000-6010" />
  <allow-access-from domain="203.0.113.7" to-ports="*"/>
</cross-domain-policy>)");
    EXPECT_TRUE(p.permite(QStringLiteral("velmora.example"), 5555));
    EXPECT_TRUE(p.permite(QStringLiteral("cdn.VELMORA.example"), 6010));
    EXPECT_TRUE(p.permite(QStringLiteral("203.0.113.7"), 1));
    EXPECT_FALSE(p.permite(QStringLiteral("cdn.velmora.example"), 6011));
    EXPECT_FALSE(p.permite(QStringLiteral("notvelmora.example"), 5555));
    EXPECT_FALSE(p.permite(QStringLiteral("velmora.example.evil"), 5555));
    EXPECT_FALSE(p.permite(QStringLiteral("203.0.113.8"), 5555));

    EXPECT_TRUE(
        politica(R"(<cross-domain-policy><allow-access-from domain="*" to-ports="*"/></cross-domain-policy>)")
            .permite(QStringLiteral("anything.example"), 65535));
}

TEST(PoliticaSocket, WhatAllowsNothingOrIsNoPolicy) {
    // A rule with a port list that cannot be read, or without a domain, allows nothing.
    for (const char* ruim : {"0", "65536", "80-", "90-80", "eighty", "80,,81", ""}) {
        const QByteArray texto =
            QByteArray(R"(<cross-domain-policy><allow-access-from domain="*" to-ports=")") + ruim +
            R"("/></cross-domain-policy>)";
        EXPECT_FALSE(politica(texto.constData()).permite(QStringLiteral("a.example"), 80)) << ruim;
    }
    EXPECT_FALSE(politica(R"(<cross-domain-policy><allow-access-from to-ports="*"/></cross-domain-policy>)")
                     .permite(QStringLiteral("a.example"), 80));
    EXPECT_FALSE(politica(R"(<cross-domain-policy><site-control permitted-cross-domain-policies="none"/>
                             <allow-access-from domain="*" to-ports="*"/></cross-domain-policy>)")
                     .permite(QStringLiteral("a.example"), 80));

    for (const char* nenhuma : {"", "HTTP/1.1 400 Bad Request", "<html><body/></html>",
                                "<cross-domain-policy><allow-access-from domain=\"*\" to-ports=\"*\">"})
        EXPECT_FALSE(TPoliticaSocket::ler(nenhuma)) << nenhuma;
    QByteArray grande = "<cross-domain-policy>";
    while (grande.size() <= TPoliticaSocket::tamanhoMaximo)
        grande += "<!-- padding padding padding -->";
    EXPECT_FALSE(TPoliticaSocket::ler(grande + "</cross-domain-policy>"));
}

TEST(ServidorSocket, HostAndPortAsMoviesAndListsNameThem) {
    EXPECT_EQ(TServidorSocket::ler(u"game.example:5555"),
              (TServidorSocket{QStringLiteral("game.example"), 5555}));
    EXPECT_EQ(TServidorSocket::ler(u"[2001:db8::1]:80"),
              (TServidorSocket{QStringLiteral("2001:db8::1"), 80}));
    EXPECT_EQ(TServidorSocket::ler(u"[2001:db8::1]:80")->texto(), QStringLiteral("[2001:db8::1]:80"));
    for (const char16_t* ruim :
         {u"game.example", u":80", u"game.example:0", u"game.example:65536", u"game.example:+80",
          u"2001:db8::1:80", u"a b:80", u"a/b:80", u"user@host:80", u"game.example:80x"})
        EXPECT_FALSE(TServidorSocket::ler(ruim)) << QString::fromUtf16(ruim).toStdString();
    EXPECT_FALSE(TServidorSocket::de(QString(254, QLatin1Char('a')), 80));

    const QList<TServidorSocket> lista =
        TServidorSocket::lerLista(u" a.example:1, b.example:2 junk a.example:1\tc.example:3 d.example:4", 3);
    ASSERT_EQ(lista.size(), 3);
    EXPECT_EQ(lista.at(2).texto(), QStringLiteral("c.example:3"));
}
