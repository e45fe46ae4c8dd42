#pragma once
// The window model: every window of the system is one named global instance,
// created hidden with its design-time contents on first reference, shown
// modeless with no owner, hidden (keeping everything typed) or unloaded
// (destroyed with its contents). The program ends when no window is loaded,
// and ends as "Έξοδος" does when a procedure leaves no window visible.
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <stdexcept>

namespace forms {

// What the title bar's close box does to a window.
enum class CloseBox {
    Hide,  // study windows: hidden, their data kept for the chain's buttons
    Unload // start, save-as, credits and open-existing-report windows
};

class Window : public QMainWindow {
    Q_OBJECT
public:
    // clientWidth/clientHeight in twips (15 to a pixel).
    Window(const QString& name, const QString& title, int clientWidth, int clientHeight, CloseBox closeBox);
    // The area under the menu bar on which the controls stand at twip positions.
    QWidget* client() const { return clientArea; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget* clientArea;
    CloseBox closeBox;
};

using Factory = std::function<Window*()>;

// Makes a window known to the registry under its name.
void define(const QString& name, Factory factory);

// The window's instance, created hidden (with its design-time contents) if it is
// not loaded.
Window* get(const QString& name);
// The same by the window's class; a name registered for another class is a
// fault of the program, which stops at once.
template <class W> W* get() {
    W* window = qobject_cast<W*>(get(QString::fromLatin1(W::formName)));
    if (!window)
        qFatal("forms::get: the window %s is not of the class asked for", W::formName);
    return window;
}

bool isLoaded(const QString& name);
bool isVisible(const QString& name);
// Shows the window modeless, raised and active; creates it first if needed.
void show(const QString& name);
void hide(const QString& name);
// Forgets the instance at once and deletes it later, so a handler may unload its
// own window and go on. A name that is not defined is skipped.
void unload(const QString& name);
// The same by the window's class, where it is at hand inside its own subsystem.
// Navigation across subsystems goes by name, so no subsystem includes another's
// windows to show them; the reports include the study's window headers only
// for the tables of their box names.
template <class W> void show() {
    show(QString::fromLatin1(W::formName));
}
template <class W> void hide() {
    hide(QString::fromLatin1(W::formName));
}
template <class W> void unload() {
    unload(QString::fromLatin1(W::formName));
}

QStringList loaded();
QStringList visible();

// Called, once the running procedure has returned, when no window is loaded any
// more (by default the program quits).
void setWhenNoneLoaded(std::function<void()> action);
// Called, once the running procedure (close box, button, menu command) has
// returned, when windows are still loaded but none of them is visible: the user
// could reach none of them any more.
void setWhenNoneVisible(std::function<void()> action);

// Tests: unload every window, run the pending deletes, forget nothing defined.
void unloadAllForTest();

// A control of a loaded-or-created window, found by its name; null when the
// window has none of that name and class.
template <class T> T* control(const QString& window, const QString& name) {
    return get(window)->findChild<T*>(name);
}

// What a missing control is reported as.
QString missingControl(const QString& window, const QString& name);
// The same for a control the caller cannot do without: when there is none it
// throws std::runtime_error with a message naming window and control.
template <class T> T* requiredControl(const QString& window, const QString& name) {
    T* found = control<T>(window, name);
    if (!found)
        throw std::runtime_error(missingControl(window, name).toStdString());
    return found;
}

} // namespace forms
