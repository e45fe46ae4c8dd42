// The word-processor layer as the report and the menus drive it, checked by
// reading the written files back.
#include <QtTest>

#include <QTemporaryDir>

#include "docx_reader.h"
#include "failure_of.h"
#include "file_contents.h"
#include "package_files.h"
#include "platform/desktop/desktop.h"
#include "platform/office/word.h"
#include "platform/office/word_blank.h"
#include "temp_folder.h"

using testsupport::DocxReader;
using testsupport::failureOf;

using testsupport::readFile;

namespace {

const QString documentPart = QStringLiteral("word/document.xml");
const char pngSample[] = "\x89PNG\r\n\x1a\n\0\0\0\rIHDR-sample";
const QByteArray pngBytes(pngSample, sizeof pngSample - 1);

QByteArray documentXml(const QByteArray& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
           "<w:document xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
           "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
           "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
           "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\"><w:body>" +
           body + "<w:sectPr/></w:body></w:document>";
}

QByteArray paragraph(const QByteArray& text, const QByteArray& style = QByteArray()) {
    const QByteArray pPr =
        style.isEmpty() ? QByteArray() : "<w:pPr><w:pStyle w:val=\"" + style + "\"/></w:pPr>";
    return "<w:p>" + pPr + "<w:r><w:t>" + text + "</w:t></w:r></w:p>";
}

QByteArray table(int rows, int columns) {
    QByteArray xml = "<w:tbl><w:tblPr><w:tblStyle w:val=\"TableGrid\"/></w:tblPr>";
    for (int r = 1; r <= rows; ++r) {
        xml += "<w:tr>";
        for (int c = 1; c <= columns; ++c)
            xml += "<w:tc><w:p><w:pPr><w:jc w:val=\"center\"/></w:pPr><w:r><w:rPr><w:b/></w:rPr><w:t>" +
                   QByteArray::number(r) + "," + QByteArray::number(c) + "</w:t></w:r></w:p></w:tc>";
        xml += "</w:tr>";
    }
    return xml + "</w:tbl>";
}

QString writeDocument(const QString& path, const QByteArray& body) {
    ooxml::Package package = word::blankPackage();
    package.setBytes(documentPart, documentXml(body));
    testsupport::savePackage(package, path);
    return path;
}

// A source with what copied content must take along: a style the blank document
// does not have, an image and a hyperlink.
QString writeRichSource(const QString& path) {
    ooxml::Package package = word::blankPackage();
    const QByteArray body =
        paragraph("Επικεφαλίδα", "Special") +
        "<w:p><w:r><w:drawing><wp:inline><a:graphic><a:graphicData><a:blip r:embed=\"rIdImg\"/>"
        "</a:graphicData></a:graphic></wp:inline></w:drawing></w:r></w:p>"
        "<w:p><w:hyperlink r:id=\"rIdLink\"><w:r><w:t>ΕΕΑΕ</w:t></w:r></w:hyperlink></w:p>" +
        paragraph("");
    package.setBytes(documentPart, documentXml(body));
    pugi::xml_node styles = package.xml(QStringLiteral("word/styles.xml")).child("w:styles");
    pugi::xml_node special = styles.append_child("w:style");
    special.append_attribute("w:type") = "paragraph";
    special.append_attribute("w:styleId") = "Special";
    special.append_child("w:basedOn").append_attribute("w:val") = "SpecialBase";
    pugi::xml_node base = styles.append_child("w:style");
    base.append_attribute("w:type") = "paragraph";
    base.append_attribute("w:styleId") = "SpecialBase";
    // The image takes the name the target already uses, with other bytes.
    package.setBytes(QStringLiteral("word/media/image1.png"), pngBytes);
    package.setDefaultContentType(QStringLiteral("png"), QStringLiteral("image/png"));
    pugi::xml_node rels = package.xml(QStringLiteral("word/_rels/document.xml.rels")).child("Relationships");
    for (const auto& [id, type, target, external] :
         {std::tuple{"rIdImg", "http://schemas.openxmlformats.org/officeDocument/2006/relationships/image",
                     "media/image1.png", false},
          std::tuple{"rIdLink",
                     "http://schemas.openxmlformats.org/officeDocument/2006/relationships/hyperlink",
                     "https://eeae.gr/", true}}) {
        pugi::xml_node r = rels.append_child("Relationship");
        r.append_attribute("Id") = id;
        r.append_attribute("Type") = type;
        r.append_attribute("Target") = target;
        if (external)
            r.append_attribute("TargetMode") = "External";
    }
    testsupport::savePackage(package, path);
    return path;
}

} // namespace

