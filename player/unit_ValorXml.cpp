#include "player/unit_ValorXml.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QXmlStreamReader>

namespace {

const QString aberturaTexto = QStringLiteral("<string>");
const QString fechoTexto = QStringLiteral("</string>");

// Arrays and objects are read by recursion, one level per nesting; a value
// nested deeper than any a game passes makes the reply unreadable instead of
// exhausting the stack.
constexpr int profundidadeMaxima = 64;

std::optional<QJsonValue> lerValor(QXmlStreamReader& leitor, int profundidade);

// The properties of an <array> or <object>, up to its end tag; false when one is unreadable.
template <typename TAcrescentar>
bool lerPropriedades(QXmlStreamReader& leitor, int profundidade, TAcrescentar acrescentar) {
    if (profundidade > profundidadeMaxima) {
        leitor.raiseError(QStringLiteral("value nested too deeply"));
        return false;
    }
    while (leitor.readNextStartElement()) {
        if (leitor.name() != QLatin1String("property"))
            return false;
        const QString id = leitor.attributes().value(QLatin1String("id")).toString();
        if (!leitor.readNextStartElement())
            return false;
        const std::optional<QJsonValue> valor = lerValor(leitor, profundidade);
        if (leitor.hasError())
            return false;
        acrescentar(id, valor.value_or(QJsonValue(QJsonValue::Null)));
        leitor.skipCurrentElement(); // </property>
    }
    return !leitor.hasError();
}

// The value of the element the reader stands on, inside `profundidade` arrays
// and objects; the reader ends on its end tag.
std::optional<QJsonValue> lerValor(QXmlStreamReader& leitor, int profundidade) {
    const QStringView nome = leitor.name();
    if (nome == QLatin1String("string"))
        return QJsonValue(leitor.readElementText());
    if (nome == QLatin1String("number")) {
        bool ok = false;
        const double numero = leitor.readElementText().trimmed().toDouble(&ok);
        return ok ? std::optional(QJsonValue(numero)) : std::nullopt;
    }
    if (nome == QLatin1String("true") || nome == QLatin1String("false")) {
        leitor.skipCurrentElement();
        return QJsonValue(nome == QLatin1String("true"));
    }
    if (nome == QLatin1String("null")) {
        leitor.skipCurrentElement();
        return QJsonValue(QJsonValue::Null);
    }
    if (nome == QLatin1String("array")) {
        QJsonArray lista;
        const bool ok = lerPropriedades(leitor, profundidade + 1,
                                        [&](const QString&, const QJsonValue& v) { lista.append(v); });
        return ok ? std::optional(QJsonValue(lista)) : std::nullopt;
    }
    if (nome == QLatin1String("object")) {
        QJsonObject objeto;
        const bool ok = lerPropriedades(
            leitor, profundidade + 1, [&](const QString& id, const QJsonValue& v) { objeto.insert(id, v); });
        return ok ? std::optional(QJsonValue(objeto)) : std::nullopt;
    }
    leitor.skipCurrentElement(); // <undefined/> and unknown kinds
    return std::nullopt;
}

} // namespace

std::optional<QJsonValue> ValorXml::decodificar(const QString& xml) {
    QXmlStreamReader leitor(xml);
    if (leitor.readNextStartElement()) {
        std::optional<QJsonValue> valor = lerValor(leitor, 0);
        if (!leitor.hasError())
            return valor;
    }
    if (xml.startsWith(aberturaTexto) && xml.endsWith(fechoTexto) &&
        xml.size() >= aberturaTexto.size() + fechoTexto.size())
        return QJsonValue(
            xml.mid(aberturaTexto.size(), xml.size() - aberturaTexto.size() - fechoTexto.size()));
    return std::nullopt;
}
