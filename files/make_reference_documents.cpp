// Writes the reference documents of the folder "files" that are PDFs: one
// page each, in Greek, that names the reference and says where its official
// text is published; the installation puts the official text in its place.
// Usage: make_reference_documents OUTPUT_FOLDER
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

namespace {
const char* const greekGazette = "Το επίσημο κείμενο δημοσιεύεται στην Εφημερίδα της Κυβερνήσεως (ΦΕΚ).";
const char* const itu = "Το επίσημο κείμενο δημοσιεύεται από τη Διεθνή Ένωση Τηλεπικοινωνιών "
                        "(International Telecommunication Union, ITU).";

struct Document {
    const char* file;
    const char* title;       // the reference as the menus name it
    const char* designation; // what the reference is, where that is known; may be empty
    const char* published;
};

const Document documents[] = {
    {"Nomos_3431_2006.pdf", "Νόμος 3431/2006",
     "Ν. 3431/2006 «Περί Ηλεκτρονικών Επικοινωνιών και άλλες διατάξεις»",
     "Το επίσημο κείμενο δημοσιεύεται στην Εφημερίδα της Κυβερνήσεως (ΦΕΚ Α' 13/3.2.2006)."},
    {"KYA_53571_3839.pdf", "Κοινή Υπουργική Απόφαση (Κ.Υ.Α) 53571/2000",
     "Κ.Υ.Α. 53571/3839/2000 «Μέτρα προφύλαξης του κοινού από τη λειτουργία κεραιών εγκατεστημένων στην "
     "ξηρά»",
     "Το επίσημο κείμενο δημοσιεύεται στην Εφημερίδα της Κυβερνήσεως (ΦΕΚ Β' 1105/6.9.2000)."},
    {"fek1666.pdf", "ΦΕΚ 1666", "", greekGazette},
    {"adeiodothsh_keraiwn.pdf", "Αδειοδότηση κεραιών", "", greekGazette},
    {"odhgia_K61_ITU.pdf", "Οδηγία Κ.61 (9/2003)",
     "Σύσταση ITU-T K.61 (09/2003): καθοδήγηση για τη μέτρηση και την αριθμητική πρόβλεψη των "
     "ηλεκτρομαγνητικών πεδίων για τη συμμόρφωση των εγκαταστάσεων τηλεπικοινωνιών με τα όρια "
     "έκθεσης του ανθρώπου.",
     itu},
    {"odhgia_K62_ITU.pdf", "Οδηγία Κ.62 (2/2004)", "Σύσταση ITU-T K.62 (02/2004).", itu},
    {"Proceedings_(27)_Varnholt_2.pdf", "Μοντέλο Saltzburg", "Η εργασία για το μοντέλο Saltzburg.",
     "Το επίσημο κείμενο της εργασίας δημοσιεύεται στα πρακτικά του συνεδρίου στο οποίο παρουσιάστηκε."},
};

QString html(const Document& d) {
    QString text = QStringLiteral("<h1>%1</h1>").arg(QString::fromUtf8(d.title).toHtmlEscaped());
    if (*d.designation)
        text += QStringLiteral("<p><b>%1</b></p>").arg(QString::fromUtf8(d.designation).toHtmlEscaped());
    text += QStringLiteral("<p>Το αρχείο αυτό είναι έγγραφο του Vorlux που κρατά τη θέση του επίσημου "
                           "κειμένου. Η εγκατάσταση του προγράμματος τοποθετεί το επίσημο κείμενο στη "
                           "θέση αυτού του αρχείου (files/%1 δίπλα στο πρόγραμμα).</p>")
                .arg(QString::fromUtf8(d.file).toHtmlEscaped());
    text += QStringLiteral("<p>%1</p>").arg(QString::fromUtf8(d.published).toHtmlEscaped());
    return text;
}

void write(const Document& d, const QString& path) {
    QPdfWriter pdf(path);
    pdf.setTitle(QString::fromUtf8(d.title));
    pdf.setCreator(QStringLiteral("Vorlux"));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(25, 25, 25, 25), QPageLayout::Millimeter);
    pdf.setResolution(96);
    QTextDocument page;
    page.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    page.setHtml(html(d));
    // Laid out at the page's own width, so the text fills the page between its margins.
    page.setPageSize(QSizeF(pdf.width(), pdf.height()));
    page.print(&pdf);
}
} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_reference_documents OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    for (const Document& d : documents) {
        const QString path = folder.filePath(QString::fromUtf8(d.file));
        write(d, path);
        if (QFileInfo(path).size() == 0) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
