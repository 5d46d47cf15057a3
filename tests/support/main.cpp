#include "platform/unit_Aplicacao.h"

#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TAplicacao aplicacao(argc, argv);
    const int resultado = RUN_ALL_TESTS();
    // As the program does: workers still in flight (a download a test did not
    // wait for) do not meet the application's and the statics' destructors.
    std::fflush(nullptr);
    std::_Exit(resultado);
}
