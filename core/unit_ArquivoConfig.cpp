#include "core/unit_ArquivoConfig.h"

#include "core/unit_ArquivoRegular.h"
#include "core/unit_DocumentoIni.h"
#include "core/unit_Erros.h"
#include "core/unit_TravaArquivo.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Two changes of a file within one tick of the file system's clock can leave
// its state as it was. Ticks are a few milliseconds on Linux file systems and
// up to two seconds on others; a state younger than this is not trusted alone.
constexpr qint64 margemRelogioNs = 2'000'000'000;

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

bool semPermissaoEscrita(const QString& caminho) {
    return QFileInfo::exists(caminho) && !(QFile::permissions(caminho) & QFileDevice::WriteOwner);
}

} // namespace

TArquivoConfig::TArquivoConfig(QString caminho) : caminho_(std::move(caminho)) {}

TArquivoConfig::~TArquivoConfig() = default;

TArquivoConfig::TLeitura TArquivoConfig::ler() const {
    const qint64 agora = TEstadoArquivo::agoraNs();
    const TEstadoArquivo estado = TEstadoArquivo::de(caminho_);
    TLeitura leitura;
    switch (estado.tipo) {
    case TEstadoArquivo::TTipo::Ausente:
        break;
    case TEstadoArquivo::TTipo::Pasta:
        leitura.ilegivel = QStringLiteral("a folder stands in its place");
        break;
    case TEstadoArquivo::TTipo::Outro:
        leitura.ilegivel = QStringLiteral("it is not a regular file, or cannot be examined");
        break;
    case TEstadoArquivo::TTipo::Regular:
        if (lido_ && lidoConfirmado_ && estado == estadoLido_)
            return {lido_, {}};
        leitura = lerConteudo(estado, agora);
        break;
    }
    if (!leitura.documento)
        lido_.reset();
    return leitura;
}

// Parses the file again only when its bytes differ from those last read.
TArquivoConfig::TLeitura TArquivoConfig::lerConteudo(const TEstadoArquivo& estado, qint64 agora) const {
    if (estado.tamanho > tamanhoMaximo)
        return {nullptr, QStringLiteral("it is larger than %1 bytes").arg(tamanhoMaximo)};
    // The file may have grown, or been replaced by something else, since its state was taken.
    ArquivoRegular::TLeitura leitura = ArquivoRegular::ler(caminho_, tamanhoMaximo);
    if (!leitura.bytes)
        return {nullptr, leitura.ausente ? QString() : leitura.motivo};
    const QByteArray& bytes = *leitura.bytes;
    if (!lido_ || lido_->bytes() != bytes)
        lido_ = std::make_shared<const TDocumentoIni>(bytes);
    estadoLido_ = estado;
    lidoConfirmado_ = agora - estado.mudancaNs >= margemRelogioNs;
    return {lido_, {}};
}

std::optional<QString> TArquivoConfig::valorGuardado(const QString& secao, const QString& chave) const {
    const TLeitura leitura = ler();
    return leitura.documento ? leitura.documento->valor(secao, chave) : std::nullopt;
}

QString TArquivoConfig::ReadString(const QString& secao, const QString& chave, const QString& padrao) const {
    return valorGuardado(secao, chave).value_or(padrao);
}

int TArquivoConfig::ReadInteger(const QString& secao, const QString& chave, int padrao) const {
    const auto valor = valorGuardado(secao, chave);
    return valor ? converterInteiro(*valor).value_or(padrao) : padrao;
}

bool TArquivoConfig::ReadBool(const QString& secao, const QString& chave, bool padrao) const {
    return ReadInteger(secao, chave, padrao ? 1 : 0) != 0;
}

// Read, changed and replaced under the file's lock, so that a change another
// copy of the program (or a program taking the same lock) makes meanwhile is
// not written over.
void TArquivoConfig::WriteString(const QString& secao, const QString& chave, const QString& valor) {
    // Refused for every user alike, also for the superuser, who could write anyway.
    if (semPermissaoEscrita(caminho_))
        recusar(QStringLiteral("the file is read-only"));
    if (semPermissaoEscrita(QFileInfo(caminho_).absolutePath()))
        recusar(QStringLiteral("its folder is read-only"));
    TTravaArquivo trava(caminho_);
    if (!trava.tomar(esperaTrava))
        recusar(trava.motivo());
    // A file that could not be read faithfully is never replaced.
    const TLeitura leitura = ler();
    if (!leitura.ilegivel.isEmpty())
        recusar(leitura.ilegivel);
    QByteArray conteudo;
    try {
        conteudo = leitura.documento ? leitura.documento->comValor(secao, chave, valor)
                                     : TDocumentoIni().comValor(secao, chave, valor);
    } catch (const EArquivo& erro) {
        recusar(erro.Message());
    }
    gravar(conteudo);
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

void TArquivoConfig::aoRecusarEscrita(std::function<void(const EArquivo&)> aviso) {
    avisoRecusa_ = std::move(aviso);
}

void TArquivoConfig::gravar(const QByteArray& conteudo) {
    // The new content goes to a temporary file beside the old one, which it
    // replaces only once all of it is on disk. Unbuffered, so that a short write
    // (a full disk) shows in the count that write returns: buffered, it would
    // surface only while committing, after the old file had been replaced.
    QSaveFile arquivo(caminho_);
    if (!arquivo.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        recusar(arquivo.errorString());
    if (arquivo.write(conteudo) != conteudo.size() || !arquivo.commit())
        recusar(arquivo.errorString());
    lido_.reset();
}

void TArquivoConfig::recusar(const QString& motivo) const {
    const EArquivo erro(QStringLiteral("Cannot write the file %1: %2").arg(caminho_, motivo));
    if (avisoRecusa_)
        avisoRecusa_(erro);
    throw erro;
}
