#pragma once

#include "app_seams.h"
#include "device_owner.h"
#include "hid_thread.h"
#include "notice_queue.h"

#include <QTimer>
#include <QWidget>

class Ui_Controler;
class myQQuickView;

// The one top-level window. Owns the device access object and the window controller, which
// builds the QML host view inside it.
class Widget : public QWidget, public DeviceOwner {
    Q_OBJECT
public:
    static constexpr int kCheckDelayMs = 2048;

    explicit Widget(const AppSeams &seams, QWidget *parent = nullptr);
    ~Widget() override;

    Hid_Thread *hid() { return &m_hid; }
    Ui_Controler *controller() const { return m_controller; }
    myQQuickView *view() const;
    const QTimer &checkTimer() const { return m_checkTimer; }
    // Notice boxes, one at a time.
    NoticeQueue &notices() { return m_notices; }

    // DeviceOwner
    QString ownerTitle() const override { return windowTitle(); }
    Dialogs *ownerDialogs() const override { return m_seams.dialogs; }
    void postCloseRequest() override;

public slots:
    void checkDevice();
    // Device-change notice: re-run the device check once things settle.
    void deviceChangeNotice();

signals:
    // Emitted at the end of every device check; tests count checks with it.
    void deviceChecked();

protected:
    void customEvent(QEvent *event) override;

private:
    AppSeams m_seams;
    QTimer m_checkTimer;
    Ui_Controler *m_controller = nullptr;
    Hid_Thread m_hid;
    NoticeQueue m_notices;
};

// Shows a notice's text in a warning box titled with the window's title, when the notice
// is well-formed; while a notice box is open the text waits its turn (NoticeQueue).
// Registered with the notice filter, `context` being the Widget.
void showNotice(const struct NoticeMessage &message, void *context);

// Key and mouse-button capture callbacks, registered with the Widget as `context`: they hand
// each event to the window's view, which passes it on to the scene. A null context does
// nothing.
void forwardKeyboardToWindow(quint8 keyCode, bool isDown, void *context);
void forwardMouseToWindow(quint8 buttonCode, bool isDown, qint32 x, qint32 y, void *context);
