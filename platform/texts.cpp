#include "platform/texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QWidget>

#include "platform/container.h"
#include "platform/items.h"

namespace platform {

QString Translated(const char* source) { return QCoreApplication::translate(kTextContext, source); }
QString Translated(const QString& source) { return Translated(source.toUtf8().constData()); }

void Texts::Keep(QObject* where, const QString& source, std::function<void(QObject*, const QString&)> show)
{
    if (!source.isEmpty())
        kept_.push_back({where, source, std::move(show)});
}

void Texts::Capture(QWidget* window)
{
    kept_.clear();
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    for (QWidget* w : widgets) {
        if (w->isWindow())
            Keep(w, w->windowTitle(), [](QObject* o, const QString& t) { static_cast<QWidget*>(o)->setWindowTitle(t); });
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        if (qobject_cast<QAbstractButton*>(w))
            Keep(w, text, [](QObject* o, const QString& t) { static_cast<QAbstractButton*>(o)->setText(t); });
        else if (qobject_cast<QLabel*>(w))
            Keep(w, text, [](QObject* o, const QString& t) { static_cast<QLabel*>(o)->setText(t); });
        const QString tip = w->toolTip();
        Keep(w, tip, [](QObject* o, const QString& t) { static_cast<QWidget*>(o)->setToolTip(t); });
        // A name or a description made from the tooltip or the caption follows it: the
        // translators see each text once, as it is shown.
        auto keepSpoken = [&](const QString& spoken, void (QWidget::*set)(const QString&)) {
            for (const QString& from : {tip, text}) {
                if (!from.isEmpty() && (spoken == from || spoken == from.trimmed())) {
                    const bool trimmed = spoken != from;
                    Keep(w, from, [set, trimmed](QObject* o, const QString& t) {
                        (static_cast<QWidget*>(o)->*set)(trimmed ? t.trimmed() : t);
                    });
                    return;
                }
            }
            Keep(w, spoken, [set](QObject* o, const QString& t) { (static_cast<QWidget*>(o)->*set)(t); });
        };
        keepSpoken(w->accessibleName(), &QWidget::setAccessibleName);
        keepSpoken(w->accessibleDescription(), &QWidget::setAccessibleDescription);
        if (auto* c = qobject_cast<Container*>(w)) {
            for (LabelItem* label : c->Labels())
                Keep(c, label->Caption(), [label](QObject*, const QString& t) { label->SetCaption(t); });
        }
    }
    for (QAction* a : window->findChildren<QAction*>())
        Keep(a, a->text(), [](QObject* o, const QString& t) { static_cast<QAction*>(o)->setText(t); });
}

void Texts::Retranslate() const
{
    for (const Kept& k : kept_) {
        if (k.where)
            k.show(k.where, Translated(k.source));
    }
}

}  // namespace platform
