// r8ctl: the command-line tool over the same operations as the r8config window.
#include "data_folders.h"
#include "r8ctl_app.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The same folder the window uses: its own, or the user's when installed.
    const QString dataFolder = DataFolders::prepareForThisProgram("r8ctl");
    if (dataFolder.isEmpty())
        return 1;
    return runR8ctl(QCoreApplication::arguments(), dataFolder, out, err);
}
