#include "tests/support/unit_Janela.h"

#include <QFile>

TJanelaTeste::TJanelaTeste() : TJanelaTeste(QStringLiteral("[Quillet]\r\nprimeiroUso=0\r\n")) {}

TJanelaTeste::TJanelaTeste(const QString& conteudo)
    : mensagens(teste.mensagens), shell(teste.shell), encerramento(teste.encerramento),
      metricas(teste.metricas), areaTransferencia(teste.areaTransferencia) {
    if (!conteudo.isNull())
        teste.escreverConfig(conteudo.toUtf8());
    iniciar();
}

void TJanelaTeste::iniciar() {
    principal = std::make_unique<TPrincipal>(std::move(teste.servicos));
    principal->show();
    principal->resize(840, 626);
}

int TJanelaTeste::ticarAteParar(QTimer* timer, const std::function<void()>& tick, int limite) {
    int ticks = 0;
    while (timer->isActive() && ticks < limite) {
        tick();
        ++ticks;
    }
    return ticks;
}

int TJanelaTeste::concluirTransicoes() {
    return concluirTransicoes(*principal);
}

int TJanelaTeste::concluirTransicoes(TPrincipal& principal) {
    TPrincipal* p = &principal;
    return ticarAteParar(p->timerOcultarHome, [p] { p->timerOcultarHomeTimer(); }) +
           ticarAteParar(p->timerMostrarHome, [p] { p->timerMostrarHomeTimer(); }) +
           ticarAteParar(p->timermostrarQuillet, [p] { p->timermostrarQuilletTimer(); }) +
           ticarAteParar(p->timerOcultarQuillet, [p] { p->timerOcultarQuilletTimer(); });
}

QByteArray TJanelaTeste::conteudoConfig() const {
    QFile arquivo(principal->configPath);
    arquivo.open(QIODevice::ReadOnly);
    return arquivo.readAll();
}
