#include "app/gui/CTavrinApp.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication qapp(argc, argv);
    CTavrinApp theApp;
    if (!theApp.InitInstance(QCoreApplication::arguments())) {
        std::fprintf(stderr, "%s\n", qPrintable(theApp.errorText()));
        return 2;
    }
    return qapp.exec();
}
