#include "language_stamp.h"

#include "language_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace {
bool isSectionHeader(const QString &line) {
    return line.trimmed().startsWith(QLatin1Char('['));
}
} // namespace

bool stampLanguageFile(const QString &path, bool *changed, QString *error) {
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        if (error)
            *error = in.errorString();
        return false;
    }
    const LanguageFile file = LanguageFile::read(path);
    const QString checksum = file.expectedChecksum();
    if (changed)
        *changed = file.storedChecksum != checksum;

    QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    in.close();
    static const QRegularExpression csKey(QStringLiteral("^\\s*cs\\s*="));
    const QString stamped = QStringLiteral("cs=") + checksum;

    int fontHeader = -1;
    bool done = false;
    for (int i = 0; i < lines.size() && !done; ++i) {
        if (isSectionHeader(lines[i])) {
            if (fontHeader >= 0) { // the font section ended without a cs line
                lines.insert(i, stamped);
                done = true;
            } else if (lines[i].trimmed().compare(QStringLiteral("[font]"), Qt::CaseInsensitive) ==
                       0) {
                fontHeader = i;
            }
        } else if (fontHeader >= 0 && csKey.match(lines[i]).hasMatch()) {
            const bool crlf = lines[i].endsWith(QLatin1Char('\r'));
            lines[i] = stamped + (crlf ? QStringLiteral("\r") : QString());
            done = true;
        }
    }
    if (!done) {
        if (fontHeader < 0) {
            if (!lines.isEmpty() && lines.last().isEmpty())
                lines.removeLast();
            lines << QStringLiteral("[font]");
        }
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.insert(lines.size() - 1, stamped);
        else
            lines << stamped << QString();
    }

    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(lines.join(QLatin1Char('\n')).toUtf8()) < 0 ||
        !out.commit()) {
        if (error)
            *error = out.errorString();
        return false;
    }
    return true;
}
