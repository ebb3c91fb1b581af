#include "global_setting_support.h"

#include "dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace GlobalSettingSupport {

bool isSkinListShown(const QString &imageFolder) {
    return QDir(imageFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort).size() > 1;
}

QString chooseBackgroundPicture(Dialogs &dialogs, const QString &startFolder,
                                const QString &failureTitle, const QString &failureText) {
    const QString path =
        dialogs.openFile(QCoreApplication::translate("myQQuickView", "Open File"), startFolder,
                         QCoreApplication::translate("myQQuickView", "Image Files(*.png)"));
    if (path.isEmpty())
        return QString();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        file.close();
        return path;
    }
    dialogs.warning(failureTitle, failureText + path);
    return QString();
}

} // namespace GlobalSettingSupport
