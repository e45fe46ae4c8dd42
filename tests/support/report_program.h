#pragma once
// A program folder of its own for a report test: a copy of the built program's
// data folders (the words/ templates among them), so a test may damage or
// protect them, and a folder for reports.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include "platform/desktop/desktop.h"
#include "platform/runtime/controls.h"
#include "platform/runtime/forms.h"
#include "report_word/browse.h"
#include "study/Form2.h"
#include "study_test.h"

namespace testsupport {

inline const QStringList reportTemplates = {"eisagwgh.doc", "oria_asfalous_ek8eshs.doc",
                                            "oria_asfalous_ek8eshs_pinG1.doc", "perigrafh.doc",
                                            "report_tables.doc"};

// The folders the program ships beside it.
inline const QStringList programDataFolders = {"words", "files", "excel_print", "exes"};

class ReportProgram {
public:
    ReportProgram()
        : folder(program.path())
        , words(program.filePath(QStringLiteral("words")))
        , reports(out.path()) {
        for (const QString& data : programDataFolders) {
            QDir().mkpath(program.filePath(data));
            for (const QString& name : QDir(programFolder() + u'/' + data).entryList(QDir::Files))
                QFile::copy(programFolder() + u'/' + data + u'/' + name,
                            program.filePath(data + u'/' + name));
        }
        desktop::setProgramFolder(program.path());
    }
    QString templatePath(const QString& name) const { return words + u'/' + name; }
    // Every file of the data folders, by its path in the program folder, with its bytes.
    QMap<QString, QByteArray> programFiles() const {
        QMap<QString, QByteArray> bytes;
        for (const QString& data : programDataFolders) {
            QDirIterator files(program.filePath(data), QDir::Files | QDir::Hidden | QDir::System,
                               QDirIterator::Subdirectories);
            while (files.hasNext()) {
                QFile file(files.next());
                bytes.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
            }
        }
        return bytes;
    }
    // Every template's bytes, by name.
    QMap<QString, QByteArray> templateBytes() const {
        QMap<QString, QByteArray> bytes;
        for (const QString& name : reportTemplates) {
            QFile file(templatePath(name));
            bytes.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
        return bytes;
    }

private:
    QTemporaryDir program;
    QTemporaryDir out;

public:
    const QString folder;  // the program's folder
    const QString words;   // the program's words/ folder
    const QString reports; // a folder for the reports
};

// A study typed into three windows, to show that a report that fails or is
// refused keeps what the user typed.
inline const QString studyDescription = QStringLiteral("Σταθμός στο δώμα, δύο ιστοί.");
struct TypedBox {
    const char* window;
    const char* box;
    QString text;
};
inline const TypedBox typedStudy[] = {{"eisagwgh_meleths", "eisagwgh_txt", studyDescription},
                                      {"pinb1", "h_istou2", QStringLiteral("12,5")},
                                      {"pinb2", "p_ch4", QStringLiteral("20")},
                                      {"Form2", "sec3d", QStringLiteral("120")}};

inline QWidget* typedBox(const TypedBox& typed) {
    return forms::control<QWidget>(QString::fromLatin1(typed.window), QString::fromLatin1(typed.box));
}

inline void typeStudy() {
    for (const TypedBox& typed : typedStudy)
        forms::setTextOf(typedBox(typed), typed.text);
}

// The name a report test types unless it needs another.
inline const QString reportName = QStringLiteral("Μελέτη Πάτρας");

// The save-as window as the user reaches it from the sectorisation window, with
// the folder chosen and the name typed.
inline browse* saveAsWindow(const QString& folder, const QString& name = reportName) {
    forms::show(QStringLiteral("Form2"));
    forms::get<Form2>()->next_to_word->click();
    browse* window = forms::get<browse>();
    window->Dir1->setPath(folder);
    window->Text1->setText(name);
    return window;
}

// The installation description as the user types it.
inline void setDescription(const QString& text) {
    forms::setTextOf(
        forms::control<QWidget>(QStringLiteral("eisagwgh_meleths"), QStringLiteral("eisagwgh_txt")), text);
}

// The first box that no longer holds what was typed, or empty.
inline QString studyChanged() {
    for (const TypedBox& typed : typedStudy)
        if (forms::textOf(typedBox(typed)) != typed.text)
            return QString::fromLatin1(typed.box);
    return QString();
}

} // namespace testsupport
