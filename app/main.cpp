#include "messages.h"
#include "program.h"
#include "programlock.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Raravazo_Veveve"));
    QApplication::setQuitOnLastWindowClosed(false);

    const std::unique_ptr<QLockFile> lock = lockProgramFolder(AppFolders(MapaSustava()));
    if (!lock) {
        showMessage(nullptr, QStringLiteral("Program je već pokrenut."));
        return 1;
    }
    prepareProgramFolder();
    Program program;
    QObject::connect(&program.start, &Tfr_nk::FormClose, &application, &QApplication::quit,
                     Qt::QueuedConnection);
    program.start.show();
    return application.exec();
}
