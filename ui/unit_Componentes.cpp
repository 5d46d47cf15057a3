#include "ui/unit_Componentes.h"

#include "core/unit_Recursos.h"
#include "core/unit_Texto.h"
#include "ui/unit_Painel.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextLayout>
#include <QVBoxLayout>
#include <QtMath>

namespace Componentes {

QFont fonteSegoe(int pixels, bool negrito) {
    QFont fonte(QStringLiteral("Segoe UI"));
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

void pintarFundo(QWidget* widget, const QColor& cor) {
    QPalette paleta = widget->palette();
    paleta.setColor(QPalette::Window, cor);
    widget->setPalette(paleta);
    widget->setAutoFillBackground(true);
}

TPainel* criarCabecalho(QWidget* pai, const char* nome) {
    auto* cabecalho = new TPainel(pai);
    cabecalho->setObjectName(QLatin1String(nome));
    cabecalho->setCor(Qt::white);
    cabecalho->setFixedHeight(68);
    return cabecalho;
}

QLabel* criarTituloCabecalho(TPainel* cabecalho, const QString& texto) {
    auto* titulo = new QLabel(texto, cabecalho);
    titulo->setObjectName(QStringLiteral("textoTitulo"));
    titulo->setAlignment(Qt::AlignCenter);
    titulo->setFont(fonteSegoe(29, true));
    auto* layout = new QVBoxLayout(cabecalho);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(titulo);
    return titulo;
}

namespace {

QImage lerPng(const QString& recurso) {
    QByteArray dados = Recursos::ler(recurso);
    QBuffer buffer(&dados);
    QImageReader leitor(&buffer, "png");
    leitor.setAutoDetectImageFormat(false);
    return leitor.read();
}

} // namespace

QImage imagem(const QString& recurso) {
    const qreal densidade = qGuiApp->devicePixelRatio();
    if (densidade <= 1)
        return lerPng(recurso);
    QImage dobro = lerPng(recurso + QStringLiteral("@2X"));
    const QSize tamanho = dobro.size() / 2;
    if (densidade != 2)
        dobro = dobro.scaled(tamanho * densidade, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    dobro.setDevicePixelRatio(densidade);
    return dobro;
}

QIcon iconePrograma() {
    QIcon icone;
    for (const char* recurso : {"ICONE16", "ICONE24", "ICONE32", "ICONE48", "LOGO_PROGRAMA", "ICONE128"})
        icone.addPixmap(QPixmap::fromImage(lerPng(QLatin1String(recurso))));
    return icone;
}

QLabel* criarImagem(QWidget* pai, const char* nome, const QString& recurso) {
    auto* imagem = new QLabel(pai);
    imagem->setObjectName(QLatin1String(nome));
    imagem->setPixmap(QPixmap::fromImage(Componentes::imagem(recurso)));
    imagem->setAlignment(Qt::AlignCenter);
    return imagem;
}

QFrame* criarLinha(QWidget* pai, const char* nome, int altura) {
    auto* linha = new QFrame(pai);
    linha->setObjectName(QLatin1String(nome));
    linha->setFrameShape(QFrame::HLine);
    linha->setFrameShadow(QFrame::Sunken);
    linha->setFixedHeight(altura);
    return linha;
}

// Two pixels of the theme's accent, which stands out on white and on the
// tiles' greys (5:1 and more).
void pintarFoco(QPainter& pintor, const QRect& area) {
    pintor.save();
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(QColor(0x2f, 0x5a, 0xa8), 2));
    pintor.setBrush(Qt::NoBrush);
    pintor.drawRoundedRect(QRectF(area).adjusted(1, 1, -1, -1), 4, 4);
    pintor.restore();
}

void escreverMemo(QPlainTextEdit* memo, QString texto) {
    memo->setPlainText(texto.replace(Texto::quebraLinha, QLatin1String("\n")));
}

// Lays the lines out as the memo's own document layout does: each block
// (paragraph) wrapped to the text width, leading included, inside the
// document's margin.
int alturaTexto(const QPlainTextEdit* memo, int largura) {
    const QTextDocument* documento = memo->document();
    const QMargins margens = memo->contentsMargins();
    const qreal margem = documento->documentMargin();
    const qreal larguraTexto = largura - margens.left() - margens.right() - 2 * margem;
    qreal altura = 2 * margem;
    for (const QString& paragrafo : memo->toPlainText().split(QLatin1Char('\n'))) {
        QTextLayout layout(paragrafo, memo->font());
        layout.setTextOption(documento->defaultTextOption());
        layout.beginLayout();
        for (QTextLine linha = layout.createLine(); linha.isValid(); linha = layout.createLine()) {
            linha.setLeadingIncluded(true);
            linha.setLineWidth(larguraTexto);
            altura += linha.height();
        }
        layout.endLayout();
    }
    // The memo scrolls unless one more pixel row than its lines is free.
    return qCeil(altura) + 1 + margens.top() + margens.bottom();
}

} // namespace Componentes
