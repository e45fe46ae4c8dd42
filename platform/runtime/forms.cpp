#include "forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHash>
#include <QMap>
#include <QPointer>

#include "enter_key.h"
#include "twips.h"

namespace forms {

namespace {
struct Registry {
    QHash<QString, Factory> factories;
    QMap<QString, QPointer<Window>> instances;
    std::function<void()> whenNoneLoaded = [] { QCoreApplication::quit(); };
    std::function<void()> whenNoneVisible;
    bool visibilityCheckQueued = false;
};

Registry& registry() {
    static Registry r;
    return r;
}

void checkVisibilityLater();

// A window was hidden or unloaded: when the procedure that did it has left
// loaded windows but none visible, nothing of the program can be reached any
// more, so it ends as "Έξοδος" does.
void checkVisibility() {
    Registry& r = registry();
    r.visibilityCheckQueued = false;
    // A message box of the procedure is still up: look again once it is gone.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        QObject::connect(modal, &QObject::destroyed, QCoreApplication::instance(), &checkVisibilityLater);
        return;
    }
    if (!loaded().isEmpty() && visible().isEmpty() && r.whenNoneVisible)
        r.whenNoneVisible();
}

// Queued, so it runs after the running procedure has returned: a handler may
// hide its own window before it shows the next one.
void checkVisibilityLater() {
    Registry& r = registry();
    if (r.visibilityCheckQueued)
        return;
    r.visibilityCheckQueued = true;
    QMetaObject::invokeMethod(QCoreApplication::instance(), &checkVisibility, Qt::QueuedConnection);
}
} // namespace

Window::Window(const QString& name, const QString& title, int clientWidth, int clientHeight,
               CloseBox closeBox)
    : clientArea(new QWidget(this))
    , closeBox(closeBox) {
    setObjectName(name);
    setWindowTitle(title);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    clientArea->setObjectName(name + QStringLiteral("_client"));
    clientArea->setFixedSize(px(clientWidth), px(clientHeight));
    setCentralWidget(clientArea);
    pressFocusedButtonOnEnter();
}

void Window::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closeBox == CloseBox::Hide)
        hide();
    else
        unload(objectName());
}

void Window::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    checkVisibilityLater();
}

void define(const QString& name, Factory factory) {
    registry().factories.insert(name, std::move(factory));
}

Window* get(const QString& name) {
    Registry& r = registry();
    QPointer<Window>& slot = r.instances[name];
    if (!slot) {
        auto factory = r.factories.find(name);
        Q_ASSERT_X(factory != r.factories.end(), "forms::get", qPrintable(name));
        slot = (*factory)();
        slot->setObjectName(name);
    }
    return slot;
}

bool isLoaded(const QString& name) {
    return registry().instances.value(name) != nullptr;
}

bool isVisible(const QString& name) {
    Window* w = registry().instances.value(name);
    return w && w->isVisible();
}

void show(const QString& name) {
    Window* w = get(name);
    w->show();
    w->raise();
    w->activateWindow();
}

void hide(const QString& name) {
    get(name)->hide();
}

void unload(const QString& name) {
    Registry& r = registry();
    if (!r.factories.contains(name))
        return;
    QPointer<Window> w = r.instances.take(name);
    if (w) {
        w->hide();
        w->deleteLater();
    }
    // The program ends only once the running procedure has finished and still no
    // window is loaded: "Αλλαγή μελέτης" unloads everything before it shows the
    // start window again.
    if (loaded().isEmpty())
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [] {
                if (loaded().isEmpty() && registry().whenNoneLoaded)
                    registry().whenNoneLoaded();
            },
            Qt::QueuedConnection);
}

QStringList loaded() {
    QStringList names;
    for (auto it = registry().instances.cbegin(); it != registry().instances.cend(); ++it)
        if (it.value())
            names << it.key();
    return names;
}

QStringList visible() {
    QStringList names;
    for (auto it = registry().instances.cbegin(); it != registry().instances.cend(); ++it)
        if (it.value() && it.value()->isVisible())
            names << it.key();
    return names;
}

void setWhenNoneLoaded(std::function<void()> action) {
    registry().whenNoneLoaded = std::move(action);
}

void setWhenNoneVisible(std::function<void()> action) {
    registry().whenNoneVisible = std::move(action);
}

QString missingControl(const QString& window, const QString& name) {
    return QStringLiteral("Το παράθυρο «%1» δεν έχει το πλαίσιο «%2».").arg(window, name);
}

void unloadAllForTest() {
    Registry& r = registry();
    const auto instances = r.instances;
    r.instances.clear();
    for (const QPointer<Window>& w : instances)
        if (w)
            w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace forms
