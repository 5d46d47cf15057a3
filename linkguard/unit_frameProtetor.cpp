#include "linkguard/unit_frameProtetor.h"

#include "core/unit_Conexao.h"
#include "settings/unit_Idioma.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Painel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Between the copied address and the one it led to.
const QString juncao = QStringLiteral(" -> ");

} // namespace

TframeProtetor::TframeProtetor(TContextoTela contexto, QWidget* pai) : TFrame(pai), contexto_(contexto) {
    setObjectName(QStringLiteral("frameProtetor"));
    Componentes::pintarFundo(this, Qt::white);
    setFont(Componentes::fonteSegoe(13));

    Bevel2 = Componentes::criarLinha(this, "Bevel2", 3);
    Panel1 = Componentes::criarCabecalho(this, "Panel1");
    textoTitulo = Componentes::criarTituloCabecalho(Panel1, QStringLiteral("Link malicioso detecado"));
    btnVoltar = new QPushButton(QStringLiteral("< Voltar"), Panel1);
    btnVoltar->setObjectName(QStringLiteral("btnVoltar"));
    btnVoltar->setGeometry(3, 22, 89, 25);
    btnVoltar->setFont(Componentes::fonteSegoe(12));
    btnVoltar->setDefault(true);
    Conexao::protegida(btnVoltar, &QPushButton::clicked, this, &TframeProtetor::btnVoltarClick);

    textoURL = new QLabel(this);
    textoURL->setObjectName(QStringLiteral("textoURL"));
    QPalette paletaURL = textoURL->palette();
    paletaURL.setColor(QPalette::WindowText, Qt::gray);
    textoURL->setPalette(paletaURL);
    textoURL->setTextFormat(Qt::PlainText);
    Image1 = Componentes::criarImagem(this, "Image1", QStringLiteral("GUARDA"));
    textoInfo = new QPlainTextEdit(QStringLiteral("textoInfo"), this);
    textoInfo->setObjectName(QStringLiteral("textoInfo"));
    textoInfo->setReadOnly(true);
    textoInfo->setFrameShape(QFrame::NoFrame);
    textoInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Bevel2);
    auto* margens = new QVBoxLayout;
    margens->setContentsMargins(3, 0, 3, 3);
    margens->setSpacing(6);
    margens->addWidget(textoURL);
    margens->addWidget(Image1);
    margens->addWidget(textoInfo, 1);
    layout->addLayout(margens, 1);
}

void TframeProtetor::init() {
    contexto_.idioma.add(textoTitulo, QStringLiteral("Caption"));
    contexto_.idioma.add(btnVoltar, QStringLiteral("Caption"));
}

void TframeProtetor::mostrarAviso(const QString& url, const QString& urlOriginal) {
    const bool direto = url == urlOriginal;
    const QString info =
        direto ? contexto_.idioma.get(QStringLiteral("frameProtetor.texto1"), {url})
               : contexto_.idioma.get(QStringLiteral("frameProtetor.texto2"), {urlOriginal, url});
    show();
    textoURL->setText(direto ? url : urlOriginal + juncao + url);
    Componentes::escreverMemo(textoInfo, info);
}

void TframeProtetor::btnVoltarClick() {
    Q_EMIT voltarPedido();
}
