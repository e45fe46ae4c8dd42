#include "study/intro.h"

#include <QLineEdit>
#include <QValidator>

#include "platform/runtime/buttons.h"
#include "platform/runtime/messages.h"
#include "platform/runtime/twips.h"
#include "study/antenna_arrays.h"
#include "study/logo.h"
#include "study/pinb1.h"

using forms::place;

namespace {
// The edit field's text is never an acceptable choice, so the combo box picks no
// entry by it, neither on Return nor when the field loses the focus.
class TypedTextIsNoChoice : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString&, int&) const override { return Intermediate; }
};

const char* const studyTypes[] = {
    "Vorlux Tx/Rx κεραιών σταθμού βάσης βάση υπομνήματος ΕΕΑΕ",
    "Vorlux Tx/Rx κεραιών σταθμού βάσης βάση μοντέλου Saltzburg",
};
} // namespace

intro::intro()
    : forms::Window(QString::fromLatin1(formName), QStringLiteral("Form1"), 18960, 11460,
                    forms::CloseBox::Unload) {
    // Top to bottom, centred: logo, heading, subtitle, study type, the button.
    orvane_logo = place<QLabel>(client(), QStringLiteral("orvane_logo"), 4680, 300, 9600, 6000);
    orvane_logo->setPixmap(study::logoPicture());
    Label1 = place<QLabel>(client(), QStringLiteral("Label1"), 1200, 6600, 16560, 480,
                           QStringLiteral("Vorlux — μελέτη ραδιοεκπομπών σταθμών βάσης κινητής τηλεφωνίας"));
    QFont heading = Label1->font();
    heading.setPointSize(14);
    heading.setBold(true);
    Label1->setFont(heading);
    Label2 = place<QLabel>(
        client(), QStringLiteral("Label2"), 1200, 7200, 16560, 360,
        QStringLiteral("Λογισμικό μετρήσεων ραδιοεκπομπών και ελέγχου τήρησης επίπεδων αναφοράς"));
    QFont subtitle = Label2->font();
    subtitle.setPointSize(10);
    Label2->setFont(subtitle);
    for (QLabel* label : {Label1, Label2})
        label->setAlignment(Qt::AlignCenter);

    function_choice_cb =
        place<QComboBox>(client(), QStringLiteral("function_choice_cb"), 5880, 8160, 7200, 315);
    function_choice_cb->setEditable(true);
    function_choice_cb->setInsertPolicy(QComboBox::NoInsert);
    // Typed text is no choice: it is not completed into an entry, and an entry's
    // exact text typed is not taken for that entry.
    function_choice_cb->setCompleter(nullptr);
    function_choice_cb->setValidator(new TypedTextIsNoChoice(function_choice_cb));
    enter_button = place<QPushButton>(client(), QStringLiteral("enter_button"), 7680, 8880, 3600, 495,
                                      QStringLiteral("Εισαγωγή στο πρόγραμμα"));

    setTabOrder(enter_button, function_choice_cb);
    enter_button->setFocus();

    connect(function_choice_cb, &QComboBox::activated, this, [this](int index) { choice = index; });
    // Text typed into the edit field is no choice, even an entry's exact text.
    connect(function_choice_cb->lineEdit(), &QLineEdit::textEdited, this, [this] { choice = -1; });
    forms::onClick(enter_button, this, &intro::enter_button_Click);

    Form_Load();
}

void intro::Form_Load() {
    for (const char* entry : studyTypes)
        function_choice_cb->addItem(QString::fromUtf8(entry));
    function_choice_cb->setCurrentIndex(-1);
    function_choice_cb->setEditText(QStringLiteral("Επιλογή μελέτης..."));
    choice = -1;
}

void intro::enter_button_Click() {
    if (choice == 0) {
        forms::show<pinb1>();
        forms::unload<intro>();
    } else if (choice == 1) {
        forms::show<pinb2_saltz>();
        forms::unload<intro>();
    } else {
        messages::critical(QStringLiteral("Δεν έχει επιλεγεί μελέτη!"));
    }
}
