#include "file_replace.h"

#include "atomic_replace.h"
#include "bounded_file.h"

bool replaceWithCopy(const QString &source, const QString &target, QString *error) {
    QByteArray bytes;
    QString reason;
    if (!BoundedFile::read(source, BoundedFile::kMaxDataFileBytes, &bytes, &reason)) {
        if (error)
            *error = QStringLiteral("cannot read '%1': %2").arg(source, reason);
        return false;
    }
    if (!AtomicReplace::write(target, bytes, &reason)) {
        if (error)
            *error = QStringLiteral("cannot write '%1': %2").arg(target, reason);
        return false;
    }
    return true;
}
