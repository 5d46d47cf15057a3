#include "games/unit_frameErroFlash.h"

#include "core/unit_Conexao.h"
#include "core/unit_Recursos.h"
#include "platform/unit_Servicos.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Painel.h"
#include "ui/unit_RotuloClicavel.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

TframeErroFlash::TframeErroFlash(TContextoTela contexto, QWidget* pai) : TFrame(pai), contexto_(contexto) {
    setObjectName(QStringLiteral("frameErroFlash"));
    Componentes::pintarFundo(this, Qt::white);

    Panel1 = Componentes::criarCabecalho(this, "Panel1");
    textoTitulo = Componentes::criarTituloCabecalho(Panel1, QString());
    Image2 = Componentes::criarImagem(Panel1, "Image2", QStringLiteral("LOGO_PROGRAMA"));
    Image2->setGeometry(3, 4, 64, 64);
    Bevel3 = Componentes::criarLinha(this, "Bevel3", 3);

    textoErro = new QLabel(this);
    textoErro->setObjectName(QStringLiteral("textoErro"));
    textoErro->setWordWrap(true);
    textoErro->setTextFormat(Qt::PlainText);
    Label1 = new TRotuloClicavel(contexto_.servicos.enderecos.ajudaFlash, this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont fonteLink = Label1->font();
    fonteLink.setBold(true);
    fonteLink.setUnderline(true);
    Label1->setFont(fonteLink);
    Label1->setForegroundRole(QPalette::Highlight);
    Label1->setCursor(Qt::PointingHandCursor);
    Conexao::protegida(Label1, &TRotuloClicavel::Click, this, &TframeErroFlash::Label1Click);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Bevel3);
    layout->addSpacing(46);
    layout->addWidget(textoErro);
    layout->addWidget(Label1);
    layout->addStretch();
    textoErro->setContentsMargins(13, 0, 0, 0);
    Label1->setContentsMargins(13, 0, 0, 0);

    Image1 = Componentes::criarImagem(this, "Image1", QStringLiteral("EXCLAMACAO"));
    Image1->setGeometry(3, 77, 32, 32);
}

// The texts are looked up when shown and at every change of language: they
// name the SWF engine this platform plays on, under keys of their own.
void TframeErroFlash::init() {
    escreverTextos();
}

void TframeErroFlash::mostrarErro(const QString& mensagem) {
    mensagem_ = mensagem.trimmed();
    escreverTextos();
    show();
}

void TframeErroFlash::escreverTextos() {
    const TIdioma& idioma = contexto_.idioma;
    textoTitulo->setText(idioma.get(QStringLiteral("frameErroFlash.textoTituloMotor")));
    textoErro->setText(idioma.get(QStringLiteral("frameErroFlash.textoErroMotor"), {mensagem_}));
    Label1->setAccessibleName(idioma.get(QStringLiteral("frameErroFlash.linkAjuda")));
}

void TframeErroFlash::changeEvent(QEvent* evento) {
    TFrame::changeEvent(evento);
    if (evento->type() == QEvent::LanguageChange)
        escreverTextos();
}

void TframeErroFlash::Label1Click() {
    Q_EMIT abrirEnderecoPedido(Label1->text());
}
