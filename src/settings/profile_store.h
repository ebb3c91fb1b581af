#pragma once

#include <QList>
#include <QString>
#include <QVariant>

class QSettings;

// The ten profile files p1.bin .. p10.bin and the current profile index.
//
// Every file stays open for the whole run; index i owns the file numbered i + 1. The current
// index starts at 0 on every run and is never stored. Bridge operations read and write the
// current profile only; import and reset replace a whole file (see replaceFromFile).
class ProfileStore {
public:
    static constexpr int kCount = 10;

    // `folder` holds the profile files and pD.bin, normally "./modules/setting".
    explicit ProfileStore(const QString &folder = QStringLiteral("./modules/setting"));
    ~ProfileStore();
    ProfileStore(const ProfileStore &) = delete;
    ProfileStore &operator=(const ProfileStore &) = delete;

    static bool isValidIndex(int index) { return index >= 0 && index < kCount; }

    int currentIndex() const { return m_current; }
    // Makes `index` current. False, and nothing changes, when it already is or when it lies
    // outside 0..9.
    bool select(int index);

    // The settings object of a profile; nullptr outside 0..9. Owned by the store; import and
    // reset replace it, so callers must not keep it.
    QSettings *profile(int index) const;
    QSettings *current() const { return m_profiles[m_current]; }
    const QList<QSettings *> &profiles() const { return m_profiles; }

    QString profileFileName(int index) const;
    QString defaultFileName() const;

    // Writes every pending change of the ten profiles to disk now. False when a file could
    // not be written; `failedFile` (may be null) then names the first.
    bool commit(QString *failedFile = nullptr);

    void write(const QString &key, const QVariant &value);
    QVariant read(const QString &key, const QVariant &missing = QVariant()) const;

    // Replaces the profile file with a byte copy of `source` and reopens it. The old file
    // stays as it was when the copy fails; false then (with the reason in `error`, which may
    // be null), and for an index outside 0..9.
    bool replaceFromFile(int index, const QString &source, QString *error = nullptr);
    // Writes a byte copy of the profile file (with every pending change) to `target`,
    // replacing an existing regular file only once the copy is complete and on disk.
    bool exportToFile(int index, const QString &target, QString *error = nullptr);

    // The factory values of a page (0 key assignment, 2 lighting, 3 sensor) as one flat list;
    // empty for other pages. Read from pD.bin on every call.
    QVariantList defaultList(int pageId) const;

private:
    QString m_folder;
    QList<QSettings *> m_profiles;
    int m_current = 0;
};

// Settings lists come back in three shapes: the caller's own list while the writing object
// still caches it, a list of texts after a reload, and a plain text for a one-entry list.
// Returns the entries in order, whatever the shape; an empty list for a missing key.
QVariantList settingsList(const QVariant &value);
