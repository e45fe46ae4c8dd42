#pragma once
// A program folder of its own for a report test: a copy of the built words/
// templates, so a test may damage or protect them, and a folder for reports.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/runtime/controls.h"
#include "platform/runtime/desktop.h"
#include "platform/runtime/forms.h"
#include "study_test.h"

namespace testsupport {

inline const QStringList reportTemplates = {"eisagwgh.doc", "oria_asfalous_ek8eshs.doc",
                                            "oria_asfalous_ek8eshs_pinG1.doc", "perigrafh.doc",
                                            "report_tables.doc"};

class ReportProgram {
public:
    ReportProgram()
        : words(program.filePath(QStringLiteral("words")))
        , reports(out.path()) {
        QDir().mkpath(words);
        for (const QString& name : reportTemplates)
            QFile::copy(programFolder() + QStringLiteral("/words/") + name, words + u'/' + name);
        desktop::setProgramFolder(program.path());
    }
    QString templatePath(const QString& name) const { return words + u'/' + name; }
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

// The first box that no longer holds what was typed, or empty.
inline QString studyChanged() {
    for (const TypedBox& typed : typedStudy)
        if (forms::textOf(typedBox(typed)) != typed.text)
            return QString::fromLatin1(typed.box);
    return QString();
}

// A folder's entries, hidden ones included.
inline QStringList entriesOf(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Dirs |
                                  QDir::System);
}

} // namespace testsupport
