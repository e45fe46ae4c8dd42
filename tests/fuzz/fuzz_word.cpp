// The package reader and the word layer: any file opened as a document either
// gives its paragraphs and tables, copied and pasted, or fails with the layer's
// own error (a message for the user). Anything else is a fault.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdint>

#include "platform/word.h"

namespace {

// The document's file; one per fuzzing process.
const QString& documentPath() {
    static const QString path =
        QDir::temp().filePath(QStringLiteral("vorlux-fuzz-%1.doc").arg(QCoreApplication::applicationPid()));
    return path;
}

// A step that may fail as the user would be told: the next one is tried.
template <class F> void attempt(F&& step) {
    try {
        step();
    } catch (const word::Error&) {
    }
}

// At most this many paragraphs and tables are copied: each one walks the body again.
constexpr int walked = 16;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    {
        QFile file(documentPath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) != qint64(size))
            qFatal("cannot write %s", qPrintable(documentPath()));
    }
    word::Application application;
    attempt([&] {
        word::Document& document = application.documents().open(documentPath(), true);
        const int paragraphs = document.paragraphs().count();
        for (int n = 1; n <= paragraphs && n <= walked; ++n)
            attempt([&] { document.paragraphs().item(n).range().copy(); });
        const int tables = document.tables().count();
        for (int t = 1; t <= tables && t <= walked; ++t)
            attempt([&] { document.tables().item(t).cell(1, 1).range().copy(); });
        document.content().copy();
        word::Document& pasted = application.documents().add();
        pasted.content().paste();
        pasted.package().toBytes();
    });
    return 0;
}
