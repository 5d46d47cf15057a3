#include "ui/unit_TeclaAcionar.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QVariant>

namespace {

const char* const propriedadeFoco = "quilletFocoVisivel";

bool enter(const QKeyEvent& evento) {
    return evento.key() == Qt::Key_Return || evento.key() == Qt::Key_Enter;
}

} // namespace

bool TTeclaAcionar::aciona(const QKeyEvent& evento) {
    if (evento.isAutoRepeat() ||
        (evento.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    return enter(evento) || evento.key() == Qt::Key_Space;
}

// One filter for every control, living as long as the application.
TTeclaAcionar* TTeclaAcionar::filtro() {
    static TTeclaAcionar* const unico = new TTeclaAcionar(QCoreApplication::instance());
    return unico;
}

void TTeclaAcionar::instalar(QAbstractButton* botao) {
    botao->installEventFilter(filtro());
}

void TTeclaAcionar::instalarEmControle(QWidget* controle) {
    controle->installEventFilter(filtro());
}

bool TTeclaAcionar::focoVisivel(const QWidget* controle) {
    return controle->property(propriedadeFoco).toBool();
}

bool TTeclaAcionar::eventFilter(QObject* objeto, QEvent* evento) {
    auto* controle = static_cast<QWidget*>(objeto);
    auto* botao = qobject_cast<QAbstractButton*>(objeto);
    switch (evento->type()) {
    case QEvent::KeyPress: {
        const auto& tecla = static_cast<const QKeyEvent&>(*evento);
        if (!aciona(tecla) || (botao && !enter(tecla)))
            return false;
        if (botao)
            botao->click();
        else
            QMetaObject::invokeMethod(controle, "Click");
        return true;
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason motivo = static_cast<const QFocusEvent*>(evento)->reason();
        controle->setProperty(propriedadeFoco,
                              motivo != Qt::MouseFocusReason && motivo != Qt::ActiveWindowFocusReason);
        controle->update();
        return false;
    }
    case QEvent::FocusOut:
        controle->setProperty(propriedadeFoco, false);
        controle->update();
        return false;
    default:
        return false;
    }
}