class WordTest : public QObject {
    Q_OBJECT
private slots:
    void newDocumentIsBlankWithTheStyles() {
        QTemporaryDir dir;
        word::Application app;
        word::Document& doc = app.documents().add();
        QCOMPARE(doc.paragraphs().count(), 1);
        QVERIFY(doc.fullName().isEmpty());
        doc.saveAs(office::SaveTarget(dir.filePath(QStringLiteral("r.doc"))));
        QCOMPARE(doc.fullName(), dir.filePath(QStringLiteral("r.doc")));

        DocxReader report(dir.filePath(QStringLiteral("r.doc")));
        QCOMPARE(report.body(), QStringList{QString()});
        for (const char* id :
             {"Normal", "Title", "Heading1", "Heading2", "Caption", "TableText", "TableGrid"})
            QVERIFY2(report.styleIds().contains(QString::fromLatin1(id)), id);
    }

    void openingAnOpenPathGivesThatDocument() {
        QTemporaryDir dir;
        word::Application app;
        word::Document& doc = app.documents().add();
        doc.saveAs(office::SaveTarget(dir.filePath(QStringLiteral("r.doc"))));
        doc.content().setText(QStringLiteral("αλλαγή που δεν γράφτηκε"));
        for (const QString& spelling :
             {dir.filePath(QStringLiteral("r.doc")), dir.path() + QStringLiteral("//r.doc"),
              dir.path() + QStringLiteral("/./r.doc")})
            QCOMPARE(&app.documents().open(spelling), &doc);
        QCOMPARE(app.documents().count(), 1);
        QCOMPARE(doc.paragraphs().count(), 2);
    }

