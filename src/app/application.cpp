#include "application.h"

#include <QApplication>

namespace stagepath {
int runApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return 0;
}
}
