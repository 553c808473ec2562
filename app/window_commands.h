#pragma once
// The window's own commands: the font size (spin button and menu), the about box and Quit.

namespace qv::app {

class Form2;

void connectWindowCommands(Form2& form);

// Shows the about box, loading it the first time; one at a time.
void mnuAbout_Click(Form2& form);
// Stops a running search, closes the about box and its viewers, signs off and closes the
// window. A failing sign-off is reported; the window closes all the same.
void cmdQuit_Click(Form2& form);

}  // namespace qv::app
