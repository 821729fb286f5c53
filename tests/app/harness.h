#pragma once
// The scripted lesson the tests drive: the real window, a scripted clock, a hand-driven queue.
#include <QAccessible>

#include "app/scripted_lesson.h"

namespace testsupport {
using Lesson = app::ScriptedLesson;

// The first element under root, itself included, of that accessible name.
inline QAccessibleInterface* Find(QAccessibleInterface* root, const QString& name)
{
    if (root->text(QAccessible::Name) == name)
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* hit = Find(root->child(i), name))
            return hit;
    return nullptr;
}
}  // namespace testsupport
