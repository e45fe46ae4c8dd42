#pragma once
// Handing a file to the user's own application, with a message in Greek that
// names the file when it cannot be done; the program goes on either way.
#include <QString>

namespace study {

// True when a file stands at path; otherwise the user is told and false.
bool fileIsThere(const QString& path);
// Opens the file as it stands with the desktop's application for it.
void openFileForUser(const QString& path);
// Starts a program without arguments and does not wait for it.
void startProgramForUser(const QString& path);

} // namespace study
