#include "games/unit_MedidorDadosJogos.h"

TMedidorDadosJogos::TMedidorDadosJogos(TFabricaPlayer::TMedidorDados medidor, QStringList jogos,
                                       qint64 limite, QObject* vida,
                                       std::function<void(const QStringList& acima)> entrega)
    : TTrabalhador(vida), medidor_(std::move(medidor)), jogos_(std::move(jogos)), limite_(limite),
      entrega_(std::move(entrega)) {}

void TMedidorDadosJogos::Execute() {
    QStringList acima;
    for (const QString& jogo : std::as_const(jogos_))
        if (medidor_(jogo, limite_) > limite_)
            acima << jogo;
    if (!acima.isEmpty())
        entregar([this, &acima] { entrega_(acima); });
}
