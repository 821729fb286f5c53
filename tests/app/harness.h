#pragma once
// The scripted lesson the tests drive: the real window, a scripted clock, a hand-driven queue.
#include "app/scripted_lesson.h"

namespace testsupport {
using Lesson = app::ScriptedLesson;
}  // namespace testsupport
