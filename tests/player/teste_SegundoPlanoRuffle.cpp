#include "tests/player/unit_AmbienteRuffle.h"

#include <QUrlQuery>

using namespace MotorTeste;

namespace {

const QString prefixoTique = QStringLiteral(R"(<invoke name="tique" returntype="xml"><arguments><number>)");

// The counts the movie sent with its calls, in order.
QList<int> contagens(const QStringList& pedidos) {
    QList<int> numeros;
    for (const QString& pedido : pedidos)
        if (pedido.startsWith(prefixoTique))
            numeros.append(pedido.mid(prefixoTique.size()).section(QLatin1Char('<'), 0, 0).toInt());
    return numeros;
}

} // namespace

using SegundoPlanoRuffle = TAmbienteRuffle;

// A game behind the home screen keeps playing: its page is hidden, and its
// timers, calls and downloads go on as before.
TEST_F(SegundoPlanoRuffle, AHiddenPlayersMovieKeepsCountingCallingAndLoading) {
    servidor.rota("/pulso", TRespostaLocal{200, "ok", "text/plain"});
    TFlashPlayerRuffle* player = criarPlayer();
    QUrl filme(urlFilme("contador.swf"));
    filme.setQuery(QUrlQuery{{QStringLiteral("pulso"), servidor.url("/pulso")}});
    player->setMovie(filme.toString(QUrl::FullyEncoded));
    ASSERT_TRUE(esperar([&] { return contagens(pedidos).size() >= 3; }));

    player->hide();
    ASSERT_TRUE(esperar([&] {
        return executar(player, QStringLiteral("document.visibilityState")) == QStringLiteral("hidden");
    }));
    const int contagem = contagens(pedidos).last();
    const int pulsos = servidor.contar("/pulso");
    EXPECT_TRUE(esperar([&] { return contagens(pedidos).last() >= contagem + 20; }))
        << "calls while hidden: " << contagens(pedidos).last() - contagem;
    EXPECT_TRUE(esperar([&] { return servidor.contar("/pulso") >= pulsos + 3; }))
        << "downloads while hidden: " << servidor.contar("/pulso") - pulsos;

    player->show();
    const int mostrado = contagens(pedidos).last();
    EXPECT_TRUE(esperar([&] { return contagens(pedidos).last() > mostrado; }));
    const QList<int> todas = contagens(pedidos);
    for (qsizetype i = 1; i < todas.size(); ++i)
        ASSERT_EQ(todas[i], todas[i - 1] + 1) << "the count went on without a gap or a restart";
}
