#pragma once

#include "dialogs.h"

#include <QStringList>

// The dialogs seam for a program without a window. Warnings are collected for the report
// (stderr); a question is answered by --yes, and refused otherwise; the file choosers are
// never used, since every file comes from the command line, and answer "cancelled".
class CliDialogs : public Dialogs {
public:
    explicit CliDialogs(bool yes) : m_yes(yes) {}

    void warning(const QString &title, const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    QString openFile(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFile(const QString &, const QString &, const QString &) override { return {}; }

    QStringList takeWarnings();
    bool questionRefused() const { return m_refused; }

private:
    bool m_yes;
    bool m_refused = false;
    QStringList m_warnings;
};
