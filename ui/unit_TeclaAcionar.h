#pragma once

#include <QObject>

class QAbstractButton;
class QKeyEvent;
class QWidget;

// The keys that act on a focused control: Enter, Return and Space. Qt's
// buttons take only Space outside dialogs; installed on a button, this makes
// Enter and Return click it as well. Installed on a control of the program's
// own that acts as a button or a link (it has a signal Click()), Enter,
// Return and Space click it, and it knows whether to show its focus ring.
class TTeclaAcionar : public QObject {
    Q_OBJECT
public:
    // Enter, Return or Space, pressed (not repeated) without Ctrl, Alt or Meta.
    static bool aciona(const QKeyEvent& evento);
    // Enter and Return click `botao` while it holds the focus.
    static void instalar(QAbstractButton* botao);
    // Enter, Return and Space emit Click() of `controle` while it holds the focus.
    static void instalarEmControle(QWidget* controle);
    // Whether `controle` holds the focus with its ring to show: not when the
    // mouse's click or the window's activation gave it.
    static bool focoVisivel(const QWidget* controle);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    using QObject::QObject;
    static TTeclaAcionar* filtro();
};
