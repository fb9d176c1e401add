#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Raravazo_Veveve"));
    QApplication::setQuitOnLastWindowClosed(false);

    prepareProgramFolder();
    Program program;
    QObject::connect(&program.start, &Tfr_nk::FormClose, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start.show();
    return application.exec();
}
