#pragma once
// The program speaks the language of the system locale where it has a
// translation: its own texts (gorvin_<language>.qm, built into the program)
// and the texts of Qt's own dialogs and buttons (qtbase_<language>.qm from
// Qt's translations folder). English, the language the texts are written in,
// needs neither. Only the words change: numbers, dates, units and every stored
// value follow their own rules, whatever the language.

#include <QLocale>

// Installs the translators for the locale's language into the running
// application (which must exist); a language without a translation leaves
// the texts English. Returns whether the program's own translation was found.
bool installTranslations(const QLocale& locale = QLocale::system());
