#include "games/unit_frameVelmora.h"

#include "core/unit_ArquivoConfig.h"
#include "core/unit_Chaves.h"
#include "core/unit_Conexao.h"
#include "core/unit_Constantes.h"
#include "platform/unit_Servicos.h"
#include "player/unit_FlashPlayer.h"
#include "player/unit_OpcoesPlayer.h"
#include "ui/unit_AjustePai.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"
#include "ui/unit_PapelAcessivel.h"
#include "ui/unit_TeclaAcionar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

namespace {

// The flagship movie's stage, and the expanded drawing area around it.
constexpr QSize tamanhoPalco(800, 600);
constexpr QSize tamanhoMoldura(802, 602);
constexpr QSize tamanhoExpandido(4000, 3000);
constexpr int recuoVertical = 450;
constexpr int recuoHorizontal = 600;

const QColor corFilme(0x6A, 0x74, 0x95);
const QColor corDesempenho(0x20, 0x89, 0xDF);
// The performance button's caption, a darker shade of the same blue: 5.7:1 on white.
const QColor corTextoDesempenho(0x16, 0x68, 0xB8);
const QString sala = QStringLiteral("?salon=*QL6 vanilla");

QLabel* criarRotulo(QWidget* pai, const char* nome, const QString& texto, const QRect& geometria) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(QLatin1String(nome));
    rotulo->setGeometry(geometria);
    return rotulo;
}

QComboBox* criarLista(QWidget* pai, const char* nome, const QStringList& itens, const QPoint& posicao) {
    auto* lista = new QComboBox(pai);
    lista->setObjectName(QLatin1String(nome));
    lista->addItems(itens);
    lista->setCurrentIndex(1);
    lista->setGeometry(posicao.x(), posicao.y(), 257, 26);
    return lista;
}

// The expand icon: an 18 x 18 blue square, two corner arrows on it, in an
// 18 x 24 picture drawn at the screen's pixel density.
QImage iconeExpandir(qreal densidade) {
    QImage icone(QSize(18, 24) * densidade, QImage::Format_ARGB32_Premultiplied);
    icone.setDevicePixelRatio(densidade);
    icone.fill(Qt::transparent);
    QPainter pintor(&icone);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.fillRect(QRect(0, 3, 18, 18), corDesempenho);
    pintor.setPen(QPen(Qt::white, 1.6));
    pintor.drawPolyline(QPolygonF({QPointF(4, 11), QPointF(4, 7), QPointF(8, 7)}));
    pintor.drawLine(QPointF(4, 7), QPointF(8.5, 11.5));
    pintor.drawPolyline(QPolygonF({QPointF(14, 13), QPointF(14, 17), QPointF(10, 17)}));
    pintor.drawLine(QPointF(14, 17), QPointF(9.5, 12.5));
    return icone;
}

} // namespace

TframeVelmora::TframeVelmora(TContextoTela contexto, const TJanelaJogos& janela, QWidget* pai)
    : TframeJogo(contexto, janela, pai) {
    setObjectName(QStringLiteral("frameVelmora"));
    criarConteudo();
    criarCabecalho();
    criarPainelDesempenho();
    // The header's controls from left to right.
    setTabOrder(btnVoltar, Image3);
    setTabOrder(Image3, btnDesempenho);
    setTabOrder(btnDesempenho, btnFechar);
}

void TframeVelmora::criarConteudo() {
    C = new QScrollArea(this);
    C->setObjectName(QStringLiteral("C"));
    C->setFocusPolicy(Qt::NoFocus);
    C->setFrameShape(QFrame::NoFrame);
    C->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    C->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    (new TAjustePai(C))->setAlinhado(true);
    areaC = new QWidget;
    areaC->setObjectName(QStringLiteral("areaC"));
    C->setWidget(areaC);
    colorirConteudo(Qt::white);
    C->viewport()->installEventFilter(this);

    Bevel1 = new QFrame(areaC);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameShape(QFrame::Box);
    Bevel1->setFrameShadow(QFrame::Plain);
    Bevel1->hide();
    Cabecalho->raise();
}

