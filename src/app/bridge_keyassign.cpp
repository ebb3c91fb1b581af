#include "myqquickview.h"

QVariantList myQQuickView::getKeydefine(QVariant matrixId) {
    return m_keyAssignment.keyDefine(matrixId);
}

void myQQuickView::ui_12H_SetKeyMatrix(QVariantList src64) {
    m_keyAssignment.setMouseKeyMatrix(src64);
}

void myQQuickView::ui_0DH_SetKeyMatrix(QVariantList src512) {
    m_keyAssignment.setKeyboardKeyMatrix(src512);
}

void myQQuickView::setScrollPinSwap(bool isSwap) {
    m_keyAssignment.setScrollPinSwap(isSwap);
}

bool myQQuickView::getScrollPinSwap() {
    return m_keyAssignment.scrollPinSwap();
}
