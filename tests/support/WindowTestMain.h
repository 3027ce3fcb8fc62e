// The main() of every window test: the program's title and font substitutes, as start-up sets them,
// then the test object's slots.
#pragma once

#include <QApplication>
#include <QTest>

#include "Fonts.h"
#include "OrbitekApplication.h"

#define ORBITEK_WINDOW_TEST_MAIN(TestObject)                                                                           \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        QApplication app(argc, argv);                                                                                  \
        SetApplicationTitle();                                                                                         \
        InstallFontSubstitutes();                                                                                      \
        TestObject test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
