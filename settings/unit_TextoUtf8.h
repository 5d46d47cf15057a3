#pragma once

#include <QByteArray>
#include <QStringList>

// Text files of the program: UTF-8, a leading byte-order mark skipped, lines
// ended by CR LF, a single CR or a single LF.
namespace TextoUtf8 {
// The lines of the text, without their line ends; a final line end opens no further line.
QStringList linhas(const QByteArray& bytes);
} // namespace TextoUtf8
