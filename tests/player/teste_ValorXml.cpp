#include "player/unit_ValorXml.h"
#include "tests/support/unit_Impressao.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// The decoded value as compact JSON, "none" for no value.
QString decodificado(const QString& xml) {
    const std::optional<QJsonValue> valor = ValorXml::decodificar(xml);
    if (!valor)
        return QStringLiteral("none");
    return QString::fromUtf8(QJsonDocument(QJsonArray{*valor}).toJson(QJsonDocument::Compact))
        .chopped(1)
        .mid(1);
}

} // namespace

TEST(ValorXml, ScalarsDecodeToTheirValues) {
    EXPECT_EQ(decodificado(QStringLiteral("<string>Quillet 6 (6.0.1)</string>")),
              QStringLiteral(R"x("Quillet 6 (6.0.1)")x"));
    EXPECT_EQ(decodificado(QStringLiteral("<string>&lt;a&gt; &amp; &quot;b&quot; &apos;c&apos;</string>")),
              QStringLiteral(R"("<a> & \"b\" 'c'")"));
    EXPECT_EQ(decodificado(QStringLiteral("<string/>")), QStringLiteral(R"("")"));
    EXPECT_EQ(decodificado(QStringLiteral("<number>-1.5e3</number>")), QStringLiteral("-1500"));
    EXPECT_EQ(decodificado(QStringLiteral("<true/>")), QStringLiteral("true"));
    EXPECT_EQ(decodificado(QStringLiteral("<false/>")), QStringLiteral("false"));
    EXPECT_EQ(decodificado(QStringLiteral("<null/>")), QStringLiteral("null"));
}

TEST(ValorXml, ArraysAndObjectsNest) {
    EXPECT_EQ(decodificado(
                  QStringLiteral(R"(<array><property id="0"><number>1</number></property>)"
                                 R"(<property id="1"><object><property id="k"><string>v</string></property>)"
                                 R"(<property id="u"><undefined/></property></object></property></array>)")),
              QStringLiteral(R"([1,{"k":"v","u":null}])"));
    EXPECT_EQ(decodificado(QStringLiteral("<array></array>")), QStringLiteral("[]"));
    EXPECT_EQ(decodificado(QStringLiteral("<object/>")), QStringLiteral("{}"));
}

TEST(ValorXml, NothingComesOfUndefinedEmptyOrUnreadableReplies) {
    for (const char* xml : {"<undefined/>", "", "texto", "<number>dois</number>", "<date>0</date>",
                            "<array><property id=\"0\"><true/></array>", "<array><item/></array>"})
        EXPECT_EQ(decodificado(QString::fromLatin1(xml)), QStringLiteral("none")) << xml;
}

// The bridge inserts its answers unescaped: an address with a query keeps its "&".
TEST(ValorXml, AStringThatIsNotWellFormedKeepsItsText) {
    EXPECT_EQ(decodificado(QStringLiteral("<string>http://h.example/?a=1&b=<2></string>")),
              QStringLiteral(R"("http://h.example/?a=1&b=<2>")"));
    EXPECT_EQ(decodificado(QStringLiteral("<string>a & b")), QStringLiteral("none"));
}

namespace {

// `niveis` arrays or objects, each the only property of the one around it, around `<true/>`.
QString aninhado(int niveis, const QString& tipo) {
    const QString abre = QStringLiteral("<%1><property id=\"0\">").arg(tipo);
    const QString fecha = QStringLiteral("</property></%1>").arg(tipo);
    return abre.repeated(niveis) + QStringLiteral("<true/>") + fecha.repeated(niveis);
}

} // namespace

TEST(ValorXml, NestingIsBoundedAndTooDeepIsUnreadable) {
    const std::optional<QJsonValue> fundo = ValorXml::decodificar(aninhado(64, QStringLiteral("array")));
    ASSERT_TRUE(fundo);
    QJsonValue dentro = *fundo;
    for (int i = 0; i < 64; ++i)
        dentro = dentro.toArray().at(0);
    EXPECT_EQ(dentro, QJsonValue(true));

    EXPECT_EQ(decodificado(aninhado(65, QStringLiteral("array"))), QStringLiteral("none"));
    EXPECT_EQ(decodificado(aninhado(65, QStringLiteral("object"))), QStringLiteral("none"));
    // Deep enough to overflow the stack if each level were read by recursion.
    EXPECT_EQ(decodificado(aninhado(30'000, QStringLiteral("array"))), QStringLiteral("none"));
    // Unknown kinds are skipped and a <string> with elements keeps its text,
    // neither by recursion.
    EXPECT_EQ(decodificado(QStringLiteral("<array><property id=\"0\">") +
                           aninhado(30'000, QStringLiteral("x")) + QStringLiteral("</property></array>")),
              QStringLiteral("[null]"));
    const QString profundo = aninhado(30'000, QStringLiteral("object"));
    EXPECT_EQ(ValorXml::decodificar(QStringLiteral("<string>") + profundo + QStringLiteral("</string>")),
              QJsonValue(profundo));
}

TEST(ValorXml, HugeFlatArraysAndEntityBombs) {
    const int tamanho = 100'000;
    const std::optional<QJsonValue> plano = ValorXml::decodificar(
        QStringLiteral("<array>") +
        QStringLiteral("<property id=\"0\"><number>7</number></property>").repeated(tamanho) +
        QStringLiteral("</array>"));
    ASSERT_TRUE(plano);
    EXPECT_EQ(plano->toArray().size(), tamanho);

    QString bomba = QStringLiteral("<!DOCTYPE s [<!ENTITY e0 \"lol\">");
    for (int i = 1; i < 10; ++i)
        bomba += QStringLiteral("<!ENTITY e%1 \"%2\">")
                     .arg(i)
                     .arg(QStringLiteral("&e%1;").arg(i - 1).repeated(10));
    bomba += QStringLiteral("]><string>&e9;</string>");
    EXPECT_EQ(decodificado(bomba), QStringLiteral("none"));
}
