#pragma once

#include "games/unit_frameJogo.h"

#include <QColor>
#include <QString>

// One of the studio's smaller games (index 0 Kraddle, 1 Gumbrel, 2 Lurrow):
// the player filling a plain content box under the header bar, with neither
// settings nor other layouts.
class TframeOutroJogo : public TframeJogo {
    Q_OBJECT
public:
    struct TJogo {
        QString nome;
        QColor cor;
        QString arquivoFilme;
    };
    static const TJogo& dadosJogo(int indice);

    TframeOutroJogo(TContextoTela contexto, const TJanelaJogos& janela, QWidget* pai);

    TPainel* C;
    // The game index, set by `iniciar`.
    int jogo = -1;

    void iniciar(int idJogo);
    QString chaveJogo() const override { return dadosJogo(jogo).nome.toLower(); }
    void FlashFlashCall(const QString& request) override;
    void btnFecharClick() override;
};
