#pragma once

#include <QString>

// The copied text as a browser would read the addresses in it: Unicode
// compatibility forms folded (NFKC, so full-width letters are letters),
// invisible characters gone (zero-width characters, soft hyphens,
// directional marks, variation selectors), ideographic and full-width full
// stops made ".", and in every word the scheme and the host lower-cased, with
// percent-escapes of unreserved characters decoded in the host. A numeric
// IPv4 host in any form a browser accepts is written in dotted decimal,
// where the word is a link: after "http://" or "https://", or written in
// four parts and followed by a port or a path.
namespace TextoCanonico {
// Only the first `maximoCaracteres` of a longer text are read, and the copy
// is no longer than that.
inline constexpr qsizetype maximoCaracteres = 16'384;
QString de(const QString& texto);
} // namespace TextoCanonico
