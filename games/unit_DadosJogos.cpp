#include "games/unit_DadosJogos.h"

#include "games/unit_frameOutroJogo.h"
#include "games/unit_frameVelmora.h"
#include "platform/unit_Servicos.h"
#include "ui/unit_Idioma.h"

QStringList TDadosJogos::jogos() {
    return {TframeVelmora::nomeJogo, TframeOutroJogo::dadosJogo(0).nome, TframeOutroJogo::dadosJogo(1).nome,
            TframeOutroJogo::dadosJogo(2).nome};
}

TDadosJogos::TDadosJogos(TContextoTela contexto) : contexto_(contexto) {}

// A game whose player still lives keeps its data until the next check.
QString TDadosJogos::conferir(const QStringList& jogos) {
    TFabricaPlayer& fabrica = *contexto_.servicos.fabricaPlayer;
    QStringList limpos;
    for (const QString& jogo : jogos)
        if (fabrica.tamanhoDados(jogo, limite) > limite && fabrica.limparDados(jogo))
            limpos << jogo;
    if (limpos.isEmpty())
        return {};
    return contexto_.idioma.get(QStringLiteral("Mensagem.dadosJogoExcedidos"),
                                {limpos.join(QStringLiteral(", ")), QString::number(limiteMb)});
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
