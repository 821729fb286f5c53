// What the switch looks like in each of its positions, and which controls each run state
// leaves a user.
#include "app/form21.h"
#include "app/narration.h"

namespace app {

void Form21::DrawSwitchAt(SwitchPosition position)
{
    const bool raised = position == SwitchPosition::Raised;
    // The lever lies down onto a contact or stands up from it.
    Line26->SetVisible(raised);
    Line27->SetVisible(!raised);
    if (raised)
        Picture4->show();
    else
        Picture4->hide();
    for (platform::LineItem* l : {Line8, Line9})
        l->SetVisible(position == SwitchPosition::Source);
    for (platform::LineItem* l : {Line6, Line7})
        l->SetVisible(position == SwitchPosition::Coil);
    for (platform::LineItem* l : {Line10, Line11, Line12})
        l->SetVisible(raised);
}

// The switch's positions stay in the Tab order while unavailable: a screen reader reaches them
// and says "неактивно". The panel's controls are disabled; the narration says which, as a run
// starts.
void Form21::EnableControlsFor(RunState runState)
{
    switch (runState) {
    case RunState::Charging:
        // The source's own contact stays as it is: it is the one just used.
        Command5->setEnabled(false);
        imgOn1->SetAvailable(false);
        Command2->setEnabled(true);
        Command3->setEnabled(true);
        Slider2->SetEnabled(true);
        cmdSbros->setEnabled(false);
        break;
    case RunState::Oscillating:
        // The resistor cannot be changed under a running oscillation; the frequency can.
        Command5->setEnabled(false);
        imgPow0->SetAvailable(false);
        Command2->setEnabled(false);
        Command3->setEnabled(false);
        Slider2->SetEnabled(false);
        Slider1->SetEnabled(true);
        cmdSbros->setEnabled(false);
        break;
    case RunState::Idle:
    case RunState::Stopped:
        // "Очистить" comes back only with "Стоп": a run that ended by itself leaves it as it was.
        if (runState == RunState::Stopped)
            Command5->setEnabled(true);
        imgOn1->SetAvailable(true);
        imgPow0->SetAvailable(true);
        Command2->setEnabled(true);
        Command3->setEnabled(true);
        Slider2->SetEnabled(true);
        Slider1->SetEnabled(true);
        cmdSbros->setEnabled(true);
        narration_->RunEnded();
        break;
    }
}

}  // namespace app
