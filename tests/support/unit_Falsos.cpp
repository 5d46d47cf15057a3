#include "tests/support/unit_Falsos.h"

#include "core/unit_Erros.h"

#include <QDir>
#include <QFile>

QString TAreaTransferenciaFalsa::lerTexto() {
    ++leituras;
    if (ocupada)
        throw EErro(QStringLiteral("Cannot open clipboard: Access denied"));
    return texto;
}

TFlashPlayer* TFabricaPlayerFalsa::criar(QWidget* pai, const QString& jogo) {
    auto* player = new TFlashPlayerFalso(pai);
    criados.append(player);
    jogos.append(jogo);
    return player;
}

TFabricaPlayer::TMedidorDados TFabricaPlayerFalsa::medidorDados() const {
    return [dados = dados](const QString& jogo, qint64 ate) { return std::min(dados.value(jogo), ate + 1); };
}

bool TFabricaPlayerFalsa::limparDados(const QString& jogo) {
    for (qsizetype i = 0; i < criados.size(); ++i)
        if (criados[i] && jogos[i] == jogo)
            return false;
    dados.remove(jogo);
    limpos.append(jogo);
    return true;
}

TFlashPlayer* TFabricaPlayerAusente::criar(QWidget*, const QString&) {
    throw EOleSysError(QStringLiteral("Class not registered"));
}

TServicosTeste::TServicosTeste() {
    auto mensagensNovas = std::make_unique<TCaixasMensagemRoteiro>();
    auto shellNovo = std::make_unique<TShellGravador>();
    auto encerramentoNovo = std::make_unique<TEncerramentoGravador>();
    auto metricasNovas = std::make_unique<TMetricasFalsas>();
    auto pastasNovas = std::make_unique<TPastasTeste>();
    auto areaNova = std::make_unique<TAreaTransferenciaFalsa>();
    auto fabricaNova = std::make_unique<TFabricaPlayerFalsa>();
    mensagens = mensagensNovas.get();
    shell = shellNovo.get();
    encerramento = encerramentoNovo.get();
    metricas = metricasNovas.get();
    pastas = pastasNovas.get();
    areaTransferencia = areaNova.get();
    fabricaPlayer = fabricaNova.get();
    servicos.mensagens = std::move(mensagensNovas);
    servicos.shell = std::move(shellNovo);
    servicos.encerramento = std::move(encerramentoNovo);
    servicos.metricas = std::move(metricasNovas);
    servicos.pastas = std::move(pastasNovas);
    servicos.areaTransferencia = std::move(areaNova);
    servicos.fabricaPlayer = std::move(fabricaNova);
    // No test reaches the network: the built-in addresses point at a closed local port.
    servicos.enderecos.definicoesPrimaria = QStringLiteral("http://127.0.0.1:9/ql6def.txt");
    servicos.enderecos.definicoesReserva = QStringLiteral("http://127.0.0.1:9/ql6def-reserva.txt");
}

QString TServicosTeste::pastaDados() const {
    return pastas->pastaDadosUsuario() + QStringLiteral("/Quillet 6/");
}

void TServicosTeste::escreverConfig(const QByteArray& conteudo) const {
    QDir().mkpath(pastaDados());
    QFile arquivo(pastaDados() + QStringLiteral("config.ini"));
    if (arquivo.open(QIODevice::WriteOnly))
        arquivo.write(conteudo);
}
