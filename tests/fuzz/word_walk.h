#pragma once
// What the word layer's targets share: the input written as a document's file,
// then opened and walked as the report does (paragraphs and tables copied, the
// whole content pasted into a new document). Only the layer's own error (a
// message for the user) may come out of a step; anything else is a fault.
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

#include "platform/office/word.h"

namespace fuzz {

// The document's file; one per fuzzing process.
inline const QString& documentPath() {
    static const QString path =
        QDir::temp().filePath(QStringLiteral("vorlux-fuzz-%1.doc").arg(QCoreApplication::applicationPid()));
    return path;
}

inline void writeDocument(const QByteArray& bytes) {
    QFile file(documentPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(documentPath()));
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

inline void walkDocument() {
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
}

} // namespace fuzz
