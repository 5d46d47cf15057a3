#pragma once

#include <QJsonValue>
#include <QString>
#include <optional>

// The player's XML value form, in which the host answers a movie's external
// call: <string>, <number>, <true/>, <false/>, <null/>, <undefined/>, and
// <array> or <object> holding <property id="..."> elements.
namespace ValorXml {
// The value a reply stands for, or none for <undefined/>, an empty reply and
// anything unreadable. A <string> whose text is not well-formed XML (an
// address with a bare "&", say) keeps its text as it stands.
std::optional<QJsonValue> decodificar(const QString& xml);
} // namespace ValorXml
