#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The languages installed in a folder (normally ./modules/i18n) and the strings of each.
// Nothing is cached: every call reads the files anew.
class LanguageCatalog {
public:
    explicit LanguageCatalog(QString folder = QStringLiteral("./modules/i18n"));

    // Display name ("ENGLISH", "CHINESE (Simp)", "GERMAN (AUSTRIA)") -> six-digit code, for
    // every lang_*.ini in the folder. The map's order is the order the interface lists them.
    QVariantMap chkLanguages() const;

    // The global string list of `langCode`: element 0 the font family, then strings/1 ..
    // strings/N. `messages` receives msg/0 .. msg/5. Sets the process-wide language check
    // flag, which gates every device transfer, to whether the file's checksum matches.
    QStringList getGlobalStrings(const QString &langCode, QStringList *messages) const;

    // Always 16 strings: R8_5D0E4B1/0 .. /15, empty where missing.
    QStringList getProductLayoutStrings_R8(const QString &langCode) const;

    QString filePath(const QString &langCode) const;

    // The display name of a file-name code, e.g. "025208" -> "CHINESE (Trad)".
    static QString displayName(const QString &langCode);

private:
    QString m_folder;
};
