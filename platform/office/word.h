#pragma once
// The word-processor stand-in: applications holding documents, the documents'
// content, paragraphs and tables, and one clipboard shared by every application
// of the process. Documents are WordprocessingML packages (ooxml.h).
//
// A document is read from its file only when its content is first used, so one
// that is opened and shown unchanged reaches the user's own application exactly
// as the file stands (an old binary .doc included).
//
// Failures (file missing, not a package, no such table or cell, a file that
// cannot be written) throw office::Error with a message for the user.
#include <QString>
#include <memory>
#include <vector>

#include "ooxml.h"
#include "save_target.h"

namespace word {

using Error = office::Error;

class Application;
class Document;

// A stretch of a document: its whole content, one paragraph or one table cell.
// A range is a handle: it finds its place again each time it is used.
class Range {
public:
    // Puts the range's content (with the styles, images and hyperlinks it uses)
    // on the clipboard.
    void copy() const;
    // The clipboard's content replaces the range.
    void paste() const;
    // The text replaces the range's content; line breaks start new paragraphs,
    // leading and trailing blanks are kept, characters XML cannot hold are dropped.
    void setText(const QString& text) const;

    enum class Kind { Content, Paragraph, Cell };

private:
    friend class Document;
    friend class Paragraphs;
    friend class Table;
    Range(Document* document, Kind kind, int a = 0, int b = 0, int c = 0);
    Document* document;
    Kind kind;
    int a, b, c; // paragraph number, or table, row and column (all from 1)
};

// A paragraph or a table cell: the place of a range.
class Paragraph {
public:
    Range range() const { return place; }

private:
    friend class Paragraphs;
    friend class Table;
    explicit Paragraph(Range place)
        : place(place) {}
    Range place;
};
using Cell = Paragraph;

class Paragraphs {
public:
    // Every paragraph of the document, those in table cells included.
    int count() const;
    // Paragraph n, counted from 1; the last is always the document's closing one.
    Paragraph item(int n) const;

private:
    friend class Document;
    explicit Paragraphs(Document* document)
        : document(document) {}
    Document* document;
};

class Table {
public:
    // The cell at row r and column c, both from 1.
    Cell cell(int r, int c) const;

private:
    friend class Tables;
    Table(Document* document, int number)
        : document(document)
        , number(number) {}
    Document* document;
    int number;
};

class Tables {
public:
    int count() const;
    // Table t of the document (from 1, in document order).
    Table item(int t) const;

private:
    friend class Document;
    explicit Tables(Document* document)
        : document(document) {}
    Document* document;
};

class Document {
public:
    ~Document();
    // The file the document was opened from or saved to; empty for a new one.
    QString fullName() const { return path; }
    Range content() { return Range(this, Range::Kind::Content); }
    Paragraphs paragraphs() { return Paragraphs(this); }
    Tables tables() { return Tables(this); }
    // Writes the document to the target (office::SaveTarget::write), whose
    // path becomes its own file; Flushed waits for the disk.
    void saveAs(const office::SaveTarget& target,
                office::Durability durability = office::Durability::Flushed);
    // Writes a changed document to its own file, in the same way.
    void save(office::Durability durability = office::Durability::Flushed);
    // Closes the document without saving; references to it are gone.
    void close();
    // The document's package, read from its file on first use.
    ooxml::Package& package();
    // Called by every change, so save() and showing know to write it.
    void changed() { dirty = true; }

private:
    friend class Documents;
    friend class Application;
    Document(Application* application, QString path, bool readOnly);
    // The document's file is now fileName, holding bytes.
    void savedAs(QByteArray bytes, const QString& fileName);
    Application* application;
    QString path;
    bool readOnly;
    bool dirty = false;
    QByteArray fileBytes; // the file as the loaded package was read or last saved
    bool shown = false;
    std::unique_ptr<ooxml::Package> loaded;
};

class Documents {
public:
    // A new blank document; it becomes the active one.
    Document& add();
    // The document at path, read-write unless readOnly; the same document when
    // that path is already open in this application. It becomes the active one.
    Document& open(const QString& fileName, bool readOnly = false);
    // Closes every document without saving.
    void close();
    int count() const { return static_cast<int>(open_.size()); }

private:
    friend class Application;
    friend class Document;
    explicit Documents(Application* application)
        : application(application) {}
    Document& adopt(std::unique_ptr<Document> document);
    Application* application;
    std::vector<std::unique_ptr<Document>> open_; // the active document last
};

class Application {
public:
    // A new application, not shown.
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Documents& documents() { return docs; }
    // The document opened or added last; throws when none is open.
    Document& activeDocument();
    // Shown, every open document (and each one opened later) is opened for the
    // user in the desktop's default application: as its file stands when
    // unchanged, else as a copy written to a temporary folder.
    void setVisible(bool visible);
    bool isVisible() const { return visible; }
    // Closes every document without saving.
    void quit();

private:
    friend class Documents;
    friend class Document;
    void show(Document& document);
    Documents docs{this};
    bool visible = false;
};

} // namespace word
