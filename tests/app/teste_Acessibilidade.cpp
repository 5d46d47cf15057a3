// What assistive technology reads of the program's screens, through Qt's
// accessibility interface: every control that takes the keyboard has a
// name, lists are labelled, tiles and links act, the warning is an alert.
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "linkguard/unit_frameProtetor.h"
#include "settings/unit_frameConfig.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"
#include "ui/unit_RotuloClicavel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QAccessibleInterface* interface(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QString nome(QWidget* widget) {
    QAccessibleInterface* i = interface(widget);
    return i ? i->text(QAccessible::Name) : QString();
}

// The labels a control is labelled by.
QStringList rotulos(QWidget* widget) {
    QStringList textos;
    for (const auto& [rotulo, relacao] : interface(widget)->relations(QAccessible::Label))
        textos.append(rotulo->text(QAccessible::Name));
    return textos;
}

// Every control of `tela` the keyboard reaches: a list is named by its label
// (on Linux its accessible name is its value), anything else by itself, and
// no name starts with the arrow that decorates a back button.
void verificarNomes(QWidget* tela) {
    int controles = 0;
    for (QWidget* widget : tela->findChildren<QWidget*>()) {
        // A list's popup is a window of its own, named by its list.
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy() ||
            widget->window() != tela->window())
            continue;
        ++controles;
        SCOPED_TRACE(widget->objectName().toStdString() + " " + widget->metaObject()->className());
        if (qobject_cast<QComboBox*>(widget)) {
            const QStringList textos = rotulos(widget);
            ASSERT_EQ(textos.size(), 1);
            EXPECT_FALSE(textos[0].isEmpty());
            continue;
        }
        EXPECT_FALSE(nome(widget).trimmed().isEmpty());
        EXPECT_FALSE(nome(widget).startsWith(QLatin1Char('<')));
    }
    EXPECT_GT(controles, 0);
}

TEST(Acessibilidade, EveryControlOfHomeSettingsAndWarningHasAName) {
    TJanelaTeste janela;
    verificarNomes(janela->painelHome);
    janela->btnConfigClick();
    verificarNomes(janela->frameConfig());
    janela->frameProtetor()->mostrarAviso(QStringLiteral("http://ruim.com"),
                                          QStringLiteral("http://ruim.com"),
                                          TRegrasLinks::TVeredito::siteRuim);
    verificarNomes(janela->frameProtetor());
}

TEST(Acessibilidade, TilesAreButtonsThatOpenTheirGame) {
    TJanelaTeste janela;
    QAccessibleInterface* tile = interface(janela->logoGumbrel);
    EXPECT_EQ(tile->role(), QAccessible::Button);
    EXPECT_EQ(tile->text(QAccessible::Name), QStringLiteral("Gumbrel"));
    EXPECT_EQ(tile->text(QAccessible::Description), QStringLiteral("Abrir o jogo Gumbrel"));
    ASSERT_NE(tile->actionInterface(), nullptr);
    tile->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    janela.concluirTransicoes();
    EXPECT_NE(janela->framesOutroJogo[1], nullptr);
    EXPECT_EQ(nome(janela->textoVersao), QStringLiteral("Sobre o Quillet"));
}

// Names follow the interface language.
TEST(Acessibilidade, NamesFollowTheLanguage) {
    TJanelaTeste janela;
    janela->btnConfigClick();
    TframeConfig* tela = janela->frameConfig();
    tela->selectIdioma->setCurrentIndex(1);
    Q_EMIT tela->selectIdioma->activated(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(interface(janela->logoVelmora)->text(QAccessible::Description),
              QStringLiteral("Open the game Velmora"));
    EXPECT_EQ(nome(tela->btnVoltar), QStringLiteral("Home"));
    EXPECT_EQ(rotulos(tela->opcoesQualidade), QStringList{QStringLiteral("Graphic quality:")});
    EXPECT_EQ(nome(tela->checkVLinks), QStringLiteral("Enable the malicious link verification"));
    EXPECT_EQ(interface(tela->checkVLinks)->text(QAccessible::Description),
              QStringLiteral("Only available in portuguese."));
}

TEST(Acessibilidade, TheTermsAreALink) {
    TJanelaTeste janela;
    janela->btnConfigClick();
    TRotuloClicavel* termos = janela->frameConfig()->textoContrato;
    QAccessibleInterface* link = interface(termos);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), termos->text());
    janela.mensagens->respostas = {true};
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(janela.mensagens->mostradas.size(), 1);
}

// The warning is an alert, with the reason in its description. (Qt hands the
// alert event itself only to an active accessibility bridge, which the
// offscreen platform of the tests has not.)
TEST(Acessibilidade, TheWarningIsAnAlert) {
    TJanelaTeste janela;
    TframeProtetor* aviso = janela->frameProtetor();
    aviso->mostrarAviso(QStringLiteral("http://ruim.com"), QStringLiteral("http://ruim.com"),
                        TRegrasLinks::TVeredito::palavrasChave);
    QAccessibleInterface* alerta = interface(aviso);
    EXPECT_EQ(alerta->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alerta->text(QAccessible::Name), QStringLiteral("Link malicioso detectado"));
    EXPECT_TRUE(alerta->text(QAccessible::Description).contains(aviso->textoMotivo->text()));
    EXPECT_TRUE(alerta->text(QAccessible::Description).contains(QStringLiteral("http://ruim.com")));
}

class AcessibilidadeJogos : public TAmbienteJogos {};

TEST_F(AcessibilidadeJogos, EveryControlOfTheGameScreensHasAName) {
    TFlashPlayerFalso* velmora = abrirPronto(0);
    principal->frameVelmora->btnDesempenhoClick();
    verificarNomes(principal->frameVelmora);
    EXPECT_EQ(nome(velmora), QStringLiteral("Velmora"));
    EXPECT_TRUE(interface(velmora)->text(QAccessible::Description).contains(QStringLiteral("F6")));
    EXPECT_EQ(nome(principal->frameVelmora->Image3), QStringLiteral("Expandir tela"));
    voltar(principal->frameVelmora);

    TFlashPlayerFalso* lurrow = abrirPronto(3);
    verificarNomes(principal->framesOutroJogo[2]);
    EXPECT_EQ(nome(lurrow), QStringLiteral("Lurrow"));
}

} // namespace
