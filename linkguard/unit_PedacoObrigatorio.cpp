#include "linkguard/unit_PedacoObrigatorio.h"

#include <string>

namespace {

bool eQuantificador(QChar c) {
    return c == u'?' || c == u'*' || c == u'+';
}

// Escaped, these stand for themselves: ASCII punctuation. Letters and digits
// after a backslash are classes, assertions or references, left alone.
bool ePontuacaoAscii(QChar c) {
    return c.unicode() > 0x20 && c.unicode() < 0x7F && !c.isLetterOrNumber();
}

// Characters that are not themselves outside a class. "]" and "}" are
// literal to the library on their own, but are left to the cases not analysed.
bool eEspecial(QChar c) {
    return c.unicode() < 0x80 && QStringView(u"\\^$.[]|()?*+{}").contains(c);
}

// The runs of literal text that every match of the entry holds, read item
// by item. A run ends at anything that does not stand for one fixed
// character.
class TSequencias {
public:
    // A character standing for itself (one or two code units).
    void literal(QStringView caractere) {
        atual_.append(caractere.utf16(), size_t(caractere.size()));
        ultimo_ = size_t(caractere.size());
    }
    // "." or an assertion: nothing fixed here.
    void quebra() {
        fechar();
        ultimo_ = 0;
    }
    // "?" or "*" make the last character optional; "+" repeats it, so it
    // ends the run and, as its last repeat, begins the next one.
    void quantificar(QChar quantificador) {
        const std::u16string repetido = atual_.substr(atual_.size() - ultimo_);
        if (quantificador != u'+')
            atual_.resize(atual_.size() - ultimo_);
        fechar();
        if (quantificador == u'+')
            atual_ = repetido;
        ultimo_ = 0;
    }
    QString maisLonga() {
        fechar();
        return QString::fromStdU16String(maisLonga_.substr(0, size_t(tamanhoMaximoPedaco)));
    }

private:
    void fechar() {
        if (atual_.size() > maisLonga_.size())
            maisLonga_ = atual_;
        atual_.clear();
    }

    std::u16string atual_;
    std::u16string maisLonga_;
    size_t ultimo_ = 0;
};

} // namespace

QString pedacoObrigatorio(QStringView entrada) {
    TSequencias sequencias;
    qsizetype i = 0;
    while (i < entrada.size()) {
        const QChar c = entrada[i];
        if (eQuantificador(c)) {
            // In front of the entry stands the prefix's optional group, which
            // a leading quantifier would change.
            if (i == 0)
                return {};
            sequencias.quantificar(c);
            ++i;
            if (i < entrada.size() && (entrada[i] == u'?' || entrada[i] == u'+'))
                ++i;
            if (i < entrada.size() && eQuantificador(entrada[i]))
                return {};
        } else if (c == u'\\') {
            if (i + 1 >= entrada.size())
                return {};
            const QChar seguinte = entrada[i + 1];
            if (seguinte == u'b' || seguinte == u'B')
                sequencias.quebra();
            else if (ePontuacaoAscii(seguinte))
                sequencias.literal(entrada.sliced(i + 1, 1));
            else
                return {};
            i += 2;
        } else if (c == u'.' || c == u'^' || c == u'$') {
            sequencias.quebra();
            ++i;
        } else if (eEspecial(c)) {
            return {};
        } else {
            const qsizetype unidades = c.isHighSurrogate() && i + 1 < entrada.size() ? 2 : 1;
            sequencias.literal(entrada.sliced(i, unidades));
            i += unidades;
        }
    }
    return sequencias.maisLonga();
}
