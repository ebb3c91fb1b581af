#pragma once

#include <QString>
#include <QStringList>
#include <QVariantList>

// The macro files: one INI file per macro, `<folder>/<name>.bin` (normally ./modules/macro),
// with the groups
//   [config] index (device slot, -1 none), total (line count), repeat, did (device type the
//            index was set for, -1 never)
//   [macro]  0 .. total-1, the lines
// Every call opens the file and has written it back when it returns.
//
// Names come from the user and from QML. An empty name, one beginning with "." (a hidden
// file no listing shows), or one that holds a path separator or a control character or would
// otherwise name a file outside the folder, is refused: it names no file, so reads come back
// empty and writes do nothing. Listings hold only the files these names open.
class MacroFiles {
public:
    // A file may claim any `config/total`; no more lines than this are read, so a damaged
    // count cannot hang the program or exhaust its memory. The largest device slot holds
    // fewer than a hundred events.
    static constexpr int kMaxLines = 10000;

    explicit MacroFiles(QString folder = QStringLiteral("./modules/macro"));

    const QString &folder() const { return m_folder; }
    // The file of `name`, or empty when the name is refused.
    QString filePath(const QString &name) const;
    bool exists(const QString &name) const;

    // Creates "Macro. 001", "Macro. 002", ... (the lowest free number) with a fresh config and
    // returns its name; empty when the file could not be written.
    QString createMacroIni() const;
    // File names with their ending, sorted without regard to case.
    QStringList getMacroIniNames() const;
    // The lines in order; a missing line reads "0". Empty for a missing file.
    QStringList loadMacroIni(const QString &name) const;
    // Rewrites all lines and `config/total`; the rest of the config stays. False when the
    // file does not exist (nothing is created) or could not be written.
    bool saveMacroIni(const QString &name, const QStringList &lines) const;
    // [slot index, repeat]; the index reads -1 unless it was set for `deviceType`.
    QVariantList loadMacroIniConfig(const QString &name, int deviceType) const;
    // Stores [slot index, repeat] for `deviceType`; a missing file is left alone.
    void setMacroIniConfig(const QString &name, const QVariantList &config, int deviceType) const;
    // config/index whatever the device type (-1 when unset or the file is missing).
    int slotIndex(const QString &name) const;
    // config/repeat as the device takes it: an unsigned 16-bit number, 1 when unset.
    quint16 repeatCount(const QString &name) const;

    bool deleteMacroIni(const QString &name) const;
    // False when either name is refused, the old file is missing or the new one exists.
    bool renameMacroIniFile(const QString &oldName, const QString &newName) const;

    // Replaces the macro file of `name` by a copy of `source` (a regular file of at most
    // 1 MB) in one rename, once the copy is complete and on disk, so a failed or interrupted
    // copy loses nothing. False when the macro does not exist or the copy fails; `error`
    // (may be null) then says why.
    bool importFile(const QString &name, const QString &source, QString *error = nullptr) const;
    // Copies the macro file of `name` to `target` the same way. A target that exists must be
    // a regular file: a device node or FIFO is refused, never replaced.
    bool exportFile(const QString &name, const QString &target, QString *error = nullptr) const;

private:
    QString m_folder;
};
