#pragma once
// What every window test starts from: the windows registered, none loaded, the
// message boxes and the desktop recorded, the program folder the built one.
#include <QObject>
#include <QString>
#include <memory>

#include "platform/desktop.h"
#include "platform/messages.h"

namespace testsupport {

class Session {
public:
    Session();
    ~Session();
    messages::Recorder messages;
    desktop::Recorder desktop;
    // Set when the program would have ended (no window loaded any more).
    bool programEnded = false;
    // Runs the queued end-of-procedure steps and pending deletes.
    void settle();
};

// The program folder laid out by the build.
QString programFolder();

} // namespace testsupport
