#include "games/unit_frameOutroJogo.h"

#include "platform/unit_Servicos.h"
#include "player/unit_FlashPlayer.h"
#include "ui/unit_Componentes.h"
#include "ui/unit_Idioma.h"
#include "ui/unit_Painel.h"

#include <QPushButton>
#include <array>

const TframeOutroJogo::TJogo& TframeOutroJogo::dadosJogo(int indice) {
    static const std::array<TJogo, 3> jogos = {
        TJogo{QStringLiteral("Kraddle"), QColor(0x57, 0x5F, 0x44), QStringLiteral("ChargeurKraddle.swf")},
        TJogo{QStringLiteral("Gumbrel"), QColor(0xB7, 0xB7, 0xB7), QStringLiteral("ChargeurGumbrel.swf")},
        TJogo{QStringLiteral("Lurrow"), QColor(0x04, 0x88, 0x95), QStringLiteral("ChargeurLurrow.swf")}};
    return jogos.at(indice);
}

TframeOutroJogo::TframeOutroJogo(TContextoTela contexto, const TJanelaJogos& janela, QWidget* pai)
    : TframeJogo(contexto, janela, pai) {
    setObjectName(QStringLiteral("frameOutroJogo"));
    C = new TPainel(this);
    C->setObjectName(QStringLiteral("C"));
    C->setCor(Qt::white);
    C->setAlinhado(true);
    Cabecalho->raise();
}

// Only two captions are translated, once, here: a later change of language does not reach them.
void TframeOutroJogo::iniciar(int idJogo) {
    jogo = idJogo;
    setObjectName(QStringLiteral("frameOutroJogo_") + QString::number(idJogo));
    criarFlash(C, dadosJogo(jogo).nome);
    btnVoltar->setText(contexto_.idioma.get(QStringLiteral("frameOutroJogo.btnVoltar")));
    btnFechar->setText(contexto_.idioma.get(QStringLiteral("frameOutroJogo.btnFechar")));
    Flash->setScale(QStringLiteral("noScale"));
    const TEnderecos& enderecos = contexto_.servicos.enderecos;
    Flash->setMovie(enderecos.raizFilmesOutros.at(jogo) + dadosJogo(jogo).arquivoFilme);
    nomearAcessiveis();
}

void TframeOutroJogo::FlashFlashCall(const QString& request) {
    Componentes::pintarFundo(this, dadosJogo(jogo).cor);
    C->setCor(dadosJogo(jogo).cor);
    responderFilme(request, contexto_.servicos.enderecos.raizPaginasOutros.at(jogo));
}

void TframeOutroJogo::btnFecharClick() {
    confirmarFechar(
        contexto_.idioma.get(QStringLiteral("frameOutroJogo.confirmarFechar"), {dadosJogo(jogo).nome}));
}
