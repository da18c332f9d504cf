#pragma once

// For the targets that need widgets: one offscreen application for the run.

#include <QApplication>
#include <cstdlib>

namespace fuzz {

inline void widgetApp()
{
    static QApplication *app = [] {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    (void)app;
}

} // namespace fuzz
