#include "player/unit_ArmazemJogos.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QThreadPool>
#include <QUuid>

namespace {

const QString nomeLixo = QStringLiteral(".descartados");
// Where all games' data and cache lived when they shared one profile.
const QString antigos[] = {QStringLiteral("armazenamento"), QStringLiteral("cache")};

qint64 ocupado(const QFileInfo& entrada) {
    if (!entrada.isFile() || entrada.isSymLink())
        return TArmazemJogos::bloco;
    const qint64 blocos = (entrada.size() + TArmazemJogos::bloco - 1) / TArmazemJogos::bloco;
    return std::max<qint64>(blocos, 1) * TArmazemJogos::bloco;
}

// Symbolic links are counted and deleted as links, never followed.
qint64 tamanhoPasta(const QString& pasta, qint64 ate) {
    if (pasta.isEmpty() || !QFileInfo(pasta).isDir())
        return 0;
    qint64 total = TArmazemJogos::bloco;
    QDirIterator entradas(pasta, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                          QDirIterator::Subdirectories);
    while (total <= ate && entradas.hasNext()) {
        entradas.next();
        total += ocupado(entradas.fileInfo());
    }
    return total;
}

} // namespace

TArmazemJogos::TArmazemJogos(TPastasNavegador bases) : bases_(std::move(bases)) {
    arrumar();
}

qint64 TArmazemJogos::tamanho(const TPastasNavegador& pastasJogo, qint64 ate) {
    const qint64 dados = tamanhoPasta(pastasJogo.dados, ate);
    return dados > ate ? dados : dados + tamanhoPasta(pastasJogo.cache, ate - dados);
}

void TArmazemJogos::descartar(const QString& jogo) {
    descartarPasta(bases_.dados, jogo);
    descartarPasta(bases_.cache, jogo);
}

void TArmazemJogos::arrumar() {
    for (const QString& antigo : antigos)
        descartarPasta(bases_.dados, antigo);
    for (const QString& base : {bases_.dados, bases_.cache})
        if (!base.isEmpty() && QFileInfo::exists(base + QLatin1Char('/') + nomeLixo))
            esvaziarLixo(base + QLatin1Char('/') + nomeLixo);
}

// A folder that cannot be moved (another file system mounted there) is
// deleted where it is.
void TArmazemJogos::descartarPasta(const QString& base, const QString& nome) {
    if (base.isEmpty())
        return;
    const QString pasta = base + QLatin1Char('/') + nome;
    const QFileInfo info(pasta);
    if (!info.exists() && !info.isSymLink())
        return;
    const QString lixo = base + QLatin1Char('/') + nomeLixo;
    QDir().mkpath(lixo);
    const QString destino = lixo + QLatin1Char('/') + nome + QLatin1Char('-') +
                            QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (QDir().rename(pasta, destino))
        esvaziarLixo(lixo);
    else if (info.isSymLink() || !info.isDir())
        QFile::remove(pasta);
    else
        QDir(pasta).removeRecursively();
}

// Deleting what is there may meet a folder another discard is moving in: it
// is deleted with the rest, which is what that discard wants.
void TArmazemJogos::esvaziarLixo(const QString& lixo) {
    QThreadPool::globalInstance()->start([lixo] {
        const QFileInfoList entradas =
            QDir(lixo).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo& entrada : entradas) {
            if (entrada.isDir() && !entrada.isSymLink())
                QDir(entrada.filePath()).removeRecursively();
            else
                QFile::remove(entrada.filePath());
        }
    });
}
