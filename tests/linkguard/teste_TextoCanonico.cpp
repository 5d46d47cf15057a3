#include "linkguard/unit_Ipv4Navegador.h"
#include "linkguard/unit_TextoCanonico.h"

#include <gtest/gtest.h>

namespace {

void conferir(std::initializer_list<std::pair<QString, QString>> casos) {
    for (const auto& [texto, canonico] : casos)
        EXPECT_EQ(TextoCanonico::de(texto), canonico) << texto.toStdString();
}

} // namespace

TEST(Ipv4Navegador, FormasQueONavegadorAceita) {
    const std::pair<const char*, const char*> formas[] = {
        {"203.0.113.7", "203.0.113.7"},
        {"3405803783", "203.0.113.7"},
        {"0xCB007107", "203.0.113.7"},
        {"0313.0.0161.07", "203.0.113.7"},
        {"203.0.28935", "203.0.113.7"},
        {"203.28935", "203.0.113.7"},
        {"0XCB.0x0.0X71.7", "203.0.113.7"},
        {"203.0.113.7.", "203.0.113.7"},
        {"0x", "0.0.0.0"},
        {"4294967295", "255.255.255.255"},
        {"00000000000000001.2.3.4", "1.2.3.4"},
    };
    for (const auto& [host, texto] : formas) {
        const std::optional<uint32_t> ip = Ipv4Navegador::ler(QString::fromLatin1(host));
        ASSERT_TRUE(ip) << host;
        EXPECT_EQ(Ipv4Navegador::texto(*ip), QLatin1String(texto)) << host;
    }
}

TEST(Ipv4Navegador, NemNumeroNemEndereco) {
    const char* const hosts[] = {"",
                                 ".",
                                 "1..2",
                                 "1.2.3.4.5",
                                 "256.0.0.1",
                                 "1.2.3.256",
                                 "203.16777216",
                                 "4294967296",
                                 "99999999999999999999999",
                                 "08.0.0.1",
                                 "0x1g.0.0.1",
                                 "premios.com",
                                 "1.2.3.4a",
                                 "-1.2.3.4"};
    for (const char* host : hosts)
        EXPECT_FALSE(Ipv4Navegador::ler(QString::fromLatin1(host))) << host;
    EXPECT_FALSE(Ipv4Navegador::ler(u"\uFF11.2.3.4"));
}

TEST(TextoCanonico, SoEsquemaEHostMudam) {
    conferir({
        // Scheme and host lower-cased; user, port, path and query as written.
        {"HTTP://Jogador@Premios.COM:8080/Caminho?A=B", "http://Jogador@premios.com:8080/Caminho?A=B"},
        // Unreserved escapes decoded in the host only.
        {"http://a%2Eb%7Ec%2d.com/x%2Ey", "http://a.b~c-.com/x%2Ey"},
        {"a%2fb%25%2.com %zz", "a%2fb%25%2.com %zz"},
        // Invisible characters, compatibility forms and ideographic full stops.
        {"p\u00ADr\u200Be\u200Ds\u2060t\uFEFFe\u200E\u202E\uFE0F.com", "preste.com"},
        {"\uFF30\uFF32\uFF25\u3002\uFF43\uFF4F\uFF4D\uFF61br\uFF0Ept", "pre.com.br.pt"},
        {"\U000E0061x.com", "x.com"},
        // Every word on its own; blanks kept.
        {"Olha  A.COM\tE B.Com/Y", "olha  a.com\te b.com/Y"},
    });
}

// Only a word that is a link gets its numeric host rewritten.
TEST(TextoCanonico, HostNumericoDeUmLink) {
    conferir({
        {"http://0xCB007107/x", "http://203.0.113.7/x"},
        {"HTTPS://u@3405803783:81/", "https://u@203.0.113.7:81/"},
        {"0313.0.0161.07/entrar", "203.0.113.7/entrar"},
        {"0313.0.0161.07:80", "203.0.113.7:80"},
        {"ftp://3405803783/", "ftp://3405803783/"},
        {"fiz 3405803783 pontos", "fiz 3405803783 pontos"},
        {"203.0.28935/x", "203.0.28935/x"},
        {"vers\u00E3o 0x1.0.0.1", "vers\u00E3o 0x1.0.0.1"},
        {"http://1.2.3.4.5/", "http://1.2.3.4.5/"},
    });
}

TEST(TextoCanonico, TextoLongoLidoAteOLimite) {
    const QString texto = QString(TextoCanonico::maximoCaracteres - 3, u'x') + QStringLiteral(" A.COM");
    EXPECT_EQ(TextoCanonico::de(texto), QString(TextoCanonico::maximoCaracteres - 3, u'x') + " a.");
}
