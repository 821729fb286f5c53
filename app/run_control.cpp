// The switch, "Сброс" and "Выход": the lesson's command each click gives, and what the window
// draws for it. A click on a paused run ends the pause first, so it acts as on a running one.
#include <QCoreApplication>

#include "animation/plates.h"
#include "app/form21.h"
#include "platform/colours.h"
#include "platform/texts.h"

namespace app {

namespace {
void ClearDrawing(platform::Container* box) { box->Drawing()->Clear(); }
}  // namespace

void Form21::imgPow_Click()
{
    SetPaused(false);
    EnableControlsFor(RunState::Charging);
    const lesson::GraphTrace& g = State().trace;
    platform::MoveTwips(imgU, platform::LeftTwips(imgU), g.graphU0);
    platform::MoveTwips(imgI, platform::LeftTwips(imgI), g.graphI0);
    ClearDrawing(picGr);
    ClearDrawing(picamp);
    const bool charging = State().runState == RunState::Charging;
    const bool swapped = State().platesSwapped;
    lesson_.Charge(LessonTime());
    if (charging)
        return;
    DrawSwitchAt(SwitchPosition::Source);
    if (swapped) {
        PlacePlates();
        DrawEmptiedCircuit();
    }
    picleft[0]->SetBackColor(platform::WindowBackground());
    DrawOscillationAtRest();
    ShowFrame();  // the run's first frame, at the instant of the click
}

void Form21::imgOn_Click()
{
    SetPaused(false);
    EnableControlsFor(RunState::Oscillating);
    ClearDrawing(picGr);
    platform::SetLeftTwips(imgI, State().trace.graphX0);
    platform::SetLeftTwips(imgU, State().trace.graphX0);
    const bool oscillating = State().runState == RunState::Oscillating;
    lesson_.Start(LessonTime());
    ClearDrawing(picamp);
    if (oscillating)
        return;
    DrawSwitchAt(SwitchPosition::Coil);
    picright[4]->SetBackColor(platform::WindowBackground());
    DrawChargingAtRest();
    ShowFrame();
}

void Form21::imgKey_Click()
{
    SetPaused(false);
    const RunState was = State().runState;
    lesson_.Stop();
    DrawIdleSwitch();
    EnableControlsFor(RunState::Stopped);
    if (was == RunState::Oscillating)
        DrawOscillationAtRest();
    else if (was == RunState::Charging)
        DrawChargingAtRest();
}

void Form21::DrawIdleSwitch()
{
    EnableControlsFor(RunState::Idle);
    DrawSwitchAt(SwitchPosition::Raised);
    picleft[0]->SetBackColor(platform::WindowBackground());
    picright[4]->SetBackColor(platform::WindowBackground());
}

void Form21::cmdSbros_Click()
{
    SetPaused(false);
    lesson_.Reset();
    SetElectricBarWidth(State().readings.electricBarWidth);
    DrawEmptiedCircuit();
    HidePlateCharges();  // the emptied capacitor shows no charge, as at start-up
    ClearDrawing(picvolt);
    ClearDrawing(picamp);
    picvolt_Paint();
    picamp_Paint();
}

void Form21::DrawEmptiedCircuit()
{
    const lesson::GraphTrace& g = State().trace;
    ClearDrawing(picGr);
    platform::MoveTwips(imgU, g.graphX0, g.graphU0);
    platform::MoveTwips(imgI, g.graphX0, g.graphI0);
    for (int i = 0; i <= 10; ++i) {
        Plus1(i)->SetVisible(false);
        Minus1(i)->SetVisible(false);
    }
    animation::Plates plates{picup, picdown, &Plus1, &Minus1};
    animation::ShowChargingPlates(plates, 0, 10, State().swapLock, Fields(), platform::WindowBackground());
    picup->SetBackColor(QColor(255, 255, 255));
    picdown->SetBackColor(QColor(255, 255, 255));
    ClearDrawing(this);
    PaintWindow();
}

QStringList Form21::LessonOverTexts()
{
    return {tr("Урок окончен"),
            tr("Программа «%1» завершена.").arg(platform::Translated("Электромагнитные колебания в контуре")),
            tr("Чтобы начать урок заново, обновите страницу: клавиша F5 или кнопка «Обновить» в браузере.")};
}

void Form21::Command1_Click()
{
    quit_ = true;
    emit quitRequested();
    QCoreApplication::exit(0);
}

}  // namespace app
