#include "settings/unit_frameConfig.h"

#include "core/unit_ArquivoConfig.h"
#include "core/unit_Chaves.h"
#include "core/unit_Conexao.h"
#include "core/unit_Constantes.h"
#include "core/unit_Erros.h"
#include "core/unit_Recursos.h"
#include "core/unit_Texto.h"
#include "core/unit_TratadorErros.h"
#include "platform/unit_Servicos.h"
#include "player/unit_OpcoesPlayer.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Painel.h"
#include "ui/unit_PapelAcessivel.h"
#include "ui/unit_RotuloClicavel.h"
#include "ui/unit_TeclaAcionar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <functional>

namespace {

const QString textoSoPortugues = QStringLiteral("Only available in portuguese.");

// Stacks a control under the previous ones, as wide as the stack unless
// aligned, with its own margins.
void empilhar(QVBoxLayout* layout, QWidget* control, const QMargins& margens = {3, 3, 3, 3},
              Qt::Alignment alinhamento = {}) {
    auto* caixa = new QVBoxLayout;
    caixa->setContentsMargins(margens);
    caixa->addWidget(control, 0, alinhamento);
    layout->addLayout(caixa);
}

// Captions come from the language table; a label never reads its text as markup.
QLabel* criarRotulo(QWidget* pai, const char* nome, int pixels) {
    auto* rotulo = new QLabel(pai);
    rotulo->setObjectName(QLatin1String(nome));
    rotulo->setTextFormat(Qt::PlainText);
    rotulo->setFont(Componentes::fonteSegoe(pixels));
    return rotulo;
}

QCheckBox* criarCaixa(QWidget* pai, const char* nome, bool marcada) {
    auto* caixa = new QCheckBox(pai);
    caixa->setObjectName(QLatin1String(nome));
    caixa->setChecked(marcada);
    return caixa;
}

QComboBox* criarLista(QWidget* pai, const char* nome, const QStringList& entradas, int selecao) {
    auto* lista = new QComboBox(pai);
    lista->setObjectName(QLatin1String(nome));
    lista->setEditable(false);
    lista->addItems(entradas);
    lista->setCurrentIndex(selecao);
    return lista;
}

// A write the file system refuses goes to the application-wide handler without
// ending the operation that made it: the control keeps its new state, and a fill
// of the screen goes on with the next control, so the screen still opens.
void gravar(TArquivoConfig& config, const std::function<void(TArquivoConfig&)>& escrita) {
    try {
        escrita(config);
        config.UpdateFile();
    } catch (const EErro& erro) {
        TratadorErros::tratar(erro);
    }
}

// An index outside the list leaves it without a selection.
void selecionar(QComboBox* lista, int indice) {
    lista->setCurrentIndex(indice >= 0 && indice < lista->count() ? indice : -1);
}

} // namespace

TframeConfig::TframeConfig(TContextoTela contexto, QWidget* pai) : TFrame(pai), contexto_(contexto) {
    setObjectName(QStringLiteral("frameConfig"));
    resize(724, 632);
    Componentes::pintarFundo(this, Qt::white);
    setFont(Componentes::fonteSegoe(13));

    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    // Tab goes to its controls, and it scrolls to the one focused.
    ScrollBox1->setFocusPolicy(Qt::NoFocus);
    ScrollBox1->setFrameShape(QFrame::NoFrame);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox1->setWidgetResizable(true);
    auto* conteudo = new QWidget;
    Componentes::pintarFundo(conteudo, Qt::white);
    auto* pilha = new QVBoxLayout(conteudo);
    pilha->setContentsMargins(0, 0, 0, 0);
    pilha->setSpacing(0);
    criarComponentes(conteudo, pilha);
    pilha->addStretch();
    ScrollBox1->setWidget(conteudo);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox1);

    ligarEventos();
}

