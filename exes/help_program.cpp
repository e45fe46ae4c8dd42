// A help program of the folder "exes": a window that shows, in Greek, how one
// study window is used. Each program carries its own text (":/help.html") and
// the part on the menus that every study window shares (":/menus.html").
// With --print it writes the text it shows to standard output and ends.
#include <QApplication>
#include <QFile>
#include <QFont>
#include <QMainWindow>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextStream>
#include <QVBoxLayout>

namespace {
QString resource(const QString& name) {
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

class HelpWindow : public QMainWindow {
public:
    HelpWindow() {
        auto* central = new QWidget(this);
        auto* layout = new QVBoxLayout(central);
        text = new QTextBrowser(central);
        text->setObjectName(QStringLiteral("text"));
        text->setOpenLinks(false);
        text->setHtml(resource(QStringLiteral(":/help.html")) + resource(QStringLiteral(":/menus.html")));
        auto* close = new QPushButton(QStringLiteral("Κλείσιμο"), central);
        connect(close, &QPushButton::clicked, this, &QWidget::close);
        layout->addWidget(text);
        layout->addWidget(close, 0, Qt::AlignRight);
        setCentralWidget(central);
        setWindowTitle(QStringLiteral("Βοήθεια: ") +
                       text->document()->metaInformation(QTextDocument::DocumentTitle));
        resize(760, 640);
    }
    QString plainText() const { return windowTitle() + QLatin1Char('\n') + text->toPlainText(); }

private:
    QTextBrowser* text;
};
} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Vorlux"));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    HelpWindow window;
    if (QApplication::arguments().contains(QStringLiteral("--print"))) {
        QTextStream(stdout) << window.plainText() << Qt::endl;
        return 0;
    }
    window.show();
    return QApplication::exec();
}
