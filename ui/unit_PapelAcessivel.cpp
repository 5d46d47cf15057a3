#include "ui/unit_PapelAcessivel.h"

#include <QVariant>
#include <QWidget>

namespace {

const char* const propriedadePapel = "quilletPapelAcessivel";
const char* const propriedadeAcao = "quilletAcaoAcessivel";

} // namespace

void TPapelAcessivel::definir(QWidget* widget, QAccessible::Role papel, const char* acao) {
    static const bool instalada = [] {
        QAccessible::installFactory(&TPapelAcessivel::fabricar);
        return true;
    }();
    Q_UNUSED(instalada);
    widget->setProperty(propriedadePapel, static_cast<int>(papel));
    widget->setProperty(propriedadeAcao, QByteArray(acao));
}

// Qt asks every factory for each class of an object, the most derived
// first: a widget given a role is answered at its own class. Objects come
// from anywhere, Qt WebEngine's own among them, whose classes carry no type
// information (built without RTTI, as Chromium is): the sanitizer's check of
// the object's dynamic type would take them for something else.
[[gnu::no_sanitize("vptr")]] QAccessibleInterface* TPapelAcessivel::fabricar(const QString&,
                                                                             QObject* objeto) {
    if (!objeto->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(objeto);
    const QVariant papel = widget->property(propriedadePapel);
    if (!papel.isValid())
        return nullptr;
    return new TPapelAcessivel(widget, static_cast<QAccessible::Role>(papel.toInt()),
                               widget->property(propriedadeAcao).toByteArray());
}

TPapelAcessivel::TPapelAcessivel(QWidget* widget, QAccessible::Role papel, QByteArray acao)
    : QAccessibleWidget(widget, papel), acao_(std::move(acao)) {}

QString TPapelAcessivel::text(QAccessible::Text tipo) const {
    const QString texto = QAccessibleWidget::text(tipo);
    if (tipo != QAccessible::Name || !texto.isEmpty())
        return texto;
    return widget()->property("text").toString();
}

void TPapelAcessivel::nomearPelaLegenda(QAbstractButton* botao) {
    QString legenda = botao->text();
    if (legenda.startsWith(QLatin1String("< ")))
        legenda.remove(0, 2);
    botao->setAccessibleName(legenda);
}

QStringList TPapelAcessivel::actionNames() const {
    if (acao_.isEmpty())
        return QAccessibleWidget::actionNames();
    return QAccessibleWidget::actionNames() << pressAction();
}

void TPapelAcessivel::doAction(const QString& nome) {
    if (nome == pressAction() && !acao_.isEmpty() && widget()->isEnabled())
        QMetaObject::invokeMethod(widget(), acao_.constData());
    else
        QAccessibleWidget::doAction(nome);
}
