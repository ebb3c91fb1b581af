// r8_lang_stamp: writes the matching `font/cs` checksum into language files.
//
//   r8_lang_stamp data/modules/i18n/lang_*.ini     stamp each file
//   r8_lang_stamp --check FILE...                  report files whose checksum is wrong,
//                                                  exit 1 if there is any
#include "language_file.h"
#include "language_stamp.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QStringList files = app.arguments().mid(1);
    const bool checkOnly = !files.isEmpty() && files.first() == QStringLiteral("--check");
    if (checkOnly)
        files.removeFirst();
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: r8_lang_stamp [--check] lang_LLLCCC.ini...\n");
        return 2;
    }
    int failures = 0;
    for (const QString &path : std::as_const(files)) {
        const QByteArray name = path.toLocal8Bit();
        if (checkOnly) {
            const LanguageFile file = LanguageFile::read(path);
            if (!file.passesCheck()) {
                std::printf("%s: cs=%s, needs %s\n", name.constData(),
                            file.storedChecksum.toUtf8().constData(),
                            file.expectedChecksum().toUtf8().constData());
                ++failures;
            }
            continue;
        }
        bool changed = false;
        QString error;
        if (!stampLanguageFile(path, &changed, &error)) {
            std::fprintf(stderr, "%s: %s\n", name.constData(), error.toLocal8Bit().constData());
            ++failures;
        } else {
            std::printf("%s: %s\n", name.constData(), changed ? "stamped" : "unchanged");
        }
    }
    return failures == 0 ? 0 : 1;
}
