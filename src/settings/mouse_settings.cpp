#include "mouse_settings.h"

#include "byte_lists.h"
#include "device_link.h"
#include "dialogs.h"
#include "fixed_colors.h"
#include "hid_thread.h"
#include "profile_store.h"

namespace {
const QString kReportRate = QStringLiteral("sensor/reportRate_R8");
const QString kStage = QStringLiteral("sensor/stage_R8");
const QString kDpi = QStringLiteral("sensor/dpi_R8");
const QString kLedEffect = QStringLiteral("color_R8/ledEffect");

QString colourKey(unsigned char type) {
    return QStringLiteral("color_R8/type%1").arg(type);
}

constexpr unsigned char kStageOff = 0x80;
constexpr unsigned char kMaxStages = 8;
} // namespace

void MouseSettings::setReportRate(unsigned char rate) {
    if (DeviceType::of(m_hid) == DeviceType::kMouse)
        m_store.write(kReportRate, int(rate));
    if (m_hid)
        m_hid->hid_01H_SetReportRate(rate);
}

QVariant MouseSettings::reportRate() {
    if (DeviceType::of(m_hid) == DeviceType::kMouse)
        return m_store.read(kReportRate, 0).toInt();
    unsigned char rate = 0;
    if (m_hid)
        m_hid->hid_81H_GetReportRate(rate);
    return int(rate);
}

void MouseSettings::setCurrentDpiStage(unsigned char stage) {
    m_store.write(kStage, int(stage));
    if (m_hid)
        m_hid->hid_0BH_SetCurrentDPIStage(stage);
}

QVariant MouseSettings::currentDpiStage() const {
    return m_store.read(kStage, 0).toInt() & 0xFF;
}

void MouseSettings::setDpiSet(unsigned char stages, const QVariantList &codes,
                              const QVariantList &values) {
    m_store.write(kDpi, values);
    auto block = toBlock<8>(codes, kStageOff);
    if (m_hid)
        m_hid->hid_11H_SetDPISet(stages, block.data());
}

QVariantList MouseSettings::dpiSet() const {
    return settingsList(m_store.read(kDpi));
}

unsigned char MouseSettings::syncDpi() {
    unsigned char stages = kMaxStages;
    unsigned char codes[8] = {};
    if (!m_hid || !m_hid->hid_91H_GetDPISet(stages, codes))
        return kMaxStages;
    // The stage count is sent back with 11H and sizes the sensor page: a value no mouse can
    // have (a reply that was not deciphered, noise) is treated like no answer.
    return stages >= 1 && stages <= kMaxStages ? stages : kMaxStages;
}

void MouseSettings::setStageColors(unsigned char type, const QVariantList &colours) {
    m_store.write(colourKey(type), colours);
    auto buffer = stageColorBuffer(type, colours);
    if (m_hid)
        m_hid->hid_10H_SetLED8StageColor(type, buffer.data());
}

QVariantList MouseSettings::stageColors(unsigned char type) const {
    QVariantList colours = toUIntList(settingsList(m_store.read(colourKey(type))));
    if (type == 2) {
        for (QVariant &id : colours) {
            // Profiles store orange as 8; the device and the pages count it as 7.
            if (id.toInt() == FixedColors::kStoredOrange)
                id = unsigned(FixedColors::kOrange);
        }
    }
    return colours;
}

void MouseSettings::setLedEffect(unsigned char effect, unsigned char brightness,
                                 unsigned char speed, const QVariantList &configs) {
    m_store.write(kLedEffect, configs);
    if (m_hid)
        m_hid->hid_0DH_SetRGBLedEffect(effect, brightness, speed);
}

QVariantList MouseSettings::ledEffect() const {
    return toUIntList(settingsList(m_store.read(kLedEffect)));
}

int MouseSettings::sensorType() {
    unsigned char type = 0, option1 = 0, option2 = 0;
    if (m_hid)
        m_hid->hid_83H_GetFunctionOption(type, option1, option2);
    return type;
}

bool MouseSettings::isLogoLedWorking() {
    unsigned char option1 = 0, option2 = 0, option3 = 0;
    if (!m_hid || !m_hid->hid_87H_GetLEDInstructFunction(0, option1, option2, option3))
        return false;
    return option1 == 0;
}

QVariantList MouseSettings::deviceKeyMatrix() {
    unsigned char matrix[64] = {};
    if (m_hid)
        m_hid->hid_92H_GetKeyMatrix(matrix);
    return toIntList(matrix, 64);
}

QVariantList MouseSettings::deviceMacro(unsigned char macroId) {
    unsigned char macro[128] = {};
    if (m_hid)
        m_hid->hid_93H_GetMacroKey(macroId, macro);
    return toIntList(macro, 128);
}

bool MouseSettings::confirmLeftButtonRemoval(const QStringList &messages) {
    return m_dialogs && m_dialogs->question(messages.value(4), messages.value(5));
}
