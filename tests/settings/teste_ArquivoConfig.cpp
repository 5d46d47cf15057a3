#include "settings/unit_ArquivoConfig.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ArquivoConfig, ArquivoAusenteDaOPadrao) {
    QTemporaryDir pasta;
    TArquivoConfig config(pasta.filePath(QStringLiteral("config.ini")));
    EXPECT_EQ(config.ReadInteger(QStringLiteral("Quillet"), QStringLiteral("wmodeFlash"), 1), 1);
}
