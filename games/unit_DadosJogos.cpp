#include "games/unit_DadosJogos.h"

#include "games/unit_MedidorDadosJogos.h"
#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "platform/unit_Servicos.h"
#include "ui/unit_Idioma.h"

QStringList TDadosJogos::jogos() {
    return {TframeVelmora::nomeJogo, TframeOutroJogo::dadosJogo(0).nome, TframeOutroJogo::dadosJogo(1).nome,
            TframeOutroJogo::dadosJogo(2).nome};
}

TDadosJogos::TDadosJogos(TContextoTela contexto, QObject* vida,
                         std::function<bool(const QString& jogo)> aberto,
                         std::function<void(const QString& aviso)> avisar)
    : contexto_(contexto), vida_(vida), aberto_(std::move(aberto)), avisar_(std::move(avisar)) {}

void TDadosJogos::conferir(const QStringList& jogos) {
    (new TMedidorDadosJogos(contexto_.servicos.fabricaPlayer->medidorDados(), jogos, limite, vida_,
                            [this](const QStringList& acima) { apagarAcima(acima); }))
        ->Start();
}

// A game whose player still lives keeps its data until the next check.
void TDadosJogos::apagarAcima(const QStringList& acima) {
    QStringList limpos;
    for (const QString& jogo : acima)
        if (!aberto_(jogo) && contexto_.servicos.fabricaPlayer->limparDados(jogo))
            limpos << jogo;
    if (!limpos.isEmpty())
        avisar_(contexto_.idioma.get(QStringLiteral("Mensagem.dadosJogoExcedidos"),
                                     {limpos.join(QStringLiteral(", ")), QString::number(limiteMb)}));
}

QString TDadosJogos::limparTodos() {
    QStringList mantidos;
    for (const QString& jogo : jogos())
        if (!contexto_.servicos.fabricaPlayer->limparDados(jogo))
            mantidos << jogo;
    if (mantidos.isEmpty())
        return contexto_.idioma.get(QStringLiteral("Mensagem.dadosJogosLimpos"));
    return contexto_.idioma.get(QStringLiteral("Mensagem.dadosJogosEmUso"),
                                {mantidos.join(QStringLiteral(", "))});
}
