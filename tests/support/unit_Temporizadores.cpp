#include "tests/support/unit_Temporizadores.h"

#include <QAbstractAnimation>
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QObject>

namespace {

bool animando(QObject* objeto) {
    const auto* animacao = qobject_cast<const QAbstractAnimation*>(objeto);
    return animacao && animacao->state() == QAbstractAnimation::Running;
}

} // namespace

QStringList temporizadoresAtivos(QObject* raiz) {
    // Work already posted (a view's deferred layout, say) runs first.
    QCoreApplication::processEvents();
    const QAbstractEventDispatcher* despachante = QAbstractEventDispatcher::instance(raiz->thread());
    QList<QObject*> objetos = raiz->findChildren<QObject*>();
    objetos.prepend(raiz);
    QStringList ativos;
    for (QObject* objeto : std::as_const(objetos))
        if (!despachante->registeredTimers(objeto).isEmpty() || animando(objeto))
            ativos << QString::fromLatin1(objeto->metaObject()->className()) + QLatin1Char(' ') +
                          objeto->objectName();
    return ativos;
}
