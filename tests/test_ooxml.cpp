// The package layer: what a saved package holds when read back, parts nobody
// touched kept byte for byte, and packages no reader would take never written.
#include <QtTest>

#include <QTemporaryDir>

#include "file_contents.h"
#include "package_files.h"
#include "platform/office/ooxml.h"

using testsupport::filesIn;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const QString documentPart = QStringLiteral("word/document.xml");
const QString imagePart = QStringLiteral("word/media/image1.png");
const QString customPart = QStringLiteral("customXml/item1.xml");

// Bytes that a careless reader would change: a NUL, CR LF, bytes that are not UTF-8.
const QByteArray binaryBytes = QByteArray("\x89PNG\r\n\x1a\n\0\xff\xfe", 11);
// XML as another program writes it: indentation, a comment, single quotes.
const QByteArray foreignXml = "<?xml version='1.0'?>\r\n<root>\n  <!-- kept -->\n  <a  b='1'/>\n</root>\n";

ooxml::Package samplePackage() {
    ooxml::Package package;
    pugi::xml_node body = package.addXml(documentPart).append_child("w:document").append_child("w:body");
    pugi::xml_node text = body.append_child("w:p").append_child("w:r").append_child("w:t");
    text.append_attribute("xml:space") = "preserve";
    text.text().set("  Ηλεκτρομαγνητική ακτινοβολία <&> \"ΕΕΑΕ\"  ");
    package.setContentType(documentPart, QStringLiteral("application/test.main+xml"));
    package.setDefaultContentType(QStringLiteral("png"), QStringLiteral("image/png"));
    package.setBytes(imagePart, binaryBytes);
    package.setBytes(customPart, foreignXml);
    package.addRelationship(QString(), QString::fromLatin1(ooxml::officeDocumentRelationship), documentPart);
    package.addRelationship(documentPart, QStringLiteral("test/image"), QStringLiteral("media/image1.png"));
    return package;
}

} // namespace

class OoxmlTest : public QObject {
    Q_OBJECT
private slots:
    void savedPackageReadsBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.docx"));
        testsupport::savePackage(samplePackage(), path);

