// r8ctl's argument lists: any words after the program name, one word per input line, run
// against the virtual mouse or without a device, on a fresh copy of the factory files.
//
// Words that could name a file outside the scratch folder (a path separator, ".", "..",
// "~") are left out of the run: the tool writes where it is told, and a fuzzer must not.
#include "fuzz_support.h"
#include "r8ctl_app.h"

#include <QDirIterator>
#include <QTextStream>

#include <cstdlib>

namespace {

void copyTree(const QString &from, const QString &to) {
    QDir(to).removeRecursively();
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

bool harmless(const QString &word) {
    return !word.contains(QLatin1Char('/')) && word != QLatin1String(".") &&
           word != QLatin1String("..") && !word.startsWith(QLatin1Char('~'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ensureApp();
    QStringList words = QString::fromUtf8(fuzz::bytes(data, size)).split(QLatin1Char('\n'));
    if (words.size() > 16)
        return 0;
    for (const QString &word : words)
        if (!harmless(word))
            return 0;

    const QString program = fuzz::scratch() + QStringLiteral("/program");
    const QString user = fuzz::scratch() + QStringLiteral("/user");
    const QString factory = QStringLiteral(R8_FUZZ_MODULES);
    static bool languages = false;
    if (!languages) {
        copyTree(factory + QStringLiteral("/i18n"), program + QStringLiteral("/modules/i18n"));
        languages = true;
    }
    copyTree(factory + QStringLiteral("/setting"), program + QStringLiteral("/modules/setting"));
    QDir(program + QStringLiteral("/modules/macro")).removeRecursively();
    QDir(user).removeRecursively();
    QDir().mkpath(user);
    const QString previous = QDir::currentPath();
    QDir::setCurrent(user);

    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const int code = runR8ctl(QStringList{QStringLiteral("r8ctl")} + words, program, out, err);
    QDir::setCurrent(previous);
    if (code < 0 || code > 2)
        std::abort();
    return 0;
}
