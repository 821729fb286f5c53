#include "platform/notification.h"

#include <QTimer>

namespace platform {

Notification::Notification(QWidget* window) : QWidget(window)
{
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void Notification::Say(const QString& sentence)
{
    if (sentence.isEmpty())
        return;
    if (pending_.isEmpty())
        QTimer::singleShot(0, this, &Notification::ShowPending);
    pending_ << sentence;
}

void Notification::ShowPending()
{
    if (pending_.isEmpty())
        return;
    hide();
    sentence_ = pending_.join(' ');
    pending_.clear();
    show();  // Qt: ObjectShow; AT-SPI: state-changed:showing; Orca speaks the name
    emit said(sentence_);
}

}  // namespace platform
