#include "myqquickview.h"

void myQQuickView::ui_01H_SetReportRate(uchar rate) {
    m_mouseSettings.setReportRate(rate);
}

QVariant myQQuickView::ui_81H_GetReportRate() {
    return m_mouseSettings.reportRate();
}

void myQQuickView::ui_0BH_SetCurrentDPIStage(uchar dpiStage) {
    m_mouseSettings.setCurrentDpiStage(dpiStage);
}

QVariant myQQuickView::ui_8BH_GetCurrentDPIStage() {
    return m_mouseSettings.currentDpiStage();
}

void myQQuickView::ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex) {
    m_mouseSettings.setDpiSet(dpiStage, src8, valueForIndex);
}

QVariantList myQQuickView::ui_91H_GetDPISet() {
    return m_mouseSettings.dpiSet();
}

uchar myQQuickView::ui_91H_SyncDPI() {
    return m_mouseSettings.syncDpi();
}

void myQQuickView::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2,
                                          QVariantList configs) {
    m_mouseSettings.setLedEffect(effect, option1, option2, configs);
}

QVariantList myQQuickView::ui_8DH_GetRGBLedEffect() {
    return m_mouseSettings.ledEffect();
}

void myQQuickView::ui_10H_SetLED8StageColor(uchar type, QVariantList src24) {
    m_mouseSettings.setStageColors(type, src24);
}

QVariantList myQQuickView::ui_90H_GetLED8StageColor(uchar type) {
    return m_mouseSettings.stageColors(type);
}

QVariant myQQuickView::getSensorType() {
    return m_mouseSettings.sensorType();
}

bool myQQuickView::chkIsLogoLedWork() {
    return m_mouseSettings.isLogoLedWorking();
}

bool myQQuickView::getMsgAns_FoolProofing() {
    return m_mouseSettings.confirmLeftButtonRemoval(m_messages);
}

QVariantList myQQuickView::ui_92H_GetKeyMatrix() {
    return m_mouseSettings.deviceKeyMatrix();
}

QVariantList myQQuickView::ui_93H_GetMacroKey(uchar macroId) {
    return m_mouseSettings.deviceMacro(macroId);
}
