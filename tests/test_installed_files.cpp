// What the build lays beside the program in "files" and "exes": every
// reference document is there and opens in a reader of its kind, and every
// help program starts and shows, in Greek, each button and caption of its window.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QtTest>

#include "platform/runtime/forms.h"
#include "study_test.h"

namespace {
QString installed(const QString& relative) {
    return testsupport::programFolder() + QLatin1Char('/') + relative;
}

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const bool crashed = process.exitStatus() != QProcess::NormalExit;
    return {crashed ? -1 : process.exitCode(),
            QString::fromUtf8(process.readAllStandardOutput()).simplified()};
}

QString python() {
    const QString system =
        QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
    return system.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("python3")) : system;
}

// The texts a user reads on a window: its buttons, labels and frame captions.
QStringList captionsOf(const QString& window) {
    QStringList captions;
    const QWidget* w = forms::get(window);
    for (const QAbstractButton* button : w->findChildren<QAbstractButton*>())
        if (!qobject_cast<const QCheckBox*>(button)) // their captions do not show
            captions << button->text();
    for (const QLabel* label : w->findChildren<QLabel*>())
        captions << label->text();
    for (const QGroupBox* frame : w->findChildren<QGroupBox*>())
        captions << frame->title();
    captions.removeAll(QString());
    for (QString& caption : captions)
        caption = caption.simplified();
    captions.removeDuplicates();
    return captions;
}
} // namespace

class InstalledFilesTest : public QObject {
    Q_OBJECT
private slots:
    void pdfs_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("publishedBy");
        const QString gazette = QStringLiteral("Εφημερίδα της Κυβερνήσεως");
        const QString itu = QStringLiteral("International Telecommunication Union, ITU");
        QTest::newRow("law") << "Nomos_3431_2006.pdf"
                             << "Νόμος 3431/2006" << gazette;
        QTest::newRow("decision") << "KYA_53571_3839.pdf"
                                  << "53571/3839/2000" << gazette;
        QTest::newRow("gazette") << "fek1666.pdf"
                                 << "ΦΕΚ 1666" << gazette;
        QTest::newRow("licensing") << "adeiodothsh_keraiwn.pdf"
                                   << "Αδειοδότηση κεραιών" << gazette;
        QTest::newRow("K.61") << "odhgia_K61_ITU.pdf"
                              << "Οδηγία Κ.61 (9/2003)" << itu;
        QTest::newRow("K.62") << "odhgia_K62_ITU.pdf"
                              << "Οδηγία Κ.62 (2/2004)" << itu;
        QTest::newRow("Salzburg") << "Proceedings_(27)_Varnholt_2.pdf"
                                  << "Μοντέλο Saltzburg"
                                  << "πρακτικά του συνεδρίου";
    }
    // A PDF reader opens each one and finds its reference, where the official
    // text is published, and that the installation puts it in this file's place.
    void pdfs() {
        QFETCH(QString, file);
        QFETCH(QString, names);
        QFETCH(QString, publishedBy);
        const QString path = installed(QStringLiteral("files/") + file);
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(path));
        const Run info = run(QStringLiteral("pdfinfo"), {path});
        QCOMPARE(info.exitCode, 0);
        QVERIFY(info.output.contains(QStringLiteral("Pages: 1")));
        const Run text = run(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.output.contains(names), qPrintable(text.output));
        QVERIFY2(text.output.contains(publishedBy), qPrintable(text.output));
        QVERIFY2(
            text.output.contains(QStringLiteral("τοποθετεί το επίσημο κείμενο στη θέση αυτού του αρχείου")),
            qPrintable(text.output));
    }

    // The K.52 document is a WordprocessingML package that a Word reader opens.
    void k52Document() {
        const QString path = installed(QStringLiteral("files/odhgia_K52_ITU.doc"));
        QVERIFY(QFileInfo(path).isFile());
        const Run text =
            run(python(), {QStringLiteral("-c"),
                           QStringLiteral("import docx, sys\n"
                                          "for p in docx.Document(sys.argv[1]).paragraphs: print(p.text)"),
                           path});
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.output.startsWith(QStringLiteral("Οδηγία Κ.52 (2/2000)")), qPrintable(text.output));
        QVERIFY(text.output.contains(QStringLiteral("International Telecommunication Union, ITU")));
        QVERIFY(
            text.output.contains(QStringLiteral("τοποθετεί το επίσημο κείμενο στη θέση αυτού του αρχείου")));
    }

    void helpPrograms_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("window");
        QTest::newRow("masts") << "mastsheet"
                               << "pinb1";
        QTest::newRow("antenna arrays") << "antennasheet"
                                        << "pinb2";
        QTest::newRow("description") << "sitebrief"
                                     << "eisagwgh_meleths";
        QTest::newRow("band calculation") << "studydesk"
                                          << "Form1";
        QTest::newRow("sectorisation") << "sectorplan"
                                       << "Form2";
    }
    // The text the help window shows names every button, label and frame of its
    // window as the window writes it, and the menus.
    void helpPrograms() {
        QFETCH(QString, program);
        QFETCH(QString, window);
        const Run help = run(installed(QStringLiteral("exes/") + program), {QStringLiteral("--print")});
        QCOMPARE(help.exitCode, 0);
        testsupport::Session session;
        QStringList captions = captionsOf(window);
        QVERIFY(!captions.isEmpty());
        captions << QStringLiteral("Αλλαγή μελέτης") << QStringLiteral("Έξοδος");
        for (const QString& caption : captions)
            QVERIFY2(help.output.contains(caption),
                     qPrintable(program + QStringLiteral(" misses: ") + caption));
        // The shared text on the menus says where K.52, K.61, K.62 and Credits
        // do nothing: in the sectorisation window.
        QVERIFY(help.output.contains(
            QStringLiteral("Στο παράθυρο «Τομεοποίηση» οι επιλογές Κ.52, Κ.61 και Κ.62 δεν κάνουν τίποτα")));
        QVERIFY(help.output.contains(
            QStringLiteral("εκτός από το παράθυρο «Τομεοποίηση», όπου δεν κάνει τίποτα")));
    }

    // Started as the help command starts it (no arguments), from a folder whose
    // path holds a blank, it keeps its window open until the user closes it.
    void helpProgramStays() {
        QFETCH(QString, program);
        QTemporaryDir temporary;
        const QString folder = temporary.path() + QStringLiteral("/Vorlux Μελέτες/exes");
        QVERIFY(QDir().mkpath(folder));
        const QString copy = folder + QLatin1Char('/') + program;
        QVERIFY(QFile::copy(installed(QStringLiteral("exes/") + program), copy));
        QProcess process;
        process.start(copy, {});
        QVERIFY(process.waitForStarted());
        QVERIFY(!process.waitForFinished(1500));
        QCOMPARE(process.state(), QProcess::Running);
        process.kill();
        process.waitForFinished();
    }
    void helpProgramStays_data() { helpPrograms_data(); }
};

QTEST_MAIN(InstalledFilesTest)
#include "test_installed_files.moc"
