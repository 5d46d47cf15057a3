// Draws the program's pictures (game logos, wordmark, icons, illustrations) as
// 32-bit PNG files with alpha, so that resources/imagens/ can be redrawn:
//
//     desenhar_recursos <output folder>
//
// Lettering uses the first installed family of each list (URW base 35 fonts,
// then DejaVu); text is turned into outlines and fitted into fixed boxes, so a
// fallback family changes the letter shapes but never the layout.
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr qreal pi = 3.14159265358979323846;

// Palette shared by the pictures.
const QColor tinta(0x22, 0x34, 0x5c);      // program navy
const QColor tintaClara(0x4a, 0x6f, 0xb5); // program blue
const QColor ouro(0xf5, 0xb4, 0x3a);       // program accent
const QColor cinzaIcone(0x6b, 0x72, 0x7c); // icons
const QColor vermelho(0xe0, 0x3a, 0x3e);   // alerts
const QColor olivaKraddle(0x57, 0x5f, 0x44);
const QColor prataGumbrel(0xb7, 0xb7, 0xb7);
const QColor verdeAguaLurrow(0x04, 0x88, 0x95);

QColor comAlfa(QColor cor, int alfa) {
    cor.setAlpha(alfa);
    return cor;
}

QImage imagemVazia(int largura, int altura) {
    QImage imagem(largura, altura, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    return imagem;
}

void prepararPintor(QPainter& pintor) {
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.setPen(Qt::NoPen);
}

using TParadas = std::vector<std::pair<qreal, QColor>>;

QLinearGradient gradienteVertical(qreal topo, qreal base, const TParadas& paradas) {
    QLinearGradient gradiente(0, topo, 0, base);
    for (const auto& [posicao, cor] : paradas)
        gradiente.setColorAt(posicao, cor);
    return gradiente;
}

// ---------------------------------------------------------------------------
// Lettering

QFont fonte(const QStringList& familias, QFont::Weight peso, bool italico = false) {
    // Families installed from several foundries are listed as "Name [foundry]".
    QStringList instaladas;
    for (const QString& familia : QFontDatabase::families())
        instaladas.append(familia.section(QStringLiteral(" ["), 0, 0));
    QString escolhida = QStringLiteral("DejaVu Sans");
    for (const QString& familia : familias) {
        if (instaladas.contains(familia)) {
            escolhida = familia;
            break;
        }
    }
    QFont resultado(escolhida);
    resultado.setPixelSize(100);
    resultado.setWeight(peso);
    resultado.setItalic(italico);
    resultado.setHintingPreference(QFont::PreferNoHinting);
    return resultado;
}

QPainterPath caminhoTexto(const QString& texto, QFont letra, qreal espacamento = 0) {
    letra.setLetterSpacing(QFont::AbsoluteSpacing, espacamento);
    QPainterPath caminho;
    caminho.addText(0, 0, letra, texto);
    return caminho;
}

// Scales a path to fit inside alvo keeping its proportions (optionally
// squeezed horizontally by largura) and places it by alinhamento.
QPainterPath encaixar(const QPainterPath& caminho, const QRectF& alvo,
                      Qt::Alignment alinhamento = Qt::AlignCenter, qreal largura = 1.0) {
    const QRectF caixa = caminho.boundingRect();
    const qreal escala = std::min(alvo.width() / (caixa.width() * largura), alvo.height() / caixa.height());
    const QSizeF tamanho(caixa.width() * escala * largura, caixa.height() * escala);
    qreal x = alvo.left() + (alvo.width() - tamanho.width()) / 2;
    if (alinhamento & Qt::AlignLeft)
        x = alvo.left();
    else if (alinhamento & Qt::AlignRight)
        x = alvo.right() - tamanho.width();
    qreal y = alvo.top() + (alvo.height() - tamanho.height()) / 2;
    if (alinhamento & Qt::AlignTop)
        y = alvo.top();
    else if (alinhamento & Qt::AlignBottom)
        y = alvo.bottom() - tamanho.height();
    QTransform transformacao;
    transformacao.translate(x, y);
    transformacao.scale(escala * largura, escala);
    transformacao.translate(-caixa.left(), -caixa.top());
    return transformacao.map(caminho);
}

// ---------------------------------------------------------------------------
// Shapes

// A closed polygon whose corners are rounded with the given radius.
QPainterPath poligonoArredondado(const std::vector<QPointF>& pontos, qreal raio) {
    QPainterPath caminho;
    const size_t n = pontos.size();
    for (size_t i = 0; i < n; ++i) {
        const QPointF anterior = pontos[(i + n - 1) % n];
        const QPointF vertice = pontos[i];
        const QPointF seguinte = pontos[(i + 1) % n];
        const auto recuar = [&](QPointF ate) {
            const QPointF d = ate - vertice;
            const qreal comprimento = std::hypot(d.x(), d.y());
            return vertice + d * std::min(raio, comprimento / 2) / comprimento;
        };
        const QPointF entrada = recuar(anterior);
        const QPointF saida = recuar(seguinte);
        if (i == 0)
            caminho.moveTo(entrada);
        else
            caminho.lineTo(entrada);
        caminho.quadTo(vertice, saida);
    }
    caminho.closeSubpath();
    return caminho;
}

QPainterPath poligonoRegular(QPointF centro, qreal raio, int lados, qreal anguloInicial,
                             qreal arredondamento) {
    std::vector<QPointF> pontos;
    for (int i = 0; i < lados; ++i) {
        const qreal angulo = anguloInicial + 2 * pi * i / lados;
        pontos.emplace_back(centro.x() + raio * std::cos(angulo), centro.y() + raio * std::sin(angulo));
    }
    return poligonoArredondado(pontos, arredondamento);
}

QPainterPath estrela(QPointF centro, qreal raioExterno, qreal raioInterno, int pontas) {
    QPainterPath caminho;
    for (int i = 0; i < pontas * 2; ++i) {
        const qreal raio = (i % 2 == 0) ? raioExterno : raioInterno;
        const qreal angulo = -pi / 2 + pi * i / pontas;
        const QPointF ponto(centro.x() + raio * std::cos(angulo), centro.y() + raio * std::sin(angulo));
        if (i == 0)
            caminho.moveTo(ponto);
        else
            caminho.lineTo(ponto);
    }
    caminho.closeSubpath();
    return caminho;
}

QPainterPath circulo(QPointF centro, qreal raio) {
    QPainterPath caminho;
    caminho.addEllipse(centro, raio, raio);
    return caminho;
}

QPainterPath retanguloArredondado(const QRectF& retangulo, qreal raio) {
    QPainterPath caminho;
    caminho.addRoundedRect(retangulo, raio, raio);
    return caminho;
}

QPainterPath tracado(const QPainterPath& caminho, qreal largura, Qt::PenCapStyle ponta = Qt::RoundCap) {
    QPainterPathStroker tracador;
    tracador.setWidth(largura);
    tracador.setCapStyle(ponta);
    tracador.setJoinStyle(Qt::RoundJoin);
    return tracador.createStroke(caminho).simplified();
}

QPainterPath linha(QPointF de, QPointF ate, qreal largura, Qt::PenCapStyle ponta = Qt::RoundCap) {
    QPainterPath caminho(de);
    caminho.lineTo(ate);
    return tracado(caminho, largura, ponta);
}

// A toothed wheel with a hole in the middle.
QPainterPath engrenagem(QPointF centro, qreal raioExterno, qreal raioRaiz, int dentes, qreal raioFuro) {
    const qreal passo = 2 * pi / dentes;
    const auto ponto = [&](qreal raio, qreal angulo) {
        return QPointF(centro.x() + raio * std::cos(angulo), centro.y() + raio * std::sin(angulo));
    };
    std::vector<QPointF> contorno;
    for (int i = 0; i < dentes; ++i) {
        const qreal meio = -pi / 2 + i * passo;
        contorno.push_back(ponto(raioRaiz, meio - passo * 0.30));
        contorno.push_back(ponto(raioExterno, meio - passo * 0.19));
        contorno.push_back(ponto(raioExterno, meio + passo * 0.19));
        contorno.push_back(ponto(raioRaiz, meio + passo * 0.30));
        contorno.push_back(ponto(raioRaiz * 0.995, meio + passo * 0.5));
    }
    QPainterPath roda = poligonoArredondado(contorno, 0.7);
    return roda.subtracted(circulo(centro, raioFuro));
}

// ---------------------------------------------------------------------------
// Soft shadows

// Three box blurs in a row come close to a gaussian blur.
QImage desfocar(QImage imagem, int raio) {
    const int largura = imagem.width();
    const int altura = imagem.height();
    const int janela = 2 * raio + 1;
    for (int passagem = 0; passagem < 6; ++passagem) {
        const bool horizontal = passagem % 2 == 0;
        QImage saida(imagem.size(), imagem.format());
        for (int y = 0; y < altura; ++y) {
            for (int x = 0; x < largura; ++x) {
                int soma[4] = {0, 0, 0, 0};
                for (int k = -raio; k <= raio; ++k) {
                    const int xx = horizontal ? x + k : x;
                    const int yy = horizontal ? y : y + k;
                    if (xx < 0 || yy < 0 || xx >= largura || yy >= altura)
                        continue;
                    const QRgb pixel = reinterpret_cast<const QRgb*>(imagem.constScanLine(yy))[xx];
                    soma[0] += qRed(pixel);
                    soma[1] += qGreen(pixel);
                    soma[2] += qBlue(pixel);
                    soma[3] += qAlpha(pixel);
                }
                reinterpret_cast<QRgb*>(saida.scanLine(y))[x] =
                    qRgba(soma[0] / janela, soma[1] / janela, soma[2] / janela, soma[3] / janela);
            }
        }
        imagem = saida;
    }
    return imagem;
}

// The width of the picture being drawn, in its own units (a picture drawn
// for a screen of twice the pixel density has twice the pixels).
qreal larguraLogica(const QPainter& pintor) {
    return pintor.device()->width() / pintor.device()->devicePixelRatioF();
}

// Draws a blurred copy of a shape, moved by deslocamento, under what comes
// next. The blur's radius is in the picture's units, like the shape.
void sombra(QPainter& pintor, const QPainterPath& forma, QPointF deslocamento, const QColor& cor, int raio) {
    const qreal densidade = pintor.device()->devicePixelRatioF();
    QImage camada = imagemVazia(pintor.device()->width(), pintor.device()->height());
    camada.setDevicePixelRatio(densidade);
    QPainter pintorCamada(&camada);
    prepararPintor(pintorCamada);
    pintorCamada.fillPath(pintor.transform().map(forma).translated(deslocamento), cor);
    pintorCamada.end();
    QImage desfocada = desfocar(camada, qRound(raio * densidade));
    desfocada.setDevicePixelRatio(densidade);
    pintor.save();
    pintor.resetTransform();
    pintor.drawImage(0, 0, desfocada);
    pintor.restore();
}

// Fills a shape, then draws its outline centred on the edge.
void preencherComContorno(QPainter& pintor, const QPainterPath& forma, const QBrush& preenchimento,
                          const QColor& contorno, qreal espessura) {
    pintor.fillPath(forma, preenchimento);
    pintor.strokePath(forma, QPen(contorno, espessura, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// Lettering with an outline that lies outside the letters only.
void letreiro(QPainter& pintor, const QPainterPath& texto, const QBrush& preenchimento,
              const QColor& contorno, qreal espessura) {
    pintor.strokePath(texto, QPen(contorno, espessura * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pintor.fillPath(texto, preenchimento);
}

// ---------------------------------------------------------------------------
// The program's quill

// A feather in a unit box: tip at (0, 0), nib at (0, 1), vane to both sides.
QPainterPath penaUnitaria() {
    QPainterPath vane(QPointF(0.0, 0.0));
    vane.cubicTo(-0.13, 0.08, -0.17, 0.30, -0.13, 0.52);
    vane.cubicTo(-0.10, 0.64, -0.05, 0.72, -0.012, 0.77);
    vane.lineTo(0.012, 0.77);
    vane.cubicTo(0.05, 0.68, 0.12, 0.50, 0.11, 0.30);
    vane.cubicTo(0.10, 0.14, 0.06, 0.05, 0.0, 0.0);
    vane.closeSubpath();
    const auto corte = [](qreal lado, qreal y) {
        QPainterPath cunha(QPointF(0.30 * lado, y - 0.02));
        cunha.lineTo(QPointF(0.06 * lado, y + 0.07));
        cunha.lineTo(QPointF(0.30 * lado, y + 0.025));
        cunha.closeSubpath();
        return cunha;
    };
    vane = vane.subtracted(corte(-1, 0.27)).subtracted(corte(-1, 0.43)).subtracted(corte(1, 0.36));
    QPainterPath calamo(QPointF(-0.022, 0.74));
    calamo.lineTo(QPointF(0.022, 0.74));
    calamo.lineTo(QPointF(0.005, 1.0));
    calamo.lineTo(QPointF(-0.005, 1.0));
    calamo.closeSubpath();
    return vane.united(calamo);
}

// The shaft line drawn over the vane.
QPainterPath haste(const QTransform& posicao, qreal largura) {
    QPainterPath caminho(QPointF(0.0, 0.10));
    caminho.lineTo(QPointF(0.0, 0.78));
    return tracado(posicao.map(caminho), largura);
}

QTransform posicaoPena(QPointF bico, qreal comprimento, qreal anguloGraus) {
    QTransform transformacao;
    transformacao.translate(bico.x(), bico.y());
    transformacao.rotate(anguloGraus);
    transformacao.scale(comprimento, comprimento);
    transformacao.translate(0, -1);
    return transformacao;
}

// The program's logo (rounded tile, white quill, golden 6) inside a square.
void desenharLogoPrograma(QPainter& pintor, const QRectF& quadro) {
    const qreal u = quadro.width() / 64.0;
    const auto p = [&](qreal x, qreal y) { return QPointF(quadro.left() + x * u, quadro.top() + y * u); };
    const QRectF azulejo(p(2, 2), QSizeF(60 * u, 60 * u));
    QLinearGradient fundo(azulejo.topLeft(), azulejo.bottomRight());
    fundo.setColorAt(0, tintaClara);
    fundo.setColorAt(1, tinta);
    pintor.fillPath(retanguloArredondado(azulejo, 14 * u), fundo);

    const QTransform pena = posicaoPena(p(12, 56), 56 * u, 40);
    const QPainterPath forma = pena.map(penaUnitaria());
    sombra(pintor, forma, QPointF(0, 1.5 * u), QColor(0, 0, 0, 70), std::max(1, int(2 * u)));
    QLinearGradient branco(p(20, 10), p(40, 50));
    branco.setColorAt(0, QColor(255, 255, 255));
    branco.setColorAt(1, QColor(0xdd, 0xe6, 0xf5));
    pintor.fillPath(forma, branco);
    pintor.fillPath(haste(pena, 1.3 * u), comAlfa(tinta, 150));

    const QPainterPath seis =
        encaixar(caminhoTexto(QStringLiteral("6"), fonte({"URW Gothic", "DejaVu Sans"}, QFont::DemiBold)),
                 QRectF(p(39, 31), QSizeF(18 * u, 25 * u)));
    letreiro(pintor, seis, ouro, tinta, 1.6 * u);
}

// ---------------------------------------------------------------------------
// Pictures

// At the size of the picture: the program's icon for the desktop at every size.
void logoPrograma(QPainter& pintor) {
    const qreal lado = larguraLogica(pintor);
    desenharLogoPrograma(pintor, QRectF(0, 0, lado, lado));
}

// The logo, then "Quillet" in navy and "6" in gold, centred as a whole.
void marca(QPainter& pintor) {
    const QFont letra = fonte({"URW Gothic", "DejaVu Sans"}, QFont::DemiBold);
    QPainterPath nome = encaixar(caminhoTexto(QStringLiteral("Quillet"), letra, 1), QRectF(0, 10, 150, 44),
                                 Qt::AlignLeft | Qt::AlignVCenter);
    const QRectF caixaNome = nome.boundingRect();
    QPainterPath seis = encaixar(caminhoTexto(QStringLiteral("6"), letra),
                                 QRectF(caixaNome.right() + 10, caixaNome.top(), 40, caixaNome.height()),
                                 Qt::AlignLeft | Qt::AlignBottom);
    const qreal ladoLogo = 56;
    const qreal largura = ladoLogo + 10 + seis.boundingRect().right();
    const qreal esquerda = std::round((larguraLogica(pintor) - largura) / 2);
    desenharLogoPrograma(pintor, QRectF(esquerda, 4, ladoLogo, ladoLogo));
    nome.translate(esquerda + ladoLogo + 10, 0);
    seis.translate(esquerda + ladoLogo + 10, 0);
    pintor.fillPath(nome, gradienteVertical(10, 54, {{0, tintaClara}, {1, tinta}}));
    pintor.fillPath(seis, gradienteVertical(10, 54, {{0, ouro.lighter(110)}, {1, ouro.darker(115)}}));
}

void engrenagemIcone(QPainter& pintor) {
    const qreal lado = larguraLogica(pintor);
    const qreal c = lado / 2.0;
    const QPainterPath roda = engrenagem(QPointF(c, c), c - 0.6, c * 0.74, 8, c * 0.31);
    pintor.fillPath(roda,
                    gradienteVertical(0, lado, {{0, cinzaIcone.lighter(118)}, {1, cinzaIcone.darker(112)}}));
    if (lado >= 32) {
        const QPainterPath anel =
            circulo(QPointF(c, c), c * 0.52).subtracted(circulo(QPointF(c, c), c * 0.44));
        pintor.fillPath(anel, QColor(255, 255, 255, 70));
    }
}

void exclamacao(QPainter& pintor) {
    const QPainterPath disco = circulo(QPointF(16, 16), 15.2);
    pintor.fillPath(disco, gradienteVertical(1, 31, {{0, vermelho.lighter(115)}, {1, vermelho.darker(118)}}));
    pintor.fillPath(retanguloArredondado(QRectF(13.9, 6.5, 4.2, 13.5), 2.1), Qt::white);
    pintor.fillPath(circulo(QPointF(16, 24.2), 2.3), Qt::white);
}

void play(QPainter& pintor) {
    const QPainterPath tela = retanguloArredondado(QRectF(2, 7, 36, 26), 8);
    pintor.fillPath(tela,
                    gradienteVertical(7, 33, {{0, QColor(0xff, 0x4b, 0x3e)}, {1, QColor(0xd3, 0x1c, 0x14)}}));
    const QPainterPath triangulo = poligonoArredondado({{16.5, 13.5}, {16.5, 26.5}, {27, 20}}, 1.5);
    pintor.fillPath(triangulo, Qt::white);
}

void emblema(QPainter& pintor) {
    const QPainterPath hexagono = poligonoRegular(QPointF(20, 20), 19.3, 6, -pi / 2, 4.5);
    QLinearGradient violeta(QPointF(6, 2), QPointF(32, 38));
    violeta.setColorAt(0, QColor(0x8e, 0x6c, 0xf2));
    violeta.setColorAt(1, QColor(0x4c, 0x2f, 0xad));
    pintor.fillPath(hexagono, violeta);
    QPainterPath k = linha({14.5, 11.5}, {14.5, 28.5}, 4.4);
    k = k.united(linha({16.5, 21.5}, {26, 11.5}, 4.4));
    k = k.united(linha({20, 19}, {26.5, 28.5}, 4.4));
    pintor.fillPath(k, Qt::white);
}

void logoVelmora(QPainter& pintor) {

    QPainterPath escudo(QPointF(5, 6));
    escudo.lineTo(51, 6);
    escudo.lineTo(51, 30);
    escudo.cubicTo(51, 47, 40, 56, 28, 62);
    escudo.cubicTo(16, 56, 5, 47, 5, 30);
    escudo.closeSubpath();
    sombra(pintor, escudo, QPointF(0, 1.5), QColor(70, 25, 5, 90), 2);
    pintor.fillPath(escudo,
                    gradienteVertical(6, 62, {{0, QColor(0xc4, 0x3b, 0x2c)}, {1, QColor(0x7a, 0x18, 0x16)}}));
    const QLinearGradient dourado = gradienteVertical(
        4, 62,
        {{0, QColor(0xff, 0xe0, 0x7a)}, {0.5, QColor(0xf0, 0xa8, 0x2c)}, {1, QColor(0xc0, 0x6a, 0x18)}});
    pintor.strokePath(escudo, QPen(QBrush(dourado), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pintor.fillPath(estrela(QPointF(28, 30), 14, 3.6, 4), dourado);
    pintor.fillPath(circulo(QPointF(28, 30), 3), QColor(0x7a, 0x18, 0x16));

    const QFont letra = fonte({"P052", "C059", "DejaVu Serif"}, QFont::Bold);
    const QPainterPath texto = encaixar(caminhoTexto(QStringLiteral("VELMORA"), letra, 2),
                                        QRectF(61, 13, 155, 40), Qt::AlignCenter, 0.86);
    sombra(pintor, texto, QPointF(0, 2), QColor(70, 25, 5, 110), 2);
    letreiro(pintor, texto, dourado, QColor(0x5a, 0x24, 0x0c), 1.4);
}

void logoKraddle(QPainter& pintor) {
    const QColor creme(0xf1, 0xea, 0xcf);
    const QColor escuro = olivaKraddle.darker(140);

    // Badge: a sun over rolling hills with a sprout.
    const QPointF centro(70, 34);
    pintor.fillPath(circulo(centro, 31), olivaKraddle);
    const QPainterPath interior = circulo(centro, 26.5);
    pintor.fillPath(interior, creme);
    pintor.save();
    pintor.setClipPath(interior);
    pintor.fillPath(circulo(QPointF(82, 27), 8), QColor(0xdc, 0xa4, 0x3c));
    QPainterPath colinaFundo(QPointF(40, 48));
    colinaFundo.cubicTo(52, 34, 70, 38, 80, 44);
    colinaFundo.cubicTo(88, 40, 96, 40, 102, 44);
    colinaFundo.lineTo(102, 70);
    colinaFundo.lineTo(40, 70);
    colinaFundo.closeSubpath();
    pintor.fillPath(colinaFundo, olivaKraddle.lighter(135));
    QPainterPath colina(QPointF(38, 56));
    colina.cubicTo(54, 44, 76, 46, 102, 56);
    colina.lineTo(102, 70);
    colina.lineTo(38, 70);
    colina.closeSubpath();
    pintor.fillPath(colina, olivaKraddle);
    pintor.restore();
    pintor.fillPath(linha({62, 48}, {62, 33}, 2.2), olivaKraddle);
    QPainterPath folhaEsquerda(QPointF(62, 37));
    folhaEsquerda.cubicTo(56, 37, 51, 33, 50, 27);
    folhaEsquerda.cubicTo(56, 27, 61, 30, 62, 37);
    QPainterPath folhaDireita(QPointF(62, 34));
    folhaDireita.cubicTo(63, 27, 68, 22, 75, 22);
    folhaDireita.cubicTo(74, 29, 69, 34, 62, 34);
    pintor.fillPath(folhaEsquerda.united(folhaDireita), olivaKraddle);

    // Ribbon with the name.
    const auto ponta = [&](qreal x0, qreal x1, qreal entalhe) {
        return poligonoArredondado({{x0, 70}, {x1, 70}, {x1, 96}, {x0, 96}, {entalhe, 83}}, 1);
    };
    pintor.fillPath(ponta(1, 20, 9), escuro);
    pintor.fillPath(ponta(139, 120, 131), escuro);
    pintor.fillPath(poligonoArredondado({{12, 91}, {20, 91}, {20, 96}}, 0.5), escuro.darker(130));
    pintor.fillPath(poligonoArredondado({{128, 91}, {120, 91}, {120, 96}}, 0.5), escuro.darker(130));
    const QPainterPath faixa = retanguloArredondado(QRectF(12, 63, 116, 28), 2);
    sombra(pintor, faixa, QPointF(0, 1.5), QColor(30, 32, 20, 90), 2);
    pintor.fillPath(
        faixa, gradienteVertical(63, 91, {{0, olivaKraddle.lighter(125)}, {1, olivaKraddle.darker(110)}}));
    pintor.fillRect(QRectF(12, 64.5, 116, 1), comAlfa(creme, 90));
    const QFont letra = fonte({"URW Bookman", "DejaVu Serif"}, QFont::DemiBold);
    const QPainterPath texto =
        encaixar(caminhoTexto(QStringLiteral("KRADDLE"), letra, 3), QRectF(18, 67, 104, 20));
    pintor.fillPath(texto.translated(0, 1), comAlfa(escuro.darker(140), 160));
    pintor.fillPath(texto, creme);
}

void logoGumbrel(QPainter& pintor) {
    const QColor contorno(0x4a, 0x4d, 0x52);
    const TParadas prata = {
        {0, QColor(0xf4, 0xf4, 0xf4)}, {0.55, prataGumbrel}, {1, QColor(0x8c, 0x8c, 0x8c)}};

    // A small robot head.
    pintor.fillPath(linha({59.5, 10}, {59.5, 5}, 1.6), contorno);
    preencherComContorno(pintor, circulo(QPointF(59.5, 4.5), 2.8), QColor(0xe2, 0x4a, 0x3c), contorno, 1.2);
    preencherComContorno(pintor, retanguloArredondado(QRectF(38.5, 18, 5, 10), 1.5),
                         gradienteVertical(18, 28, prata), contorno, 1.2);
    preencherComContorno(pintor, retanguloArredondado(QRectF(75.5, 18, 5, 10), 1.5),
                         gradienteVertical(18, 28, prata), contorno, 1.2);
    const QPainterPath cabeca = retanguloArredondado(QRectF(42.5, 10, 34, 26), 8);
    sombra(pintor, cabeca, QPointF(0, 1.2), QColor(0, 0, 0, 70), 1);
    preencherComContorno(pintor, cabeca, gradienteVertical(10, 36, prata), contorno, 1.5);
    for (const qreal x : {52.0, 67.0}) {
        pintor.fillPath(circulo(QPointF(x, 21.5), 4.2), QColor(0x2f, 0x33, 0x38));
        pintor.fillPath(circulo(QPointF(x + 1.3, 20.2), 1.4), Qt::white);
    }
    pintor.fillPath(retanguloArredondado(QRectF(52, 28.5, 15, 3.5), 1.75), contorno);

    const QFont letra = fonte({"URW Gothic", "DejaVu Sans"}, QFont::DemiBold);
    const QPainterPath texto =
        encaixar(caminhoTexto(QStringLiteral("Gumbrel"), letra, 1), QRectF(4, 40, 111, 31));
    sombra(pintor, texto, QPointF(0, 1.5), QColor(0, 0, 0, 80), 1);
    const QRectF caixa = texto.boundingRect();
    letreiro(pintor, texto, gradienteVertical(caixa.top(), caixa.bottom(), prata), contorno, 1.3);
}

void logoLurrow(QPainter& pintor) {
    const QColor fundo = verdeAguaLurrow.darker(135);

    // Badge: a fish leaping over a wave, drawn on a 60-pixel grid.
    pintor.save();
    pintor.translate(3, 12);
    pintor.scale(0.84, 0.84);
    const QPointF centro(30, 36.5);
    const QPainterPath disco = circulo(centro, 27);
    sombra(pintor, disco, QPointF(0, 1.5), QColor(0, 40, 45, 80), 2);
    QLinearGradient agua(QPointF(10, 10), QPointF(50, 64));
    agua.setColorAt(0, verdeAguaLurrow.lighter(135));
    agua.setColorAt(1, verdeAguaLurrow.darker(115));
    pintor.fillPath(disco, agua);
    pintor.save();
    pintor.setClipPath(disco);
    QPainterPath onda(QPointF(0, 47));
    onda.cubicTo(9, 41, 16, 41, 24, 47);
    onda.cubicTo(32, 53, 40, 53, 48, 47);
    onda.cubicTo(52, 44, 56, 43, 62, 45);
    onda.lineTo(62, 70);
    onda.lineTo(0, 70);
    onda.closeSubpath();
    pintor.fillPath(onda, fundo);
    pintor.strokePath(onda, QPen(QColor(255, 255, 255, 200), 2));
    pintor.restore();
    QPainterPath peixe(QPointF(41, 20));
    peixe.cubicTo(33, 15, 22, 20, 18, 31);
    peixe.cubicTo(26, 34, 36, 31, 41, 20);
    peixe.closeSubpath();
    const QTransform giro = QTransform().translate(30, 30).rotate(-8).translate(-30, -30);
    pintor.fillPath(giro.map(peixe.united(poligonoArredondado({{21, 30}, {11, 27}, {14, 39}}, 1.2))),
                    Qt::white);
    pintor.fillPath(giro.map(circulo(QPointF(35.5, 21.5), 1.5)), fundo);
    pintor.restore();

    const QFont letra = fonte({"C059", "DejaVu Serif"}, QFont::Bold, true);
    const QPainterPath texto =
        encaixar(caminhoTexto(QStringLiteral("Lurrow"), letra, 0), QRectF(58, 14, 88, 38));
    sombra(pintor, texto, QPointF(0, 1.5), QColor(0, 40, 45, 90), 1);
    pintor.fillPath(
        texto,
        gradienteVertical(14, 52, {{0, verdeAguaLurrow.lighter(120)}, {1, verdeAguaLurrow.darker(125)}}));
    QPainterPath sublinhado(QPointF(62, 58));
    sublinhado.cubicTo(88, 54, 118, 62, 145, 56);
    pintor.fillPath(tracado(sublinhado, 2.2), comAlfa(verdeAguaLurrow, 170));
}

// A guard standing behind a big shield that bears a padlock, holding a spear.
void guarda(QPainter& pintor) {
    const QColor pele(0xf4, 0xc8, 0xa2);
    const QColor traco(0x1c, 0x25, 0x38);
    const TParadas aco = {
        {0, QColor(0xe8, 0xed, 0xf3)}, {0.6, QColor(0xa9, 0xb4, 0xc2)}, {1, QColor(0x7c, 0x88, 0x99)}};
    const qreal contorno = 2.2;

    // Backdrop and ground.
    pintor.fillPath(
        circulo(QPointF(100, 100), 96),
        gradienteVertical(4, 196, {{0, QColor(0xee, 0xf3, 0xfa)}, {1, QColor(0xd9, 0xe3, 0xf0)}}));
    QPainterPath chao;
    chao.addEllipse(QPointF(100, 186), 62, 7);
    pintor.fillPath(chao, QColor(0x1c, 0x25, 0x38, 40));

    // Spear, behind the arm that holds it.
    preencherComContorno(pintor, retanguloArredondado(QRectF(45.5, 34, 5, 152), 2.5),
                         QColor(0x9a, 0x64, 0x30), traco, contorno);
    QPainterPath ponta(QPointF(48, 8));
    ponta.cubicTo(56, 18, 57, 28, 48, 38);
    ponta.cubicTo(39, 28, 40, 18, 48, 8);
    preencherComContorno(pintor, ponta, gradienteVertical(8, 38, aco), traco, contorno);
    preencherComContorno(pintor, retanguloArredondado(QRectF(42, 36, 12, 5), 2), ouro, traco, contorno);

    // Legs and boots.
    for (const qreal x : {80.0, 104.0}) {
        preencherComContorno(pintor, retanguloArredondado(QRectF(x, 160, 16, 20), 0),
                             QColor(0x3b, 0x42, 0x52), traco, contorno);
        preencherComContorno(pintor, retanguloArredondado(QRectF(x - 2, 176, 21, 10), 4),
                             QColor(0x5a, 0x3a, 0x22), traco, contorno);
    }

    // Body: tunic, belt and shoulder plates.
    const QPainterPath tronco =
        poligonoArredondado({{70, 92}, {130, 92}, {136, 118}, {128, 166}, {72, 166}, {64, 118}}, 12);
    preencherComContorno(pintor, tronco, gradienteVertical(92, 166, {{0, tintaClara}, {1, tinta}}), traco,
                         contorno);
    pintor.fillPath(linha({100, 96}, {100, 148}, 2), QColor(255, 255, 255, 60));
    preencherComContorno(pintor, retanguloArredondado(QRectF(69, 146, 62, 9), 0), QColor(0x6b, 0x44, 0x26),
                         traco, contorno);
    preencherComContorno(pintor, retanguloArredondado(QRectF(94, 144.5, 12, 12), 2), ouro, traco, contorno);
    for (const qreal x : {70.0, 130.0}) {
        QPainterPath ombro;
        ombro.addEllipse(QPointF(x, 101), 15, 12);
        preencherComContorno(pintor, ombro, gradienteVertical(89, 113, aco), traco, contorno);
    }

    // Arm holding the spear.
    QPainterPath braco(QPointF(64, 104));
    braco.cubicTo(56, 114, 52, 122, 50, 132);
    preencherComContorno(pintor, tracado(braco, 13),
                         gradienteVertical(100, 140, {{0, tintaClara}, {1, tinta}}), traco, contorno);
    preencherComContorno(pintor, retanguloArredondado(QRectF(40, 126, 17, 14), 6), pele, traco, contorno);
    pintor.fillPath(linha({42, 131}, {54, 131}, 1.4), traco);

    // Head: face, helmet with nose guard, plume.
    QPainterPath pluma(QPointF(100, 30));
    pluma.cubicTo(112, 14, 134, 14, 142, 30);
    pluma.cubicTo(132, 25, 120, 27, 112, 36);
    pluma.closeSubpath();
    preencherComContorno(
        pintor, pluma,
        gradienteVertical(14, 36, {{0, QColor(0xe8, 0x4b, 0x44)}, {1, QColor(0xa8, 0x22, 0x22)}}), traco,
        contorno);
    const QPainterPath rosto = circulo(QPointF(100, 66), 23);
    preencherComContorno(pintor, rosto, pele, traco, contorno);
    pintor.fillPath(circulo(QPointF(86, 74), 4), QColor(0xf0, 0x9a, 0x8a, 120));
    pintor.fillPath(circulo(QPointF(114, 74), 4), QColor(0xf0, 0x9a, 0x8a, 120));
    QPainterPath capacete(QPointF(75, 62));
    capacete.cubicTo(75, 42, 86, 32, 100, 32);
    capacete.cubicTo(114, 32, 125, 42, 125, 62);
    capacete.closeSubpath();
    preencherComContorno(pintor, capacete, gradienteVertical(32, 62, aco), traco, contorno);
    preencherComContorno(pintor, retanguloArredondado(QRectF(73, 56, 54, 9), 4),
                         gradienteVertical(56, 65, aco), traco, contorno);
    preencherComContorno(pintor, retanguloArredondado(QRectF(97, 58, 6, 17), 3),
                         gradienteVertical(58, 75, aco), traco, contorno);
    pintor.fillPath(linha({86, 44}, {92, 38}, 2.4), QColor(255, 255, 255, 150));
    for (const qreal x : {89.0, 111.0}) {
        pintor.fillPath(circulo(QPointF(x, 71), 2.6), traco);
        const qreal lado = x < 100 ? -1 : 1;
        pintor.fillPath(linha({x - 4 * lado, 66}, {x + 3.5 * lado, 67.5}, 2), traco);
    }
    pintor.fillPath(linha({95, 81.5}, {105, 81.5}, 2), traco);

    // Shield with a padlock, held in front of the body.
    QPainterPath escudo(QPointF(88, 96));
    escudo.quadTo(122, 90, 156, 96);
    escudo.lineTo(156, 128);
    escudo.cubicTo(156, 152, 142, 168, 122, 180);
    escudo.cubicTo(102, 168, 88, 152, 88, 128);
    escudo.closeSubpath();
    sombra(pintor, escudo, QPointF(-2, 3), QColor(0x1c, 0x25, 0x38, 70), 3);
    preencherComContorno(pintor, escudo, ouro, traco, contorno);
    QTransform encolher;
    encolher.translate(122, 131);
    encolher.scale(0.86, 0.88);
    encolher.translate(-122, -131);
    const QPainterPath campo = encolher.map(escudo);
    QLinearGradient azul(QPointF(92, 96), QPointF(150, 176));
    azul.setColorAt(0, QColor(0x4f, 0x86, 0xd6));
    azul.setColorAt(1, QColor(0x23, 0x4a, 0x8f));
    preencherComContorno(pintor, campo, azul, QColor(0xb9, 0x7a, 0x1c), 1.2);
    QPainterPath brilho(QPointF(96, 104));
    brilho.quadTo(122, 99, 148, 104);
    brilho.lineTo(146, 112);
    brilho.quadTo(122, 108, 98, 112);
    brilho.closeSubpath();
    pintor.fillPath(brilho.intersected(campo), QColor(255, 255, 255, 45));
    QPainterPath argola(QPointF(113, 131));
    argola.lineTo(113, 123);
    argola.cubicTo(113, 111, 131, 111, 131, 123);
    argola.lineTo(131, 131);
    pintor.fillPath(tracado(argola, 5, Qt::FlatCap), QColor(0xe6, 0xec, 0xf5));
    const QPainterPath corpoCadeado = retanguloArredondado(QRectF(107, 128, 30, 24), 5);
    pintor.fillPath(
        corpoCadeado,
        gradienteVertical(128, 152, {{0, QColor(0xff, 0xd7, 0x6e)}, {1, QColor(0xe8, 0x9a, 0x22)}}));
    const QPainterPath fechadura =
        circulo(QPointF(122, 137), 3.4).united(retanguloArredondado(QRectF(120.4, 138, 3.2, 8), 1.2));
    pintor.fillPath(fechadura, QColor(0x6b, 0x44, 0x12));

    // The hand that holds the shield, over its rim.
    preencherComContorno(pintor, retanguloArredondado(QRectF(81, 118, 15, 17), 6), pele, traco, contorno);
}

// The white tick of a ticked check box (the theme draws the box itself).
void visto(QPainter& pintor) {
    QPainterPath marca(QPointF(3.6, 8.4));
    marca.lineTo(6.6, 11.3);
    marca.lineTo(12.4, 4.9);
    pintor.fillPath(tracado(marca, 2.1), Qt::white);
}

// The arrow of a drop-down list.
void seta(QPainter& pintor) {
    QPainterPath divisa(QPointF(1.2, 1.2));
    divisa.lineTo(5, 4.8);
    divisa.lineTo(8.8, 1.2);
    pintor.fillPath(tracado(divisa, 1.7), QColor(0x5d, 0x68, 0x78));
}

struct TDesenho {
    const char* arquivo;
    int largura;
    int altura;
    std::function<void(QPainter&)> desenhar;
    // Also drawn at twice the pixels, "<name>@2x.png", for screens scaled by
    // 1.5 or 2 (the desktop's icons have their own sizes).
    bool emDobro = true;
};

// The picture at `densidade` pixels per unit: its file, and the name
// "<name>@2x.png" at twice the pixels.
bool salvar(const TDesenho& desenho, const QDir& pasta, int densidade) {
    QImage imagem = imagemVazia(desenho.largura * densidade, desenho.altura * densidade);
    imagem.setDevicePixelRatio(densidade);
    QPainter pintor(&imagem);
    prepararPintor(pintor);
    desenho.desenhar(pintor);
    pintor.end();
    QString nome = QLatin1String(desenho.arquivo);
    if (densidade > 1)
        nome.insert(nome.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(densidade));
    const QString caminho = pasta.filePath(nome);
    imagem.setDevicePixelRatio(1);
    if (imagem.convertToFormat(QImage::Format_ARGB32).save(caminho, "PNG"))
        return true;
    std::fprintf(stderr, "failed: %s\n", qPrintable(caminho));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication aplicacao(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: desenhar_recursos <output folder>\n");
        return 2;
    }
    const QDir pasta(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(pasta.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    const std::vector<TDesenho> desenhos = {
        {"logo_velmora.png", 218, 66, logoVelmora},
        {"logo_kraddle.png", 140, 101, logoKraddle},
        {"logo_gumbrel.png", 119, 73, logoGumbrel},
        {"logo_lurrow.png", 149, 73, logoLurrow},
        {"marca.png", 276, 64, marca},
        {"engrenagem24.png", 24, 24, engrenagemIcone},
        {"engrenagem32.png", 32, 32, engrenagemIcone},
        {"emblema.png", 40, 40, emblema},
        {"play.png", 40, 40, play},
        {"guarda.png", 200, 200, guarda},
        {"exclamacao.png", 32, 32, exclamacao},
        {"logo_programa.png", 64, 64, logoPrograma},
        {"icone16.png", 16, 16, logoPrograma, false},
        {"icone24.png", 24, 24, logoPrograma, false},
        {"icone32.png", 32, 32, logoPrograma, false},
        {"icone48.png", 48, 48, logoPrograma, false},
        {"icone128.png", 128, 128, logoPrograma, false},
        {"icone256.png", 256, 256, logoPrograma, false},
        {"visto.png", 16, 16, visto},
        {"seta.png", 10, 6, seta},
    };
    int falhas = 0;
    for (const TDesenho& desenho : desenhos) {
        falhas += salvar(desenho, pasta, 1) ? 0 : 1;
        if (desenho.emDobro)
            falhas += salvar(desenho, pasta, 2) ? 0 : 1;
    }
    return falhas == 0 ? 0 : 1;
}
