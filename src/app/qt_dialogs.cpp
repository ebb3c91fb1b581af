#include "qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {
// Box texts come from files, devices and other programs (a notice): shown as written, never
// interpreted as markup, so no text can make the box lay out a document.
QMessageBox::StandardButton warningBox(const QString &title, const QString &text,
                                       QMessageBox::StandardButtons buttons,
                                       QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Warning, title, text, buttons);
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    if (box.exec() == -1)
        return QMessageBox::Cancel;
    return box.standardButton(box.clickedButton());
}
} // namespace

void QtDialogs::warning(const QString &title, const QString &text) {
    warningBox(title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

bool QtDialogs::question(const QString &title, const QString &text) {
    return warningBox(title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

QString QtDialogs::openFile(const QString &caption, const QString &folder, const QString &filter) {
    return QFileDialog::getOpenFileName(m_parent, caption, folder, filter);
}

QString QtDialogs::saveFile(const QString &caption, const QString &folder, const QString &filter) {
    return QFileDialog::getSaveFileName(m_parent, caption, folder, filter);
}