    void contentTakesText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("paragraphs");
        QTest::newRow("empty") << "" << QStringList{""};
        QTest::newRow("one line") << "Ιστός στο δώμα" << QStringList{"Ιστός στο δώμα", ""};
        QTest::newRow("lines") << "α\nβ\n\nγ" << QStringList{"α", "β", "", "γ", ""};
        QTest::newRow("windows lines") << "α\r\nβ\rγ" << QStringList{"α", "β", "γ", ""};
        QTest::newRow("blanks kept") << "  2,5  " << QStringList{"  2,5  ", ""};
        QTest::newRow("markup characters") << "<&> \"'" << QStringList{"<&> \"'", ""};
        QTest::newRow("forbidden dropped") << QString::fromUtf8("a\x01\x1f"
                                                                "b\xef\xbf\xbf")
                                           << QStringList{"ab", ""};
        QTest::newRow("tab") << "a\tb" << QStringList{"a\tb", ""};
        QTest::newRow("beyond the basic plane") << QString::fromUtf8("\xf0\x9d\x90\x80")
                                                << QStringList{QString::fromUtf8("\xf0\x9d\x90\x80"), ""};
    }
    void contentTakesText() {
        QFETCH(QString, text);
        QFETCH(QStringList, paragraphs);
        QTemporaryDir dir;
        const QString path = writeDocument(dir.filePath(QStringLiteral("t.doc")),
                                           paragraph("παλιό", "BodyText") + paragraph("κείμενο"));
        word::Application app;
        word::Document& doc = app.documents().open(path);
        doc.content().setText(text);
        QCOMPARE(doc.paragraphs().count(), paragraphs.size());
        doc.save();
        DocxReader reread(path);
        QCOMPARE(reread.body(), paragraphs);
        // The new text keeps the look of the first paragraph it replaced.
        QCOMPARE(reread.package.xml(documentPart).select_nodes("//w:pStyle[@w:val='BodyText']").size(),
                 static_cast<size_t>(paragraphs.size()));
    }

    // Content copied in one application and pasted in another replaces the last
    // paragraph and brings its styles, image and hyperlink.
    void pasteBringsWhatTheContentNeeds() {
        QTemporaryDir dir;
        const QString source = writeRichSource(dir.filePath(QStringLiteral("source.doc")));
        word::Application first;
        word::Document& report = first.documents().add();
        report.saveAs(office::SaveTarget(dir.filePath(QStringLiteral("report.doc"))));
        ooxml::Package& reportPackage = report.package();
        reportPackage.setBytes(QStringLiteral("word/media/image1.png"), QByteArray("other"));

        word::Application second;
        second.documents().open(source);
        second.activeDocument().content().copy();
        second.documents().close();
        second.quit();

        word::Document& again = first.documents().open(dir.filePath(QStringLiteral("report.doc")));
        const int n = again.paragraphs().count();
        again.paragraphs().item(n).range().paste();
        again.save();

        DocxReader reread(dir.filePath(QStringLiteral("report.doc")));
        QCOMPARE(reread.body(), QStringList({"Επικεφαλίδα", "", "ΕΕΑΕ", ""}));
        QVERIFY(reread.styleIds().contains(QStringLiteral("Special")));
        QVERIFY(reread.styleIds().contains(QStringLiteral("SpecialBase")));
        ooxml::Package& package = reread.package;
        const QString embed = QString::fromUtf8(
            package.xml(documentPart).select_node("//a:blip").node().attribute("r:embed").value());
        const QString link = QString::fromUtf8(
            package.xml(documentPart).select_node("//w:hyperlink").node().attribute("r:id").value());
        QString imagePart, linkTarget;
        for (const ooxml::Relationship& r : package.relationships(documentPart)) {
            if (r.id == embed)
                imagePart = ooxml::Package::resolve(documentPart, r.target);
            if (r.id == link && r.external)
                linkTarget = r.target;
        }
        QCOMPARE(package.bytes(imagePart), pngBytes);
        QCOMPARE(package.bytes(QStringLiteral("word/media/image1.png")), QByteArray("other"));
        QCOMPARE(package.contentType(imagePart), QStringLiteral("image/png"));
        QCOMPARE(linkTarget, QStringLiteral("https://eeae.gr/"));
    }

    void documentEndsInAParagraphAfterPastingATable() {
        QTemporaryDir dir;
        const QString source = writeDocument(dir.filePath(QStringLiteral("tables.doc")), table(2, 2));
        word::Application app;
        app.documents().open(source).content().copy();
        word::Document& report = app.documents().add();
        report.paragraphs().item(1).range().paste();
        QCOMPARE(report.tables().count(), 1);
        QCOMPARE(report.paragraphs().count(), 5); // four cells and the closing paragraph
        report.saveAs(office::SaveTarget(dir.filePath(QStringLiteral("r.doc"))));
        QCOMPARE(DocxReader(dir.filePath(QStringLiteral("r.doc"))).body(), QStringList({"[table]", ""}));
    }

    void cellTakesText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("number text") << "2,5"
                                     << "2,5";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("marker") << "Δεν ορίζεται"
                                << "Δεν ορίζεται";
        QTest::newRow("blanks") << " sec4g "
                                << " sec4g ";
        QTest::newRow("markup") << "<&>\""
                                << "<&>\"";
        QTest::newRow("two lines") << "α\nβ"
                                   << "α\nβ";
    }
    void cellTakesText() {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        const QString path = writeDocument(dir.filePath(QStringLiteral("t.doc")),
                                           paragraph("x") + table(2, 3) + paragraph(""));
        word::Application app;
        app.documents().open(path);
        app.activeDocument().tables().item(1).cell(2, 3).range().setText(text);
        app.activeDocument().save();
        DocxReader reread(path);
        QCOMPARE(reread.cell(1, 2, 3), expected);
        QCOMPARE(reread.cell(1, 2, 2), QStringLiteral("2,2"));
        QCOMPARE(reread.cell(1, 1, 3), QStringLiteral("1,3"));
        // The cell keeps its look: centred and bold.
        const pugi::xml_node cell = reread.package.xml(documentPart).select_node("//w:tr[2]/w:tc[3]").node();
        QCOMPARE(cell.select_node("w:p/w:pPr/w:jc").node().attribute("w:val").value(), "center");
        if (!text.isEmpty())
            QVERIFY(cell.select_node("w:p/w:r/w:rPr/w:b"));
    }

    void missingCellsAreNamed_data() {
        QTest::addColumn<int>("t");
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("c");
        QTest::addColumn<QString>("cause");
        QTest::newRow("no such table") << 3 << 1 << 1 << "δεν υπάρχει ο πίνακας 3";
        QTest::newRow("no such row") << 1 << 5 << 1 << "γραμμή 5, στήλη 1";
        QTest::newRow("no such column") << 1 << 1 << 4 << "γραμμή 1, στήλη 4";
    }
    void missingCellsAreNamed() {
        QFETCH(int, t);
        QFETCH(int, r);
        QFETCH(int, c);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString path =
            writeDocument(dir.filePath(QStringLiteral("t.doc")), table(2, 3) + paragraph(""));
        word::Application app;
        app.documents().open(path);
        const QString message =
            failureOf([&] { app.activeDocument().tables().item(t).cell(r, c).range().setText("x"); });
        QVERIFY2(message.contains(cause) && message.contains(path), qPrintable(message));
    }

    void closingWritesNothing() {
        QTemporaryDir dir;
        const QString path =
            writeDocument(dir.filePath(QStringLiteral("t.doc")), table(2, 3) + paragraph(""));
        const QByteArray before = readFile(path);
        word::Application app;
        app.documents().open(path).tables().item(1).cell(1, 1).range().setText(QStringLiteral("γεμάτο"));
        app.activeDocument().content().copy();
        app.documents().close();
        app.quit();
        QCOMPARE(readFile(path), before);
        QVERIFY(failureOf([&] { app.activeDocument(); }).contains(QStringLiteral("ανοιχτό έγγραφο")));
    }

    // A document opened again reads its file as it now stands: changed by
    // another application since, or changed here and closed without a save.
    void reopeningReadsTheFileAsItStands() {
        QTemporaryDir dir;
        const QString path = writeDocument(dir.filePath(QStringLiteral("t.doc")), paragraph("ένα"));
        word::Application app;
        QCOMPARE(app.documents().open(path).paragraphs().count(), 1);
        app.activeDocument().close();

        writeDocument(path, paragraph("ένα") + paragraph("δύο") + paragraph("τρία"));
        QCOMPARE(app.documents().open(path).paragraphs().count(), 3);
        app.activeDocument().content().setText(QStringLiteral("α\nβ\nγ\nδ"));
        QCOMPARE(app.activeDocument().paragraphs().count(), 5);
        app.activeDocument().close();
        QCOMPARE(app.documents().open(path).paragraphs().count(), 3);

        app.activeDocument().content().setText(QStringLiteral("α"));
        app.activeDocument().save();
        app.activeDocument().close();
        QCOMPARE(app.documents().open(path).paragraphs().count(), 2);
        QCOMPARE(DocxReader(path).body(), QStringList({"α", ""}));
    }

    // A file changed on disk into one of the same size, a template edited by
    // the installation between two reports, is read afresh when opened again.
    void reopeningReadsAChangeOfTheSameSize() {
        QTemporaryDir dir;
        const QString path = writeDocument(dir.filePath(QStringLiteral("t.doc")), paragraph("ένα"));
        const QByteArray before = readFile(path);
        word::Application app;
        QCOMPARE(DocxReader(path).body(), QStringList{"ένα"});
        app.documents().open(path).content().copy();
        app.activeDocument().close();

        writeDocument(path, paragraph("δύο"));
        QCOMPARE(readFile(path).size(), before.size());
        QVERIFY(readFile(path) != before);
        word::Document& target = app.documents().add();
        target.saveAs(office::SaveTarget(dir.filePath(QStringLiteral("r.doc"))));
        app.documents().open(path).content().copy();
        app.activeDocument().close();
        target.paragraphs().item(1).range().paste();
        target.save();
        QCOMPARE(DocxReader(target.fullName()).body(), QStringList{"δύο"});
    }

    // Shown unchanged, a document goes to the user's application as its file
    // stands, without being read: an old binary document opens all the same.
    void visibleHandsFilesToTheUser() {
        QTemporaryDir dir;
        const QString binary = dir.filePath(QStringLiteral("odhgia_K52_ITU.doc"));
        QFile file(binary);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1 old binary", 19));
        file.close();
        desktop::Recorder recorder;
        word::Application app;
        app.documents().open(binary, false);
        QVERIFY(recorder.opened.isEmpty());
        app.setVisible(true);
        QCOMPARE(recorder.opened, QStringList{binary});

        // Opened while shown: handed over at once.
        word::Application menu;
        menu.setVisible(true);
        menu.documents().open(binary, false);
        QCOMPARE(recorder.opened, QStringList({binary, binary}));
    }

    void changedDocumentIsShownAsACopy() {
        QTemporaryDir dir;
        const QString path = writeDocument(dir.filePath(QStringLiteral("t.doc")), paragraph("αρχικό"));
        const QByteArray before = readFile(path);
        desktop::Recorder recorder;
        word::Application app;
        app.documents().open(path).content().setText(QStringLiteral("αλλαγμένο"));
        app.setVisible(true);
        QCOMPARE(recorder.opened.size(), 1);
        QVERIFY(recorder.opened.first() != path);
        QCOMPARE(DocxReader(recorder.opened.first()).body(), QStringList({"αλλαγμένο", ""}));
        QCOMPARE(readFile(path), before);
        QDir(QFileInfo(recorder.opened.first()).path()).removeRecursively();
    }

    // Another user of the temporary folder makes, ahead, the folders a copy to
    // be shown could be written in, by every name this program could give
    // them, each with a link at the copy's name to a file of this user's: the
    // copy goes into a folder of its own, and that file stays as it was.
    void aCopyToBeShownGoesIntoAFolderOfItsOwn() {
        QTemporaryDir dir;
        const testsupport::TemporaryFolder temporary;
        const QString path = writeDocument(dir.filePath(QStringLiteral("t.doc")), paragraph("αρχικό"));
        const QString mine = dir.filePath(QStringLiteral("δική μου.doc"));
        const QByteArray mineBytes = "ένα έγγραφο του χρήστη";
        testsupport::writeFile(mine, mineBytes);
        for (int n = 1; n <= 100; ++n) {
            const QString guessed =
                temporary.path +
                QStringLiteral("/vorlux-%1-%2").arg(QCoreApplication::applicationPid()).arg(n);
            QVERIFY(QDir().mkpath(guessed));
            testsupport::makeLink(mine, guessed + QStringLiteral("/t.doc"));
        }
        desktop::Recorder recorder;
        word::Application app;
        app.documents().open(path).content().setText(QStringLiteral("αλλαγμένο"));
        app.setVisible(true);
        QCOMPARE(readFile(mine), mineBytes);
        QCOMPARE(recorder.opened.size(), 1);
        QVERIFY(!QFileInfo(recorder.opened.first()).isSymLink());
        QCOMPARE(DocxReader(recorder.opened.first()).body(), QStringList({"αλλαγμένο", ""}));
        QCOMPARE(QDir(temporary.path).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 101);
    }

    void unreadableDocumentsAreNamed_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("cause");
        QTest::newRow("missing") << QByteArray() << "δεν βρέθηκε";
        QTest::newRow("not a package") << QByteArray("plain text") << "δεν είναι έγγραφο Office Open XML";
    }
    void unreadableDocumentsAreNamed() {
        QFETCH(QByteArray, content);
        QFETCH(QString, cause);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("eisagwgh.doc"));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        word::Application app;
        const QString message = failureOf([&] { app.documents().open(path).content().copy(); });
        QVERIFY2(message.contains(cause) && message.contains(path), qPrintable(message));
    }
};

QTEST_GUILESS_MAIN(WordTest)
#include "test_word.moc"
