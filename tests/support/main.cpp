#include "platform/unit_Aplicacao.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    TAplicacao aplicacao(argc, argv);
    return RUN_ALL_TESTS();
}
