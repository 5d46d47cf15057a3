#include "ui/unit_Componentes.h"

#include "core/unit_Recursos.h"
#include "ui/unit_Painel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

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

QLabel* criarImagem(QWidget* pai, const char* nome, const QString& recurso) {
    auto* imagem = new QLabel(pai);
    imagem->setObjectName(QLatin1String(nome));
    imagem->setPixmap(QPixmap::fromImage(QImage::fromData(Recursos::ler(recurso))));
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

void escreverMemo(QPlainTextEdit* memo, QString texto) {
    memo->setPlainText(texto.replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

} // namespace Componentes
