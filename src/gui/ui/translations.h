#pragma once

class QApplication;

// Makes Qt's own dialogs (printing, choosing a file) and its standard buttons
// speak Czech like the rest of the program. Returns false when Qt's Czech
// catalogue is not installed; the dialogs then stay in English.
bool installCzechTranslations(QApplication& app);
