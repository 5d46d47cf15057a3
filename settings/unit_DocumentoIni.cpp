#include "settings/unit_DocumentoIni.h"

#include "core/unit_Erros.h"
#include "core/unit_Texto.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QVarLengthArray>
#include <algorithm>

namespace {

const QByteArray marcaUtf8("\xEF\xBB\xBF");
const QByteArray marcaUtf16LE("\xFF\xFE");
const QByteArray marcaUtf16BE("\xFE\xFF");

bool ehUtf16(TDocumentoIni::TCodificacao codificacao) {
    return codificacao == TDocumentoIni::TCodificacao::Utf16LE ||
           codificacao == TDocumentoIni::TCodificacao::Utf16BE;
}

// The hash of the name folded code point by code point, as names compare.
size_t hashSemCaixa(QStringView nome) {
    QVarLengthArray<QChar, 64> dobrado;
    for (qsizetype i = 0; i < nome.size(); ++i) {
        if (nome[i].isHighSurrogate() && i + 1 < nome.size() && nome[i + 1].isLowSurrogate()) {
            const char32_t codigo = QChar::toCaseFolded(QChar::surrogateToUcs4(nome[i], nome[i + 1]));
            dobrado.append(QChar(QChar::highSurrogate(codigo)));
            dobrado.append(QChar(QChar::lowSurrogate(codigo)));
            ++i;
        } else if (const char16_t c = nome[i].unicode(); c < 0x80) {
            dobrado.append(QChar(c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c));
        } else {
            dobrado.append(nome[i].toCaseFolded());
        }
    }
    return qHash(QStringView(dobrado.constData(), dobrado.size()));
}

// The name of a "[name]" line (trimmed), or nothing for any other line.
std::optional<QStringView> nomeSecao(QStringView texto) {
    const QStringView limpa = texto.trimmed();
    if (limpa.startsWith(u'[') && limpa.endsWith(u']'))
        return limpa.mid(1, limpa.size() - 2).trimmed();
    return std::nullopt;
}

// The key of a "key=value" line (trimmed), or nothing without "=".
std::optional<QStringView> nomeChave(QStringView texto) {
    const qsizetype igual = texto.indexOf(u'=');
    if (igual < 0)
        return std::nullopt;
    return texto.left(igual).trimmed();
}

} // namespace

TDocumentoIni::TDocumentoIni(QByteArray bytes) : bytes_(std::move(bytes)) {
    lerMarca();
    const qsizetype passo = ehUtf16(codificacao_) ? 2 : 1;
    fimTexto_ = bytes_.size() - (bytes_.size() - inicioTexto_) % passo;
    if (fimTexto_ != bytes_.size())
        impedimento_ = QStringLiteral("its UTF-16 text ends in half a character");
    if (!indexar()) {
        // Not UTF-8 after all: the legacy code page, in which every byte is a character.
        codificacao_ = TCodificacao::Windows1252;
        secoes_.clear();
        chaves_.clear();
        indexar();
    }
    if (!ehUtf16(codificacao_) && bytes_.contains('\0'))
        impedimento_ = QStringLiteral("it holds NUL bytes, so it is no text file that can be changed safely");
}

void TDocumentoIni::lerMarca() {
    if (bytes_.startsWith(marcaUtf8)) {
        codificacao_ = TCodificacao::Utf8ComMarca;
        inicioTexto_ = marcaUtf8.size();
    } else if (bytes_.startsWith(marcaUtf16LE)) {
        codificacao_ = TCodificacao::Utf16LE;
        inicioTexto_ = marcaUtf16LE.size();
    } else if (bytes_.startsWith(marcaUtf16BE)) {
        codificacao_ = TCodificacao::Utf16BE;
        inicioTexto_ = marcaUtf16BE.size();
    }
}

char16_t TDocumentoIni::unidade(qsizetype posicao) const {
    const auto byte = [dados = bytes_.constData()](qsizetype i) {
        return char16_t(static_cast<unsigned char>(dados[i]));
    };
    switch (codificacao_) {
    case TCodificacao::Utf16LE:
        return char16_t(byte(posicao) | byte(posicao + 1) << 8);
    case TCodificacao::Utf16BE:
        return char16_t(byte(posicao) << 8 | byte(posicao + 1));
    default:
        return byte(posicao);
    }
}

