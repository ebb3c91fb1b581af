#include "profile_store.h"

#include "file_replace.h"

#include <QSettings>

namespace {

QSettings *openProfile(const QString &fileName) {
    return new QSettings(fileName, QSettings::IniFormat);
}

void appendEntries(QVariantList &out, const QSettings &settings, const QString &key) {
    out.append(settingsList(settings.value(key)));
}

} // namespace

QVariantList settingsList(const QVariant &value) {
    if (!value.isValid())
        return {};
    if (value.metaType().id() == QMetaType::QVariantList)
        return value.toList();
    // toList() would split a lone text into characters (Qt 6); toStringList() keeps it whole.
    QVariantList entries;
    const QStringList texts = value.toStringList();
    for (const QString &text : texts)
        entries.append(text);
    return entries;
}

ProfileStore::ProfileStore(const QString &folder) : m_folder(folder) {
    for (int i = 0; i < kCount; ++i)
        m_profiles.append(openProfile(profileFileName(i)));
}

ProfileStore::~ProfileStore() {
    // Deleting a settings object writes out what it still buffers.
    qDeleteAll(m_profiles);
}

bool ProfileStore::select(int index) {
    if (!isValidIndex(index) || index == m_current)
        return false;
    m_current = index;
    return true;
}

QSettings *ProfileStore::profile(int index) const {
    return isValidIndex(index) ? m_profiles[index] : nullptr;
}

QString ProfileStore::profileFileName(int index) const {
    return QStringLiteral("%1/p%2.bin").arg(m_folder).arg(index + 1);
}

QString ProfileStore::defaultFileName() const {
    return m_folder + QStringLiteral("/pD.bin");
}

bool ProfileStore::commit(QString *failedFile) {
    bool ok = true;
    for (QSettings *profile : std::as_const(m_profiles)) {
        profile->sync();
        // Only a failed write is a failure here; a file the reader found malformed
        // (FormatError) is no reason to fail every later command.
        if (profile->status() == QSettings::AccessError && ok) {
            ok = false;
            if (failedFile)
                *failedFile = profile->fileName();
        }
    }
    return ok;
}

void ProfileStore::write(const QString &key, const QVariant &value) {
    current()->setValue(key, value);
}

QVariant ProfileStore::read(const QString &key, const QVariant &missing) const {
    return current()->value(key, missing);
}

bool ProfileStore::replaceFromFile(int index, const QString &source, QString *error) {
    if (!isValidIndex(index))
        return false;
    QSettings *old = m_profiles[index];
    // Flush first: a buffered change written later by the old object would be merged into
    // the new file.
    old->sync();
    if (!replaceWithCopy(source, profileFileName(index), error))
        return false;
    delete old;
    m_profiles[index] = openProfile(profileFileName(index));
    return true;
}

bool ProfileStore::exportToFile(int index, const QString &target, QString *error) {
    if (!isValidIndex(index))
        return false;
    m_profiles[index]->sync();
    return replaceWithCopy(profileFileName(index), target, error);
}

QVariantList ProfileStore::defaultList(int pageId) const {
    const QSettings defaults(defaultFileName(), QSettings::IniFormat);
    QVariantList list;
    switch (pageId) {
    case 0:
        for (int n = 0; n < 16; ++n)
            appendEntries(list, defaults, QStringLiteral("keydefine_R8/%1").arg(n));
        break;
    case 2:
        appendEntries(list, defaults, QStringLiteral("color_R8/type0"));
        appendEntries(list, defaults, QStringLiteral("color_R8/ledEffect"));
        break;
    case 3:
        list.append(defaults.value(QStringLiteral("sensor/reportRate_R8"), 2).toInt());
        list.append(defaults.value(QStringLiteral("sensor/cursorSpeed_R8"), 5).toInt());
        list.append(defaults.value(QStringLiteral("sensor/verticalScrollLines_R8"), 2).toInt());
        list.append(defaults.value(QStringLiteral("sensor/doubleClickSpeed_R8"), 5).toInt());
        appendEntries(list, defaults, QStringLiteral("sensor/dpi_R8"));
        list.append(defaults.value(QStringLiteral("sensor/stage_R8"), 2).toInt());
        appendEntries(list, defaults, QStringLiteral("color_R8/type1"));
        appendEntries(list, defaults, QStringLiteral("color_R8/type2"));
        break;
    default:
        break;
    }
    return list;
}
