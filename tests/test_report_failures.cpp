// What the user is told when "Create report" meets a damaged template, a words/
// folder that cannot be written, a disk that fails, or a desktop with no
// application for the finished report: a message in Greek, the program running,
// no report left half-written, and the study as it was typed.
#include <QtTest>

#include "docx_reader.h"
#include "file_contents.h"
#include "file_faults.h"
#include "platform/office/ooxml.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_program.h"
#include "report_word/browse.h"
#include "study/Form2.h"
#include "study_test.h"
#include "temp_folder.h"

using testsupport::filesIn;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const QString reportName = QStringLiteral("Μελέτη Πάτρας");

browse* saveAsWindow(const QString& folder) {
    forms::show(QStringLiteral("Form2"));
    forms::get<Form2>()->next_to_word->click();
    browse* window = forms::get<browse>();
    window->Dir1->setPath(folder);
    window->Text1->setText(reportName);
    return window;
}

// Zip packages written byte by byte, so their directory may claim what it likes.

void put(QByteArray& out, quint64 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

quint32 crc32(const QByteArray& data) {
    quint32 crc = 0xFFFFFFFFu;
    for (const char ch : data) {
        crc ^= quint8(ch);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// One deflated entry (a single stored deflate block) whose directory claims
// `claimed` bytes once inflated; claims from 4 GiB up take the zip64 field.
QByteArray packageClaiming(const QByteArray& name, const QByteArray& data, quint64 claimed) {
    QByteArray deflated;
    put(deflated, 1, 1); // last block, stored
    put(deflated, quint64(data.size()), 2);
    put(deflated, quint64(~data.size() & 0xFFFF), 2);
    deflated += data;
    const bool zip64 = claimed >= 0xFFFFFFFFu;
    QByteArray extra;
    if (zip64) {
        put(extra, 0x0001, 2);
        put(extra, 8, 2);
        put(extra, claimed, 8);
    }
    auto common = [&](QByteArray& out) {
        put(out, zip64 ? 45 : 20, 2); // version needed
        put(out, 0, 2);               // flags
        put(out, 8, 2);               // deflate
        put(out, 0, 2);               // time
        put(out, 0x21, 2);            // 1 January 1980
        put(out, crc32(data), 4);
        put(out, quint64(deflated.size()), 4);
        put(out, zip64 ? 0xFFFFFFFFu : claimed, 4);
        put(out, quint64(name.size()), 2);
        put(out, quint64(extra.size()), 2);
    };
    QByteArray zip;
    put(zip, 0x04034b50, 4);
    common(zip);
    zip += name + extra + deflated;
    const qsizetype directory = zip.size();
    put(zip, 0x02014b50, 4);
    put(zip, 45, 2); // made by
    common(zip);
    put(zip, 0, 2); // comment
    put(zip, 0, 2); // disk
    put(zip, 0, 2); // internal attributes
    put(zip, 0, 4); // external attributes
    put(zip, 0, 4); // offset of the local header
    zip += name + extra;
    const qsizetype directorySize = zip.size() - directory;
    put(zip, 0x06054b50, 4);
    put(zip, 0, 4);
    put(zip, 1, 2);
    put(zip, 1, 2);
    put(zip, quint64(directorySize), 4);
    put(zip, quint64(directory), 4);
    put(zip, 0, 2);
    return zip;
}

// A template of three parts that each inflate to 90 MB, below the bound of a
// part and far above that of a package together; the file itself is small.
QByteArray largeTogether() {
    ooxml::Package package;
    package.setBytes(QStringLiteral("[Content_Types].xml"),
                     "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/package/2006/"
                     "content-types\"/>");
    const QByteArray large(90 << 20, ' ');
    for (const QString& name : {QStringLiteral("a.xml"), QStringLiteral("b.xml"), QStringLiteral("c.xml")})
        package.setBytes(name, large);
    return package.toBytes();
}

// A template whose body nests elements `depth` deep.
QByteArray nestedTemplate(const QString& from, int depth) {
    ooxml::Package package = ooxml::Package::open(from);
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document xmlns:w=\"http://schemas."
                     "openxmlformats.org/wordprocessingml/2006/main\"><w:body>";
    xml +=
        QByteArray("<w:customXml>").repeated(depth) + "<w:p/>" + QByteArray("</w:customXml>").repeated(depth);
    xml += "</w:body></w:document>";
    package.setBytes(QStringLiteral("word/document.xml"), xml);
    return package.toBytes();
}

} // namespace

class ReportFailuresTest : public QObject {
    Q_OBJECT
private slots:
    void damagedTemplate_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("templateName");
        QTest::addColumn<QString>("cause");
        const QString tooLarge = QStringLiteral("το τμήμα «[Content_Types].xml» είναι μεγαλύτερο από 256 MB");
        QTest::newRow("zip64 claim of 2^62 bytes") << "2^62"
                                                   << "eisagwgh.doc" << tooLarge;
        QTest::newRow("small package claiming 4 GB") << "4 GB"
                                                     << "oria_asfalous_ek8eshs.doc" << tooLarge;
        QTest::newRow("claim of 2^64 - 1 bytes") << "2^64-1"
                                                 << "eisagwgh.doc" << tooLarge;
        QTest::newRow("claim of fewer bytes than stored")
            << "short claim"
            << "oria_asfalous_ek8eshs_pinG1.doc"
            << QStringLiteral("το τμήμα «[Content_Types].xml» δεν διαβάζεται");
        const QString tooDeep = QStringLiteral("στοιχεία φωλιασμένα σε βάθος πάνω από 1000");
        QTest::newRow("body nested 200,000 deep") << "deep"
                                                  << "eisagwgh.doc" << tooDeep;
        QTest::newRow("tables template nested 200,000 deep") << "deep"
                                                             << "report_tables.doc" << tooDeep;
        QTest::newRow("three parts of 90 MB")
            << "large together"
            << "eisagwgh.doc" << QStringLiteral("τα τμήματά του είναι μαζί μεγαλύτερα από 256 MB");
    }
    void damagedTemplate() {
        QFETCH(QString, damage);
        QFETCH(QString, templateName);
        QFETCH(QString, cause);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        const QString damaged = program.templatePath(templateName);
        const QByteArray types = "<?xml version=\"1.0\"?><Types xmlns=\"http://schemas.openxmlformats.org/"
                                 "package/2006/content-types\"/>";
        const QByteArray typesName = "[Content_Types].xml";
        if (damage == "2^62")
            writeFile(damaged, packageClaiming(typesName, types, quint64(1) << 62));
        else if (damage == "4 GB")
            writeFile(damaged, packageClaiming(typesName, "<Types/>", 0xFFFFFFFEu));
        else if (damage == "2^64-1")
            writeFile(damaged, packageClaiming(typesName, types, ~quint64(0)));
        else if (damage == "short claim")
            writeFile(damaged, packageClaiming(typesName, types, 10));
        else if (damage == "deep")
            writeFile(damaged, nestedTemplate(damaged, 200000));
        else if (damage == "large together")
            writeFile(damaged, largeTogether());
        QVERIFY(QFileInfo(damaged).size() < 300 || damage == "deep" || damage == "large together");
        QElapsedTimer pressed;
        pressed.start();
        browse* window = saveAsWindow(program.reports);
        auto templatesBefore = program.templateBytes();

        window->create_report->click();
        session.settle();

        // Refused, not inflated: a damaged template keeps no one waiting.
        QVERIFY2(pressed.elapsed() < 5000, qPrintable(QString::number(pressed.elapsed())));
        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        const QString report = program.reports + u'/' + reportName + ".doc";
        QVERIFY2(shown.text.startsWith(QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\n").arg(report)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(damaged) && shown.text.contains(cause), qPrintable(shown.text));
        QCOMPARE(filesIn(program.reports), QStringList());
        auto templatesAfter = program.templateBytes();
        if (templateName == "report_tables.doc") { // reached after the description was written
            templatesAfter.remove(QStringLiteral("perigrafh.doc"));
            templatesBefore.remove(QStringLiteral("perigrafh.doc"));
        }
        QCOMPARE(templatesAfter, templatesBefore);
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(window->Text1->text(), reportName);
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);
    }

    // The disk fails one step of the report's saves: the n-th of its seven
    // writes (the first save, the description template, the saves after the
    // five appends), or the wait for the disk at the last. Whenever the program
    // might stop, before the failure or at it, the report's path holds the
    // earlier report byte for byte; afterwards no file of the report is left, in
    // the user's folder, the program's or the temporary folder, and the user is
    // told the report was not written.
    void interruptedReportKeepsTheEarlierOne_data() {
        QTest::addColumn<int>("failingWrite"); // 0: every write succeeds
        QTest::addColumn<bool>("failingFlush");
        QTest::addColumn<QString>("cause");
        const QString fullDisk = QStringLiteral("δεν υπάρχει ελεύθερος χώρος στον δίσκο");
        for (int n = 1; n <= 7; ++n)
            QTest::addRow("write %d of 7", n) << n << false << fullDisk;
        QTest::newRow("the wait for the disk at the last save")
            << 0 << true << QStringLiteral("ο δίσκος δεν ολοκλήρωσε την εγγραφή (σφάλμα εισόδου/εξόδου)");
    }
    void interruptedReportKeepsTheEarlierOne() {
        QFETCH(int, failingWrite);
        QFETCH(bool, failingFlush);
        QFETCH(QString, cause);
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::TemporaryFolder temporary;
        testsupport::typeStudy();
        const QString report = program.reports + u'/' + reportName + ".doc";
        const QByteArray earlier = "η αναφορά της περασμένης εβδομάδας";
        writeFile(report, earlier);
        browse* window = saveAsWindow(program.reports);
        const QStringList wordsBefore = filesIn(program.words);
        const auto templatesBefore = program.templateBytes();

        int writes = 0;
        int flushes = 0;
        QStringList notEarlier; // the steps at which the path held anything else
        {
            testsupport::DiskFault disk([&](ooxml::DiskStep step, const QString& path) {
                if (readFile(report) != earlier)
                    notEarlier << path;
                if (step == ooxml::DiskStep::Write)
                    return ++writes == failingWrite ? ENOSPC : 0;
                ++flushes;
                return failingFlush ? EIO : 0;
            });
            window->create_report->click();
            session.settle();
        }

        QCOMPARE(writes, failingWrite ? failingWrite : 7);
        QCOMPARE(flushes, failingFlush ? 1 : 0);
        QCOMPARE(notEarlier, QStringList());
        QCOMPARE(readFile(report), earlier);
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
        QCOMPARE(filesIn(program.words), wordsBefore);
        QCOMPARE(QDir(temporary.path).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
        auto templatesAfter = program.templateBytes();
        if (failingWrite == 0 || failingWrite > 5) { // the description template was rewritten first
            templatesAfter.remove(QStringLiteral("perigrafh.doc"));
            auto expected = templatesBefore;
            expected.remove(QStringLiteral("perigrafh.doc"));
            QCOMPARE(templatesAfter, expected);
        } else {
            QCOMPARE(templatesAfter, templatesBefore);
        }

        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Η αναφορά «%1» δεν δημιουργήθηκε.\n").arg(report)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(cause) && !shown.text.contains(QStringLiteral("γράφτηκε")),
                 qPrintable(shown.text));
        if (failingFlush)
            QVERIFY2(shown.text.contains(QStringLiteral("«%1» δεν αποθηκεύτηκε").arg(report)),
                     qPrintable(shown.text));
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(window->Text1->text(), reportName);
        QCOMPARE(window->Dir1->path(), program.reports);
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);

        // The same press with the disk sound writes the report in its place.
        window->create_report->click();
        session.settle();
        QCOMPARE(session.messages.shown.size(), 1);
        QCOMPARE(session.desktop.opened, QStringList{report});
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
    }

    // The description template cannot be rewritten: the report stops there and
    // leaves nothing behind.
    void wordsFolderReadOnly() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        testsupport::typeStudy();
        browse* window = saveAsWindow(program.reports);
        const auto templatesBefore = program.templateBytes();
        const QStringList wordsBefore = filesIn(program.words);
        {
            testsupport::ReadOnlyFolder readOnly(program.words);
            if (!readOnly.ok)
                QSKIP("this file system cannot make a folder read-only");
            window->create_report->click();
            session.settle();
        }

        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Critical);
        QVERIFY2(shown.text.startsWith(QStringLiteral("Η αναφορά «%1/%2.doc» δεν δημιουργήθηκε.\n")
                                           .arg(program.reports, reportName)),
                 qPrintable(shown.text));
        QVERIFY2(shown.text.contains(QStringLiteral("Το αρχείο «%1» δεν αποθηκεύτηκε: δεν επιτρέπεται η "
                                                    "εγγραφή στον φάκελο.")
                                         .arg(program.templatePath(QStringLiteral("perigrafh.doc")))),
                 qPrintable(shown.text));
        QCOMPARE(filesIn(program.reports), QStringList());
        QCOMPARE(program.templateBytes(), templatesBefore);
        QCOMPARE(filesIn(program.words), wordsBefore);
        QVERIFY(session.desktop.opened.isEmpty());
        QVERIFY(forms::isVisible(QStringLiteral("browse")));
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);
    }

    // No application opens the finished report: it stays written where it was
    // asked for, and the user is told where and that it did not open.
    void noApplicationForTheReport() {
        testsupport::Session session;
        testsupport::ReportProgram program;
        session.desktop.succeeds = false;
        testsupport::typeStudy();
        browse* window = saveAsWindow(program.reports);

        window->create_report->click();
        session.settle();

        const QString report = program.reports + u'/' + reportName + ".doc";
        QCOMPARE(session.desktop.opened, QStringList{report});
        QCOMPARE(session.messages.shown.size(), 1);
        const messages::Shown shown = session.messages.shown.front();
        QCOMPARE(shown.icon, messages::Icon::Information);
        QCOMPARE(shown.text, QStringLiteral("Η αναφορά γράφτηκε στο «%1», αλλά δεν άνοιξε.\n"
                                            "Δεν βρέθηκε εφαρμογή για το άνοιγμα του αρχείου «%1».")
                                 .arg(report));
        QCOMPARE(filesIn(program.reports), QStringList{reportName + ".doc"});
        QVERIFY(testsupport::DocxReader(report).body().contains(testsupport::studyDescription));
        QVERIFY(!forms::isLoaded(QStringLiteral("browse")));
        QVERIFY(forms::isVisible(QStringLiteral("Form2")));
        QCOMPARE(testsupport::studyChanged(), QString());
        QVERIFY(!session.programEnded);
    }
};

QTEST_MAIN(ReportFailuresTest)
#include "test_report_failures.moc"
