#pragma once

#include <QString>

// Where the program keeps its files. Every path of the program is relative ("./modules/..."),
// so choosing the folder and making it current is all the rest of the program needs.
//
// In place: the program's own folder holds a writable modules/ (the build tree, a portable
// copy). That folder is used as it is, exactly as before.
//
// Installed: no modules/ beside the program, or a read-only one. The factory files are the
// installation's (<prefix>/share/r8config/modules, found relative to the executable so any
// prefix works), the user's files live in $XDG_DATA_HOME/r8config. On each start the user's
// folder is brought up to date with the installation:
//
//   modules/img, modules/media           links to the installation (only read; upgrades
//                                        replace them)
//   modules/i18n/lang_*.ini              one link per installed language; a file of the
//                                        user's own with the same name wins and is kept
//   modules/setting/pD.bin, apConfigD.bin  links: resets copy from the installation
//   modules/setting/*                    other factory files copied once, then the user's
//   modules/macro/                       created, the user's
//
// Links that point into an older or removed installation are re-pointed or removed.
class DataFolders {
public:
    // Decides for a program whose executable lies in `programFolder`; `userDataHome` is the
    // user's data home ($XDG_DATA_HOME, normally ~/.local/share).
    static DataFolders locate(const QString &programFolder, const QString &userDataHome);
    // The same for this process: its executable's folder and the user's data home as
    // QStandardPaths knows it.
    static DataFolders forThisProgram();

    bool installed() const { return m_installed; }
    // The folder that holds the user's modules/ and becomes the current directory.
    const QString &userFolder() const { return m_userFolder; }
    // The folder that holds the factory modules/ (the user folder itself when in place).
    const QString &factoryFolder() const { return m_factoryFolder; }
    // The factory copy of a file, e.g. factoryFile("modules/setting/pD.bin").
    QString factoryFile(const QString &relative) const;

    // Creates and refreshes the user's folder (nothing to do in place). False, with a
    // message in `error`, when the folder cannot be made; `warning` is set, and true
    // returned, when the installation's factory files are missing.
    bool prepare(QString *error, QString *warning = nullptr) const;

    // Locates for this process and prepares; returns the folder to make current, or an
    // empty text when the program cannot run. Messages go to stderr after `programName`.
    static QString prepareForThisProgram(const char *programName);

private:
    bool m_installed = false;
    QString m_userFolder;
    QString m_factoryFolder;
};

// The installation's factory copy of `relative` for this process ("modules/setting/pD.bin").
QString installedFactoryFile(const QString &relative);
