#include "player/unit_FlashPlayerSubstituto.h"

#include "core/unit_Conexao.h"
#include "player/unit_PedidosFilme.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace {

// The size of a loader movie's stage.
constexpr QSize tamanhoPalco(800, 600);
constexpr std::array<int, 4> estadosCarga = {0, 2, 3, 4};
constexpr int intervaloCarga = 100;

QString nomeQualidade(int qualidade) {
    static const std::array<QString, 4> nomes = {QStringLiteral("low"), QStringLiteral("high"),
                                                 QStringLiteral("automatic low"),
                                                 QStringLiteral("automatic high")};
    if (qualidade < 0 || qualidade >= static_cast<int>(nomes.size()))
        return QStringLiteral("unknown");
    return nomes[qualidade];
}

QString textoResposta(const std::optional<QString>& resposta) {
    return resposta ? *resposta : QStringLiteral("(no reply)");
}

} // namespace

TFlashPlayerSubstituto::TFlashPlayerSubstituto(QWidget* pai) : TFlashPlayer(pai) {
    timerCarga_.setSingleShot(true);
    timerCarga_.setInterval(intervaloCarga);
    Conexao::protegida(&timerCarga_, &QTimer::timeout, this, &TFlashPlayerSubstituto::avancarCarga);

    palco_ = new QFrame(this);
    palco_->setObjectName(QStringLiteral("palco"));
    auto* layout = new QVBoxLayout(palco_);
    layout->setContentsMargins(24, 24, 24, 24);

    auto* aviso = criarLinha("textoAviso");
    aviso->setText(
        QStringLiteral("Stand-in loader movie: this system has no Flash runtime, so no game runs here.\n"
                       "It loads, asks its page what a game's loader asks, and lets you try the "
                       "chat and full screen."));
    aviso->setWordWrap(true);
    QFont fonteAviso = aviso->font();
    fonteAviso.setBold(true);
    aviso->setFont(fonteAviso);
    textoFilme_ = criarLinha("textoFilme");
    textoFilme_->setWordWrap(true);
    textoRender_ = criarLinha("textoRender");
    textoQualidade_ = criarLinha("textoQualidade");
    textoEstado_ = criarLinha("textoEstado");
    textoPagina_ = criarLinha("textoPagina");
    textoPagina_->setWordWrap(true);
    textoIdentidade_ = criarLinha("textoIdentidade");

    auto* linhaChat = new QHBoxLayout;
    auto* rotuloChat = new QLabel(QStringLiteral("Chat:"), palco_);
    campoChat_ = new QLineEdit(palco_);
    campoChat_->setObjectName(QStringLiteral("campoChat"));
    campoChat_->setPlaceholderText(QStringLiteral("Type here; select and copy as in the game's chat"));
    linhaChat->addWidget(rotuloChat);
    linhaChat->addWidget(campoChat_, 1);
    btnTelaCheia_ = new QPushButton(QStringLiteral("Full screen"), palco_);
    btnTelaCheia_->setObjectName(QStringLiteral("btnTelaCheia"));
    Conexao::protegida(btnTelaCheia_, &QPushButton::clicked, this, &TFlashPlayerSubstituto::pedirTelaCheia);

    for (QWidget* linha : std::initializer_list<QWidget*>{aviso, textoFilme_, textoRender_, textoQualidade_,
                                                          textoEstado_, textoPagina_, textoIdentidade_})
        layout->addWidget(linha);
    layout->addSpacing(12);
    layout->addLayout(linhaChat);
    layout->addWidget(btnTelaCheia_, 0, Qt::AlignLeft);
    layout->addStretch();

    setBGColor(QStringLiteral("ffffff"));
    mostrarPropriedades();
}

QLabel* TFlashPlayerSubstituto::criarLinha(const char* nome) {
    auto* linha = new QLabel(palco_);
    linha->setObjectName(QLatin1String(nome));
    linha->setTextFormat(Qt::PlainText);
    linha->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return linha;
}

