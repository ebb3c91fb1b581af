// Application config slots of the host view: forwards to AppConfig.
#include "app_config.h"
#include "dialogs.h"
#include "myqquickview.h"

void myQQuickView::saveApConfig(QVariantList apConfigs) {
    m_appConfig->save(apConfigs);
}

QVariantList myQQuickView::loadApConfig() {
    return m_appConfig->load();
}

QVariantList myQQuickView::loadDeviceApConfig() {
    return m_appConfig->loadDevice();
}

void myQQuickView::resetApconfig() {
    if (m_appConfig->reset() || !m_seams.dialogs)
        return;
    m_seams.dialogs->warning(window()->windowTitle(),
                             tr("The factory settings %1 cannot be read: the current settings "
                                "are kept.")
                                 .arg(QStringLiteral("modules/setting/apConfigD.bin")));
}
