#include "study/menu_bar.h"

#include <QMenu>
#include <QMenuBar>
#include <array>
#include <functional>
#include <span>

#include "platform/runtime/forms.h"
#include "study/menu_commands.h"
#include "study/study_commands.h"

namespace study {

namespace {
enum class Does { Nothing, OpenReport, ChangeStudy, Exit, Document, K52, Help, Credits };

// One item of a menu bar as every window of that bar carries it. An item is a
// menu when the next item stands deeper; otherwise it runs its command when
// chosen, on the bar itself too.
struct Item {
    int depth;                        // 0: on the bar
    std::array<const char*, 5> names; // the item's name in each window of the bar; nullptr: absent
    const char* caption;
    Does does = Does::Nothing;
    const char* document = nullptr; // of a document command, in the folder "files"
};

struct BarWindow {
    const char* name;
    const char* helpProgram; // of its help command, in the folder "exes"
};

struct Bar {
    std::span<const BarWindow> windows; // in the order of the items' names
    std::span<const Item> items;
};

// The item names are the system's own and menus, reports and tests find the
// items by them: names that look like typos stay as they are (marked below).
// clang-format off
const Item studyItems[] = {
    //  pinb1                  pinb2                  eisagwgh_meleths       Form1                  Form2
    {0, {"file",                "file",                "file",                "file",                "file1"},
        "Αρχείο"},
    {1, {"open",                "open",                "open",                "open",                nullptr},
        "Άνοιγμα υπάρχουσας αναφοράς", Does::OpenReport},
    {1, {"change",              "change",              "change",              "change",              "change1"},
        "Αλλαγή μελέτης", Does::ChangeStudy},
    {1, {"exit",                "exit",                "exit",                "exit",                "exit1"},
        "Έξοδος", Does::Exit},
    {0, {"laws",                "laws",                "laws",                "laws",                "laws1"},
        "Νομοθεσία"},
    {1, {"greek",               "greek",               "greek",               "greek",               "greek1"},
        "Ελληνική"},
    // Latin "N" in pinb1 and Form2, Greek "Ν" (capital nu) in the three others.
    {2, {"N3431",               "Ν3431",               "Ν3431",               "Ν3431",               "N3431_1"},
        "Νόμος 3431/2000", Does::Document, "Nomos_3431_2006.pdf"},
    {2, {"kya53571",            "kya53571",            "kya53571",            "kya53571",            "KYA53571_1"},
        "Κοινή Υπουργική Απόφαση (Κ.Υ.Α) 53571/2000", Does::Document, "KYA_53571_3839.pdf"},
    {2, {"fek1666",             "fek1666",             "fek1666",             "fek1666",             "fek_1666_1"},
        "ΦΕΚ 1666", Does::Document, "fek1666.pdf"},
    {2, {"permittion_antennas", "permittion_antennas", "permittion_antennas", "permittion_antennas", "adeiodothsh_keraiwn_1"},
        "Αδειοδότηση κεραιών", Does::Document, "adeiodothsh_keraiwn.pdf"},
    // "instuctions" in pinb1: the system's spelling, not a typo to mend.
    {1, {"instuctions",         "instructions",        "instructions",        "instructions",        "instructions1"},
        "Οδηγίες"},
    {2, {"orgs",                "orgs",                "orgs",                "orgs",                "International_orgs1"},
        "Διεθνείς φορείς"},
    {3, {"itu",                 "itu",                 "itu",                 "itu",                 "ITU1"},
        "International Telecommunication Union (ITU)"},
    // Greek "Κ" (capital kappa) or Latin "K", window by window, as the system has them.
    {4, {"Κ52",                 "Κ52",                 "Κ52",                 "K52",                 "K52_1"},
        "Οδηγία Κ.52 (2/2000)", Does::K52},
    {4, {"Κ61",                 "Κ61",                 "Κ61",                 "Κ61",                 "K61_1"},
        "Οδηγία Κ.61 (9/2003)", Does::Document, "odhgia_K61_ITU.pdf"},
    {4, {"K62",                 "Κ62",                 "Κ62",                 "K62",                 "K62_1"},
        "Οδηγία Κ.62 (2/2004)", Does::Document, "odhgia_K62_ITU.pdf"},
    {0, {"help",                "help",                "help",                "help",                "help1"},
        "Βοήθεια"},
    {1, {"present_form",        "present_form",        "present_form",        "present_form",        "present_form_1"},
        "Πώς χρησιμοποιείται αυτή η φόρμα;", Does::Help},
    {1, {"credits",             "credits",             "credits",             "credits",             "credits1"},
        "Credits", Does::Credits},
};

const Item salzburgItems[] = {
    //  pinb2_saltz        results            Form2_saltz
    {0, {"file",            "file",            "file1"},          "Αρχείο"},
    {1, {"change",          "change",          "change1"},        "Αλλαγή μελέτης", Does::ChangeStudy},
    {1, {"exit",            "exit",            "exit1"},          "Έξοδος", Does::Exit},
    // "saltzurg_model" in Form2_saltz: the system's spelling, not a typo to mend.
    {0, {"saltzburg_model", "saltzburg_model", "saltzurg_model"}, "Μοντέλο Saltzburg", Does::Document,
        "Proceedings_(27)_Varnholt_2.pdf"},
    {0, {"help",            "help",            "help1"},          "Βοήθεια"},
    {1, {"credits",         "credits",         "credits1"},       "Credits", Does::Credits},
};
// clang-format on

const BarWindow studyWindows[] = {
    {"pinb1", "mastsheet"}, {"pinb2", "antennasheet"}, {"eisagwgh_meleths", "sitebrief"},
    {"Form1", "studydesk"}, {"Form2", "sectorplan"},
};

const BarWindow salzburgWindows[] = {
    {"pinb2_saltz", nullptr}, {"results", nullptr}, {"Form2_saltz", nullptr}};

const Bar bars[] = {{studyWindows, studyItems}, {salzburgWindows, salzburgItems}};

// Where a window's caption differs from the one of its bar; by the window's own item name.
struct Caption {
    const char* window;
    const char* item;
    const char* caption;
};

const Caption ownCaptions[] = {
    {"pinb2", "Ν3431", "Νόμος 3431/2006"},
    {"pinb2", "Κ62", "Οδηγία Κ62 (2/2004)"},
    {"eisagwgh_meleths", "Ν3431", "Νόμος 3431/2006"},
    {"eisagwgh_meleths", "itu", "International Telecommunications Union (ITU)"},
    {"eisagwgh_meleths", "present_form", "Πώς χρησιμοποιείται η αυτή η φόρμα;"},
    {"Form1", "Ν3431", "Νόμος 3431/2006"},
    {"Form1", "kya53571", "Κοινή Υπουργική Απόφαση(Κ.Υ.Α) 53571/2000"},
    {"Form1", "present_form", "Πως χρησιμοποιείται αυτή η φόρμα;"},
    {"Form2", "N3431_1", "Νόμος 3431/3839/2006"},
    {"Form2", "KYA53571_1", "Κοινή Υπουργική Απόφαση(Κ.Υ.Α) 53571/2000"},
};

// Items that the sectorisation window and the Salzburg sector grid carry with
// no command behind them.
const char* const itemsWithoutCommand[] = {"K52_1", "K61_1", "K62_1", "credits1"};

QString captionOf(const QString& window, const QString& item, const char* barCaption) {
    for (const Caption& own : ownCaptions)
        if (window == QLatin1String(own.window) && item == QString::fromUtf8(own.item))
            return QString::fromUtf8(own.caption);
    return QString::fromUtf8(barCaption);
}

std::function<void()> commandOf(const Item& item, const QString& name, const BarWindow& window) {
    for (const char* inert : itemsWithoutCommand)
        if (name == QLatin1String(inert))
            return {};
    switch (item.does) {
    case Does::Nothing:
        return {};
    case Does::OpenReport:
        return &open_existing_report_command;
    case Does::ChangeStudy:
        return &change_study_command;
    case Does::Exit:
        return &exit_program_command;
    case Does::Document:
        return [document = QString::fromLatin1(item.document)] { document_command(document); };
    case Does::K52:
        return &k52_word_document_command;
    case Does::Help:
        return [program = QString::fromLatin1(window.helpProgram)] { form_help_command(program); };
    case Does::Credits:
        return &show_credits_command;
    }
    return {};
}

void build(forms::Window* window, const Bar& bar, size_t column) {
    // The menu that holds the items of each depth, the bar itself at depth 0.
    std::array<QWidget*, 8> holder{window->menuBar()};
    for (size_t i = 0; i < bar.items.size(); ++i) {
        const Item& item = bar.items[i];
        if (!item.names[column])
            continue;
        const QString name = QString::fromUtf8(item.names[column]);
        const QString caption = captionOf(window->objectName(), name, item.caption);
        QWidget* parent = holder[item.depth];
        const bool isMenu = i + 1 < bar.items.size() && bar.items[i + 1].depth > item.depth;
        if (isMenu) {
            auto* menu = new QMenu(caption, parent);
            menu->setObjectName(name);
            parent->addAction(menu->menuAction());
            holder[item.depth + 1] = menu;
            continue;
        }
        auto* action = new QAction(caption, parent);
        action->setObjectName(name);
        parent->addAction(action);
        if (std::function<void()> command = commandOf(item, name, bar.windows[column]))
            QObject::connect(action, &QAction::triggered, window, std::move(command));
    }
}
} // namespace

void installMenuBar(forms::Window* window) {
    for (const Bar& bar : bars)
        for (size_t column = 0; column < bar.windows.size(); ++column)
            if (window->objectName() == QLatin1String(bar.windows[column].name))
                build(window, bar, column);
}

} // namespace study
