#include "linkguard/unit_frameProtetor.h"

#include "core/unit_Conexao.h"
#include "core/unit_Erros.h"
#include "platform/unit_Servicos.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Painel.h"
#include "ui/unit_PapelAcessivel.h"
#include "ui/unit_TeclaAcionar.h"

#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {

// Between the copied address and the one it led to.
const QString juncao = QStringLiteral(" -> ");
// The reason's dark red: 7.8:1 on white.
const QColor corMotivo(0xa1, 0x1b, 0x1b);

QLabel* criarLinha(QWidget* pai, const char* nome, const QColor& cor, bool negrito = false) {
    auto* linha = new QLabel(pai);
    linha->setObjectName(QLatin1String(nome));
    linha->setTextFormat(Qt::PlainText);
    linha->setWordWrap(true);
    linha->setFont(Componentes::fonteSegoe(13, negrito));
    QPalette paleta = linha->palette();
    paleta.setColor(QPalette::WindowText, cor);
    linha->setPalette(paleta);
    return linha;
}

// Whether the clipboard's text is the copy that led to `urlOriginal`: the
// first address in it, or in its canonical copy, as the watcher found it.
bool levaAoEndereco(const QString& texto, const QString& urlOriginal) {
    const QString aparado = TRegrasLinks::aparar(texto);
    TOrcamento busca = TOrcamento::deBuscaEndereco();
    const QString endereco = TRegrasLinks::buscarEndereco(aparado, busca);
    if (!endereco.isEmpty() && TRegrasLinks::comPrefixo(endereco) == urlOriginal)
        return true;
    TOrcamento buscaCanonica = TOrcamento::deJulgamento();
    const QString canonico = TRegrasLinks::buscarEnderecoCanonico(aparado, buscaCanonica);
    return !canonico.isEmpty() && TRegrasLinks::comPrefixo(canonico) == urlOriginal;
}

} // namespace