void TframeVelmora::criarCabecalho() {
    Image3 = new TImagem(Cabecalho);
    Image3->setObjectName(QStringLiteral("Image3"));
    Image3->setGeometry(btnVoltar->geometry().right() + 4, btnVoltar->y(), 18, 24);
    Image3->setCursor(Qt::PointingHandCursor);
    Image3->bitmap = iconeExpandir(Image3->devicePixelRatioF());
    Image3->setFocusPolicy(Qt::StrongFocus);
    TPapelAcessivel::definir(Image3, QAccessible::Button, "Click");
    Conexao::protegida(Image3, &TImagem::Click, this, &TframeVelmora::Image3Click);

    btnDesempenho = new QPushButton(QStringLiteral("Ajustar desempenho"), Cabecalho);
    btnDesempenho->setObjectName(QStringLiteral("btnDesempenho"));
    btnDesempenho->setGeometry(0, btnVoltar->y(), 161, 24);
    btnDesempenho->setFlat(true);
    btnDesempenho->setFont(Componentes::fonteSegoe(12, true));
    btnDesempenho->setCursor(Qt::PointingHandCursor);
    QPalette paleta = btnDesempenho->palette();
    paleta.setColor(QPalette::ButtonText, corTextoDesempenho);
    btnDesempenho->setPalette(paleta);
    TTeclaAcionar::instalar(btnDesempenho);
    Conexao::protegida(btnDesempenho, &QPushButton::clicked, this, &TframeVelmora::btnDesempenhoClick);
}

void TframeVelmora::criarPainelDesempenho() {
    painelDesempenho = new TPainel(this);
    painelDesempenho->setObjectName(QStringLiteral("painelDesempenho"));
    painelDesempenho->setCor(Qt::white);
    painelDesempenho->setFrameShape(QFrame::Panel);
    painelDesempenho->setFrameShadow(QFrame::Sunken);
    painelDesempenho->setLineWidth(2);
    painelDesempenho->resize(273, 311);
    painelDesempenho->setFont(Componentes::fonteSegoe(13));
    painelDesempenho->hide();

    tituloDesempenho =
        criarRotulo(painelDesempenho, "tituloDesempenho", QStringLiteral("Desempenho"), QRect(2, 4, 269, 26));
    tituloDesempenho->setFont(Componentes::fonteSegoe(19));
    tituloDesempenho->setAlignment(Qt::AlignCenter);
    textoRender = criarRotulo(painelDesempenho, "textoRender",
                              QStringLiteral("Modo de renderização do Flash:"), QRect(8, 32, 257, 20));
    opcoesRender = criarLista(painelDesempenho, "opcoesRender", OpcoesPlayer::itensRender(), QPoint(8, 55));
    textoQualidade = criarRotulo(painelDesempenho, "textoQualidade", QStringLiteral("Qualidade gráfica:"),
                                 QRect(8, 97, 257, 20));
    opcoesQualidade =
        criarLista(painelDesempenho, "opcoesQualidade", OpcoesPlayer::itensQualidade(), QPoint(8, 120));
    checkNoOffset = new QCheckBox(QStringLiteral("Não mostrar áreas externas ao jogo"), painelDesempenho);
    checkNoOffset->setObjectName(QStringLiteral("checkNoOffset"));
    checkNoOffset->setGeometry(8, 166, 257, 24);
    textoDInfo =
        criarRotulo(painelDesempenho, "textoDInfo",
                    QStringLiteral("Talvez seja necessário fechar e abrir o Velmora novamente para que "
                                   "algumas alterações sejam aplicadas.\nExperimente utilizar todas elas."),
                    QRect(8, 200, 257, 74));
    textoDInfo->setWordWrap(true);
    textoDInfo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette paletaInfo = textoDInfo->palette();
    paletaInfo.setColor(QPalette::WindowText, Componentes::cinzaTexto);
    textoDInfo->setPalette(paletaInfo);
    btnFechar2 = new QPushButton(QStringLiteral("Fechar"), painelDesempenho);
    btnFechar2->setObjectName(QStringLiteral("btnFechar2"));
    btnFechar2->setGeometry(184, 280, 83, 25);
    TTeclaAcionar::instalar(btnFechar2);
    // Each list is named by its label.
    textoRender->setBuddy(opcoesRender);
    textoQualidade->setBuddy(opcoesQualidade);

    // Items chosen from the program do not count as changes; a changed check box does.
    Conexao::protegida(opcoesRender, &QComboBox::activated, this, &TframeVelmora::opcoesRenderChange);
    Conexao::protegida(opcoesQualidade, &QComboBox::activated, this, &TframeVelmora::opcoesQualidadeChange);
    Conexao::protegida(checkNoOffset, &QCheckBox::toggled, this, &TframeVelmora::checkNoOffsetClick);
    Conexao::protegida(btnFechar2, &QPushButton::clicked, this, &TframeVelmora::btnFechar2Click);
}

