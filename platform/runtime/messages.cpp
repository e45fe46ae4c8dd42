#include "messages.h"

#include <QApplication>
#include <QMessageBox>
#include <new>

namespace messages {

namespace {
Recorder* recorder = nullptr;

void show(Icon icon, const QString& text) {
    if (recorder) {
        recorder->shown.append({icon, text});
        return;
    }
    QMessageBox box(icon == Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    QApplication::applicationDisplayName(), text, QMessageBox::Ok);
    box.exec();
}
} // namespace

QString causeOf(const std::exception& failure) {
    if (dynamic_cast<const std::bad_alloc*>(&failure))
        return QStringLiteral("Δεν υπάρχει αρκετή μνήμη για την εργασία.");
    return QString::fromUtf8(failure.what());
}

void critical(const QString& text) {
    show(Icon::Critical, text);
}
void information(const QString& text) {
    show(Icon::Information, text);
}

Recorder::Recorder() {
    recorder = this;
}
Recorder::~Recorder() {
    if (recorder == this)
        recorder = nullptr;
}

QStringList Recorder::texts() const {
    QStringList result;
    for (const Shown& s : shown)
        result << s.text;
    return result;
}

} // namespace messages
