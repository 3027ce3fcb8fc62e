// The main() of every window test: a home folder of its own for what the program keeps, the program's
// title and font substitutes, as start-up sets them, then the test object's slots.
#pragma once

#include <QApplication>
#include <QTest>

#include "Fonts.h"
#include "FreshHome.h"
#include "OrbitekApplication.h"

#define ORBITEK_WINDOW_TEST_MAIN(TestObject)                                                                           \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        const FreshHome home;                                                                                          \
        QApplication app(argc, argv);                                                                                  \
        SetApplicationTitle();                                                                                         \
        InstallFontSubstitutes();                                                                                      \
        TestObject test;                                                                                               \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
