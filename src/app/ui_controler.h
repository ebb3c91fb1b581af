#pragma once

#include "app_seams.h"

#include <QObject>
#include <QString>

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
    // The first error of a scene that failed to load (a missing QML module, a broken
    // document); empty when it loaded.
    QString sceneError() const { return m_sceneError; }

public slots:
    // Hands the drag that has just begun to the window system (the only way a window moves
    // on Wayland). False where that is refused; the caller then moves the window itself
    // with onXChanged / onYChanged.
    bool startSystemMove();
    void onMinimize();
    void onXChanged(int x);
    void onYChanged(int y);
    void setBusy(int busyTime);
    void setBusy();

private:
    Widget *m_window = nullptr;
    myQQuickView *m_view = nullptr;
    QString m_sceneError;
};
