// The home screen of the main window: layout, tiles and their animation, and its buttons.
#include "app/unit_Principal.h"

#include "core/unit_Conexao.h"
#include "settings/unit_frameConfig.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Imagem.h"
#include "ui/unit_Painel.h"
#include "ui/unit_PapelAcessivel.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace {

const QColor corBranca(255, 255, 255);
const QColor corHover(235, 235, 235);
const QColor corPressionada(210, 210, 220);
constexpr int passoCor = 1;

const QString estadoParado = QStringLiteral("0");
const QString estadoEscurecendo = QStringLiteral("1");
const QString estadoClareando = QStringLiteral("2");

QColor somarPasso(const QColor& cor, int passo) {
    return QColor(qMin(cor.red() + passo, 255), qMin(cor.green() + passo, 255),
                  qMin(cor.blue() + passo, 255));
}

// Fills the tile's existing bitmap with its colour and draws its logo centred on it.
void pintarTile(TImagem* imagem, const QImage& logo) {
    imagem->bitmap.fill(imagem->corFundo);
    QPainter pintor(&imagem->bitmap);
    const QSize tamanhoLogo = logo.deviceIndependentSize().toSize();
    pintor.drawImage(imagem->width() / 2 - tamanhoLogo.width() / 2,
                     imagem->height() / 2 - tamanhoLogo.height() / 2, logo);
    pintor.end();
    imagem->update();
}

bool emTransicao(const TImagem* imagem) {
    return imagem->hint == estadoEscurecendo || imagem->hint == estadoClareando;
}

// The fade timer runs only while some tile is fading: it is started here and
// stops itself once every tile has reached its colour.
void iniciarFade(TImagem* imagem, const QString& estado, QTimer* animacao) {
    imagem->hint = estado;
    if (!animacao->isActive())
        animacao->start();
}

} // namespace

// Composes a tile picture: a white bitmap of the image's size with the logo
// centred on it, at the screen's pixel density.
void TPrincipal::comporTile(int indice) {
    TImagem* imagem = bannersJogos[indice];
    const qreal densidade = imagem->devicePixelRatioF();
    imagem->bitmap = QImage(imagem->size() * densidade, QImage::Format_ARGB32_Premultiplied);
    imagem->bitmap.setDevicePixelRatio(densidade);
    imagem->corFundo = corBranca;
    pintarTile(imagem, bannersOriginais[indice]);
}

void TPrincipal::painelHomeResize() {
    const int W = width();
    const int H = height();
    const int PW = painelHome->contentsRect().width();
    const int PH = painelHome->contentsRect().height();
    const int topoBaixo = H - painelLogoGumbrel->height() - 16 - (textoVersao->height() + 3);

    painelLogoVlm->resize(W / 2 - 2, painelLogoVlm->height());
    painelLogoKrd->resize(W / 2 - 2, painelLogoKrd->height());
    painelLogoKrd->move(W - painelLogoKrd->width() - 16, painelLogoKrd->y());
    painelLogoGumbrel->move(painelLogoGumbrel->x(), topoBaixo);
    painelLogoGumbrel->resize(W / 2 - 2, painelLogoGumbrel->height());
    painelLogoLurr->resize(W / 2 - 2, painelLogoLurr->height());
    painelLogoLurr->move(W - painelLogoLurr->width() - 16, topoBaixo);
    btnConfig->move(PW / 2 - btnConfig->width() / 2, PH / 2 - btnConfig->height() / 2);
    btnKestrum->move(btnKestrum->x(), H / 2 - btnKestrum->height() / 2);
    btnYouTube->move(W - btnYouTube->width() - 16, H / 2 - btnYouTube->height() / 2);
    // The right column lies over the left one where they overlap.
    painelLogoKrd->raise();
    painelLogoLurr->raise();

    for (int i = 0; i < bannersJogos.size(); ++i) {
        TImagem* imagem = bannersJogos[i];
        imagem->setGeometry(imagem->parentWidget()->contentsRect());
        comporTile(i);
    }
}

void TPrincipal::AnimLogoTimer() {
    bool algumEmTransicao = false;
    for (int i = 0; i < bannersJogos.size(); ++i) {
        TImagem* imagem = bannersJogos[i];
        if (imagem->hint == estadoEscurecendo) {
            imagem->corFundo = somarPasso(imagem->corFundo, -passoCor);
            if (imagem->corFundo.red() <= corHover.red()) {
                imagem->corFundo = corHover;
                imagem->hint = estadoParado;
            }
            pintarTile(imagem, bannersOriginais[i]);
        }
        if (imagem->hint == estadoClareando) {
            imagem->corFundo = somarPasso(imagem->corFundo, passoCor);
            if (imagem->corFundo.red() == corBranca.red()) {
                imagem->corFundo = corBranca;
                imagem->hint = estadoParado;
            }
            pintarTile(imagem, bannersOriginais[i]);
        }
        algumEmTransicao = algumEmTransicao || emTransicao(imagem);
    }
    if (!algumEmTransicao)
        AnimLogo->stop();
}

