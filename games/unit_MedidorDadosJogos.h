#pragma once

#include "net/unit_Trabalhador.h"
#include "player/unit_FlashPlayer.h"

#include <QStringList>
#include <functional>

// Counts on a worker what each of some games keeps on this computer: a walk
// of folders a movie may have filled with any number of files must not hold
// the UI thread. Hands over the games found over the cap.
class TMedidorDadosJogos final : public TTrabalhador {
public:
    TMedidorDadosJogos(TFabricaPlayer::TMedidorDados medidor, QStringList jogos, qint64 limite, QObject* vida,
                       std::function<void(const QStringList& acima)> entrega);

protected:
    void Execute() override;

private:
    TFabricaPlayer::TMedidorDados medidor_;
    QStringList jogos_;
    qint64 limite_;
    std::function<void(const QStringList& acima)> entrega_;
};
