#pragma once

#include <QString>

// The program's modal boxes and file choosers. Every user-facing prompt goes through this
// seam so that tests can answer it without a modal loop; the production implementation
// (src/app/qt_dialogs) uses QMessageBox and QFileDialog.
//
// All calls run on the GUI thread and return when the user has answered.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A warning box with one OK button.
    virtual void warning(const QString &title, const QString &text) = 0;

    // A warning box with OK and Cancel, Cancel being the default. True when OK was chosen.
    virtual bool question(const QString &title, const QString &text) = 0;

    // File choosers. `filter` uses Qt's form, e.g. "Profile(*.pf)". An empty result means
    // the user cancelled.
    virtual QString openFile(const QString &caption, const QString &folder,
                             const QString &filter) = 0;
    virtual QString saveFile(const QString &caption, const QString &folder,
                             const QString &filter) = 0;
};
