// The switch, "Сброс" and "Выход": what each click does and which controls it enables.
#include <QCoreApplication>

#include "animation/plates.h"
#include "app/form21.h"
#include "app/loops.h"
#include "platform/colours.h"

namespace app {

namespace {
void ClearDrawing(platform::Container* box) { box->Drawing()->Clear(); }
}  // namespace

void Form21::imgPow_Click()
{
    SetPaused(false);  // a paused run takes the click as a running one
    FinishStaleLoops();
    EnableControlsFor(RunState::Charging);
    state.stopped = false;
    platform::MoveTwips(imgU, platform::LeftTwips(imgU), state.trace.graphU0);
    platform::MoveTwips(imgI, platform::LeftTwips(imgI), state.trace.graphI0);
    ClearDrawing(picGr);
    ClearDrawing(picamp);
    if (state.runState == RunState::Charging)
        return;
    DrawSwitchAt(SwitchPosition::Source);
    if (PlatesSwapped()) {
        SwapPlateBoxes();
        ClearCircuitState(state.plateCharge);
    }
    state.runState = RunState::Charging;
    picleft[0]->SetBackColor(platform::WindowBackground());
    oscillation_->Run();  // only its end of a run: the oscillation displays go to rest
    charging_->Run();
}

void Form21::imgOn_Click()
{
    SetPaused(false);  // a paused run takes the click as a running one
    FinishStaleLoops();
    EnableControlsFor(RunState::Oscillating);
    state.stopped = false;
    ClearDrawing(picGr);
    platform::SetLeftTwips(imgI, state.trace.graphX0);
    platform::SetLeftTwips(imgU, state.trace.graphX0);
    state.graphAmp = state.chargeLevel;
    if (ResistorIn())
        UpdateCircuitParameters();
    ClearDrawing(picamp);
    if (state.runState == RunState::Oscillating)
        return;
    DrawSwitchAt(SwitchPosition::Coil);
    state.runState = RunState::Oscillating;
    picright[4]->SetBackColor(platform::WindowBackground());
    charging_->Run();  // only its closing steps: the charge reached is taken over
    oscillation_->Run();
}

void Form21::imgKey_Click()
{
    SetPaused(false);  // a paused run takes the click as a running one
    RestoreIdleControls();
    EnableControlsFor(RunState::Stopped);
}

void Form21::RestoreIdleControls()
{
    state.trace.sweepCount = 0;
    state.trace.Restart();
    // The next run's trace starts at the left edge of the graph, not left of its box.
    state.trace.sweepTime = 0;
    state.stopped = true;
    EnableControlsFor(RunState::Idle);
    DrawSwitchAt(SwitchPosition::Raised);
    state.runState = RunState::Stopped;
    picleft[0]->SetBackColor(platform::WindowBackground());
    picright[4]->SetBackColor(platform::WindowBackground());
}

void Form21::cmdSbros_Click()
{
    SetPaused(false);  // a paused run takes the click as a running one
    FinishStaleLoops();
    SetElectricBarWidth(15);
    ClearCircuitState(state.plateCharge);
    HidePlateCharges();  // the emptied capacitor shows no charge, as at start-up
    ClearDrawing(picvolt);
    ClearDrawing(picamp);
    picvolt_Paint();
    picamp_Paint();
}

void Form21::ClearCircuitState(int& charge)
{
    ClearDrawing(picGr);
    platform::MoveTwips(imgU, state.trace.graphX0, state.trace.graphU0);
    platform::MoveTwips(imgI, state.trace.graphX0, state.trace.graphI0);
    state.trace.RestartAtOrigin();
    for (int i = 0; i <= 10; ++i) {
        Plus1(i)->SetVisible(false);
        Minus1(i)->SetVisible(false);
    }
    state.chargeLevel = 0;
    animation::Plates plates{picup, picdown, &Plus1, &Minus1};
    animation::ShowChargingPlates(plates, state.chargeLevel, 10, state.swapLock, FieldsOf(*this),
                                  platform::WindowBackground());
    charge = 0;
    picup->SetBackColor(QColor(255, 255, 255));
    picdown->SetBackColor(QColor(255, 255, 255));
    ClearDrawing(this);
    PaintWindow();
}

void Form21::Command1_Click()
{
    oscillation_->Abandon();
    charging_->Abandon();
    emit quitRequested();
    QCoreApplication::exit(0);
}

void Form21::FinishStaleLoops()
{
    oscillation_->FinishIfStale();
    charging_->FinishIfStale();
}

}  // namespace app
