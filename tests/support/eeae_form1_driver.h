#pragma once
// Drives the band-calculation window as a user does: ticks its check boxes,
// types into its boxes through the keyboard, pastes, presses its buttons; reads
// back what the window shows.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QtTest>

#include "eeae/Form1.h"
#include "platform/runtime/forms.h"
#include "study_test.h"
#include "window_helpers.h"

namespace form1 {

inline Form1* window() {
    return forms::get<Form1>();
}
template <class T = QLineEdit> T* control(const QString& name) {
    return testsupport::control<T>(QStringLiteral("Form1"), name);
}
inline QString text(const QString& box) {
    return control<QLineEdit>(box)->text();
}
inline bool enabled(const QString& name) {
    return control<QWidget>(name)->isEnabled();
}
inline bool ticked(const QString& check) {
    return control<QCheckBox>(check)->isChecked();
}

// A user's click on the check box (it toggles and runs its procedure).
inline void click(const QString& check) {
    control<QCheckBox>(check)->click();
}
inline void tick(const QString& check) {
    if (!ticked(check))
        click(check);
}
// The window need not be shown: most tests drive it unseen.
inline void press(const QString& button) {
    control<QPushButton>(button)->click();
}

// Replaces the box's text by typing, through the key filter.
inline void type(const QString& box, const QString& keys) {
    testsupport::type(control<QLineEdit>(box), keys);
}
// Replaces the box's text by pasting it, which the key filter does not see.
inline void paste(const QString& box, const QString& text) {
    QLineEdit* b = control<QLineEdit>(box);
    QApplication::clipboard()->setText(text);
    b->selectAll();
    b->paste();
}

// The band inputs of the study: P, Gml, Gsl per band as typed.
struct Band {
    const char* check;
    const char* power;
    const char* mainGain;
    const char* sideGain;
};
inline const Band gsm{"Check1", "pgsm", "gmlgsm", "gslgsm"};
inline const Band dcs{"Check2", "pdcs", "gmldcs", "gsldcs"};
inline const Band umts{"Check3", "pumts", "gmlumts", "gslumts"};

inline void enter(const Band& band, const QString& power, const QString& mainGain, const QString& sideGain) {
    tick(QString::fromLatin1(band.check));
    type(QString::fromLatin1(band.power), power);
    type(QString::fromLatin1(band.mainGain), mainGain);
    type(QString::fromLatin1(band.sideGain), sideGain);
}
inline void distances(const QString& d1, const QString& d2) {
    type(QStringLiteral("dp1"), d1);
    type(QStringLiteral("dp2"), d2);
}
// The study's usual inputs: GSM 20/17/5, DCS 10/18/6, UMTS 15/17,5/4, distances 10 and 50.
inline void enterGsm() {
    enter(gsm, QStringLiteral("20"), QStringLiteral("17"), QStringLiteral("5"));
}
inline void enterDcs() {
    enter(dcs, QStringLiteral("10"), QStringLiteral("18"), QStringLiteral("6"));
}
inline void enterUmts() {
    enter(umts, QStringLiteral("15"), QStringLiteral("17,5"), QStringLiteral("4"));
}
// The usual inputs of the bands marked true, GSM-900 to UMTS-2100.
inline void enterUsual(const QList<bool>& bands) {
    void (*const usual[])() = {enterGsm, enterDcs, enterUmts};
    for (int b = 0; b < bands.size(); ++b)
        if (bands[b])
            usual[b]();
}

// The check boxes' hint for a band named as in "GSM-900".
inline QString hint(const char* band) {
    return QStringLiteral("Υπόδειξη : Εισάγετε μία έγκυρη τιμή παραμέτρου του σταθμού βάσης %1 και πιέστε "
                          "ξανά την εντολή <<Υπολογισμοί>>")
        .arg(QLatin1String(band));
}

inline const QStringList inputBoxes = {"pgsm",  "gmlgsm",  "gslgsm",  "pdcs", "gmldcs", "gsldcs",
                                       "pumts", "gmlumts", "gslumts", "dp1",  "dp2"};
inline const QStringList gsmResults = {"sg1", "sg2", "eg1", "eg2", "mg1", "mg2", "dg1", "dg2"};
inline const QStringList dcsResults = {"sd1", "sd2", "ed1", "ed2", "md1", "md2", "dd1", "dd2"};
inline const QStringList umtsResults = {"su1", "su2", "eu1", "eu2", "mu1", "mu2", "du1", "du2"};
inline const QStringList indexBoxes = {"depps1", "depps2", "depps3", "depps4"};
inline QStringList resultBoxes() {
    return gsmResults + dcsResults + umtsResults + indexBoxes;
}
inline const QStringList lineNames = {"Line1", "Line2", "Line3", "Line4", "Line5", "Line6"};
inline const QStringList captionNames = {"Label13", "Label18", "Label19", "Label20", "Label21", "Label22"};

inline QStringList texts(const QStringList& boxes) {
    QStringList shown;
    for (const QString& box : boxes)
        shown << text(box);
    return shown;
}

inline QList<bool> linesShown() {
    QList<bool> shown;
    for (const QString& line : lineNames)
        shown << !control<QFrame>(line)->isHidden();
    return shown;
}
inline QStringList captions() {
    QStringList texts;
    for (const QString& caption : captionNames)
        texts << control<QLabel>(caption)->text();
    return texts;
}

// Everything the window shows, to compare before and after an action.
inline QMap<QString, QString> snapshot() {
    QMap<QString, QString> shown;
    for (const QString& box : inputBoxes + resultBoxes())
        shown.insert(box, text(box) + (enabled(box) ? "|on" : "|off"));
    for (const char* check : {"Check1", "Check2", "Check3"})
        shown.insert(QString::fromLatin1(check), ticked(QString::fromLatin1(check)) ? "1" : "0");
    const QList<bool> lines = linesShown();
    for (int i = 0; i < lines.size(); ++i)
        shown.insert(lineNames[i], lines[i] ? "shown" : "hidden");
    const QStringList texts = captions();
    for (int i = 0; i < texts.size(); ++i)
        shown.insert(captionNames[i], texts[i]);
    for (const char* button : {"calculate", "reset", "proceed", "back"})
        shown.insert(QString::fromLatin1(button), enabled(QString::fromLatin1(button)) ? "on" : "off");
    return shown;
}

} // namespace form1
