#include "platform/unit_Aplicacao.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>

// Allocations the system font library and the browser library (the player
// on the SWF engine) keep for the whole process.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\nleak:libQt6WebEngineCore\n";
}
#endif

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QUILLET_DADOS"))
        qputenv("QUILLET_DADOS", QUILLET_PASTA_BUILD);
    ::testing::InitGoogleTest(&argc, argv);
    TAplicacao aplicacao(argc, argv);
    const int resultado = RUN_ALL_TESTS();
    // As the program does: workers still in flight (a download a test did not
    // wait for) do not meet the application's and the statics' destructors.
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // Leaving with _Exit skips the leak check a sanitized build runs at exit.
    if (__lsan_do_recoverable_leak_check() != 0)
        std::_Exit(1);
#endif
    std::_Exit(resultado);
}
