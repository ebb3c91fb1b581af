#pragma once

#include <QString>

class Dialogs;

// What the device layer needs from the main window: its title for message boxes, a place to
// show them, and a way to ask the window to close (queued, never synchronous).
class DeviceOwner {
public:
    virtual ~DeviceOwner() = default;
    virtual QString ownerTitle() const = 0;
    virtual Dialogs *ownerDialogs() const = 0;
    virtual void postCloseRequest() = 0;
    // Called when the handshake refuses the device, before the user is told.
    virtual void deviceRefused() {}
};
