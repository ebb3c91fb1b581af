// r8ctl: the command-line tool over the same operations as the r8config window.
#include "r8ctl_app.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runR8ctl(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(), out,
                    err);
}
