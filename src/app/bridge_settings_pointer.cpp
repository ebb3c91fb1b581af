#include "myqquickview.h"

void myQQuickView::setAcceleration(bool acceleration) {
    m_pointerSettings.setAcceleration(acceleration);
}

bool myQQuickView::getAcceleration() {
    return m_pointerSettings.acceleration();
}

void myQQuickView::setCursorSpeed(uint cursorSpeed) {
    m_pointerSettings.setCursorSpeed(cursorSpeed);
}

uint myQQuickView::getCursorSpeed() {
    return m_pointerSettings.cursorSpeed();
}

void myQQuickView::setVerticalScrollLines(uint lines) {
    m_pointerSettings.setVerticalScrollLines(lines);
}

uint myQQuickView::getVerticalScrollLines() {
    return m_pointerSettings.verticalScrollLines();
}

void myQQuickView::setDoubleClickSpeed(uint speed) {
    m_pointerSettings.setDoubleClickSpeed(speed);
}

uint myQQuickView::getDoubleClickSpeed() {
    return m_pointerSettings.doubleClickSpeed();
}
