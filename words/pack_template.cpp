// Packs a template's readable body (a WordprocessingML document part) into a
// document made from the built-in blank one, so every template shares its page
// and style sheet. Used by the build: pack_template SOURCE.xml OUTPUT.doc
#include <QFile>
#include <cstdio>

#include "platform/office/ooxml.h"
#include "platform/office/save_target.h"
#include "platform/office/word_blank.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SOURCE.xml OUTPUT.doc\n", argv[0]);
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(source.errorString()));
        return 1;
    }
    try {
        const QString documentPart = QStringLiteral("word/document.xml");
        ooxml::Package package = word::blankPackage();
        package.setBytes(documentPart, source.readAll());
        package.xml(documentPart); // checked well-formed, and written without the source's indentation
        office::SaveTarget(QString::fromLocal8Bit(argv[2])).write(package.toBytes());
    } catch (const ooxml::Error& e) {
        std::fprintf(stderr, "%s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
