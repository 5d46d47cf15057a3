#pragma once

#include <QString>
#include <QStringView>

// The longest piece kept: longer ones are cut to their first code units,
// which every match holds as well.
inline constexpr qsizetype tamanhoMaximoPedaco = 32;

// A piece of literal text that every match of the bad-site entry `entrada`
// holds, wherever in the address the match lies and whatever the prefix put
// in front of the entry matched; empty when the entry cannot be analysed
// safely or holds no such piece.
//
// Only entries made of literal characters, escaped ASCII punctuation, ".",
// the anchors "^", "$", "\b", "\B" and the quantifiers "?", "*", "+" (also
// lazy or possessive) on one character are analysed; a group, alternation,
// class, counted repeat, any other escape or a leading quantifier makes the
// entry one that is not. The piece is the longest run of characters that a
// match holds one after the other.
QString pedacoObrigatorio(QStringView entrada);
