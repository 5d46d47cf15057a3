#include "platform/unit_ValorXml.h"
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
