#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Lets test failures show texts as text.
inline void PrintTo(const QString& texto, std::ostream* saida) {
    *saida << '"' << texto.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* saida) {
    *saida << '"' << bytes.toStdString() << '"';
}
