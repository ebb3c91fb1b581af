// Global settings page slots of the host view: forwards to GlobalSettingSupport.
#include "global_setting_support.h"
#include "myqquickview.h"

#include <QStandardPaths>

bool myQQuickView::getIsSkinShow() {
    return GlobalSettingSupport::isSkinListShown(QStringLiteral("./modules/img"));
}

QString myQQuickView::getCustomFilePath() {
    if (!m_seams.dialogs)
        return QString();
    // The warning texts come from the current language file; empty until one is loaded.
    return GlobalSettingSupport::chooseBackgroundPicture(
        *m_seams.dialogs, QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
        m_messages.value(2), m_messages.value(3));
}
