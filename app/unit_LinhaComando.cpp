#include "app/unit_LinhaComando.h"

#include "core/unit_Constantes.h"

#include <array>
#include <cstdio>

namespace {

// By the order of the home tiles.
const std::array<QString, 4> nomesJogos{QStringLiteral("velmora"), QStringLiteral("kraddle"),
                                        QStringLiteral("gumbrel"), QStringLiteral("lurrow")};

std::optional<int> indiceJogo(const QString& nome) {
    for (std::size_t i = 0; i < nomesJogos.size(); ++i)
        if (nome.compare(nomesJogos[i], Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return std::nullopt;
}

TLinhaComando comErro(const QString& erro) {
    TLinhaComando linha;
    linha.acao = TLinhaComando::TAcao::erro;
    linha.erro = erro;
    return linha;
}

} // namespace

TLinhaComando TLinhaComando::ler(const QStringList& argumentos) {
    TLinhaComando linha;
    if (argumentos.contains(QStringLiteral("--help")) || argumentos.contains(QStringLiteral("-h"))) {
        linha.acao = TAcao::ajuda;
        return linha;
    }
    if (argumentos.contains(QStringLiteral("--version"))) {
        linha.acao = TAcao::versao;
        return linha;
    }
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString& argumento = argumentos[i];
        QString nome;
        if (argumento.startsWith(QLatin1String("--game=")))
            nome = argumento.mid(7);
        else if (argumento == QLatin1String("--game") && i + 1 < argumentos.size())
            nome = argumentos[++i];
        else if (argumento == QLatin1String("--game"))
            return comErro(QStringLiteral("--game needs the name of a game"));
        else {
            linha.desconhecidos.append(argumento);
            continue;
        }
        linha.jogo = indiceJogo(nome);
        if (!linha.jogo)
            return comErro(QStringLiteral("unknown game '%1'").arg(nome));
    }
    return linha;
}

TLinhaComando TLinhaComando::semDesconhecidos() const {
    if (acao != TAcao::iniciar || desconhecidos.isEmpty())
        return *this;
    return comErro(QStringLiteral("unknown argument '%1'").arg(desconhecidos.first()));
}

QString TLinhaComando::textoVersao() {
    return Constantes::titulo + QLatin1Char(' ') + Constantes::versaoTexto;
}

QString TLinhaComando::textoAjuda() {
    return QStringLiteral("Usage: quillet6 [--game velmora|kraddle|gumbrel|lurrow]\n"
                          "Plays Velmora, Kraddle, Gumbrel and Lurrow in their own window.\n"
                          "\n"
                          "  --game NAME   open that game once the program has started\n"
                          "  --help        show this help and exit\n"
                          "  --version     show the version and exit\n");
}

int TLinhaComando::responder() const {
    switch (acao) {
    case TAcao::versao:
        std::printf("%s\n", qPrintable(textoVersao()));
        return 0;
    case TAcao::ajuda:
        std::printf("%s", qPrintable(textoAjuda()));
        return 0;
    case TAcao::erro:
        std::fprintf(stderr, "quillet6: %s\nTry 'quillet6 --help'.\n", qPrintable(erro));
        return 2;
    case TAcao::iniciar:
        break;
    }
    return 0;
}
