#include "settings/unit_ArquivoConfig.h"

#include "platform/unit_Erros.h"
#include "platform/unit_Texto.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>
#include <optional>

namespace {

constexpr int tamanhoMaximoTexto = 2047;

// The file's lines: none when it does not exist, nothing at all when it exists
// but cannot be read.
std::optional<QStringList> lerLinhas(const QString& caminho) {
    QFile arquivo(caminho);
    if (!arquivo.exists())
        return QStringList();
    if (!arquivo.open(QIODevice::ReadOnly))
        return std::nullopt;
    return Texto::linhas(arquivo.readAll());
}

EArquivo falhaEscrita(const QString& caminho) {
    return EArquivo(QStringLiteral("Cannot write the file %1").arg(caminho));
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<QString> nomeSecao(const QString& linha) {
    const QString limpa = linha.trimmed();
    if (limpa.startsWith(QLatin1Char('[')) && limpa.endsWith(QLatin1Char(']')))
        return limpa.mid(1, limpa.size() - 2).trimmed();
    return std::nullopt;
}

bool mesmoNome(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index of the key's line inside the section, or -1; `fimSecao` gets the index
// just after the section's last line (-1 when the section is absent).
int localizarChave(const QStringList& linhas, const QString& secao, const QString& chave, int& fimSecao) {
    fimSecao = -1;
    bool dentro = false;
    for (int i = 0; i < linhas.size(); ++i) {
        if (const auto nome = nomeSecao(linhas[i])) {
            if (dentro)
                return -1;
            dentro = mesmoNome(*nome, secao);
            if (dentro)
                fimSecao = i + 1;
            continue;
        }
        if (!dentro)
            continue;
        if (!linhas[i].trimmed().isEmpty())
            fimSecao = i + 1;
        const int igual = linhas[i].indexOf(QLatin1Char('='));
        if (igual >= 0 && mesmoNome(linhas[i].left(igual).trimmed(), chave))
            return i;
    }
    return -1;
}

std::optional<QString> valorGuardado(const QString& caminho, const QString& secao, const QString& chave) {
    const auto linhas = lerLinhas(caminho);
    if (!linhas)
        return std::nullopt;
    int fimSecao = -1;
    const int i = localizarChave(*linhas, secao, chave, fimSecao);
    if (i < 0)
        return std::nullopt;
    return (*linhas)[i].mid((*linhas)[i].indexOf(QLatin1Char('=')) + 1).trimmed();
}

std::optional<int> converterInteiro(const QString& texto) {
    bool ok = false;
    int valor = 0;
    if (texto.size() > 2 && texto.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        valor = static_cast<int>(texto.mid(2).toUInt(&ok, 16));
    else if (texto.startsWith(QLatin1Char('$')))
        valor = static_cast<int>(texto.mid(1).toUInt(&ok, 16));
    else
        valor = texto.toInt(&ok, 10);
    return ok ? std::optional<int>(valor) : std::nullopt;
}

void gravarLinhas(const QString& caminho, const QStringList& linhas) {
    if (QFile::exists(caminho) && !(QFile::permissions(caminho) & QFileDevice::WriteOwner))
        throw falhaEscrita(caminho);
    // The new content goes to a temporary file beside the old one, which it
    // replaces only once all of it is on disk. Unbuffered, so that a short write
    // (a full disk) shows in the count that write returns: buffered, it would
    // surface only while committing, after the old file had been replaced.
    QSaveFile arquivo(caminho);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw falhaEscrita(caminho);
    QByteArray conteudo;
    for (const QString& linha : linhas)
        conteudo += linha.toUtf8() + "\r\n";
    if (arquivo.write(conteudo) != conteudo.size() || !arquivo.commit())
        throw falhaEscrita(caminho);
}

} // namespace

TArquivoConfig::TArquivoConfig(QString caminho) : caminho_(std::move(caminho)) {}

QString TArquivoConfig::ReadString(const QString& secao, const QString& chave, const QString& padrao) const {
    const auto valor = valorGuardado(caminho_, secao, chave);
    return valor ? valor->left(tamanhoMaximoTexto) : padrao;
}

int TArquivoConfig::ReadInteger(const QString& secao, const QString& chave, int padrao) const {
    const auto valor = valorGuardado(caminho_, secao, chave);
    if (!valor)
        return padrao;
    return converterInteiro(valor->left(tamanhoMaximoTexto)).value_or(padrao);
}

bool TArquivoConfig::ReadBool(const QString& secao, const QString& chave, bool padrao) const {
    return ReadInteger(secao, chave, padrao ? 1 : 0) != 0;
}

void TArquivoConfig::WriteString(const QString& secao, const QString& chave, const QString& valor) {
    // A file that exists but cannot be read is never replaced by one holding only this value.
    const auto lidas = lerLinhas(caminho_);
    if (!lidas)
        throw falhaEscrita(caminho_);
    QStringList linhas = *lidas;
    int fimSecao = -1;
    const int i = localizarChave(linhas, secao, chave, fimSecao);
    const QString linha = chave + QLatin1Char('=') + valor;
    if (i >= 0) {
        linhas[i] = linha;
    } else if (fimSecao >= 0) {
        linhas.insert(fimSecao, linha);
    } else {
        linhas << QLatin1Char('[') + secao + QLatin1Char(']') << linha;
    }
    gravarLinhas(caminho_, linhas);
}

void TArquivoConfig::WriteInteger(const QString& secao, const QString& chave, int valor) {
    WriteString(secao, chave, QString::number(valor));
}

void TArquivoConfig::WriteBool(const QString& secao, const QString& chave, bool valor) {
    WriteString(secao, chave, valor ? QStringLiteral("1") : QStringLiteral("0"));
}

void TArquivoConfig::UpdateFile() {
    // Writes replace the file and reach the disk before they return.
}
