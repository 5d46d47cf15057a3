#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// One registered control: its key ("screen.control") and the text property it shows.
struct TIdiomaControl {
    QPointer<QWidget> control;
    QString nome;
    QString prop;
};

// The translation registry: the loaded language table, and the controls whose
// texts follow it. A control leaves the registry when it is destroyed.
class TIdioma : public QObject {
    Q_OBJECT
public:
    // A language file on disk larger than this is not read.
    static constexpr qint64 tamanhoMaximo = 1024 * 1024;

    // Registers `control` under "<screen>.<control>", the screen being the
    // nearest enclosing screen frame, or the top-level window.
    void add(QWidget* control, const QString& Prop);
    // The text of a key (letter case ignored); "$" + key when the table lacks it.
    QString get(const QString& nome) const;
    // The same, its "%s" directives filled with `Args`; raises EFormato when they do not fit.
    QString get(const QString& nome, const QStringList& Args) const;
    // Whether the table has a text for the key (letter case ignored).
    bool possui(const QString& nome) const;
    // Replaces the table with a language file: "PT" and "EN" are built in,
    // anything else is a file path. Raises an error, keeping the old table, when
    // it cannot be read, is not a regular file or is larger than `tamanhoMaximo`.
    void carregarIdioma(const QString& arquivo);
    // Sets the text of every registered control that still exists.
    void aplicarIdioma();
    // The same for the controls inside `tela` only: a screen made after the
    // others, whose lists keep their choices.
    void aplicarIdioma(const QWidget* tela);

    QList<TIdiomaControl> listaControls;
    QStringList lang;

Q_SIGNALS:
    // A language file replaced the table.
    void idiomaCarregado();

private:
    std::optional<QString> procurar(const QString& nome) const;
    void aplicar(const TIdiomaControl& entrada) const;
    void esquecerControl(QObject* control);
};
