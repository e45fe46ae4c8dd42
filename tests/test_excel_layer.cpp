// The spreadsheet layer: string cells written into the active worksheet, the
// file it was opened from never written, the workbook shown as it now stands.
#include <QtTest>
#include <optional>

#include "file_faults.h"
#include "package_files.h"
#include "platform/desktop/desktop.h"
#include "platform/office/excel.h"
#include "platform/office/excel_sheet.h"
#include "platform/office/ooxml.h"
#include "temp_folder.h"

namespace {

const QByteArray sheetStart =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";

QByteArray worksheet(const QByteArray& dimension, const QByteArray& sheetData) {
    const QByteArray ref = QByteArray(R"(<dimension ref="%1"/>)").replace("%1", dimension);
    return sheetStart + ref + "<sheetData>" + sheetData + "</sheetData></worksheet>";
}

struct SheetPart {
    QByteArray type; // "worksheet" or "chartsheet"
    QByteArray xml;
};

// A small workbook written for a test: its sheets in tab order, the saved active
// tab (-1: no book view at all), and the content type of its main part.
QString writeWorkbook(
    const QString& path, const QList<SheetPart>& sheets, int activeTab = 0,
    const QString& mainType = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml") {
    const QString declaration = R"(<?xml version="1.0" encoding="UTF-8"?>)";
    QString types, rels, list;
    ooxml::Package package;
    for (int i = 0; i < sheets.size(); ++i) {
        const QString name = QString::fromLatin1(sheets[i].type) + QString::number(i + 1);
        types +=
            QString(R"(<Override PartName="/xl/sheets/%1.xml" )"
                    R"(ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.%2+xml"/>)")
                .arg(name, QString::fromLatin1(sheets[i].type));
        rels += QString(R"(<Relationship Id="rId%1" )"
                        R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/%2" )"
                        R"(Target="sheets/%3.xml"/>)")
                    .arg(i + 1)
                    .arg(QString::fromLatin1(sheets[i].type), name);
        list += QString(R"(<sheet name="S%1" sheetId="%1" r:id="rId%1"/>)").arg(i + 1);
        package.setBytes(QStringLiteral("xl/sheets/%1.xml").arg(name), sheets[i].xml);
    }
    const QString views =
        activeTab < 0 ? QString()
                      : QString(R"(<bookViews><workbookView activeTab="%1"/></bookViews>)").arg(activeTab);
    const auto part = [&](const char* name, const QString& xml) {
        package.setBytes(QString::fromLatin1(name), (declaration + xml).toUtf8());
    };
    part(
        "[Content_Types].xml",
        QString(
            R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
            R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
            R"(<Default Extension="xml" ContentType="application/xml"/>)"
            R"(<Override PartName="/xl/workbook.xml" ContentType="%1"/>%2</Types>)")
            .arg(mainType, types));
    part("_rels/.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Target="xl/workbook.xml" )"
         R"(Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument"/>)"
         R"(</Relationships>)");
    part("xl/workbook.xml",
         QString(R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
                 R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
                 R"(%1<sheets>%2</sheets></workbook>)")
             .arg(views, list));
    part("xl/_rels/workbook.xml.rels",
         QString(R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
                 R"(%1</Relationships>)")
             .arg(rels));
    testsupport::savePackage(package, path);
    return path;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The written sheet's cells as a reader finds them: the dimension and sheetData.
QByteArray writtenSheet(const QString& path, const QString& part) {
    QByteArray xml = testsupport::packageAt(path).bytes(part);
    const qsizetype from = xml.indexOf("<dimension");
    const qsizetype data = xml.indexOf("<sheetData");
    const qsizetype to = xml.indexOf("</sheetData>") + qsizetype(strlen("</sheetData>"));
    return xml.mid(from >= 0 ? from : data, to - (from >= 0 ? from : data));
}

} // namespace

class ExcelLayerTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void cellNames_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 1 << 1 << "A1";
        QTest::newRow("band input") << 68 << 8 << "H68";
        QTest::newRow("last single letter") << 207 << 26 << "Z207";
        QTest::newRow("two letters") << 3 << 27 << "AA3";
        QTest::newRow("last cell of a sheet") << 1048576 << 16384 << "XFD1048576";
    }
    void cellNames() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, name);
        QCOMPARE(excel::sheet::cellName(row, column), name);
    }

    // What one Value put leaves in the sheet, every other cell as it was.
    void setValue_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("after");
        const QByteArray other = R"(<row r="1"><c r="A1" s="2"><f>B2*2</f><v>14</v></c></row>)";
        QTest::newRow("a number stays text, style kept")
            << QByteArray(other + R"(<row r="2"><c r="B2" s="3"><v>7</v></c></row>)") << 2 << 2 << "2,5"
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData>)" + other +
                   R"(<row r="2"><c r="B2" s="3" t="inlineStr"><is><t>2,5</t></is></c></row></sheetData>)");
        QTest::newRow("a formula is replaced by the text")
            << QByteArray(R"(<row r="2"><c r="B2"><f>A1*2</f><v>14</v></c></row>)") << 2 << 2 << "=A1"
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData><row r="2"><c r="B2" t="inlineStr"><is><t>=A1</t></is></c></row></sheetData>)");
        QTest::newRow("a shared string is replaced")
            << QByteArray(R"(<row r="2"><c r="B2" t="s"><v>0</v></c></row>)") << 2 << 2 << "Εκτός μελέτης."
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData><row r="2"><c r="B2" t="inlineStr"><is><t>Εκτός μελέτης.</t></is></c></row></sheetData>)");
        QTest::newRow("an empty text is an empty string")
            << QByteArray(R"(<row r="2"><c r="B2" t="inlineStr"><is><t>template</t></is></c></row>)") << 2
            << 2 << ""
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData><row r="2"><c r="B2" t="inlineStr"><is><t></t></is></c></row></sheetData>)");
        QTest::newRow("blanks around the text are kept")
            << QByteArray(R"(<row r="2"><c r="B2"/></row>)") << 2 << 2 << " 5 "
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData><row r="2"><c r="B2" t="inlineStr"><is><t xml:space="preserve"> 5 </t></is></c></row></sheetData>)");
        QTest::newRow("characters XML cannot carry are escaped")
            << QByteArray(R"(<row r="2"><c r="B2"/></row>)") << 2 << 2
            << QString::fromUtf16(u"a\u0001b\rc<&>")
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData><row r="2"><c r="B2" t="inlineStr"><is><t>a_x0001_b_x000D_c&lt;&amp;&gt;</t></is></c></row></sheetData>)");
        QTest::newRow("a typed escape keeps its underscore")
            << QByteArray(R"(<row r="2"><c r="B2"/></row>)") << 2 << 2 << "_x0041_ _x12_"
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData><row r="2"><c r="B2" t="inlineStr"><is><t>_x005F_x0041_ _x12_</t></is></c></row></sheetData>)");
        QTest::newRow("a new cell goes between its neighbours")
            << QByteArray(R"(<row r="2" spans="1:3"><c r="A2"><v>1</v></c><c r="C2"><v>3</v></c></row>)") << 2
            << 2 << "b"
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData><row r="2"><c r="A2"><v>1</v></c><c r="B2" t="inlineStr"><is><t>b</t></is></c><c r="C2"><v>3</v></c></row></sheetData>)");
        QTest::newRow("a new row goes between its neighbours")
            << QByteArray(R"(<row r="1"><c r="A1"><v>1</v></c></row><row r="3"><c r="A3"><v>3</v></c></row>)")
            << 2 << 1 << "b"
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData><row r="1"><c r="A1"><v>1</v></c></row><row r="2"><c r="A2" t="inlineStr"><is><t>b</t></is></c></row><row r="3"><c r="A3"><v>3</v></c></row></sheetData>)");
        QTest::newRow("rows and cells without references count on")
            << QByteArray(R"(<row><c><v>1</v></c><c><v>2</v></c></row><row><c><v>3</v></c></row>)") << 2 << 2
            << "x"
            << QByteArray(
                   R"(<dimension ref="A1:B2"/><sheetData><row><c><v>1</v></c><c><v>2</v></c></row><row><c><v>3</v></c><c r="B2" t="inlineStr"><is><t>x</t></is></c></row></sheetData>)");
        QTest::newRow("a cell past the used range widens it")
            << QByteArray() << 5 << 27 << "x"
            << QByteArray(
                   R"(<dimension ref="A1:AA5"/><sheetData><row r="5"><c r="AA5" t="inlineStr"><is><t>x</t></is></c></row></sheetData>)");
    }
    void setValue() {
        QFETCH(QByteArray, before);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QByteArray, after);
        testsupport::TemporaryFolder temporary;
        desktop::Recorder opened;
        const QString path = writeWorkbook(dir.filePath(QStringLiteral("book.xlsx")),
                                           {{"worksheet", worksheet("A1:B2", before)}});
        {
            excel::Application excel;
            excel.workbooks().open(path);
            excel.cells(row, column).setValue(text);
            excel.setVisible(true);
            excel.quit();
        }
        QCOMPARE(opened.opened.size(), 1);
        QCOMPARE(writtenSheet(opened.opened.front(), QStringLiteral("xl/sheets/worksheet1.xml")), after);
    }

    // Cells go to the sheet the workbook was saved on; every other part of the
    // package is written back byte for byte.
    void activeSheet_data() {
        QTest::addColumn<int>("activeTab");
        QTest::addColumn<int>("written");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("third") << 2 << 2;
        QTest::newRow("no book view: the first") << -1 << 0;
    }
    void activeSheet() {
        QFETCH(int, activeTab);
        QFETCH(int, written);
        testsupport::TemporaryFolder temporary;
        desktop::Recorder opened;
        const QByteArray data = R"(<row r="1"><c r="A1"><v>1</v></c></row>)";
        const QString path = writeWorkbook(dir.filePath(QStringLiteral("tabs.xlsx")),
                                           {{"worksheet", worksheet("A1", data)},
                                            {"worksheet", worksheet("A1", data)},
                                            {"worksheet", worksheet("A1", data)}},
                                           activeTab);
        excel::Application excel;
        excel.workbooks().open(path);
        excel.cells(1, 1).setValue(QStringLiteral("x"));
        excel.setVisible(true);

        const ooxml::Package before = testsupport::packageAt(path);
        const ooxml::Package after = testsupport::packageAt(opened.opened.value(0));
        QCOMPARE(after.partNames(), before.partNames());
        const QString target = QStringLiteral("xl/sheets/worksheet%1.xml").arg(written + 1);
        for (const QString& part : before.partNames())
            if (part != target)
                QCOMPARE(after.bytes(part), before.bytes(part));
        QVERIFY(after.bytes(target).contains(R"(<c r="A1" t="inlineStr"><is><t>x</t></is></c>)"));
    }

    // A workbook shown without a change is handed over as the file stands,
    // unread: an old binary workbook opens in the user's own application.
    void unchangedWorkbookIsShownAsItStands() {
        testsupport::TemporaryFolder temporary;
        desktop::Recorder opened;
        excel::Recorder calls;
        const QString path = dir.filePath(QStringLiteral("old report.xls"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1 not a zip");
        file.close();

        excel::Application excel;
        excel.workbooks().open(path);
        excel.setVisible(true);
        QCOMPARE(opened.opened, QStringList{path});
        QCOMPARE(calls.count(excel::Recorder::Kind::Show), 1);
        QVERIFY(temporary.files().isEmpty());
    }

    // A changed workbook is shown from a new file in the temporary folder; the
    // file it was opened from keeps every byte, and each showing gets its own name.
    void changedWorkbookIsShownFromANewFile() {
        testsupport::TemporaryFolder temporary;
        desktop::Recorder opened;
        const QString path = writeWorkbook(dir.filePath(QStringLiteral("Radiation_report.XLS")),
                                           {{"worksheet", worksheet("A1", "")}});
        const QByteArray original = fileBytes(path);
        for (int run = 0; run < 2; ++run) {
            excel::Application excel;
            excel.workbooks().open(path);
            excel.cells(3, 2).setValue(QStringLiteral("run %1").arg(run));
            excel.setVisible(true);
            excel.quit();
        }
        QCOMPARE(fileBytes(path), original);
        QCOMPARE(opened.opened.size(), 2);
        QVERIFY(opened.opened[0] != opened.opened[1]);
        for (const QString& shown : opened.opened) {
            QCOMPARE(QFileInfo(shown).absolutePath(), QFileInfo(temporary.path).absoluteFilePath());
            QVERIFY2(QRegularExpression(QStringLiteral("^Radiation_report-\\w{6}\\.xlsx$"))
                         .match(QFileInfo(shown).fileName())
                         .hasMatch(),
                     qPrintable(shown));
        }
        QCOMPARE(temporary.files().size(), 2);
        QVERIFY(writtenSheet(opened.opened[1], QStringLiteral("xl/sheets/worksheet1.xml")).contains("run 1"));
    }

    // The calls an export makes, in order; quitting after showing loses nothing.
    void callsAreRecordedInOrder() {
        testsupport::TemporaryFolder temporary;
        desktop::Recorder opened;
        excel::Recorder calls;
        const QString path =
            writeWorkbook(dir.filePath(QStringLiteral("order.xlsx")), {{"worksheet", worksheet("A1", "")}});
        {
            excel::Application excel;
            excel.workbooks().open(path);
            excel.cells(68, 8).setValue(QStringLiteral("2,5"));
            excel.setVisible(true);
            excel.quit();
            QVERIFY_THROWS_EXCEPTION(excel::Error, excel.cells(1, 1));
        }
        using K = excel::Recorder::Kind;
        QCOMPARE(calls.calls.size(), 5);
        QCOMPARE(calls.calls[0].kind, K::Create);
        QCOMPARE(calls.calls[1].kind, K::Open);
        QCOMPARE(calls.calls[1].path, path);
        QCOMPARE(calls.writes(), (QList<excel::Recorder::Write>{{68, 8, QStringLiteral("2,5")}}));
        QCOMPARE(calls.calls[3].kind, K::Show);
        QCOMPARE(calls.calls[3].path, opened.opened.value(0));
        QCOMPARE(calls.calls[4].kind, K::Quit);
        QVERIFY(QFileInfo::exists(opened.opened.value(0)));
    }

    // Failures are exceptions with a Greek message naming the file; nothing is
    // written and nothing is shown.
    void failures_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content"); // empty: no file at all
        QTest::addColumn<bool>("temporaryFolderExists");
        QTest::addColumn<QString>("message");
        const QByteArray sheet = worksheet("A1", "");
        QTest::newRow("missing file")
            << "missing.xlsx" << QByteArray() << true << "Το βιβλίο εργασίας «%1» δεν βρέθηκε.";
        QTest::newRow("not a zip") << "text.xls" << QByteArray("plain text") << true
                                   << "Το αρχείο «%1» δεν είναι έγγραφο Office Open XML";
        QTest::newRow("a word-processing document") << "letter.xlsx" << QByteArray("word") << true
                                                    << "Το αρχείο «%1» δεν είναι βιβλίο εργασίας του Excel.";
        QTest::newRow("a chart sheet is active") << "chart.xlsx" << QByteArray("chart") << true
                                                 << "Το ενεργό φύλλο του «%1» δεν είναι φύλλο εργασίας.";
        QTest::newRow("no temporary folder")
            << "book.xlsx" << QByteArray("workbook") << false
            << "Το συμπληρωμένο βιβλίο εργασίας δεν γράφτηκε στον φάκελο «%2»";
    }
    void failures() {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(bool, temporaryFolderExists);
        QFETCH(QString, message);
        testsupport::TemporaryFolder temporary(temporaryFolderExists);
        desktop::Recorder opened;
        excel::Recorder calls;
        const QString path = dir.filePath(file);
        QFile::remove(path);
        const QByteArray sheet = worksheet("A1", "");
        if (content == "word")
            writeWorkbook(path, {{"worksheet", sheet}}, 0,
                          "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml");
        else if (content == "chart")
            writeWorkbook(path, {{"worksheet", sheet}, {"chartsheet", "<chartsheet/>"}}, 1);
        else if (content == "workbook")
            writeWorkbook(path, {{"worksheet", sheet}});
        else if (!content.isEmpty()) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(content);
        }
        const QByteArray original = fileBytes(path);

        QString caught;
        try {
            excel::Application excel;
            excel.workbooks().open(path);
            excel.cells(1, 1).setValue(QStringLiteral("x"));
            excel.setVisible(true);
        } catch (const excel::Error& e) {
            caught = e.message();
        }
        const QString expected = QString(message)
                                     .replace(QStringLiteral("%1"), path)
                                     .replace(QStringLiteral("%2"), temporary.path);
        QVERIFY2(caught.startsWith(expected), qPrintable(caught));
        QVERIFY(opened.opened.isEmpty());
        QCOMPARE(calls.count(excel::Recorder::Kind::Show), 0);
        QCOMPARE(fileBytes(path), original);
        if (temporaryFolderExists)
            QVERIFY(temporary.files().isEmpty());
        else
            QVERIFY(!QFileInfo::exists(temporary.path));
    }

    // When the filled copy cannot be written, the user is told why, no part of
    // it is left behind, and the workbook in memory can still be shown later.
    void copyCannotBeWritten_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("message");
        QTest::newRow("read-only temporary folder")
            << false << "Το συμπληρωμένο βιβλίο εργασίας δεν γράφτηκε στον φάκελο «%1»";
        QTest::newRow("full disk") << true << "Το αρχείο «%1/Radiation_report-";
    }
    void copyCannotBeWritten() {
        QFETCH(bool, fullDisk);
        QFETCH(QString, message);
        testsupport::TemporaryFolder temporary;
        desktop::Recorder opened;
        const QString path = writeWorkbook(dir.filePath(QStringLiteral("Radiation_report.XLS")),
                                           {{"worksheet", worksheet("A1", "")}});
        const QByteArray original = fileBytes(path);
        excel::Application excel;
        excel.workbooks().open(path);
        excel.cells(1, 1).setValue(QStringLiteral("kept"));
        QString caught;
        {
            std::optional<testsupport::ReadOnlyFolder> readOnly;
            std::optional<testsupport::FileSizeLimit> limit;
            if (fullDisk)
                limit.emplace(100);
            else
                readOnly.emplace(temporary.path);
            if (readOnly && !readOnly->ok)
                QSKIP("this file system cannot make a folder read-only");
            try {
                excel.setVisible(true);
            } catch (const excel::Error& e) {
                caught = e.message();
            }
        }
        QVERIFY2(caught.startsWith(QString(message).replace(QStringLiteral("%1"), temporary.path)),
                 qPrintable(caught));
        QVERIFY(opened.opened.isEmpty());
        QVERIFY(temporary.files().isEmpty());
        QCOMPARE(fileBytes(path), original);

        excel.setVisible(true);
        QCOMPARE(opened.opened.size(), 1);
        QVERIFY(
            writtenSheet(opened.opened.front(), QStringLiteral("xl/sheets/worksheet1.xml")).contains("kept"));
    }

    void cellsOutsideTheSheet_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::newRow("row 0") << 0 << 1;
        QTest::newRow("column 0") << 1 << 0;
        QTest::newRow("past the last row") << 1048577 << 1;
        QTest::newRow("past the last column") << 1 << 16385;
    }
    void cellsOutsideTheSheet() {
        QFETCH(int, row);
        QFETCH(int, column);
        const QString path =
            writeWorkbook(dir.filePath(QStringLiteral("bounds.xlsx")), {{"worksheet", worksheet("A1", "")}});
        excel::Application excel;
        QVERIFY_THROWS_EXCEPTION(excel::Error, excel.cells(1, 1)); // no workbook open yet
        excel.workbooks().open(path);
        QVERIFY_THROWS_EXCEPTION(excel::Error, excel.cells(row, column));
    }
};

QTEST_GUILESS_MAIN(ExcelLayerTest)
#include "test_excel_layer.moc"
