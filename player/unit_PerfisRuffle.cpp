#include "player/unit_PerfisRuffle.h"

#include "player/unit_PaginaRuffle.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

namespace {

struct TPerfilJogo {
    QPointer<QWebEngineProfile> perfil;
    QList<QPointer<QWebEnginePage>> paginas;

    bool emUso() {
        paginas.removeAll(nullptr);
        return !paginas.isEmpty();
    }
};

QHash<QString, TPerfilJogo>& perfis() {
    static QHash<QString, TPerfilJogo> porJogo;
    return porJogo;
}

} // namespace

QWebEngineProfile* TPerfisRuffle::perfil(const QString& jogo, const TPastasNavegador& pastas) {
    TPerfilJogo& doJogo = perfis()[jogo];
    if (!doJogo.perfil)
        doJogo.perfil = TPaginaRuffle::perfil(jogo, pastas);
    return doJogo.perfil;
}

void TPerfisRuffle::usar(const QString& jogo, QWebEnginePage* pagina) {
    perfis()[jogo].paginas.append(pagina);
}

bool TPerfisRuffle::liberar(const QString& jogo) {
    const auto doJogo = perfis().find(jogo);
    if (doJogo == perfis().end())
        return true;
    if (doJogo->emUso())
        return false;
    delete doJogo->perfil;
    perfis().erase(doJogo);
    return true;
}
