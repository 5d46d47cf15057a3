#pragma once

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QByteArray>

// What assistive technology is told of a widget of the program's own class
// whose kind Qt does not know: a picture that is a button, a label that is a
// link, a screen that is an alert. Its name is its accessible name, else the
// text it shows; its press action, when it has one, calls a signal or slot
// of the widget.
class TPapelAcessivel : public QAccessibleWidget {
public:
    // Gives `widget` the role `papel`; `acao`, when given, names the signal
    // or slot without arguments its press action calls. Before the widget is
    // first asked for (in its constructor).
    static void definir(QWidget* widget, QAccessible::Role papel, const char* acao = nullptr);
    // Names a button by its caption less the arrow that only decorates a
    // back button ("< Voltar" is read "Voltar"). Again when the caption changes.
    static void nomearPelaLegenda(QAbstractButton* botao);

    TPapelAcessivel(QWidget* widget, QAccessible::Role papel, QByteArray acao);

    QString text(QAccessible::Text tipo) const override;
    QStringList actionNames() const override;
    void doAction(const QString& nome) override;

private:
    static QAccessibleInterface* fabricar(const QString& classe, QObject* objeto);

    QByteArray acao_;
};
