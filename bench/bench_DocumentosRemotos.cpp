// The largest documents the caps let through: processor time of preparing
// them on the loader's worker, and of their hand-over on the UI thread (the
// handler taking them over, the update notice box included), which must stay
// under 50 ms. Also one judgement against the bad-site list at its entry cap.
#include "app/unit_Principal.h"
#include "linkguard/unit_VigiaLinks.h"
#include "net/unit_Trabalhador.h"
#include "platform/unit_Aplicacao.h"
#include "platform/unit_CaixasMensagemQt.h"
#include "tests/support/unit_Falsos.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int repeticoes = 15;

// Host-like entries, as many as allowed, padded so that the list fills its byte cap.
QByteArray listaNosLimites() {
    const qsizetype entradas = TDocumentoRemoto::maxEntradasListaBadURLs;
    const qint64 porEntrada = TDocumentoRemoto::tamanhoMaximoListaBadURLs / entradas;
    QByteArray lista;
    lista.reserve(TDocumentoRemoto::tamanhoMaximoListaBadURLs);
    for (qsizetype i = 0; i < entradas; ++i) {
        QByteArray entrada = "morango-gratis-" + QByteArray::number(i) + "\\.com/";
        entrada += QByteArray(porEntrada - entrada.size() - 2, 'a') + "\r\n";
        lista += entrada;
    }
    return lista;
}

// Short lines up to the byte cap, the names read last of all.
QByteArray definicoesLinhasCurtas() {
    const QByteArray fim = "versao=602\nversaoStr=6.0.2\natualizacao=http://novo.example/q6\n";
    QByteArray documento;
    while (documento.size() + 3 + fim.size() <= TDocumentoRemoto::tamanhoMaximoDefinicoes)
        documento += "a=\n";
    return documento + fim;
}

// The longest version text the cap leaves, in words: shown in the update
// notice box and in the outdated about line.
QByteArray definicoesVersaoLonga() {
    QByteArray documento = "versao=602\natualizacao=http://novo.example/q6\nversaoStr=";
    while (documento.size() + 6 <= TDocumentoRemoto::tamanhoMaximoDefinicoes)
        documento += "6.0.2 ";
    return documento;
}

// Answers the real update notice box No as soon as it is up.
void responderNaoQuandoAbrir() {
    QTimer::singleShot(0, [] {
        if (auto* caixa = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            caixa->done(QMessageBox::No);
    });
}

double agoraMs() {
    timespec agora{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &agora);
    return agora.tv_sec * 1e3 + agora.tv_nsec / 1e6;
}

struct TTempos {
    double mediana;
    double maximo;
};

// `preparar` runs untimed before each timed `acao`.
TTempos medir(const std::function<void()>& preparar, const std::function<void()>& acao) {
    std::vector<double> tempos;
    for (int i = 0; i < repeticoes; ++i) {
        preparar();
        const double inicio = agoraMs();
        acao();
        tempos.push_back(agoraMs() - inicio);
    }
    std::sort(tempos.begin(), tempos.end());
    return {tempos[repeticoes / 2], tempos.back()};
}

void imprimir(const char* nome, const TTempos& tempos) {
    std::printf("%-54s %9.3f ms %9.3f ms\n", nome, tempos.mediana, tempos.maximo);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TAplicacao aplicacao(argc, argv);
    TServicosTeste teste;
    teste.servicos.mensagens = std::make_unique<TCaixasMensagemQt>();
    TPrincipal principal(std::move(teste.servicos));
    // The start-up download (to a closed local port) is over before anything is measured.
    if (!QTest::qWaitFor([] { return TTrabalhador::ativos() == 0; }, 10'000))
        return 1;

    const QByteArray lista = listaNosLimites();
    std::printf("bad-site list: %lld bytes, %lld entries; definitions: %lld bytes\n\n",
                static_cast<long long>(lista.size()),
                static_cast<long long>(TDocumentoRemoto::maxEntradasListaBadURLs),
                static_cast<long long>(TDocumentoRemoto::tamanhoMaximoDefinicoes));
    std::printf("%-54s %12s %12s\n", "processor time", "median", "max");

    TDocumentoRemoto documento;
    const auto prepararLista = [&] {
        documento = {};
        documento.preparar(TDocumentoRemoto::TTipo::listaBadURLs, lista,
                           [&](const QStringList& linhas) { return principal.prepararListaBadURLs(linhas); });
    };
    imprimir("worker: decode and compile the bad-site list", medir([] {}, prepararLista));
    imprimir("UI thread: carregamentoBadlist",
             medir(prepararLista, [&] { principal.carregamentoBadlist(documento, QString()); }));
    const QString inocente = QStringLiteral("http://www.exemplo-inocente.org/pagina/de/ajuda?x=1");
    imprimir("UI thread: one judgement against the list (no match)",
             medir([] {}, [&] { principal.verificarBadURL(inocente, inocente, {}); }));

    const struct {
        const char* nome;
        QByteArray corpo;
    } definicoes[] = {
        {"UI thread: carregamentoQLDef, short lines", definicoesLinhasCurtas()},
        {"UI thread: carregamentoQLDef, longest version text", definicoesVersaoLonga()},
    };
    for (const auto& [nome, corpo] : definicoes) {
        const auto prepararDefinicoes = [&] {
            documento = {};
            documento.preparar(TDocumentoRemoto::TTipo::definicoes, corpo);
            responderNaoQuandoAbrir();
        };
        // The update notice comes up and is answered No: the outdated about line is written.
        imprimir(nome, medir(prepararDefinicoes, [&] { principal.carregamentoQLDef(documento, QString()); }));
        imprimir("UI thread: one clipboard change (definitions read)",
                 medir([] {},
                       [&] {
                           teste.areaTransferencia->copiar(QStringLiteral("texto"));
                           principal.vigiaLinks->timerAreaTransferenciaTimer();
                       }));
    }
    std::printf("\nabout text: %lld characters\n",
                static_cast<long long>(principal.textoVersao->toPlainText().size()));
    std::fflush(nullptr);
    std::_Exit(0);
}