void TframeVelmora::iniciar() {
    criarFlash(areaC, nomeJogo);
    registrarTextos();
    Flash->setMovie(contexto_.servicos.enderecos.raizVelmora + QStringLiteral("VelmoraChargeur.swf") +
                    sufixoSala());
    Flash->setScale(QStringLiteral("noScale"));
    mostrarConfigs();
    nomearAcessiveis();
}

// Every screen registers its texts and takes the current language, so a
// screen built after a closed one speaks the language as well.
void TframeVelmora::registrarTextos() {
    for (QWidget* control : std::initializer_list<QWidget*>{
             btnVoltar, btnDesempenho, btnFechar, tituloDesempenho, textoRender, opcoesRender, textoQualidade,
             opcoesQualidade, checkNoOffset, textoDInfo, btnFechar2})
        contexto_.idioma.add(control, QStringLiteral("Caption"));
    contexto_.idioma.aplicarIdioma();
}

void TframeVelmora::mostrarConfigs() {
    aplicarNoOffset();
    opcoesRender->setCurrentIndex(lerConfig(Chave::wmodeFlash, 1));
    opcoesQualidade->setCurrentIndex(lerConfig(Chave::qualidadeFlash, 1));
    checkNoOffset->setChecked(noOffset());
    Flash->setWMode(OpcoesPlayer::modoRender(opcoesRender->currentIndex()));
    Flash->setQuality(OpcoesPlayer::qualidade(opcoesQualidade->currentIndex()));
}

void TframeVelmora::aplicarNoOffset() {
    if (noOffset()) {
        if (!Flash->alinhado())
            expandirTela();
        Flash->setAlinhado(false);
        Flash->resize(tamanhoPalco);
        Bevel1->resize(tamanhoMoldura);
        Bevel1->show();
        CentralizarFrameJogo();
    } else {
        Flash->setAlinhado(true);
        Bevel1->hide();
        ajustarAreaC();
    }
}

// Halves truncate toward zero and nothing is clamped: in a box smaller than
// the stage the player starts above or left of it.
void TframeVelmora::CentralizarFrameJogo() {
    if (!painelDesempenho->isHidden())
        painelDesempenho->move(width() / 2 - painelDesempenho->width() / 2,
                               height() / 2 - painelDesempenho->height() / 2);
    if (Flash && noOffset()) {
        const QSize cliente = C->viewport()->size();
        Flash->move(cliente.width() / 2 - tamanhoPalco.width() / 2,
                    cliente.height() / 2 - tamanhoPalco.height() / 2);
        Bevel1->move(cliente.width() / 2 - Bevel1->width() / 2, cliente.height() / 2 - Bevel1->height() / 2);
    }
    ajustarAreaC();
}

void TframeVelmora::expandirTela() {
    if (!Flash->alinhado()) {
        Flash->setAlinhado(true);
        CentralizarFrameJogo();
        return;
    }
    Flash->setAlinhado(false);
    Flash->setGeometry(QRect(QPoint(0, 0), tamanhoExpandido));
    Flash->update();
    Flash->repaint();
    CentralizarFrameJogo();
    C->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    C->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    C->update();
    C->verticalScrollBar()->setValue(areaC->height() / 2 - recuoVertical);
    C->horizontalScrollBar()->setValue(areaC->width() / 2 - recuoHorizontal);
}

void TframeVelmora::ajustarAreaC() {
    QSize tamanho = C->viewport()->size();
    for (QWidget* filho : {static_cast<QWidget*>(Flash), static_cast<QWidget*>(Bevel1)}) {
        if (!filho || filho->isHidden() || (filho == Flash && Flash->alinhado()))
            continue;
        const QRect area = filho->geometry();
        tamanho = tamanho.expandedTo(QSize(area.x() + area.width(), area.y() + area.height()));
    }
    areaC->resize(tamanho);
}

