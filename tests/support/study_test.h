#pragma once
// What every window test starts from: the windows registered, none loaded, the
// message boxes and the desktop recorded, the program folder the built one.
#include <QByteArray>
#include <QObject>
#include <QString>

class QLineEdit;
class QWidget;
#include <memory>

#include "platform/desktop/desktop.h"
#include "platform/runtime/messages.h"

namespace messages {
// How QtTest prints a recorded message when a comparison fails.
char* toString(const Shown& shown);
} // namespace messages

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

// Types text into a widget as key presses, one character at a time (any
// characters, Greek included: QTest::keyClicks takes Latin-1 only).
void typeText(QWidget* widget, const QString& text);
// Replaces a box's text as a user does: selects it all, deletes it, types text.
void type(QLineEdit* box, const QString& text);

// The recorded messages, one a line, for a failing check to print.
QByteArray listed(const messages::Recorder& recorded);

// Saves a picture of the window to $VORLUX_GRAB_DIR/<name>.png when that
// variable is set, for looking at what a window shows.
void grabIfAsked(QWidget* window, const QString& name);

} // namespace testsupport
