#include "language_stamp.h"

#include "atomic_replace.h"
#include "bounded_file.h"
#include "language_file.h"

#include <QByteArrayList>

namespace {

// The file is edited as bytes: every line but the checksum stays byte for byte as written,
// text that is not valid UTF-8 included.
bool isSectionHeader(const QByteArray &line) {
    return line.trimmed().startsWith('[');
}

bool isChecksumLine(const QByteArray &line) {
    const QByteArray t = line.trimmed();
    if (!t.startsWith("cs"))
        return false;
    return t.mid(2).trimmed().startsWith('=');
}

} // namespace

bool stampLanguageFile(const QString &path, bool *changed, QString *error) {
    QByteArray contents;
    QString reason;
    if (!BoundedFile::read(path, LanguageFile::kMaxFileBytes, &contents, &reason)) {
        if (error)
            *error = QStringLiteral("cannot read '%1': %2").arg(path, reason);
        return false;
    }
    const LanguageFile file = LanguageFile::read(path);
    const QString checksum = file.expectedChecksum();
    if (changed)
        *changed = file.storedChecksum != checksum;

    QByteArrayList lines = contents.split('\n');
    const QByteArray stamped = "cs=" + checksum.toLatin1();
    int fontHeader = -1;
    bool done = false;
    for (int i = 0; i < lines.size() && !done; ++i) {
        if (isSectionHeader(lines[i])) {
            if (fontHeader >= 0) { // the font section ended without a cs line
                lines.insert(i, stamped);
                done = true;
            } else if (lines[i].trimmed().toLower() == "[font]") {
                fontHeader = i;
            }
        } else if (fontHeader >= 0 && isChecksumLine(lines[i])) {
            lines[i] = stamped + (lines[i].endsWith('\r') ? "\r" : "");
            done = true;
        }
    }
    if (!done) {
        if (fontHeader < 0) {
            if (!lines.isEmpty() && lines.last().isEmpty())
                lines.removeLast();
            lines << "[font]";
        }
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.insert(lines.size() - 1, stamped);
        else
            lines << stamped << QByteArray();
    }

    // The stamped file must read back as valid before it replaces the old one; a header
    // the reader does not take for [font] (such as [FONT]) or a second [font] section would
    // leave it failing its check.
    const auto readsValid = [&](const QString &written, QString *why) {
        const LanguageFile check = LanguageFile::read(written);
        if (check.passesCheck())
            return true;
        *why = QStringLiteral("the stamp would not make it valid: font/cs would read '%1' where "
                              "its strings need '%2' (is the [font] header written otherwise, "
                              "or is there a second [font] section?)")
                   .arg(check.storedChecksum, check.expectedChecksum());
        return false;
    };
    if (!AtomicReplace::write(path, lines.join('\n'), &reason, readsValid)) {
        if (error)
            *error = QStringLiteral("cannot stamp '%1': %2").arg(path, reason);
        if (changed)
            *changed = false;
        return false;
    }
    return true;
}