void TPrincipal::ligarTiles() {
    int indice = 0;
    for (TImagem* imagem : {logoVelmora, logoKraddle, logoGumbrel, logoLurrow})
        ligarTile(imagem, indice++);
}

TOcultarHomeCallback TPrincipal::aberturaJogo(int indiceTile) {
    switch (indiceTile) {
    case 0:
        return {this, &TPrincipal::abrirVelmora};
    case 1:
        return {this, &TPrincipal::abrirKraddle};
    case 2:
        return {this, &TPrincipal::abrirGumbrel};
    default:
        return {this, &TPrincipal::abrirLurrow};
    }
}

void TPrincipal::ligarTile(TImagem* imagem, int indice) {
    // A tile is a button to the keyboard and to assistive technology.
    imagem->setFocusPolicy(Qt::StrongFocus);
    TPapelAcessivel::definir(imagem, QAccessible::Button, "Click");
    Conexao::protegida(imagem, &TImagem::MouseEnter, this,
                       [this, imagem] { iniciarFade(imagem, estadoEscurecendo, AnimLogo); });
    Conexao::protegida(imagem, &TImagem::MouseLeave, this,
                       [this, imagem] { iniciarFade(imagem, estadoClareando, AnimLogo); });
    const auto colorir = [this, indice, imagem](const QColor& cor) {
        imagem->corFundo = cor;
        pintarTile(imagem, bannersOriginais[indice]);
    };
    Conexao::protegida(imagem, &TImagem::MouseDown, this, [colorir] { colorir(corPressionada); });
    Conexao::protegida(imagem, &TImagem::MouseUp, this, [colorir] { colorir(corHover); });
    Conexao::protegida(imagem, &TImagem::Click, this, [this, indice] { abrirJogo(indice); });
}

void TPrincipal::abrirJogo(int indiceTile) {
    callbackOcultarHome = aberturaJogo(indiceTile);
    mostrarJogoExistente(indiceTile);
    ocultarHome(painelJogo);
}

void TPrincipal::nomearAcessiveisHome() {
    static const std::array<QString, 4> nomes{QStringLiteral("Velmora"), QStringLiteral("Kraddle"),
                                              QStringLiteral("Gumbrel"), QStringLiteral("Lurrow")};
    int indice = 0;
    for (TImagem* imagem : {logoVelmora, logoKraddle, logoGumbrel, logoLurrow}) {
        const QString& nome = nomes.at(indice++);
        imagem->setAccessibleName(nome);
        imagem->setAccessibleDescription(idioma->get(QStringLiteral("Principal.abrirJogo"), {nome}));
    }
    btnKestrum->setAccessibleDescription(
        idioma->get(QStringLiteral("Principal.abrirNoNavegador"), {btnKestrum->text()}));
    btnYouTube->setAccessibleDescription(
        idioma->get(QStringLiteral("Principal.abrirNoNavegador"), {btnYouTube->text()}));
    textoVersao->setAccessibleName(idioma->get(QStringLiteral("Principal.sobre")));
}

void TPrincipal::abrirJogoPedido(int indiceTile) {
    concluirTransicaoEmCurso();
    if (painelEmFrente() == painelQuillet) {
        painelQuillet->hide();
        if (frameConfig_)
            frameConfig_->hide();
        painelHome->show();
        painelHome->raise();
    }
    abrirJogo(indiceTile);
}

void TPrincipal::ordenarTeclado() {
    const std::array<QWidget*, 8> ordem{logoVelmora, logoKraddle, btnKestrum, btnConfig,
                                        btnYouTube,  logoGumbrel, logoLurrow, textoVersao};
    for (std::size_t i = 1; i < ordem.size(); ++i)
        setTabOrder(ordem[i - 1], ordem[i]);
}

void TPrincipal::btnConfigClick() {
    frameConfig()->show();
    frameConfig()->mostrarConfigs();
    mostrarQuillet();
}

void TPrincipal::btnKestrumClick() {
    abrirURL(servicos.enderecos.portal);
}

void TPrincipal::btnYouTubeClick() {
    abrirURL(servicos.enderecos.canalVideos);
}

// Only web addresses reach the desktop: an address from a remote document
// must never make it run a local file or another scheme's handler.
bool TPrincipal::abrirURL(const QString& URL) {
    const QUrl endereco(URL, QUrl::StrictMode);
    const QString esquema = endereco.scheme().toLower();
    if (!endereco.isValid() || endereco.host().isEmpty() ||
        (esquema != QLatin1String("http") && esquema != QLatin1String("https")))
        return false;
    servicos.shell->abrir(URL);
    return true;
}
