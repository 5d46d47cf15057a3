#include "linkguard/unit_FilaVerificacoes.h"

#include "core/unit_TratadorErros.h"
#include "net/unit_Trabalhador.h"

#include <QPointer>
#include <algorithm>

TFilaVerificacoes::TFilaVerificacoes(TCriar criar, QObject* pai) : QObject(pai), criar_(std::move(criar)) {}

void TFilaVerificacoes::pedir(const QString& url) {
    if (jaPedida(url))
        return;
    esperar(url);
    iniciarProximas();
}

// A few hundred comparisons at most, each ending at the first letter that differs.
bool TFilaVerificacoes::jaPedida(const QString& url) const {
    const auto igual = [&url](const QString& outra) { return outra.compare(url, Qt::CaseInsensitive) == 0; };
    return emCurso_.contains(url, Qt::CaseInsensitive) || std::any_of(espera_.begin(), espera_.end(), igual);
}

void TFilaVerificacoes::esperar(const QString& url) {
    espera_.push_back(url);
    caracteresNaEspera_ += url.size();
    while (!espera_.empty() &&
           (qsizetype(espera_.size()) > maximoEmEspera || caracteresNaEspera_ > caracteresEmEspera)) {
        caracteresNaEspera_ -= espera_.front().size();
        espera_.pop_front();
    }
}

void TFilaVerificacoes::iniciarProximas() {
    while (emCurso() < maximoEmCurso && !espera_.empty()) {
        const QString url = espera_.front();
        espera_.pop_front();
        caracteresNaEspera_ -= url.size();
        iniciar(url);
    }
}

// The end is heard once the verifier's thread has let go of everything, so
// that no more than the maximum ever exist together.
void TFilaVerificacoes::iniciar(const QString& url) {
    TTrabalhador* verificador = criar_(url);
    verificador->aoTerminar([fila = QPointer(this), url] {
        if (fila)
            TratadorErros::executar([&] { fila->terminou(url); });
    });
    verificador->Start();
    emCurso_.append(url);
}

void TFilaVerificacoes::terminou(const QString& url) {
    emCurso_.removeOne(url);
    iniciarProximas();
    if (aoTerminarVerificacao)
        aoTerminarVerificacao(url);
}
