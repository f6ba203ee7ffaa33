// The one Qt application of a widget test program.
#pragma once

#include <QApplication>

inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "wave-widget-tests";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}
