#include "tests/player/unit_AmbienteRuffle.h"

#include "player/unit_PaginaRuffle.h"
#include "player/unit_PerfisRuffle.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <QWebEngineView>
#include <memory>

#if defined(__SANITIZE_ADDRESS__)
// The browser library (not built with the sanitizer) frees some of its
// objects through a base type of another size.
extern "C" const char* __asan_default_options() {
    return "new_delete_type_mismatch=0";
}
#endif

bool MotorTeste::preparar() {
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    return TPaginaRuffle::instalada();
}

QByteArray MotorTeste::lerFilme(const QByteArray& nome) {
    QFile arquivo(QStringLiteral(QUILLET_DADOS_TESTE "/swf/") + QString::fromLatin1(nome));
    return arquivo.open(QIODevice::ReadOnly) ? arquivo.readAll() : QByteArray();
}

void MotorTeste::servirFilmes(TServidorLocal& servidor) {
    servidor.rota("/swf/*", [](const TPedidoLocal& pedido) {
        const QByteArray corpo = lerFilme(pedido.caminho.mid(5));
        return corpo.isEmpty() ? TRespostaLocal{404, "nada aqui", "text/plain"}
                               : TRespostaLocal{200, corpo, "application/x-shockwave-flash"};
    });
}

QWebEngineProfile* MotorTeste::perfil() {
    return TPerfisRuffle::perfil(QStringLiteral("teste"), {});
}

bool MotorTeste::esperar(const std::function<bool()>& condicao) {
    return QTest::qWaitFor(condicao, 60000);
}

bool MotorTeste::focar(TFlashPlayer* player) {
    player->SetFocus();
    return esperar([&] { return player->Focused() && QApplication::focusWidget() != player; });
}

QVariant MotorTeste::executar(TFlashPlayer* player, const QString& script) {
    auto resultado = std::make_shared<std::optional<QVariant>>();
    player->findChild<QWebEngineView*>()->page()->runJavaScript(
        script, [resultado](const QVariant& valor) { *resultado = valor; });
    esperar([&] { return resultado->has_value(); });
    return resultado->value_or(QVariant());
}

void MotorTeste::teclar(Qt::Key tecla, Qt::KeyboardModifiers modificadores) {
    QTest::keyClick(QApplication::focusWidget(), tecla, modificadores);
}

void TAmbienteRuffle::SetUp() {
    if (!MotorTeste::preparar())
        GTEST_SKIP() << "the SWF engine is not installed (scripts/preparar.sh installs it)";
    MotorTeste::servirFilmes(servidor);
    janela.resize(840, 626);
    janela.show();
    janela.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela));
}

TFlashPlayer* TFabricaRuffle::criar(QWidget* pai, const QString&) {
    return new TFlashPlayerRuffle(pai, MotorTeste::perfil());
}

TFlashPlayerRuffle* TAmbienteRuffle::criarPlayer() {
    auto* player = new TFlashPlayerRuffle(&janela, MotorTeste::perfil());
    player->setAlinhado(true);
    player->show();
    player->OnFlashCall = [this, player](const QString& pedido) {
        pedidos.append(pedido);
        if (respostas.contains(pedido))
            player->SetReturnValue(respostas.value(pedido));
    };
    player->OnReadyStateChange = [this](int estado) { estados.append(estado); };
    QObject::connect(player, &TFlashPlayerRuffle::rastreado, player,
                     [this](const QString& linha) { rastros.append(linha); });
    return player;
}

bool TAmbienteRuffle::esperarRastro(const QString& linha) {
    return MotorTeste::esperar([&] { return rastros.contains(linha); });
}

bool TAmbienteRuffle::esperarEstados(int quantos4) {
    return MotorTeste::esperar([&] { return estados.count(4) >= quantos4; });
}
