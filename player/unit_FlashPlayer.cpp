#include "player/unit_FlashPlayer.h"

#include "core/unit_TratadorErros.h"
#include "ui/unit_AjustePai.h"

#include <QApplication>
#include <QPointer>
#include <QScopeGuard>

TFlashPlayer::TFlashPlayer(QWidget* pai) : QWidget(pai), ajuste_(new TAjustePai(this)) {
    setFocusPolicy(Qt::StrongFocus);
}

void TFlashPlayer::SetReturnValue(const QString& xml) {
    if (respostaEmCurso_)
        *respostaEmCurso_ = xml;
}

bool TFlashPlayer::alinhado() const {
    return ajuste_->alinhado();
}

void TFlashPlayer::setAlinhado(bool alinhado) {
    ajuste_->setAlinhado(alinhado);
}

void TFlashPlayer::SetFocus() {
    setFocus(Qt::OtherFocusReason);
}

bool TFlashPlayer::Focused() const {
    const QWidget* foco = QApplication::focusWidget();
    return foco && (foco == this || isAncestorOf(foco));
}

std::optional<QString> TFlashPlayer::chamarExterno(const QString& request) {
    std::optional<QString> resposta;
    std::optional<QString>* anterior = std::exchange(respostaEmCurso_, &resposta);
    // The handler may end the player's life (a game closed from inside it).
    const auto restaurar = qScopeGuard([vivo = QPointer<TFlashPlayer>(this), anterior] {
        if (vivo)
            vivo->respostaEmCurso_ = anterior;
    });
    if (OnFlashCall)
        OnFlashCall(request);
    return resposta;
}

// Raised from the player's own timers and the engine's events: an error of the
// handler goes to the application-wide handler and never back into them.
void TFlashPlayer::informarEstado(int estado) {
    if (OnReadyStateChange)
        TratadorErros::executar([this, estado] { OnReadyStateChange(estado); });
}

void TFlashPlayer::informarServidorSocket(const TServidorSocket& servidor) {
    if (OnServidorSocket)
        TratadorErros::executar([this, servidor] { OnServidorSocket(servidor); });
}

void TFlashPlayer::pedirAbertura(const QString& url) {
    if (OnAbrirEndereco)
        TratadorErros::executar([this, url] { OnAbrirEndereco(url); });
}
