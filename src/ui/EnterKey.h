#pragma once

class QWidget;

// Enter, the main key and the keypad's, presses the focused push button in
// every window of the program, as Space does. No button is made a default
// button for it, so Enter in a text box stays what that window makes of it.
// Installed once for the whole application, at start; later calls do nothing.
void InstallEnterPressesFocusedButton();

// The one rule for Enter on a button, whether typed or sent by the program as
// a keystroke: a push button that is enabled and not hidden in its window is
// pressed, once. True when the widget is a push button, pressed or not: the
// Enter is then used up and goes nowhere else.
bool PressButtonByEnter(QWidget* widget);
