// Application config slots of the host view: forwards to AppConfig.
#include "app_config.h"
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
    m_appConfig->reset();
}
