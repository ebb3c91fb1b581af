#pragma once

#include <QObject>
#include <QString>
#include <QVariantList>

class QSettings;

// The application config (apConfig.bin): window title, product names, secrecy codes, the
// preference list of the global settings page and the lighting page's colour stage count.
//
// Owns one QSettings object on `path` for its whole life; reset() replaces it. The object
// returned by settings() is valid until the next reset(), after which it is deleted from the
// event loop, so callers must not keep it across a reset.
class AppConfig : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultColorMaxStage = 8;
    // The page saves 32 entries; a damaged or hostile common/total reads no more than this.
    static constexpr int kMaxEntries = 256;

    // `factoryPath` is the read-only factory copy used by reset().
    AppConfig(const QString &path, const QString &factoryPath, QObject *parent = nullptr);

    QSettings *settings() const { return m_settings; }

    // Writes common/total and common/0 .. common/<n-1>, each entry as given. Entries of an
    // earlier, longer list stay in the file; load() stops at the new total.
    void save(const QVariantList &entries);

    // The preference list. The total (at most kMaxEntries) is read again before every entry; a
    // missing entry is 0.
    // After the file has been reloaded every entry is text.
    QVariantList load() const;

    // A one-entry list: R8/colorMaxStage as int, 8 when missing.
    QVariantList loadDevice() const;

    // Puts the factory copy in place of the config file (in one rename) and reopens it.
    // Without a factory copy the config is left deleted and every key reads its missing
    // value; a copy that fails otherwise (a full disk) leaves the config as it was.
    void reset();

private:
    QString m_path;
    QString m_factoryPath;
    QSettings *m_settings = nullptr;
};
