#include "ui/unit_Frame.h"

#include <QApplication>

namespace {

// As Qt's own Tab chain takes a widget: shown, enabled, taking Tab itself
// (not through a proxy).
bool recebeTab(const QWidget* widget) {
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
           !widget->focusProxy();
}

} // namespace

QWidget* TFrame::vizinhoNoFoco(QWidget* de, bool proximo) const {
    QWidget* widget = de;
    do {
        widget = proximo ? widget->nextInFocusChain() : widget->previousInFocusChain();
        if (isAncestorOf(widget) && recebeTab(widget))
            return widget;
    } while (widget != de);
    return nullptr;
}

bool TFrame::focarPrimeiro() {
    QWidget* primeiro = vizinhoNoFoco(this, true);
    if (!primeiro)
        return false;
    primeiro->setFocus(Qt::TabFocusReason);
    return true;
}

bool TFrame::focusNextPrevChild(bool proximo) {
    QWidget* atual = QApplication::focusWidget();
    if (!atual || !isAncestorOf(atual))
        return QFrame::focusNextPrevChild(proximo);
    if (QWidget* vizinho = vizinhoNoFoco(atual, proximo))
        vizinho->setFocus(proximo ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
