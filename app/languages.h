#pragma once
// The languages the lesson speaks: Russian as it is written, and the translations built into the
// program. A language is chosen once from the system's, or by --lang, and changed at any time
// from the window's menu.
#include <QString>
#include <QStringList>
#include <vector>

namespace app {

struct Language {
    QString code;  // "ru", "en", "uk", "kk", "de"
    QString name;  // in the language itself, as a speaker of it looks for it in a menu
};

const std::vector<Language>& Languages();
// The first of the system's languages (QLocale::uiLanguages order) that the lesson speaks, else Russian.
QString LanguageFor(const QStringList& uiLanguages);
// Makes `code` the language of the program's texts; false for a language it does not speak.
bool UseLanguage(const QString& code);
QString CurrentLanguage();

}  // namespace app
