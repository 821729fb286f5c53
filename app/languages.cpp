#include "app/languages.h"

#include <QCoreApplication>
#include <QTranslator>
#include <algorithm>
#include <memory>

namespace app {

namespace {
std::unique_ptr<QTranslator> installed;  // none for Russian
QString current = "ru";
}  // namespace

const std::vector<Language>& Languages()
{
    static const std::vector<Language> all{
        {"ru", "Русский"}, {"en", "English"}, {"uk", "Українська"}, {"kk", "Қазақша"}, {"de", "Deutsch"}};
    return all;
}

QString LanguageFor(const QStringList& uiLanguages)
{
    for (const QString& ui : uiLanguages) {
        const QString code = ui.section('-', 0, 0).section('_', 0, 0).toLower();
        for (const Language& l : Languages()) {
            if (l.code == code)
                return code;
        }
    }
    return "ru";
}

bool UseLanguage(const QString& code)
{
    const auto& all = Languages();
    if (std::none_of(all.begin(), all.end(), [&](const Language& l) { return l.code == code; }))
        return false;
    if (code == current)
        return true;
    // Russian is the texts as written: no translator at all.
    std::unique_ptr<QTranslator> next;
    if (code != "ru") {
        next = std::make_unique<QTranslator>();
        if (!next->load(":/i18n/oscillations_" + code + ".qm"))
            return false;
    }
    if (installed)
        QCoreApplication::removeTranslator(installed.get());
    installed = std::move(next);
    if (installed)
        QCoreApplication::installTranslator(installed.get());
    current = code;
    return true;
}

QString CurrentLanguage() { return current; }

}  // namespace app
