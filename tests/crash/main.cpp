#include "skriver.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The test starts this same program as the writer it kills.
    if (argc == 3 && QByteArray(argv[1]) == "--skriver")
        return skriverLoekke(QString::fromLocal8Bit(argv[2]));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
