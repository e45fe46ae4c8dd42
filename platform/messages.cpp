#include "messages.h"

#include <QApplication>
#include <QMessageBox>

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

void critical(const QString& text) { show(Icon::Critical, text); }
void information(const QString& text) { show(Icon::Information, text); }

Recorder::Recorder() { recorder = this; }
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