void TframeConfig::criarComponentes(QWidget* conteudo, QVBoxLayout* pilha) {
    Panel1 = Componentes::criarCabecalho(conteudo, "Panel1");
    textoTitulo = Componentes::criarTituloCabecalho(Panel1, QString());
    btnVoltar = new QPushButton(Panel1);
    btnVoltar->setObjectName(QStringLiteral("btnVoltar"));
    btnVoltar->setGeometry(3, 23, 89, 25);
    btnVoltar->setFont(Componentes::fonteSegoe(12));
    TTeclaAcionar::instalar(btnVoltar);
    empilhar(pilha, Panel1, {});

    textoContrato = new TRotuloClicavel(conteudo);
    textoContrato->setObjectName(QStringLiteral("textoContrato"));
    textoContrato->setTextFormat(Qt::PlainText);
    textoContrato->setFont(Componentes::fonteSegoe(12));
    QPalette paletaContrato = textoContrato->palette();
    paletaContrato.setColor(QPalette::WindowText, Componentes::cinzaTexto);
    textoContrato->setPalette(paletaContrato);
    textoContrato->setCursor(Qt::PointingHandCursor);
    empilhar(pilha, textoContrato);
    Bevel3 = Componentes::criarLinha(conteudo, "Bevel3", 13);
    empilhar(pilha, Bevel3, {});

    textoDesempenho = criarRotulo(conteudo, "textoDesempenho", 19);
    empilhar(pilha, textoDesempenho, {3, 50, 3, 3});
    Bevel1 = Componentes::criarLinha(conteudo, "Bevel1", 14);
    empilhar(pilha, Bevel1, {0, 3, 0, 6});
    textoRender = criarRotulo(conteudo, "textoRender", 13);
    empilhar(pilha, textoRender, {13, 0, 3, 3});
    opcoesRender = criarLista(conteudo, "opcoesRender", OpcoesPlayer::itensRender(), 1);
    empilhar(pilha, opcoesRender, {13, 3, 3, 3});
    textoQualidade = criarRotulo(conteudo, "textoQualidade", 13);
    empilhar(pilha, textoQualidade, {13, 13, 3, 3});
    opcoesQualidade = criarLista(conteudo, "opcoesQualidade", OpcoesPlayer::itensQualidade(), 1);
    empilhar(pilha, opcoesQualidade, {13, 3, 3, 3});
    checkNoOffset = criarCaixa(conteudo, "checkNoOffset", false);
    empilhar(pilha, checkNoOffset, {13, 13, 3, 3});
    checkAnim = criarCaixa(conteudo, "checkAnim", true);
    empilhar(pilha, checkAnim, {13, 13, 3, 3});

    textoVLinks = criarRotulo(conteudo, "textoVLinks", 19);
    empilhar(pilha, textoVLinks, {3, 3, 3, 6});
    checkVLinks = criarCaixa(conteudo, "checkVLinks", true);
    empilhar(pilha, checkVLinks, {13, 13, 3, 3});
    textoDescricaoVLinks = criarRotulo(conteudo, "textoDescricaoVLinks", 12);
    textoDescricaoVLinks->setWordWrap(true);
    empilhar(pilha, textoDescricaoVLinks, {13, 3, 3, 3});
    Bevel2 = Componentes::criarLinha(conteudo, "Bevel2", 14);
    empilhar(pilha, Bevel2, {0, 3, 0, 6});

    textoOutras = criarRotulo(conteudo, "textoOutras", 19);
    empilhar(pilha, textoOutras, {3, 3, 3, 6});
    checkSala = criarCaixa(conteudo, "checkSala", true);
    empilhar(pilha, checkSala, {13, 3, 3, 3});
    checkMenuCtx = criarCaixa(conteudo, "checkMenuCtx", false);
    empilhar(pilha, checkMenuCtx, {13, 13, 3, 3});
    btnLimparDados = new QPushButton(conteudo);
    btnLimparDados->setObjectName(QStringLiteral("btnLimparDados"));
    empilhar(pilha, btnLimparDados, {13, 13, 3, 3}, Qt::AlignLeft);
    labelIdioma = criarRotulo(conteudo, "labelIdioma", 13);
    labelIdioma->setText(QStringLiteral("Idioma (Language):"));
    empilhar(pilha, labelIdioma, {13, 13, 3, 3});
    selectIdioma = criarLista(conteudo, "selectIdioma", {QStringLiteral("PT"), QStringLiteral("EN")}, 0);
    empilhar(pilha, selectIdioma, {13, 3, 3, 3});

    // Each list is named by its label, and the link-check box described by its text.
    textoRender->setBuddy(opcoesRender);
    textoQualidade->setBuddy(opcoesQualidade);
    labelIdioma->setBuddy(selectIdioma);

    // Beside the performance heading, outside the stack.
    Image1 = Componentes::criarImagem(conteudo, "Image1", QStringLiteral("ENGRENAGEM32"));
    Image1->setGeometry(3, 127, 32, 32);
    Image1->raise();
}

