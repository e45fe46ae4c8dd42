#pragma once
// The commands of the study windows' menus besides exit and change of study:
// reference documents, help programs, credits and opening an existing report.
#include <QString>

namespace study {

// Opens a reference document of the folder "files" beside the program for the
// user, "fek1666.pdf" for example.
void document_command(const QString& document);
// Opens the K.52 recommendation in the word processor.
void k52_word_document_command();
// Starts a help program of the folder "exes" beside the program, "mastsheet"
// for example (the platform's executable suffix is added).
void form_help_command(const QString& program);
void show_credits_command();
void open_existing_report_command();

// Shows a Word document to the user, opened for editing.
void open_word_document(const QString& path);

} // namespace study