void TFlashPlayerSubstituto::setBGColor(const QString& rrggbb) {
    bgColor_ = rrggbb;
    const QColor cor = QColor::fromString(QLatin1Char('#') + rrggbb);
    corFundo_ = cor.isValid() ? cor : QColor(Qt::white);
    // The stage's outline and texts stay readable on whatever colour the page asks for.
    const QString corTexto = qGray(corFundo_.rgb()) < 150 ? QStringLiteral("white") : QStringLiteral("black");
    const QString folha =
        QStringLiteral("#palco { border: 1px solid %1; } #palco QLabel { color: %1; }").arg(corTexto);
    if (palco_->styleSheet() != folha)
        palco_->setStyleSheet(folha);
    update();
}

void TFlashPlayerSubstituto::setMovie(const QString& url) {
    movie_ = url;
    passoCarga_ = 0;
    textoPagina_->clear();
    textoIdentidade_->clear();
    mostrarPropriedades();
    timerCarga_.start();
}

void TFlashPlayerSubstituto::setScale(const QString& escala) {
    scale_ = escala;
    posicionarPalco();
}

void TFlashPlayerSubstituto::setWMode(const QString& modo) {
    wmode_ = modo;
    mostrarPropriedades();
}

void TFlashPlayerSubstituto::setQuality(int qualidade) {
    quality_ = qualidade;
    mostrarPropriedades();
}

void TFlashPlayerSubstituto::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), corFundo_);
}

void TFlashPlayerSubstituto::resizeEvent(QResizeEvent*) {
    posicionarPalco();
}

// Without scaling the stage keeps its own size, centred; otherwise it fills the player.
void TFlashPlayerSubstituto::posicionarPalco() {
    if (scale_.compare(QLatin1String("noScale"), Qt::CaseInsensitive) != 0) {
        palco_->setGeometry(rect());
        return;
    }
    palco_->setGeometry(width() / 2 - tamanhoPalco.width() / 2, height() / 2 - tamanhoPalco.height() / 2,
                        tamanhoPalco.width(), tamanhoPalco.height());
}

void TFlashPlayerSubstituto::mostrarPropriedades() {
    textoFilme_->setText(QStringLiteral("Movie: ") + movie_);
    textoRender_->setText(QStringLiteral("Render mode: ") + wmode_);
    textoQualidade_->setText(QStringLiteral("Quality: %1 (%2)").arg(quality_).arg(nomeQualidade(quality_)));
    textoEstado_->setText(QStringLiteral("Ready state: ") +
                          (estado_ < 0 ? QStringLiteral("none") : QString::number(estado_)));
}

void TFlashPlayerSubstituto::avancarCarga() {
    estado_ = estadosCarga[passoCarga_++];
    mostrarPropriedades();
    const QPointer<TFlashPlayerSubstituto> vivo(this);
    informarEstado(estado_);
    if (!vivo || timerCarga_.isActive())
        return; // gone, or a new movie was set meanwhile
    if (passoCarga_ < static_cast<qsizetype>(estadosCarga.size()))
        timerCarga_.start();
    else
        perguntarPagina();
}

void TFlashPlayerSubstituto::perguntarPagina() {
    const QPointer<TFlashPlayerSubstituto> vivo(this);
    const std::optional<QString> endereco = chamarExterno(PedidosFilme::enderecoPagina);
    if (!vivo)
        return;
    textoPagina_->setText(QStringLiteral("Page address: ") + textoResposta(endereco));
    const std::optional<QString> identidade = chamarExterno(PedidosFilme::identidadeNavegador);
    if (!vivo)
        return;
    textoIdentidade_->setText(QStringLiteral("Browser identity: ") + textoResposta(identidade));
}

void TFlashPlayerSubstituto::pedirTelaCheia() {
    chamarExterno(PedidosFilme::telaCheia);
}
