#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// Text as the program reads it: files in UTF-8 (a leading byte-order mark
// skipped) with lines ended by CR LF, a single CR or a single LF.
namespace Texto {

// The line break of the interface's texts: what a "\n" of a language file
// becomes, and what joins the lines of a text built from them.
inline const QString quebraLinha = QStringLiteral("\r\n");

// The lines of the text, without their line ends; a final line end opens no further line.
QStringList linhas(const QByteArray& bytes);
// How many lines `linhas` finds in the text, counted without making them.
qsizetype contarLinhas(const QByteArray& bytes);
// The text without the characters `descartar` accepts at either end.
QString apararPontas(const QString& texto, bool (*descartar)(QChar));
// The text without blanks and control characters (codes up to 32) at either end.
QString apararControles(const QString& texto);
// A text from outside (the network, the clipboard) as the program shows it:
// each bidirectional formatting character (the marks, embeddings, overrides
// and isolates that would turn the text around it, even the program's own
// sentence it stands in) written out as its code, "<U+202E>".
QString bidiVisivel(const QString& texto);
// Windows-1252, the legacy 8-bit code page of Western European Windows. Every
// byte decodes to one character: the five bytes the code page leaves undefined
// become the control characters of the same number, so nothing is lost.
QString deWindows1252(QByteArrayView bytes);
// The bytes of the text in Windows-1252; nothing when a character has none.
std::optional<QByteArray> paraWindows1252(QStringView texto);
} // namespace Texto