// Check boxes report every change of state, also one made by the program;
// lists report only a choice of the user.
void TframeConfig::ligarEventos() {
    Conexao::protegida(btnVoltar, &QPushButton::clicked, this, &TframeConfig::btnVoltarClick);
    // Esc is the back button too, wherever the focus is on the screen.
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    Conexao::protegida(esc, &QShortcut::activated, this, &TframeConfig::btnVoltarClick);
    Conexao::protegida(textoContrato, &TRotuloClicavel::Click, this, &TframeConfig::textoContratoClick);
    Conexao::protegida(opcoesRender, &QComboBox::activated, this, &TframeConfig::opcoesRenderChange);
    Conexao::protegida(opcoesQualidade, &QComboBox::activated, this, &TframeConfig::opcoesQualidadeChange);
    Conexao::protegida(selectIdioma, &QComboBox::activated, this, &TframeConfig::selectIdiomaChange);
    Conexao::protegida(checkNoOffset, &QCheckBox::toggled, this, &TframeConfig::checkNoOffsetClick);
    Conexao::protegida(checkAnim, &QCheckBox::toggled, this, &TframeConfig::checkAnimClick);
    Conexao::protegida(checkVLinks, &QCheckBox::toggled, this, &TframeConfig::checkVLinksClick);
    Conexao::protegida(checkSala, &QCheckBox::toggled, this, &TframeConfig::checkSalaClick);
    Conexao::protegida(checkMenuCtx, &QCheckBox::toggled, this, &TframeConfig::checkMenuCtxClick);
    Conexao::protegida(btnLimparDados, &QPushButton::clicked, this, &TframeConfig::btnLimparDadosClick);
}

void TframeConfig::init() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             textoTitulo, btnVoltar, textoDesempenho, textoRender, textoQualidade, checkNoOffset, textoVLinks,
             checkVLinks, textoDescricaoVLinks, textoOutras, checkSala, checkAnim, checkMenuCtx,
             textoContrato, opcoesRender, opcoesQualidade, btnLimparDados})
        contexto_.idioma.add(control, QStringLiteral("Caption"));
}

// A box whose state changes here writes its new value through its handler;
// setting a box to the state it already has writes nothing. The link-check
// box only shows its setting and never writes here.
void TframeConfig::mostrarConfigs() {
    const TArquivoConfig& config = contexto_.config;
    const QString& secao = Constantes::secao;
    selecionar(opcoesRender, config.ReadInteger(secao, Chave::wmodeFlash, 1));
    selecionar(opcoesQualidade, config.ReadInteger(secao, Chave::qualidadeFlash, 1));
    selecionar(selectIdioma, config.ReadInteger(secao, Chave::idIdioma, 0));

    checkNoOffset->setChecked(config.ReadBool(secao, Chave::noOffset, false));
    checkSala->setChecked(config.ReadBool(secao, Chave::salaQL6, true));
    checkMenuCtx->setChecked(config.ReadBool(secao, Chave::menuCtx, false));
    checkAnim->setChecked(config.ReadBool(secao, Chave::usarAnim, true));

    // Link checking works with the Portuguese table only; the language code is
    // compared as stored. In another language the box shows it off without
    // storing that: the user's choice is back with Portuguese.
    const bool portugues =
        config.ReadString(secao, Chave::idioma, QStringLiteral("PT")) == QLatin1String("PT");
    {
        const QSignalBlocker semGravar(checkVLinks);
        checkVLinks->setChecked(portugues && config.ReadBool(secao, Chave::ativarVerificadorLinks, true));
    }
    checkVLinks->setEnabled(portugues);
    textoDescricaoVLinks->setEnabled(portugues);
    textoDescricaoVLinks->setText(
        portugues ? contexto_.idioma.get(QStringLiteral("frameConfig.textoDescricaoVLinks"))
                  : textoSoPortugues);
    checkVLinks->setAccessibleDescription(textoDescricaoVLinks->text());
    TPapelAcessivel::nomearPelaLegenda(btnVoltar);
}

