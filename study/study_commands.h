#pragma once
// The two commands that end a study, under every study window's "Αρχείο" menu.

namespace study {

// "Έξοδος": unloads every study window and the start window; the program ends.
void exit_program_command();
// "Αλλαγή μελέτης": unloads every study window and shows a fresh start window.
void change_study_command();

} // namespace study
