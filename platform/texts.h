#pragma once
// Every text a window shows or names, kept as it was written and shown again, translated, when
// the language changes: captions, titles, tooltips, menu entries, accessible names and
// descriptions, and the labels its boxes paint.
//
// The window is built with its texts as written (marked for the translators where they are
// written); Capture then keeps each one with the place it went to, so a change of language
// is one walk over them, mid-lesson, without building anything again.
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace platform {

// The one context the program's texts are translated in.
inline constexpr const char* kTextContext = "app::Form21";
QString Translated(const char* source);
QString Translated(const QString& source);

class Texts {
public:
    // Keeps every non-empty text of `window` and of everything in it, as it stands now.
    void Capture(QWidget* window);
    // Shows each kept text again in the present language.
    void Retranslate() const;

private:
    struct Kept {
        QPointer<QObject> where;  // gone with its widget, and then passed over
        QString source;
        std::function<void(QObject*, const QString&)> show;
    };
    void Keep(QObject* where, const QString& source, std::function<void(QObject*, const QString&)> show);
    std::vector<Kept> kept_;
};

}  // namespace platform
