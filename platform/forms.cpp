#include "forms.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHash>
#include <QMap>
#include <QPointer>

#include "twips.h"

namespace forms {

namespace {
struct Registry {
    QHash<QString, Factory> factories;
    QMap<QString, QPointer<Window>> instances;
    std::function<void()> whenNoneLoaded = [] { QCoreApplication::quit(); };
    std::function<void()> whenNoneVisibleAfterClose;
};

Registry& registry() {
    static Registry r;
    return r;
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
}

void Window::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (closeBox == CloseBox::Hide)
        hide();
    else
        unload(objectName());
    if (visible().isEmpty() && registry().whenNoneVisibleAfterClose)
        registry().whenNoneVisibleAfterClose();
}

void define(const QString& name, Factory factory) { registry().factories.insert(name, std::move(factory)); }

bool isDefined(const QString& name) { return registry().factories.contains(name); }

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

bool isLoaded(const QString& name) { return registry().instances.value(name) != nullptr; }

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

void hide(const QString& name) { get(name)->hide(); }

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

void setWhenNoneLoaded(std::function<void()> action) { registry().whenNoneLoaded = std::move(action); }

void setWhenNoneVisibleAfterClose(std::function<void()> action) {
    registry().whenNoneVisibleAfterClose = std::move(action);
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
