#include "data_folders.h"

#include "r8_build_info.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdio>

namespace {

enum class Kind {
    Link,        // a link to the installation's file or folder
    LinkEach,    // a folder of the user's with a link to each of the installation's files
    CopyMissing, // a folder of the user's, factory files copied where missing
    MakeFolder,  // a folder of the user's
};

struct Entry {
    const char *path; // below modules/
    Kind kind;
};

// Links come before the folder copy that shares their folder, so that the copy finds them.
constexpr Entry kEntries[] = {
    {"img", Kind::Link},
    {"media", Kind::Link},
    {"i18n", Kind::LinkEach},
    {"setting/pD.bin", Kind::Link},
    {"setting/apConfigD.bin", Kind::Link},
    {"setting", Kind::CopyMissing},
    {"macro", Kind::MakeFolder},
};

bool isLink(const QString &path) {
    return QFileInfo(path).isSymLink();
}

// Points `link` at `target`. A real file or folder of the user's in its place is kept; a
// link that points elsewhere (an older installation) is re-pointed, one whose target is gone
// is removed.
bool refreshLink(const QString &target, const QString &link) {
    const QFileInfo current(link);
    const bool targetExists = QFileInfo::exists(target);
    if (current.isSymLink()) {
        if (targetExists && current.symLinkTarget() == target)
            return true;
        if (!QFile::remove(link))
            return false;
    } else if (current.exists()) {
        return true;
    }
    if (!targetExists)
        return true;
    return QDir().mkpath(current.absolutePath()) && QFile::link(target, link);
}

bool linkEach(const QString &from, const QString &to) {
    if (!QDir().mkpath(to))
        return false;
    bool ok = true;
    const QDir factory(from);
    for (const QString &name : factory.entryList(QDir::Files))
        ok = refreshLink(factory.filePath(name), to + QLatin1Char('/') + name) && ok;
    // Links to files a newer installation no longer ships.
    const QDir user(to);
    for (const QString &name : user.entryList(QDir::Files | QDir::System)) {
        const QString path = user.filePath(name);
        if (isLink(path) && !QFileInfo::exists(path))
            ok = QFile::remove(path) && ok;
    }
    return ok;
}

bool copyMissing(const QString &from, const QString &to) {
    if (!QDir().mkpath(to))
        return false;
    bool ok = true;
    const QDir factory(from);
    for (const QString &name : factory.entryList(QDir::Files)) {
        const QString target = to + QLatin1Char('/') + name;
        if (QFileInfo::exists(target) || isLink(target))
            continue;
        // The installation's files may be read-only; the user's copy must take saves.
        ok = QFile::copy(factory.filePath(name), target) &&
             QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ReadOwner |
                                               QFileDevice::WriteOwner) &&
             ok;
    }
    return ok;
}

} // namespace

DataFolders DataFolders::locate(const QString &programFolder, const QString &userDataHome) {
    DataFolders folders;
    const QString program = QDir::cleanPath(QDir(programFolder).absolutePath());
    const QFileInfo beside(program + QStringLiteral("/modules"));
    if (beside.isDir() && beside.isWritable()) {
        folders.m_userFolder = program;
        folders.m_factoryFolder = program;
        return folders;
    }
    folders.m_installed = true;
    folders.m_userFolder = QDir::cleanPath(QDir(userDataHome).absolutePath()) +
                           QStringLiteral("/") + QLatin1String(R8BuildInfo::kDataFolderName);
    folders.m_factoryFolder =
        QDir::cleanPath(program + QLatin1Char('/') + QLatin1String(R8BuildInfo::kDataFromBin));
    // A read-only copy with its files beside it and no installation around it.
    if (!QFileInfo(folders.m_factoryFolder + QStringLiteral("/modules")).isDir() && beside.isDir())
        folders.m_factoryFolder = program;
    return folders;
}

DataFolders DataFolders::forThisProgram() {
    return locate(QCoreApplication::applicationDirPath(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
}

QString DataFolders::factoryFile(const QString &relative) const {
    return m_factoryFolder + QLatin1Char('/') + relative;
}

bool DataFolders::prepare(QString *error, QString *warning) const {
    if (!m_installed)
        return true;
    const QString to = m_userFolder + QStringLiteral("/modules");
    if (!QDir().mkpath(to)) {
        *error = QStringLiteral("cannot create the folder %1").arg(to);
        return false;
    }
    const QString from = m_factoryFolder + QStringLiteral("/modules");
    if (!QFileInfo(from).isDir() && warning)
        *warning = QStringLiteral("no factory files in %1: starting without them").arg(from);
    QStringList failed;
    for (const Entry &e : kEntries) {
        const QString source = from + QLatin1Char('/') + QLatin1String(e.path);
        const QString target = to + QLatin1Char('/') + QLatin1String(e.path);
        bool ok = true;
        switch (e.kind) {
        case Kind::Link:
            ok = refreshLink(source, target);
            break;
        case Kind::LinkEach:
            ok = linkEach(source, target);
            break;
        case Kind::CopyMissing:
            ok = copyMissing(source, target);
            break;
        case Kind::MakeFolder:
            ok = QDir().mkpath(target);
            break;
        }
        if (!ok)
            failed.append(target);
    }
    if (!failed.isEmpty()) {
        *error = QStringLiteral("cannot prepare %1").arg(failed.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

QString DataFolders::prepareForThisProgram(const char *programName) {
    const DataFolders folders = forThisProgram();
    QString error;
    QString warning;
    if (!folders.prepare(&error, &warning)) {
        std::fprintf(stderr, "%s: %s\n", programName, qPrintable(error));
        return QString();
    }
    if (!warning.isEmpty())
        std::fprintf(stderr, "%s: %s\n", programName, qPrintable(warning));
    return folders.userFolder();
}

QString installedFactoryFile(const QString &relative) {
    return DataFolders::forThisProgram().factoryFile(relative);
}
