#include "platform/Idioma.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    // Window tests never need a screen.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvella"));
    QApplication::setOrganizationName(QStringLiteral("Orvella"));
    // As the program starts.
    InstalarIdioma();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
