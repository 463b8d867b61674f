#pragma once

// Qt draws a few texts of its own (the text boxes' context menus, for
// example). The program speaks German throughout, whatever the desktop's
// language: this loads Qt's German translation once. False when the
// translation is not installed; Qt's own texts then stay English.
bool InstallGermanToolkitTexts();
