// The program's own screens under any desktop palette: the "Tablet Light"
// look keeps its colours, and every text reads at 4.5:1 or more.
#include "core/unit_Erros.h"
#include "games/unit_frameErroFlash.h"
#include "games/unit_frameVelmora.h"
#include "linkguard/unit_frameProtetor.h"
#include "settings/unit_frameConfig.h"
#include "tests/games/unit_AmbienteJogos.h"
#include "tests/support/unit_Janela.h"
#include "ui/unit_Painel.h"
#include "ui/unit_Tema.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

namespace {

// What a GTK desktop under Adwaita:dark gives Qt's palette.
QPalette paletaEscura() {
    QPalette escura;
    const QColor fundo(0x35, 0x35, 0x35), texto(0xee, 0xee, 0xec);
    for (QPalette::ColorRole papel : {QPalette::Window, QPalette::Button})
        escura.setColor(papel, fundo);
    escura.setColor(QPalette::Base, QColor(0x2d, 0x2d, 0x2d));
    for (QPalette::ColorRole papel : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        escura.setColor(papel, texto);
    escura.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9e));
    escura.setColor(QPalette::Link, QColor(0x8a, 0xb4, 0xf8));
    return escura;
}

double luminancia(const QColor& cor) {
    const auto canal = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(cor.redF()) + 0.7152 * canal(cor.greenF()) + 0.0722 * canal(cor.blueF());
}

double contraste(const QColor& a, const QColor& b) {
    const double la = luminancia(a), lb = luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct TCores {
    QColor texto;
    QColor fundo;
    bool operator==(const TCores& outras) const = default;
};

// A text's colour and the colour it is drawn on, as the widget's palette
// (the style sheet's colours included) tells them.
TCores coresDe(const QWidget* widget) {
    const QPalette::ColorGroup grupo = widget->isEnabled() ? QPalette::Active : QPalette::Disabled;
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
        return {memo->palette().color(grupo, QPalette::Text), memo->palette().color(grupo, QPalette::Base)};
    if (qobject_cast<const QComboBox*>(widget) ||
        (qobject_cast<const QAbstractButton*>(widget) && !widget->inherits("QCheckBox")))
        return {widget->palette().color(grupo, QPalette::ButtonText),
                widget->palette().color(grupo, QPalette::Button)};
    const QWidget* pintado = widget;
    while (pintado->parentWidget() && !pintado->autoFillBackground())
        pintado = pintado->parentWidget();
    return {widget->palette().color(grupo, widget->foregroundRole()),
            pintado->palette().color(QPalette::Active, pintado->backgroundRole())};
}

bool temTexto(const QWidget* widget) {
    if (const auto* memo = qobject_cast<const QPlainTextEdit*>(widget))
        return !memo->toPlainText().isEmpty();
    if (const auto* lista = qobject_cast<const QComboBox*>(widget))
        return !lista->currentText().isEmpty();
    if (const auto* rotulo = qobject_cast<const QLabel*>(widget))
        return !rotulo->text().isEmpty();
    if (const auto* botao = qobject_cast<const QAbstractButton*>(widget))
        return !botao->text().isEmpty();
    return false;
}

// Every text shown in `tela`, by its path of object names.
std::map<QString, TCores> textos(QWidget* tela) {
    std::map<QString, TCores> cores;
    for (QWidget* widget : tela->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->window() != tela->window() || !temTexto(widget))
            continue;
        widget->ensurePolished();
        QString caminho;
        for (const QWidget* w = widget; w && w != tela; w = w->parentWidget())
            caminho.prepend(QLatin1Char('/') + w->objectName());
        cores[caminho + QLatin1Char(' ') + widget->metaObject()->className()] = coresDe(widget);
    }
    return cores;
}

class Tema : public ::testing::Test {
protected:
    QPalette original = QApplication::palette();