        ooxml::Package package = testsupport::packageAt(path);
        QCOMPARE(package.partNames(),
                 QStringList({QStringLiteral("word/document.xml"), QStringLiteral("[Content_Types].xml"),
                              imagePart, customPart, QStringLiteral("_rels/.rels"),
                              QStringLiteral("word/_rels/document.xml.rels")}));
        QCOMPARE(QString::fromUtf8(package.xml(documentPart).select_node("//w:t").node().text().get()),
                 QStringLiteral("  Ηλεκτρομαγνητική ακτινοβολία <&> \"ΕΕΑΕ\"  "));
        QCOMPARE(package.bytes(imagePart), binaryBytes);
        QCOMPARE(package.contentType(documentPart), QStringLiteral("application/test.main+xml"));
        QCOMPARE(package.contentType(imagePart), QStringLiteral("image/png"));
        QCOMPARE(package.contentType(QStringLiteral("word/_rels/document.xml.rels")),
                 QStringLiteral("application/vnd.openxmlformats-package.relationships+xml"));
        QCOMPARE(package.relatedPart(QString(), QString::fromLatin1(ooxml::officeDocumentRelationship)),
                 documentPart);
        QCOMPARE(package.relatedPart(documentPart, QStringLiteral("test/image")), imagePart);
        const QList<ooxml::Relationship> rels = package.relationships(documentPart);
        QCOMPARE(rels.size(), 1);
        QCOMPARE(rels.first().id, QStringLiteral("rId1"));
        QCOMPARE(rels.first().target, QStringLiteral("media/image1.png"));
    }

    // Parts that are not asked for as XML leave the package as they came in, even
    // when another part changes.
    void untouchedPartsKeptByteForByte() {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("first.docx"));
        const QString second = dir.filePath(QStringLiteral("second.docx"));
        testsupport::savePackage(samplePackage(), first);

        ooxml::Package package = testsupport::packageAt(first);
        package.xml(documentPart).select_node("//w:t").node().text().set("άλλο");
        testsupport::savePackage(package, second);

        ooxml::Package reread = testsupport::packageAt(second);
        QCOMPARE(reread.bytes(customPart), foreignXml);
        QCOMPARE(reread.bytes(imagePart), binaryBytes);
        QCOMPARE(QString::fromUtf8(reread.xml(documentPart).select_node("//w:t").node().text().get()),
                 QStringLiteral("άλλο"));
    }

    void blankTextSurvivesParsing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("blank.docx"));
        ooxml::Package package = samplePackage();
        package.setBytes(documentPart, "<w:document><w:body><w:p><w:r><w:t xml:space=\"preserve\">   "
                                       "</w:t></w:r></w:p></w:body></w:document>");
        package.xml(documentPart); // parsed and written back from the parsed form
        testsupport::savePackage(package, path);
        QCOMPARE(testsupport::packageAt(path).xml(documentPart).select_node("//w:t").node().text().get(),
                 "   ");
    }

    void partNamesResolve_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("part");
        QTest::addColumn<QString>("rels");
        QTest::newRow("beside") << "word/document.xml"
                                << "styles.xml"
                                << "word/styles.xml"
                                << "word/_rels/document.xml.rels";
        QTest::newRow("below") << "word/document.xml"
                               << "media/a.png"
                               << "word/media/a.png"
                               << "word/_rels/document.xml.rels";
        QTest::newRow("above") << "xl/worksheets/sheet1.xml"
                               << "../drawings/d.xml"
                               << "xl/drawings/d.xml"
                               << "xl/worksheets/_rels/sheet1.xml.rels";
        QTest::newRow("absolute") << "word/document.xml"
                                  << "/customXml/item1.xml"
                                  << "customXml/item1.xml"
                                  << "word/_rels/document.xml.rels";
        QTest::newRow("package") << ""
                                 << "word/document.xml"
                                 << "word/document.xml"
                                 << "_rels/.rels";
    }
    void partNamesResolve() {
        QFETCH(QString, source);
        QFETCH(QString, target);
        QFETCH(QString, part);
        QFETCH(QString, rels);
        QCOMPARE(ooxml::Package::resolve(source, target), part);
        QCOMPARE(ooxml::Package::relationshipsPartOf(source), rels);
    }

    void unreadablePackages_data() {
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing") << QByteArray() << "δεν βρέθηκε";
        QTest::newRow("plain text") << QByteArray("Δεν είμαι zip") << "δεν είναι έγγραφο Office Open XML";
        QTest::newRow("old binary document") << QByteArray("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1\0\0\0\0", 12)
                                             << "δεν είναι έγγραφο Office Open XML";
    }
    void unreadablePackages() {
        QFETCH(QByteArray, content);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("πρότυπο.doc"));
        if (!content.isEmpty())
            writeFile(path, content);
        try {
            testsupport::packageAt(path);
            QFAIL("opened");
        } catch (const ooxml::Error& e) {
            QVERIFY2(e.message().contains(path) && e.message().contains(cause), e.what());
        }
    }

    void zipWithoutContentTypesIsNoPackage() {
        QTemporaryDir dir;
        ooxml::Package package = samplePackage();
        package.remove(QString::fromLatin1(ooxml::contentTypesPart));
        const QByteArray zip = package.toBytes();
        try {
            ooxml::Package::fromBytes(zip, QStringLiteral("x.docx"));
            QFAIL("opened");
        } catch (const ooxml::Error& e) {
            QVERIFY2(e.message().contains(QStringLiteral("[Content_Types].xml")), e.what());
        }
    }

    void malformedXmlPartNamed() {
        ooxml::Package package = samplePackage();
        package.setBytes(documentPart, "<w:document><w:body></w:document>");
        ooxml::Package reread = ooxml::Package::fromBytes(package.toBytes(), QStringLiteral("x.docx"));
        try {
            reread.xml(documentPart);
            QFAIL("parsed");
        } catch (const ooxml::Error& e) {
            QVERIFY2(e.message().contains(documentPart) && e.message().contains(QStringLiteral("x.docx")),
                     e.what());
        }
    }

    // A package that open() would refuse is never written, for once on disk no
    // one could read it again; one at the very bound is written and read back.
    void noPackageTheReaderRefusesIsWritten_data() {
        QTest::addColumn<QList<qsizetype>>("rawParts"); // sizes of parts kept as bytes
        QTest::addColumn<qsizetype>("parsedText");      // a parsed part with this much text, or 0
        QTest::addColumn<bool>("written");
        const qsizetype mb = 1 << 20;
        QTest::newRow("one part over 256 MB") << QList<qsizetype>{256 * mb + 1} << qsizetype(0) << false;
        QTest::newRow("two parts over 256 MB together")
            << QList<qsizetype>{128 * mb, 128 * mb} << qsizetype(0) << false;
        QTest::newRow("a parsed part over 256 MB") << QList<qsizetype>{} << 256 * mb << false;
        QTest::newRow("256 MB together, to the byte")
            << QList<qsizetype>{128 * mb, 128 * mb} << qsizetype(0) << true;
    }
    void noPackageTheReaderRefusesIsWritten() {
        QFETCH(QList<qsizetype>, rawParts);
        QFETCH(qsizetype, parsedText);
        QFETCH(bool, written);
        ooxml::Package package = samplePackage();
        qsizetype others = 0; // the sample's own parts
        for (const QString& name : package.partNames())
            others += package.bytes(name).size();
        for (int i = 0; i < rawParts.size(); ++i) {
            // The last part of a package meant to fit takes what the sample leaves of the bound.
            const qsizetype size = rawParts[i] - (written && i == rawParts.size() - 1 ? others : 0);
            package.setBytes(QStringLiteral("big/part%1.bin").arg(i), QByteArray(size, ' '));
        }
        if (parsedText > 0)
            package.xml(documentPart)
                .child("w:document")
                .child("w:body")
                .append_child("w:p")
                .text()
                .set(QByteArray(parsedText, 'x').constData());
        QCOMPARE(package.readable(), written);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.doc"));
        writeFile(path, "η προηγούμενη αναφορά");
        if (!written) {
            try {
                testsupport::savePackage(package, path);
                QFAIL("saved");
            } catch (const ooxml::Error& e) {
                QVERIFY2(e.message().contains(QStringLiteral("μεγαλύτερο από 256 MB")), e.what());
            }
            QCOMPARE(readFile(path), QByteArray("η προηγούμενη αναφορά"));
            QCOMPARE(filesIn(dir.path()), QStringList{QStringLiteral("report.doc")});
            return;
        }
        testsupport::savePackage(package, path);
        QCOMPARE(testsupport::packageAt(path).partNames(), package.partNames());
    }
};

QTEST_GUILESS_MAIN(OoxmlTest)
#include "test_ooxml.moc"
