#pragma once
// Five procedures of the Salzburg sector window that no menu item, control or
// other procedure calls. They do what the study windows' menu commands do.

namespace salzburg::unreachable {

// The reference documents of the folder "files", opened for the user.
void open_fek1666_pdf();
void open_kya53571_pdf();
void open_n3431_pdf();
// Starts the help program of the sectorisation window.
void show_form_help();
// Shows the save-as window of the Word report, as it stands.
void show_browse_form();

} // namespace salzburg::unreachable