// The line starting at `inicio`. Lines end in CR LF, a lone CR or a lone LF.
TDocumentoIni::TLinha TDocumentoIni::linhaEm(qsizetype inicio) const {
    const qsizetype passo = ehUtf16(codificacao_) ? 2 : 1;
    for (qsizetype p = inicio; p < fimTexto_; p += passo) {
        const char16_t c = unidade(p);
        if (c != u'\r' && c != u'\n')
            continue;
        const bool crlf = c == u'\r' && p + passo < fimTexto_ && unidade(p + passo) == u'\n';
        return {inicio, p - inicio, crlf ? 2 * passo : passo};
    }
    return {inicio, fimTexto_ - inicio, 0};
}

// The line's text, written at `destino` (room for as many characters as the
// line has bytes); `fiel` is false when its bytes are not valid in the encoding.
QStringView TDocumentoIni::decodificar(const TLinha& linha, QChar* destino, bool& fiel) const {
    const QByteArrayView bytes(bytes_.constData() + linha.inicio, linha.tamanho);
    fiel = true;
    switch (codificacao_) {
    case TCodificacao::Utf8:
    case TCodificacao::Utf8ComMarca: {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QChar* fim = utf8.appendToBuffer(destino, bytes);
        fiel = !utf8.hasError();
        return QStringView(destino, fim);
    }
    case TCodificacao::Windows1252: {
        const QString texto = Texto::deWindows1252(bytes);
        std::copy(texto.cbegin(), texto.cend(), destino);
        return QStringView(destino, texto.size());
    }
    case TCodificacao::Utf16LE:
    case TCodificacao::Utf16BE:
        break;
    }
    // Unit by unit, so that nothing (not even half a surrogate pair) is lost.
    const qsizetype tamanho = linha.tamanho / 2;
    for (qsizetype i = 0; i < tamanho; ++i)
        destino[i] = QChar(unidade(linha.inicio + 2 * i));
    return QStringView(destino, tamanho);
}

// False when a line is not UTF-8 in a file taken for UTF-8 without its mark.
// A final line end opens no further line.
bool TDocumentoIni::indexar() {
    fimPadrao_.clear();
    ultimaLinha_ = {};
    QString espaco;
    for (qsizetype inicio = inicioTexto_; inicio < fimTexto_;) {
        const TLinha linha = linhaEm(inicio);
        inicio = linha.inicio + linha.tamanho + linha.tamanhoFim;
        ultimaLinha_ = linha;
        // New lines end as the file's first line does.
        if (fimPadrao_.isEmpty() && linha.tamanhoFim > 0)
            fimPadrao_ = bytes_.mid(linha.inicio + linha.tamanho, linha.tamanhoFim);
        if (linha.tamanho == 0)
            continue;
        if (espaco.size() < linha.tamanho)
            espaco.resize(linha.tamanho);
        bool fiel = true;
        const QStringView texto = decodificar(linha, espaco.data(), fiel);
        if (!fiel && codificacao_ == TCodificacao::Utf8)
            return false;
        indexarLinha(linha, texto);
    }
    if (fimPadrao_.isEmpty())
        fimPadrao_ = codificar(QStringLiteral("\r\n"));
    return true;
}

// Lines before the first section belong to none and are not read.
void TDocumentoIni::indexarLinha(const TLinha& linha, QStringView texto) {
    if (const auto nome = nomeSecao(texto)) {
        secoes_.append({{hashSemCaixa(*nome), linha}, chaves_.size(), chaves_.size(), linha});
        return;
    }
    if (secoes_.isEmpty())
        return;
    TSecao& secao = secoes_.last();
    if (!texto.trimmed().isEmpty())
        secao.ultima = linha;
    if (const auto nome = nomeChave(texto)) {
        chaves_.append({hashSemCaixa(*nome), linha});
        secao.fimChaves = chaves_.size();
    }
}

// Whether the line's name is `procurado`: equal hashes only make it likely.
bool TDocumentoIni::nomeNaLinha(const TLinha& linha, const QString& procurado, bool ehSecao) const {
    QString espaco(linha.tamanho, Qt::Uninitialized);
    bool fiel = true;
    const QStringView texto = decodificar(linha, espaco.data(), fiel);
    const auto achado = ehSecao ? nomeSecao(texto) : nomeChave(texto);
    return achado && achado->compare(procurado, Qt::CaseInsensitive) == 0;
}

