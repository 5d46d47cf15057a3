#pragma once

#include <QString>
#include <QStringList>

// Fills "%s" directives with text arguments, in order; "%%" stands for "%".
// Any other directive, or a "%s" without an argument left, raises EFormato.
// Language files are untrusted input, so their texts never reach printf.
namespace Formatador {
QString formatar(const QString& modelo, const QStringList& argumentos);
}
