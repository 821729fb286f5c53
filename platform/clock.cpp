#include "platform/clock.h"

#include <QCoreApplication>
#include <QTimer>

namespace platform {

void EventLoopStepQueue::Post(std::function<void()> work)
{
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(work));
}

bool ScriptedStepQueue::RunOne()
{
    if (pending_.empty())
        return false;
    auto work = std::move(pending_.front());
    pending_.pop_front();
    work();
    return true;
}

}  // namespace platform
