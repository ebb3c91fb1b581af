#include "language_check_notice.h"

#include <QDir>
#include <QFileInfo>

QString LanguageCheckNotice::afterLoad(const QString &path, bool passed) {
    if (passed) {
        m_toldAbout.clear();
        return QString();
    }
    const QFileInfo file(path);
    const QString name = QDir::cleanPath(file.absoluteFilePath());
    if (name == m_toldAbout)
        return QString();
    m_toldAbout = name;
    const QString consequence =
        QStringLiteral("Nothing is sent to the mouse while this language is chosen.");
    if (!file.isFile())
        return QStringLiteral("The language file %1 is missing. ").arg(name) + consequence;
    return QStringLiteral("The language file %1 does not carry the checksum of its strings "
                          "(font/cs). ")
               .arg(name) +
           consequence;
}