    void TearDown() override {
        qApp->setStyleSheet(QString());
        QApplication::setPalette(original);
    }
    // The screens' texts under the theme, with `paleta` the desktop's.
    static std::map<QString, TCores> texturas(const QPalette& paleta) {
        QApplication::setPalette(paleta);
        ::Tema::aplicar(*qApp);
        TJanelaTeste janela;
        std::map<QString, TCores> todas = textos(janela.principal.get());
        janela->btnConfigClick();
        janela.concluirTransicoes();
        todas.merge(textos(janela->frameConfig()));
        return todas;
    }
};

// The desktop's palette (a GTK theme's, and the style's standard palette
// under it) fills every role the application's palette leaves unset: the
// theme's sets them all.
TEST_F(Tema, ThePaletteSetsEveryRole) {
    const QPalette clara = ::Tema::paleta();
    for (int grupo = 0; grupo < QPalette::NColorGroups; ++grupo)
        for (int papel = 0; papel < QPalette::NColorRoles; ++papel) {
            if (papel != QPalette::NoRole) {
                EXPECT_TRUE(clara.isBrushSet(static_cast<QPalette::ColorGroup>(grupo),
                                             static_cast<QPalette::ColorRole>(papel)))
                    << grupo << " " << papel;
            }
        }
}

TEST_F(Tema, ADarkDesktopPaletteLeavesTheTextColoursAsTheyAre) {
    const std::map<QString, TCores> claras = texturas(original);
    const std::map<QString, TCores> sobEscura = texturas(paletaEscura());
    ASSERT_GT(claras.size(), 20u);
    ASSERT_EQ(claras.size(), sobEscura.size());
    for (const auto& [caminho, cores] : claras) {
        SCOPED_TRACE(caminho.toStdString());
        EXPECT_EQ(cores.texto, sobEscura.at(caminho).texto);
        EXPECT_EQ(cores.fundo, sobEscura.at(caminho).fundo);
    }
}

void verificarContraste(QWidget* tela) {
    const std::map<QString, TCores> cores = textos(tela);
    EXPECT_FALSE(cores.empty());
    for (const auto& [caminho, par] : cores)
        EXPECT_GE(contraste(par.texto, par.fundo), 4.5)
            << caminho.toStdString() << ": " << par.texto.name().toStdString() << " on "
            << par.fundo.name().toStdString();
}

// Under a dark desktop palette, every screen in both languages (English
// greys out the link check).
TEST_F(Tema, EveryTextReadsAtFourAndAHalfToOne) {
    QApplication::setPalette(paletaEscura());
    ::Tema::aplicar(*qApp);
    for (const char* idioma : {"PT", "EN"}) {
        SCOPED_TRACE(idioma);
        TJanelaTeste janela(QStringLiteral("[Quillet]\r\nprimeiroUso=0\r\nidioma=%1\r\n").arg(idioma));
        verificarContraste(janela.principal.get());
        janela->btnConfigClick();
        janela.concluirTransicoes();
        verificarContraste(janela->frameConfig());
        janela->frameProtetor()->mostrarAviso(QStringLiteral("http://ruim.com/x"),
                                              QStringLiteral("curto.ly/a"),
                                              TRegrasLinks::TVeredito::siteRuim);
        janela->mostrarProtetor();
        verificarContraste(janela->frameProtetor());
        janela->ApplicationEvents1Exception(EOleSysError(QStringLiteral("Class not registered")));
        janela.concluirTransicoes();
        verificarContraste(janela->frameErroFlash());
    }
}

class TemaJogos : public TAmbienteJogos {
protected:
    QPalette original = QApplication::palette();

    void SetUp() override {
        QApplication::setPalette(paletaEscura());
        ::Tema::aplicar(*qApp);
        TAmbienteJogos::SetUp();
    }
    void TearDown() override {
        TAmbienteJogos::TearDown();
        qApp->setStyleSheet(QString());
        QApplication::setPalette(original);
    }
};

TEST_F(TemaJogos, TheGameScreensHeaderAndPerformancePanelRead) {
    abrirPronto(0);
    TframeVelmora* tela = principal->frameVelmora;
    tela->Cabecalho->show();
    tela->btnDesempenhoClick();
    verificarContraste(tela);
}

} // namespace
