#include "profile_seeding.h"

#include "profile_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace {

bool createCopy(const QByteArray &bytes, const QString &target) {
    QTemporaryFile temp(target + QStringLiteral(".XXXXXX"));
    if (!temp.open() || temp.write(bytes) != bytes.size() || !temp.flush())
        return false;
    // A temporary file is private to its owner; a profile file is not.
    temp.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    // rename() never replaces an existing file, so a profile created meanwhile wins. The
    // temporary file would otherwise remove the renamed one when it goes.
    temp.setAutoRemove(false);
    if (temp.rename(target))
        return true;
    temp.remove();
    return false;
}

} // namespace

QStringList seedMissingProfiles(const QString &folder) {
    QStringList created;
    QFile factory(QDir(folder).filePath(QStringLiteral("pD.bin")));
    if (!factory.open(QIODevice::ReadOnly))
        return created;
    const QByteArray bytes = factory.readAll();
    if (factory.error() != QFileDevice::NoError)
        return created;
    for (int i = 0; i < ProfileStore::kCount; ++i) {
        const QString target = QDir(folder).filePath(QStringLiteral("p%1.bin").arg(i + 1));
        if (!QFile::exists(target) && createCopy(bytes, target))
            created.append(target);
    }
    return created;
}
