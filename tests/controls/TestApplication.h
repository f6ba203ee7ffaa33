// The one Qt application the widget tests of this folder share.
#pragma once

#include <QApplication>

inline QApplication& TestApplication() {
    static int argc = 1;
    static char name[] = "test_controls";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}
