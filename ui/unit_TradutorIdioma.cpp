#include "ui/unit_TradutorIdioma.h"

#include "ui/unit_Idioma.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace {

// "%s" directives in order become %1, %2, ...; "%%" stays a single "%" (as
// "%%" would not: QString::arg leaves it as it is).
QString comArgumentosQt(const QString& texto) {
    QString resultado;
    resultado.reserve(texto.size());
    int argumento = 0;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        const QChar seguinte = i + 1 < texto.size() ? texto.at(i + 1) : QChar();
        if (c == QLatin1Char('%') && seguinte == QLatin1Char('s')) {
            resultado += QLatin1Char('%') + QString::number(++argumento);
            ++i;
        } else if (c == QLatin1Char('%') && seguinte == QLatin1Char('%')) {
            resultado += QLatin1Char('%');
            ++i;
        } else {
            resultado += c;
        }
    }
    return resultado;
}

} // namespace

TTradutorIdioma::TTradutorIdioma(const TIdioma& idioma, QObject* pai) : QTranslator(pai), idioma_(&idioma) {
    connect(&idioma, &TIdioma::idiomaCarregado, this, &TTradutorIdioma::seguirIdioma);
    seguirIdioma();
}

// Leaving, this translator goes first: the widgets that retranslate when
// Qt's translation leaves no longer reach it.
TTradutorIdioma::~TTradutorIdioma() {
    QCoreApplication::removeTranslator(this);
    QCoreApplication::removeTranslator(&qt_);
}

QString TTradutorIdioma::translate(const char*, const char*, const char* chave, int) const {
    if (!chave || !*chave || !idioma_)
        return {};
    const QString nome = QString::fromUtf8(chave);
    const QString texto = idioma_->get(nome);
    return texto == QLatin1Char('$') + nome ? QString() : comArgumentosQt(texto);
}

QString TTradutorIdioma::arquivoQt() const {
    return qtInstalado_ ? qt_.filePath() : QString();
}

void TTradutorIdioma::seguirIdioma() {
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(this);
    const QString localidade = idioma_->get(QString::fromLatin1(chaveLocalidade));
    qtInstalado_ = !localidade.startsWith(QLatin1Char('$')) &&
                   qt_.load(QLocale(localidade), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (qtInstalado_)
        QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(this);
}
