// Cost of reading a setting from settings files up to the size limit and
// beyond it: the first read (reading and parsing), a read within two seconds of
// the file's last change (its bytes read again and compared), a read once the
// file's state vouches for it (no reading at all), and a write.
#include "core/unit_ArquivoConfig.h"

#include <QByteArray>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <thread>
#include <vector>

namespace {

constexpr int repeticoes = 15;
const QString secao = QStringLiteral("Quillet");

double agoraMs(clockid_t relogio) {
    timespec agora{};
    clock_gettime(relogio, &agora);
    return agora.tv_sec * 1e3 + agora.tv_nsec / 1e6;
}

// Median processor time of this thread (so that other programs sharing the
// machine do not count) and median wall time, in milliseconds.
std::pair<double, double> medianasMs(const std::function<void()>& acao) {
    std::vector<double> cpu, parede;
    for (int i = 0; i < repeticoes; ++i) {
        const double cpu0 = agoraMs(CLOCK_THREAD_CPUTIME_ID);
        const double parede0 = agoraMs(CLOCK_MONOTONIC);
        acao();
        cpu.push_back(agoraMs(CLOCK_THREAD_CPUTIME_ID) - cpu0);
        parede.push_back(agoraMs(CLOCK_MONOTONIC) - parede0);
    }
    std::nth_element(cpu.begin(), cpu.begin() + repeticoes / 2, cpu.end());
    std::nth_element(parede.begin(), parede.begin() + repeticoes / 2, parede.end());
    return {cpu[repeticoes / 2], parede[repeticoes / 2]};
}

enum class TLinhas { curtas, minimas, vazias, unica };

// The section with the key last, after about `tamanho` bytes of other settings:
// lines of some 40 bytes, keys of two bytes ("=\n"), empty lines or a single line.
QByteArray arquivoDe(qint64 tamanho, TLinhas linhas) {
    QByteArray bytes = "[Quillet]\r\n";
    const QByteArray fim = "idioma=EN\r\n";
    const qint64 resto = tamanho - bytes.size() - fim.size();
    switch (linhas) {
    case TLinhas::unica:
        return bytes + "grande=" + QByteArray(resto - 9, 'x') + "\r\n" + fim;
    case TLinhas::minimas:
        return bytes + QByteArray("=\n").repeated(resto / 2) + fim;
    case TLinhas::vazias:
        return bytes + QByteArray(resto, '\n') + fim;
    case TLinhas::curtas:
        break;
    }
    for (int i = 0; bytes.size() + fim.size() + 40 < tamanho; ++i) {
        const QByteArray n = QByteArray::number(i);
        bytes += "chave" + n + "=valor de exemplo numero " + n + "\r\n";
    }
    return bytes + fim;
}

QByteArray emUtf16(const QByteArray& bytes) {
    return QStringEncoder(QStringEncoder::Utf16LE,
                          QStringEncoder::Flag::WriteBom)(QString::fromLatin1(bytes));
}

void medir(const char* nome, const QByteArray& bytes, const QString& caminho) {
    QFile arquivo(caminho);
    arquivo.open(QIODevice::WriteOnly | QIODevice::Truncate);
    arquivo.write(bytes);
    arquivo.close();
    const auto linha = [](const char* etapa, std::pair<double, double> ms) {
        std::printf("    %-34s %8.2f ms cpu %8.2f ms wall\n", etapa, ms.first, ms.second);
    };
    std::printf("%s, %.2f MiB: idioma reads \"%s\"\n", nome, bytes.size() / 1048576.0,
                qPrintable(TArquivoConfig(caminho).ReadString(secao, QStringLiteral("idioma"), "-")));
    TArquivoConfig config(caminho);
    config.ReadString(secao, QStringLiteral("idioma"), {});
    linha("read again, file just changed",
          medianasMs([&] { config.ReadString(secao, QStringLiteral("idioma"), {}); }));
    linha("first read (read and parse)",
          medianasMs([&] { TArquivoConfig(caminho).ReadString(secao, QStringLiteral("idioma"), {}); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    config.ReadString(secao, QStringLiteral("idioma"), {});
    linha("read again, file unchanged for 2 s",
          medianasMs([&] { config.ReadString(secao, QStringLiteral("idioma"), {}); }));
    if (bytes.size() <= TArquivoConfig::tamanhoMaximo)
        linha("write one key (then read it)", medianasMs([&] {
                  config.WriteString(secao, QStringLiteral("idioma"), QStringLiteral("EN"));
                  config.ReadString(secao, QStringLiteral("idioma"), {});
              }));
}

} // namespace

int main() {
    QTemporaryDir pasta;
    const QString caminho = pasta.filePath(QStringLiteral("config.ini"));
    const qint64 limite = TArquivoConfig::tamanhoMaximo;
    std::printf("size limit: %lld bytes\n\n", static_cast<long long>(limite));
    medir("the program's own file", arquivoDe(200, TLinhas::curtas), caminho);
    medir("40-byte lines at the limit", arquivoDe(limite, TLinhas::curtas), caminho);
    medir("2-byte keys at the limit", arquivoDe(limite, TLinhas::minimas), caminho);
    medir("empty lines at the limit", arquivoDe(limite, TLinhas::vazias), caminho);
    medir("one line at the limit", arquivoDe(limite, TLinhas::unica), caminho);
    medir("40-byte lines at the limit, UTF-16", emUtf16(arquivoDe(limite / 2 - 2, TLinhas::curtas)), caminho);
    medir("50 MB of 40-byte lines (over the limit)", arquivoDe(50'000'000, TLinhas::curtas), caminho);
    return 0;
}
