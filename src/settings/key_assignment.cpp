#include "key_assignment.h"

#include "byte_lists.h"
#include "device_link.h"
#include "hid_thread.h"
#include "profile_store.h"

namespace {
const QString kMousePrefix = QStringLiteral("keydefine_R8/");
const QString kKeyboardPrefix = QStringLiteral("keydefine/");
const QString kScrollSwap = QStringLiteral("keydefine_R8/scrollswap");
constexpr int kMouseKeys = 16;
constexpr int kKeyboardKeys = 126;
constexpr unsigned char kScrollSwapBit = 0x40;
} // namespace

QVariantList KeyAssignment::keyDefine(const QVariant &matrixId) const {
    const int type = DeviceType::of(m_hid);
    const QString prefix = type == DeviceType::kMouse      ? kMousePrefix
                           : type == DeviceType::kKeyboard ? kKeyboardPrefix
                                                           : QString();
    if (prefix.isEmpty())
        return {};
    return settingsList(m_store.read(prefix + matrixId.toString()));
}

void KeyAssignment::storeMatrix(const QString &prefix, int keyCount, const QVariantList &matrix) {
    for (int n = 0; n < keyCount; ++n) {
        QVariantList record;
        for (int i = 4 * n; i < 4 * n + 4; ++i)
            record.append(i < matrix.size() ? matrix[i] : QVariant(0));
        m_store.write(prefix + QString::number(n), record);
    }
}

void KeyAssignment::setMouseKeyMatrix(const QVariantList &matrix) {
    storeMatrix(kMousePrefix, kMouseKeys, matrix);
    auto block = toBlock<64>(matrix);
    if (m_hid)
        m_hid->hid_12H_SetKeyMatrix(block.data());
}

void KeyAssignment::setKeyboardKeyMatrix(const QVariantList &matrix) {
    storeMatrix(kKeyboardPrefix, kKeyboardKeys, matrix);
    auto block = toBlock<512>(matrix);
    if (m_hid)
        m_hid->hid_0DH_SetKeyMatrix(block.data());
}

void KeyAssignment::setScrollPinSwap(bool isSwap) {
    m_store.write(kScrollSwap, isSwap);
    if (!m_hid)
        return;
    unsigned char type = 0, option1 = 0, option2 = 0, rate = 0;
    m_hid->hid_83H_GetFunctionOption(type, option1, option2);
    m_hid->hid_81H_GetReportRate(rate);
    option1 = isSwap ? (option1 | kScrollSwapBit) : (option1 & ~kScrollSwapBit);
    m_hid->hid_03H_SetFunctionOption(type, rate, option1, option2);
}

bool KeyAssignment::scrollPinSwap() const {
    return m_store.read(kScrollSwap, false).toBool();
}
