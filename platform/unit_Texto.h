#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text as the program reads it: files in UTF-8 (a leading byte-order mark
// skipped) with lines ended by CR LF, a single CR or a single LF.
namespace Texto {
// The lines of the text, without their line ends; a final line end opens no further line.
QStringList linhas(const QByteArray& bytes);
// How many lines `linhas` finds in the text, counted without making them.
qsizetype contarLinhas(const QByteArray& bytes);
// The text without the characters `descartar` accepts at either end.
QString apararPontas(const QString& texto, bool (*descartar)(QChar));
// The text without blanks and control characters (codes up to 32) at either end.
QString apararControles(const QString& texto);
} // namespace Texto
