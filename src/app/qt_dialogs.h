#pragma once

#include "dialogs.h"

class QWidget;

// Dialogs with QMessageBox and QFileDialog. Boxes have no parent (they are titled, not
// owned) and show their text as plain text; file dialogs open over `fileDialogParent` when
// one is set.
class QtDialogs : public Dialogs {
public:
    void setFileDialogParent(QWidget *parent) { m_parent = parent; }

    void warning(const QString &title, const QString &text) override;
    bool question(const QString &title, const QString &text) override;
    QString openFile(const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFile(const QString &caption, const QString &folder, const QString &filter) override;

private:
    QWidget *m_parent = nullptr;
};
