// A run's frames: the lesson moves on, and the window draws what its frame shows with the
// subsystems' procedures; and what each run's displays go back to when it ends.
#include "animation/colours.h"
#include "animation/current_markers.h"
#include "animation/plates.h"
#include "app/form21.h"
#include "app/narration.h"
#include "fields/coil_field.h"
#include "instruments/dials.h"
#include "instruments/graph.h"
#include "platform/colours.h"

namespace app {

namespace {
// The strips of each circuit in the order their painters colour them.
std::vector<platform::Container*> CircuitStrips(Form21& w)
{
    return {w.picvert1,   w.picvert2,  w.picleft[0], w.picleft[1], w.picleft[2], w.picleft[3],
            w.picleft[4], w.picind[2], w.picind[3],  w.picind[4],  w.picind[5],  w.picind[6]};
}

std::vector<platform::Container*> ChargingStrips(Form21& w)
{
    return {w.picright[0], w.picright[1], w.picright[2], w.picright[3], w.picright[4], w.picvert1, w.picvert2};
}
}  // namespace

animation::FieldContext Form21::Fields()
{
    const lesson::Settings& set = State().settings;
    return animation::FieldContext{Drawing(), {lesson_.PositivePlateTop(), set.frequency, set.resistorIn}};
}

void Form21::ShowFrame()
{
    // Paused, the lesson takes no frame and the program sleeps; resuming asks for the next.
    if (quit_ || lesson_.Paused() || !lesson_.Advance(LessonTime()))
        return;
    DrawFrame(lesson_.LastFrame());
    narration_->FrameShown();
    if (lesson_.Running())
        steps_->PostNextFrame([this] { ShowFrame(); });
}

void Form21::DrawFrame(const lesson::Frame& f)
{
    if (f.run == RunState::Charging)
        DrawChargingFrame(f);
    else
        DrawOscillationFrame(f);
}

void Form21::DrawChargingFrame(const lesson::Frame& f)
{
    const QColor wire = animation::WireColour(f.wireLevel);
    animation::PaintChargingWires(ChargingStrips(*this), wire);
    animation::ShowChargingMarkers(tokpow, f.markerGroup, wire, f.previousGroup);
    animation::Plates plates{picup, picdown, &Plus1, &Minus1};
    animation::ShowChargingPlates(plates, f.plateCharge, f.pairIndex, f.swapLock, Fields(),
                                  platform::WindowBackground());
    instruments::MoveVoltmeterNeedle(*picvolt->Drawing(), voltmeterNeedle, f.voltmeterDegrees);
    instruments::MoveAmmeterNeedle(*picamp->Drawing(), ammeterNeedle, f.ammeterDegrees);
    SetElectricBarWidth(f.electricBarWidth);
    DrawGraphStep(f.graph);
}

void Form21::DrawOscillationFrame(const lesson::Frame& f)
{
    if (f.endedByItself) {
        DrawIdleSwitch();
        instruments::MoveVoltmeterNeedle(*picvolt->Drawing(), voltmeterNeedle, f.voltmeterDegrees);
        DrawOscillationAtRest();
        return;
    }
    instruments::MoveVoltmeterNeedle(*picvolt->Drawing(), voltmeterNeedle, f.voltmeterDegrees);
    const QColor plus = animation::PlusColour(f.plateCharge);
    const QColor minus = animation::MinusColour(f.plateCharge);
    picup->SetBackColor(plus);
    picdown->SetBackColor(minus);
    if (f.platesSwapNow)
        PlacePlates();
    instruments::MoveAmmeterNeedle(*picamp->Drawing(), ammeterNeedle, f.ammeterDegrees);
    if (f.resistorGlows)
        Picture2->SetBackColor(platform::Rgb(255, 255, 255 - f.wireLevel));

    animation::Plates plates{picup, picdown, &Plus1, &Minus1};
    const animation::OscillationView view{
        .plusColour = plus,
        .minusColour = minus,
        .chargeGrey = animation::ChargeGrey(f.plateCharge, platform::WindowBackground()),
        .pairIndex = f.pairIndex,
        .lineCount = f.fieldLines,
        .fieldColour = animation::CoilFieldColour(f.wireLevel, platform::WindowBackground()),
        .coilFieldLevel = f.coilFieldLevel,
        .current = f.current,
        .swapLock = f.swapLock};
    animation::ShowOscillationPlates(plates, view, Fields());

    const QColor wire = animation::WireColour(f.wireLevel);
    animation::PaintCircuitWires(CircuitStrips(*this), wire);
    animation::ShowCircuitMarkers(tok, f.markerGroup, wire, f.previousGroup);
    instruments::MoveClockHand(*picclock->Drawing(), f.clockAngle, drawnClockAngle_);
    SetElectricBarWidth(f.electricBarWidth);
    if (f.magneticBarShown) {
        SetMagneticBar(f.magneticBarLeft, f.magneticBarWidth);
        DrawGraphStep(f.graph);
    }
}

void Form21::DrawGraphStep(const lesson::GraphStep& g)
{
    if (g.cleared)
        picGr->Drawing()->Clear();
    if (g.plotted)
        instruments::DrawGraphSegment(*picGr->Drawing(), {imgU, imgI}, g.segment);
}

void Form21::DrawOscillationAtRest()
{
    const lesson::Readings& r = State().readings;
    SetMagneticBar(r.magneticBarLeft, r.magneticBarWidth);
    Picture2->SetBackColor(QColor(255, 255, 255));
    animation::PaintCircuitWires(CircuitStrips(*this), QColor(255, 255, 255));
    picleft[0]->SetBackColor(platform::WindowBackground());
    HideCurrentMarkers();
    picamp->Drawing()->Clear();
    picamp_Paint();
    drawnClockAngle_ = 0;
    picclock->Drawing()->Clear();
    picclock_Paint();
    fields::EraseCoilField(*Drawing());
}

void Form21::DrawChargingAtRest()
{
    animation::PaintChargingWires(ChargingStrips(*this), QColor(255, 255, 255));
    picright[4]->SetBackColor(platform::WindowBackground());
    HideCurrentMarkers();
    picamp->Drawing()->Clear();
    instruments::MoveAmmeterNeedle(*picamp->Drawing(), ammeterNeedle, 0.0);
}

}  // namespace app
