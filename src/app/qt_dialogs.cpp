#include "qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

void QtDialogs::warning(const QString &title, const QString &text) {
    QMessageBox::warning(nullptr, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

bool QtDialogs::question(const QString &title, const QString &text) {
    return QMessageBox::warning(nullptr, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                QMessageBox::Cancel) == QMessageBox::Ok;
}

QString QtDialogs::openFile(const QString &caption, const QString &folder, const QString &filter) {
    return QFileDialog::getOpenFileName(m_parent, caption, folder, filter);
}

QString QtDialogs::saveFile(const QString &caption, const QString &folder, const QString &filter) {
    return QFileDialog::getSaveFileName(m_parent, caption, folder, filter);
}
