#include "platform/unit_CaixasMensagemQt.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_TradutorIdioma.h"
#include "tests/support/unit_VigiaCaixa.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The captions of the Yes and No buttons of the next question box.
QStringList botoesDaPergunta() {
    QStringList textos;
    const auto vigia = vigiarCaixa([&](QMessageBox* caixa) {
        textos = {caixa->button(QMessageBox::Yes)->text(), caixa->button(QMessageBox::No)->text()};
        caixa->done(QMessageBox::No);
    });
    TCaixasMensagemQt().perguntar(QStringLiteral("?"));
    return textos;
}

QString traduzido(const char* ingles, const char* chave) {
    return QCoreApplication::translate("Teste", ingles, chave);
}

bool temTraducaoQtPortugues() {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_pt_BR.qm");
}

} // namespace

TEST(TradutorIdioma, QuestionButtonsSpeakTheLanguageLoadedLast) {
    if (!temTraducaoQtPortugues())
        GTEST_SKIP() << "Qt's Portuguese translation is not installed (qt6-translations-l10n)";
    TIdioma idioma;
    idioma.carregarIdioma("PT");
    {
        TTradutorIdioma tradutor(idioma);
        EXPECT_EQ(botoesDaPergunta(), QStringList({"&Sim", "&Não"}));
        EXPECT_TRUE(tradutor.arquivoQt().endsWith("qtbase_pt_BR.qm"));
        idioma.carregarIdioma("EN");
        EXPECT_EQ(botoesDaPergunta(), QStringList({"&Yes", "&No"}));
        idioma.carregarIdioma("PT");
        EXPECT_EQ(botoesDaPergunta(), QStringList({"&Sim", "&Não"}));
    }
    EXPECT_EQ(botoesDaPergunta(), QStringList({"&Yes", "&No"})) << "gone with its translator";
}

TEST(TradutorIdioma, PlayerTextsComeFromTheLanguageFileOrStayEnglish) {
    TIdioma idioma;
    idioma.carregarIdioma("PT");
    TTradutorIdioma tradutor(idioma);
    const char* falha = "The movie at %1 could not be loaded: %2.";
    EXPECT_EQ(traduzido(falha, "Flash.falhaCarga").arg("http://a/b.swf", "x"),
              QStringLiteral("O filme em http://a/b.swf não pôde ser carregado: x."));
    EXPECT_EQ(traduzido(falha, "Flash.semChave"), falha);
    EXPECT_EQ(traduzido("Yes", nullptr), "Yes") << "texts without a key are not looked up";
    idioma.carregarIdioma("EN");
    EXPECT_EQ(traduzido(falha, "Flash.falhaCarga").arg("u", "x"), "The movie at u could not be loaded: x.");
    EXPECT_EQ(traduzido("en-US", TTradutorIdioma::chaveLocalidade), "en-US");
}

// A language file of the user's own: "%s" in order and "%%" as the
// registry reads them; a locale Qt has no translation for leaves Qt's English.
TEST(TradutorIdioma, FileDirectivesBecomeQtArguments) {
    QTemporaryDir pasta;
    QFile arquivo(pasta.filePath("xx.txt"));
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(";QL6-language-file\r\nIdioma.localidade=xx-XX\r\nFlash.a=%s: 100%% de %s\r\n");
    arquivo.close();
    TIdioma idioma;
    idioma.carregarIdioma(arquivo.fileName());
    TTradutorIdioma tradutor(idioma);
    EXPECT_EQ(traduzido("%1 %2", "Flash.a").arg("um", "dois"), "um: 100% de dois");
    EXPECT_TRUE(tradutor.arquivoQt().isEmpty());
    EXPECT_EQ(botoesDaPergunta(), QStringList({"&Yes", "&No"}));
}
