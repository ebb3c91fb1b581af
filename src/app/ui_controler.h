#pragma once

#include "app_seams.h"

#include <QObject>

class Widget;
class myQQuickView;

// Builds the frameless window and the QML host view, publishes them to QML, and gives QML
// the window operations a title bar would otherwise provide (`ui_Ctl`).
class Ui_Controler : public QObject {
    Q_OBJECT
public:
    Ui_Controler() = default;

    void setupUi(Widget *window, const AppSeams &seams);

    Widget *window() const { return m_window; }
    myQQuickView *view() const { return m_view; }

public slots:
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();

private:
    Widget *m_window = nullptr;
    myQQuickView *m_view = nullptr;
};
