// The anchor of bench_custo_motor: bare Ruffle in a plain browser view, a
// program that links Qt WebEngine and nothing of Quillet. A QWebEngineView
// with its own off-the-record QWebEngineProfile (its data in memory only, so
// every run starts cold) loads the page at the address it is given, in an
// 840 x 626 window at the screen's top-left corner. It prints "movie" and the
// monotonic time in nanoseconds when it starts loading.
// Usage: bench_ancora_ruffle <page address>
#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    QApplication aplicacao(argc, argv);
    auto* perfil = new QWebEngineProfile(&aplicacao);
    QWebEngineView visao;
    visao.setPage(new QWebEnginePage(perfil, &visao));
    visao.setGeometry(0, 0, 840, 626);
    visao.show();
    timespec agora{};
    clock_gettime(CLOCK_MONOTONIC, &agora);
    std::printf("movie %lld\n", static_cast<long long>(agora.tv_sec) * 1000000000 + agora.tv_nsec);
    std::fflush(stdout);
    visao.load(QUrl(QString::fromUtf8(argv[1])));
    return aplicacao.exec();
}
