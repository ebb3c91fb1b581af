#include "language_file.h"

#include "bounded_file.h"
#include "language_checksum.h"

#include <QSettings>

namespace {
// The INI reader turns an unquoted value with commas into a list; a language text is one
// string, so such a value is put back together the way it was written.
QString textOf(const QVariant &value) {
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", ")).left(LanguageFile::kMaxTextLength);
    return value.toString().left(LanguageFile::kMaxTextLength);
}
} // namespace

qint64 LanguageFile::stringsLength() const {
    qint64 total = 0;
    for (const QString &s : strings)
        total += s.size();
    return total;
}

QString LanguageFile::expectedChecksum() const {
    return languageChecksum(stringsLength());
}

LanguageFile LanguageFile::read(const QString &path) {
    LanguageFile file;
    // The settings library reads the whole file before it answers a single key.
    if (!BoundedFile::isRegularWithin(path, kMaxFileBytes))
        return file;
    // Qt 6 reads INI files as UTF-8.
    QSettings ini(path, QSettings::IniFormat);
    file.fontFamily = textOf(ini.value(QStringLiteral("font/family")));
    const int total = qBound(0, ini.value(QStringLiteral("font/total")).toInt(), kMaxStrings);
    file.storedChecksum = textOf(ini.value(QStringLiteral("font/cs")));
    file.strings.reserve(total);
    for (int k = 1; k <= total; ++k)
        file.strings.append(textOf(ini.value(QStringLiteral("strings/%1").arg(k))));
    for (int i = 0; i < kMessageCount; ++i)
        file.messages.append(textOf(ini.value(QStringLiteral("msg/%1").arg(i))));
    for (int i = 0; i < kLayoutCount; ++i)
        file.layoutStrings.append(textOf(ini.value(QStringLiteral("R8_5D0E4B1/%1").arg(i))));
    return file;
}