bool TframeVelmora::eventFilter(QObject* objeto, QEvent* evento) {
    // Scroll bars coming or going resize the viewport again while it is being
    // laid out; that inner round leaves the layout as it is.
    if (objeto == C->viewport() && evento->type() == QEvent::Resize && !centralizando_) {
        centralizando_ = true;
        CentralizarFrameJogo();
        centralizando_ = false;
    }
    return TframeJogo::eventFilter(objeto, evento);
}

void TframeVelmora::FlashFlashCall(const QString& request) {
    Flash->setBGColor(QStringLiteral("6A7495"));
    colorirConteudo(corFilme);
    Flash->setQuality(OpcoesPlayer::qualidade(lerConfig(Chave::qualidadeFlash, 1)));
    responderFilme(request, contexto_.servicos.enderecos.raizVelmora + sufixoSala());
}

void TframeVelmora::FrameResize() {
    CentralizarFrameJogo();
    TframeJogo::FrameResize();
    btnDesempenho->move(Cabecalho->width() / 2 - btnDesempenho->width() / 2, btnDesempenho->y());
}

void TframeVelmora::Image3Click() {
    if (noOffset()) {
        contexto_.servicos.mensagens->informar(contexto_.idioma.get(QStringLiteral("frameVelmora.alerta1")));
        return;
    }
    expandirTela();
}

void TframeVelmora::btnFecharClick() {
    confirmarFechar(contexto_.idioma.get(QStringLiteral("frameVelmora.confirmarFechar")));
}

// The panel opened takes the keyboard; closed, it gives it back to the game.
void TframeVelmora::btnDesempenhoClick() {
    const bool abrir = painelDesempenho->isHidden();
    if (!abrir && temFoco(painelDesempenho) && Flash)
        Flash->SetFocus();
    painelDesempenho->setVisible(abrir);
    painelDesempenho->raise();
    CentralizarFrameJogo();
    if (abrir)
        opcoesRender->setFocus(Qt::TabFocusReason);
}

void TframeVelmora::btnFechar2Click() {
    if (temFoco(painelDesempenho) && Flash)
        Flash->SetFocus();
    painelDesempenho->hide();
}

bool TframeVelmora::tratarAtalho(const QKeyEvent& evento) {
    if (evento.key() == Qt::Key_Escape && evento.modifiers() == Qt::NoModifier && temFoco(painelDesempenho)) {
        btnFechar2Click();
        return true;
    }
    return TframeJogo::tratarAtalho(evento);
}

void TframeVelmora::nomearAcessiveis() {
    TframeJogo::nomearAcessiveis();
    Image3->setAccessibleName(contexto_.idioma.get(QStringLiteral("frameVelmora.expandir")));
}

void TframeVelmora::opcoesRenderChange() {
    Flash->setWMode(OpcoesPlayer::modoRender(opcoesRender->currentIndex()));
    gravarConfig(Chave::wmodeFlash, opcoesRender->currentIndex());
}

void TframeVelmora::opcoesQualidadeChange() {
    Flash->setQuality(OpcoesPlayer::qualidade(opcoesQualidade->currentIndex()));
    gravarConfig(Chave::qualidadeFlash, opcoesQualidade->currentIndex());
}

void TframeVelmora::checkNoOffsetClick() {
    contexto_.config.WriteBool(Constantes::secao, Chave::noOffset, checkNoOffset->isChecked());
    aplicarNoOffset();
    contexto_.config.UpdateFile();
}

QString TframeVelmora::sufixoSala() const {
    return contexto_.config.ReadBool(Constantes::secao, Chave::salaQL6, true) ? sala : QString();
}

bool TframeVelmora::noOffset() const {
    return contexto_.config.ReadBool(Constantes::secao, Chave::noOffset, false);
}

int TframeVelmora::lerConfig(const QString& chave, int padrao) const {
    return contexto_.config.ReadInteger(Constantes::secao, chave, padrao);
}

void TframeVelmora::gravarConfig(const QString& chave, int valor) {
    contexto_.config.WriteInteger(Constantes::secao, chave, valor);
    contexto_.config.UpdateFile();
}

void TframeVelmora::colorirConteudo(const QColor& cor) {
    Componentes::pintarFundo(C->viewport(), cor);
    Componentes::pintarFundo(areaC, cor);
}
