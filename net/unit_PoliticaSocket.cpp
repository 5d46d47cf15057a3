#include "net/unit_PoliticaSocket.h"

#include <QXmlStreamReader>
#include <algorithm>

namespace {

constexpr int maiorPorta = 65535;
// A policy names a handful of rules; more is no policy anyone serves.
constexpr qsizetype regrasMaximas = 256;

std::optional<int> lerPorta(QStringView texto) {
    bool ok = false;
    const int porta = texto.trimmed().toInt(&ok);
    if (!ok || porta < 1 || porta > maiorPorta)
        return std::nullopt;
    return porta;
}

} // namespace

std::optional<TPoliticaSocket> TPoliticaSocket::ler(const QByteArray& texto) {
    if (texto.size() > tamanhoMaximo)
        return std::nullopt;
    QXmlStreamReader leitor(texto);
    TPoliticaSocket politica;
    bool raiz = false;
    bool nenhuma = false;
    while (!leitor.atEnd()) {
        if (leitor.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView nome = leitor.name();
        if (!raiz) {
            if (nome != QLatin1String("cross-domain-policy"))
                return std::nullopt;
            raiz = true;
            continue;
        }
        const QXmlStreamAttributes atributos = leitor.attributes();
        if (nome == QLatin1String("site-control")) {
            nenhuma |=
                atributos.value(QLatin1String("permitted-cross-domain-policies")) == QLatin1String("none");
        } else if (nome == QLatin1String("allow-access-from") && politica.regras_.size() < regrasMaximas) {
            const std::optional<QList<TPortas>> portas =
                lerPortas(atributos.value(QLatin1String("to-ports")).toString());
            const QString dominio = atributos.value(QLatin1String("domain")).trimmed().toString().toLower();
            if (portas && !dominio.isEmpty())
                politica.regras_.append({dominio, *portas});
        }
    }
    if (leitor.hasError() || !raiz)
        return std::nullopt;
    if (nenhuma)
        politica.regras_.clear();
    return politica;
}

// "*", or ports and ranges separated by commas: "80,443,1024-2048". One
// entry that cannot be read makes the whole attribute unreadable.
std::optional<QList<TPoliticaSocket::TPortas>> TPoliticaSocket::lerPortas(const QString& texto) {
    if (texto.trimmed() == QLatin1String("*"))
        return QList<TPortas>{{1, maiorPorta}};
    QList<TPortas> portas;
    for (const QStringView parte : QStringView(texto).split(QLatin1Char(','))) {
        const qsizetype traco = parte.indexOf(QLatin1Char('-'));
        const std::optional<int> de = lerPorta(traco < 0 ? parte : parte.left(traco));
        const std::optional<int> ate = traco < 0 ? de : lerPorta(parte.mid(traco + 1));
        if (!de || !ate || *ate < *de)
            return std::nullopt;
        portas.append({*de, *ate});
    }
    if (portas.isEmpty())
        return std::nullopt;
    return portas;
}

bool TPoliticaSocket::dominioAceita(const QString& dominio, const QString& host) {
    if (dominio == QLatin1String("*"))
        return true;
    if (dominio.startsWith(QLatin1String("*."))) {
        const QStringView base = QStringView(dominio).mid(2);
        return host == base || host.endsWith(QLatin1Char('.') + base.toString());
    }
    return host == dominio;
}

bool TPoliticaSocket::permite(const QString& hostFilme, int porta) const {
    const QString host = hostFilme.toLower();
    return std::any_of(regras_.cbegin(), regras_.cend(), [&](const TRegra& regra) {
        return dominioAceita(regra.dominio, host) &&
               std::any_of(regra.portas.cbegin(), regra.portas.cend(),
                           [porta](const TPortas& p) { return porta >= p.de && porta <= p.ate; });
    });
}