// Only the first section of a name is read, and the first line of a key in it.
TDocumentoIni::TLocal TDocumentoIni::localizar(const QString& secao, const QString& chave) const {
    const std::pair<QString, QString> nomes(secao, chave);
    if (const auto achado = locais_.constFind(nomes); achado != locais_.constEnd())
        return *achado;
    TLocal local;
    const size_t hashSecao = hashSemCaixa(secao);
    for (int s = 0; s < secoes_.size() && local.secao < 0; ++s)
        if (secoes_[s].nome.hash == hashSecao && nomeNaLinha(secoes_[s].nome.linha, secao, true))
            local.secao = s;
    if (local.secao >= 0) {
        const TSecao& achada = secoes_[local.secao];
        const size_t hashChave = hashSemCaixa(chave);
        for (qsizetype c = achada.primeiraChave; c < achada.fimChaves && local.linha.inicio < 0; ++c)
            if (chaves_[c].hash == hashChave && nomeNaLinha(chaves_[c].linha, chave, false))
                local.linha = chaves_[c].linha;
    }
    locais_.insert(nomes, local);
    return local;
}

std::optional<QString> TDocumentoIni::valor(const QString& secao, const QString& chave) const {
    const TLinha linha = localizar(secao, chave).linha;
    if (linha.inicio < 0)
        return std::nullopt;
    auto valor = valores_.constFind(linha.inicio);
    if (valor == valores_.constEnd()) {
        QString espaco(linha.tamanho, Qt::Uninitialized);
        bool fiel = true;
        const QStringView texto = decodificar(linha, espaco.data(), fiel);
        valor = valores_.insert(
            linha.inicio, texto.mid(texto.indexOf(u'=') + 1).trimmed().left(tamanhoMaximoValor).toString());
    }
    return *valor;
}

QByteArray TDocumentoIni::codificar(const QString& texto) const {
    switch (codificacao_) {
    case TCodificacao::Utf8:
    case TCodificacao::Utf8ComMarca:
        return texto.toUtf8();
    case TCodificacao::Windows1252:
        if (auto bytes = Texto::paraWindows1252(texto))
            return *bytes;
        throw EArquivo(QStringLiteral("the text \"%1\" has characters that its code page, "
                                      "Windows-1252, cannot hold")
                           .arg(texto));
    case TCodificacao::Utf16LE:
    case TCodificacao::Utf16BE:
        break;
    }
    const bool le = codificacao_ == TCodificacao::Utf16LE;
    QByteArray bytes;
    bytes.reserve(2 * texto.size());
    for (const QChar c : texto) {
        const auto alto = static_cast<char>(c.unicode() >> 8);
        const auto baixo = static_cast<char>(c.unicode() & 0xFF);
        bytes.append(le ? baixo : alto).append(le ? alto : baixo);
    }
    return bytes;
}

// `bloco` (whole lines, each with its line end) goes after `linha`, which
// first gets a line end when it has none; in a file without lines, after the
// byte-order mark.
QByteArray TDocumentoIni::inserirApos(const TLinha& linha, const QByteArray& bloco) const {
    if (linha.inicio < 0)
        return bytes_ + bloco;
    if (linha.tamanhoFim == 0)
        return bytes_ + fimPadrao_ + bloco;
    const qsizetype posicao = linha.inicio + linha.tamanho + linha.tamanhoFim;
    return bytes_.left(posicao) + bloco + bytes_.mid(posicao);
}

QByteArray TDocumentoIni::comValor(const QString& secao, const QString& chave, const QString& valor) const {
    if (!impedimento_.isEmpty())
        throw EArquivo(impedimento_);
    const QByteArray linhaNova = codificar(chave + QLatin1Char('=') + valor);
    const TLocal local = localizar(secao, chave);
    if (local.secao < 0)
        return inserirApos(ultimaLinha_, codificar(QLatin1Char('[') + secao + QLatin1Char(']')) + fimPadrao_ +
                                             linhaNova + fimPadrao_);
    if (local.linha.inicio < 0)
        return inserirApos(secoes_[local.secao].ultima, linhaNova + fimPadrao_);
    const TLinha& linha = local.linha;
    return bytes_.left(linha.inicio) + linhaNova + bytes_.mid(linha.inicio + linha.tamanho);
}