TframeProtetor::TframeProtetor(TContextoTela contexto, QWidget* pai) : TFrame(pai), contexto_(contexto) {
    setObjectName(QStringLiteral("frameProtetor"));
    Componentes::pintarFundo(this, Qt::white);
    setFont(Componentes::fonteSegoe(13));
    TPapelAcessivel::definir(this, QAccessible::AlertMessage);

    Bevel2 = Componentes::criarLinha(this, "Bevel2", 3);
    Panel1 = Componentes::criarCabecalho(this, "Panel1");
    textoTitulo = Componentes::criarTituloCabecalho(Panel1, QStringLiteral("Link malicioso detecado"));
    btnVoltar = new QPushButton(QStringLiteral("< Voltar"), Panel1);
    btnVoltar->setObjectName(QStringLiteral("btnVoltar"));
    btnVoltar->setGeometry(3, 22, 89, 25);
    btnVoltar->setFont(Componentes::fonteSegoe(12));
    btnVoltar->setDefault(true);
    TTeclaAcionar::instalar(btnVoltar);
    Conexao::protegida(btnVoltar, &QPushButton::clicked, this, &TframeProtetor::btnVoltarClick);
    // Esc is the back button too, wherever the focus is on the screen.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    Conexao::protegida(esc, &QShortcut::activated, this, &TframeProtetor::btnVoltarClick);

    textoURL = criarLinha(this, "textoURL", Componentes::cinzaTexto);
    textoURL->setWordWrap(false);
    textoMotivo = criarLinha(this, "textoMotivo", corMotivo, true);
    textoDestino = criarLinha(this, "textoDestino", Componentes::cinzaTexto);
    textoOrigem = criarLinha(this, "textoOrigem", Componentes::cinzaTexto);
    Image1 = Componentes::criarImagem(this, "Image1", QStringLiteral("GUARDA"));
    textoInfo = new QPlainTextEdit(QStringLiteral("textoInfo"), this);
    textoInfo->setObjectName(QStringLiteral("textoInfo"));
    textoInfo->setReadOnly(true);
    textoInfo->setFrameShape(QFrame::NoFrame);
    textoInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    textoInfo->setTabChangesFocus(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(Bevel2);
    auto* margens = new QVBoxLayout;
    margens->setContentsMargins(3, 0, 3, 3);
    margens->setSpacing(6);
    for (QLabel* linha : {textoURL, textoMotivo, textoDestino, textoOrigem})
        margens->addWidget(linha);
    margens->addWidget(Image1);
    margens->addWidget(textoInfo, 1);
    layout->addLayout(margens, 1);
}

void TframeProtetor::init() {
    contexto_.idioma.add(textoTitulo, QStringLiteral("Caption"));
    contexto_.idioma.add(btnVoltar, QStringLiteral("Caption"));
}

void TframeProtetor::mostrarAviso(const QString& url, const QString& urlOriginal,
                                  TRegrasLinks::TVeredito veredito, TOrigem origem) {
    const TIdioma& idioma = contexto_.idioma;
    const bool direto = url == urlOriginal;
    const QString info = textoAviso(url, urlOriginal, origem);
    show();
    textoURL->setText(direto ? url : urlOriginal + juncao + url);
    mostrarLinha(textoMotivo, motivo(veredito));
    mostrarLinha(textoDestino,
                 direto ? QString() : idioma.get(QStringLiteral("frameProtetor.destino"), {url}));
    QString destinoDoLink;
    if (origem == TOrigem::filme)
        destinoDoLink = idioma.get(QStringLiteral("frameProtetor.naoAberto"));
    else if (retirarDaAreaTransferencia(urlOriginal))
        destinoDoLink = idioma.get(QStringLiteral("frameProtetor.removidoAreaTransferencia"));
    mostrarLinha(textoOrigem, destinoDoLink);
    Componentes::escreverMemo(textoInfo, info);
    anunciar();
}

// Assistive technology reads the alert's name and description out at once.
void TframeProtetor::anunciar() {
    setAccessibleName(textoTitulo->text());
    textoInfo->setAccessibleName(textoTitulo->text());
    TPapelAcessivel::nomearPelaLegenda(btnVoltar);
    setAccessibleDescription(
        QStringList({textoURL->text(), textoMotivo->text(), textoDestino->text(), textoOrigem->text()})
            .join(QLatin1Char(' '))
            .simplified());
    QAccessibleEvent alerta(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alerta);
}

// The Portuguese texts tell of a copied link; a table without them, and a
// link a movie asked for, get the general advice.
QString TframeProtetor::textoAviso(const QString& url, const QString& urlOriginal, TOrigem origem) const {
    const TIdioma& idioma = contexto_.idioma;
    const QString chave =
        url == urlOriginal ? QStringLiteral("frameProtetor.texto1") : QStringLiteral("frameProtetor.texto2");
    if (origem == TOrigem::filme || !idioma.possui(chave))
        return idioma.get(QStringLiteral("frameProtetor.conselho"));
    return url == urlOriginal ? idioma.get(chave, {url}) : idioma.get(chave, {urlOriginal, url});
}

QString TframeProtetor::motivo(TRegrasLinks::TVeredito veredito) const {
    switch (veredito) {
    case TRegrasLinks::TVeredito::palavrasChave:
        return contexto_.idioma.get(QStringLiteral("frameProtetor.motivoPalavrasChave"));
    case TRegrasLinks::TVeredito::siteRuim:
        return contexto_.idioma.get(QStringLiteral("frameProtetor.motivoSiteRuim"));
    case TRegrasLinks::TVeredito::titulo:
        return contexto_.idioma.get(QStringLiteral("frameProtetor.motivoTitulo"));
    default:
        return QString();
    }
}

bool TframeProtetor::retirarDaAreaTransferencia(const QString& urlOriginal) {
    TAreaTransferencia& area = *contexto_.servicos.areaTransferencia;
    QString texto;
    try {
        texto = area.lerTexto();
    } catch (const EErro&) {
        return false;
    }
    if (!levaAoEndereco(texto, urlOriginal))
        return false;
    area.limpar();
    return true;
}

void TframeProtetor::mostrarLinha(QLabel* linha, const QString& texto) {
    linha->setText(texto);
    linha->setVisible(!texto.isEmpty());
}

void TframeProtetor::btnVoltarClick() {
    Q_EMIT voltarPedido();
}
