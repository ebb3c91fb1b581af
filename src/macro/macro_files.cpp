#include "macro_files.h"

#include "bounded_file.h"
#include "file_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString kIndexKey = QStringLiteral("config/index");
const QString kTotalKey = QStringLiteral("config/total");
const QString kRepeatKey = QStringLiteral("config/repeat");
const QString kDidKey = QStringLiteral("config/did");

// The INI reader turns an unquoted value with commas into a list (a hand-edited "; :" line
// would); the line is one text, so put it back together as written.
QString textOf(const QVariant &value) {
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// A line break or an escape sequence in a name garbles every listing that shows it (and a
// NUL cuts the file name short).
bool hasControlCharacter(const QString &name) {
    for (QChar c : name)
        if (c.category() == QChar::Other_Control)
            return true;
    return false;
}

// The settings library reads a whole file before it answers: a huge file dropped into the
// folder reads as an empty macro instead of holding up the program.
bool readable(const QString &path) {
    return BoundedFile::isRegularWithin(path, BoundedFile::kMaxDataFileBytes);
}

bool sameFile(const QString &a, const QString &b) {
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

} // namespace

MacroFiles::MacroFiles(QString folder) : m_folder(std::move(folder)) {}

QString MacroFiles::filePath(const QString &name) const {
    // A name beginning with "." (the empty name too: ".bin") is a hidden file, which no
    // listing shows: a macro the user could never find again.
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')) || hasControlCharacter(name))
        return QString();
    const QString path = m_folder + QLatin1Char('/') + name + QStringLiteral(".bin");
    // Without separators the file sits directly in the folder; this guards the rule itself.
    if (QFileInfo(path).absolutePath() != QFileInfo(m_folder).absoluteFilePath())
        return QString();
    return path;
}

bool MacroFiles::exists(const QString &name) const {
    const QString path = filePath(name);
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString MacroFiles::createMacroIni() const {
    QDir().mkpath(m_folder);
    QString name;
    for (int n = 1;; ++n) {
        name = QStringLiteral("Macro. %1").arg(n, 3, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(filePath(name)))
            break;
    }
    QSettings ini(filePath(name), QSettings::IniFormat);
    ini.setValue(kIndexKey, -1);
    ini.setValue(kTotalKey, 0);
    ini.setValue(kRepeatKey, 1);
    ini.setValue(kDidKey, -1);
    ini.sync();
    return ini.status() == QSettings::NoError && exists(name) ? name : QString();
}

QStringList MacroFiles::getMacroIniNames() const {
    // Name filters ignore case unless told otherwise; "M.BIN" is no file that "M" opens.
    QStringList names =
        QDir(m_folder).entryList({QStringLiteral("*.bin")}, QDir::Files | QDir::CaseSensitive,
                                 QDir::Name | QDir::IgnoreCase);
    // Nor does a name with a control character open anything.
    names.removeIf([this](const QString &file) { return filePath(file.chopped(4)).isEmpty(); });
    return names;
}

QStringList MacroFiles::loadMacroIni(const QString &name) const {
    if (!exists(name) || !readable(filePath(name)))
        return {};
    QSettings ini(filePath(name), QSettings::IniFormat);
    const int total = qBound(0, ini.value(kTotalKey).toInt(), kMaxLines);
    QStringList lines;
    lines.reserve(total);
    for (int i = 0; i < total; ++i)
        lines.append(textOf(ini.value(QStringLiteral("macro/%1").arg(i), QStringLiteral("0"))));
    return lines;
}

bool MacroFiles::saveMacroIni(const QString &name, const QStringList &lines) const {
    if (!exists(name))
        return false;
    QSettings ini(filePath(name), QSettings::IniFormat);
    ini.remove(QStringLiteral("macro"));
    ini.setValue(kTotalKey, int(lines.size()));
    for (int i = 0; i < lines.size(); ++i)
        ini.setValue(QStringLiteral("macro/%1").arg(i), lines[i]);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

QVariantList MacroFiles::loadMacroIniConfig(const QString &name, int deviceType) const {
    if (!exists(name))
        return {};
    if (!readable(filePath(name)))
        return {-1, 1};
    QSettings ini(filePath(name), QSettings::IniFormat);
    const int did = ini.value(kDidKey, -1).toInt();
    const int index = did == deviceType ? ini.value(kIndexKey, -1).toInt() : -1;
    return {index, ini.value(kRepeatKey, 1).toInt()};
}

void MacroFiles::setMacroIniConfig(const QString &name, const QVariantList &config,
                                   int deviceType) const {
    // A short list would store made-up values; a slot and a count are both needed.
    if (!exists(name) || config.size() < 2)
        return;
    QSettings ini(filePath(name), QSettings::IniFormat);
    ini.setValue(kIndexKey, config[0].toInt());
    ini.setValue(kRepeatKey, config[1].toInt());
    ini.setValue(kDidKey, deviceType);
}

int MacroFiles::slotIndex(const QString &name) const {
    if (!exists(name) || !readable(filePath(name)))
        return -1;
    return QSettings(filePath(name), QSettings::IniFormat).value(kIndexKey, -1).toInt();
}

quint16 MacroFiles::repeatCount(const QString &name) const {
    if (!exists(name) || !readable(filePath(name)))
        return 1;
    const QVariant repeat = QSettings(filePath(name), QSettings::IniFormat).value(kRepeatKey, 1);
    return static_cast<quint16>(repeat.toLongLong());
}

bool MacroFiles::deleteMacroIni(const QString &name) const {
    return exists(name) && QFile::remove(filePath(name));
}

bool MacroFiles::renameMacroIniFile(const QString &oldName, const QString &newName) const {
    const QString target = filePath(newName);
    if (!exists(oldName) || target.isEmpty())
        return false;
    return QFile::rename(filePath(oldName), target); // fails when the target exists
}

bool MacroFiles::importFile(const QString &name, const QString &source, QString *error) const {
    if (!exists(name) || source.isEmpty())
        return false;
    return sameFile(source, filePath(name)) || replaceWithCopy(source, filePath(name), error);
}

bool MacroFiles::exportFile(const QString &name, const QString &target, QString *error) const {
    if (!exists(name) || target.isEmpty())
        return false;
    return sameFile(filePath(name), target) || replaceWithCopy(filePath(name), target, error);
}