// The main window hides the screen once it has slid out of view.
void TframeConfig::btnVoltarClick() {
    Q_EMIT voltarPedido();
}

void TframeConfig::opcoesRenderChange() {
    gravarIndice(Chave::wmodeFlash, opcoesRender->currentIndex());
}

void TframeConfig::opcoesQualidadeChange() {
    gravarIndice(Chave::qualidadeFlash, opcoesQualidade->currentIndex());
}

void TframeConfig::checkNoOffsetClick() {
    gravarOpcao(Chave::noOffset, checkNoOffset->isChecked());
}

void TframeConfig::checkAnimClick() {
    gravarOpcao(Chave::usarAnim, checkAnim->isChecked());
}

void TframeConfig::checkVLinksClick() {
    gravarOpcao(Chave::ativarVerificadorLinks, checkVLinks->isChecked());
}

void TframeConfig::checkSalaClick() {
    gravarOpcao(Chave::salaQL6, checkSala->isChecked());
}

void TframeConfig::checkMenuCtxClick() {
    gravarOpcao(Chave::menuCtx, checkMenuCtx->isChecked());
}

// The entry's text names the language: "PT" and "EN" are the built-in tables.
void TframeConfig::selectIdiomaChange() {
    const int indice = selectIdioma->currentIndex();
    const QString codigo = selectIdioma->currentText();
    try {
        contexto_.idioma.carregarIdioma(codigo);
        contexto_.idioma.aplicarIdioma();
    } catch (const EErro& erro) {
        recuperarIdioma(erro);
        return;
    }
    gravar(contexto_.config, [&](TArquivoConfig& config) {
        config.WriteInteger(Constantes::secao, Chave::idIdioma, indice);
        config.WriteString(Constantes::secao, Chave::idioma, codigo);
    });
    // Applying cleared the performance lists.
    mostrarConfigs();
}

// Puts the stored language back on screen and says why the choice failed; nothing is written.
void TframeConfig::recuperarIdioma(const EErro& erro) {
    const TArquivoConfig& config = contexto_.config;
    selecionar(selectIdioma, config.ReadInteger(Constantes::secao, Chave::idIdioma, 1));
    contexto_.idioma.carregarIdioma(
        config.ReadString(Constantes::secao, Chave::idioma, QStringLiteral("EN")));
    contexto_.idioma.aplicarIdioma();
    mostrarConfigs();
    contexto_.servicos.mensagens->avisarErro(
        contexto_.idioma.get(QStringLiteral("Mensagem.erroCarregarIdioma"), {erro.Message()}));
}

// Declining the terms ends the program at once, without the close question.
// Only the explicit No declines: Esc or closing the box changes nothing.
void TframeConfig::textoContratoClick() {
    QString termos;
    for (const QString& linha : Texto::linhas(Recursos::ler(QStringLiteral("LICENCA"))))
        termos += linha + Texto::quebraLinha;
    const QString pergunta = contexto_.idioma.get(QStringLiteral("Principal.licença"), {termos});
    if (contexto_.servicos.mensagens->perguntarOuFechar(pergunta) == TCaixasMensagem::TResposta::nao)
        Q_EMIT encerramentoPedido();
}

void TframeConfig::btnLimparDadosClick() {
    if (contexto_.servicos.mensagens->perguntar(
            contexto_.idioma.get(QStringLiteral("Mensagem.limparDadosJogos"))))
        Q_EMIT limpezaDadosPedida();
}

void TframeConfig::gravarOpcao(const QString& chave, bool valor) {
    gravar(contexto_.config,
           [&](TArquivoConfig& config) { config.WriteBool(Constantes::secao, chave, valor); });
}

void TframeConfig::gravarIndice(const QString& chave, int indice) {
    gravar(contexto_.config,
           [&](TArquivoConfig& config) { config.WriteInteger(Constantes::secao, chave, indice); });
}
