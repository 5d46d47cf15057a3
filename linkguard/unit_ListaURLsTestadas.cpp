#include "linkguard/unit_ListaURLsTestadas.h"

namespace {

// Folded one code point at a time, as QString::compare folds without regard
// to case: two texts that compare equal that way have the same key.
QString chave(const QString& texto) {
    QString dobrado;
    dobrado.reserve(texto.size());
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar unidade = texto.at(i);
        if (unidade.isHighSurrogate() && i + 1 < texto.size() && texto.at(i + 1).isLowSurrogate()) {
            const char32_t ponto = QChar::surrogateToUcs4(unidade, texto.at(++i));
            for (const QChar parte : QChar::fromUcs4(QChar::toCaseFolded(ponto)))
                dobrado.append(parte);
        } else {
            dobrado.append(unidade.toCaseFolded());
        }
    }
    return dobrado;
}

qsizetype bytesDe(const QString& texto) {
    return texto.size() * static_cast<qsizetype>(sizeof(QChar));
}

} // namespace

void TListaURLsTestadas::acrescentar(const QString& url) {
    entradas_.push_back(url);
    ++vezes_[chave(url)];
    bytes_ += bytesDe(url);
    while (!entradas_.empty() && (tamanho() > entradasMaximas || bytes_ > bytesMaximos))
        tirarMaisAntiga();
}

void TListaURLsTestadas::tirarMaisAntiga() {
    const QString& antiga = entradas_.front();
    const auto vez = vezes_.find(chave(antiga));
    if (--vez.value() == 0)
        vezes_.erase(vez);
    bytes_ -= bytesDe(antiga);
    entradas_.pop_front();
}

bool TListaURLsTestadas::contem(const QString& url) const {
    return vezes_.contains(chave(url));
}

void TListaURLsTestadas::limpar() {
    entradas_.clear();
    vezes_.clear();
    bytes_ = 0;
}

QStringList TListaURLsTestadas::entradas() const {
    return QStringList(entradas_.begin(), entradas_.end());
}
