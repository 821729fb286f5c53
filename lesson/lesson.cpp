#include "lesson/lesson.h"

#include <cmath>
#include <cstdlib>

#include "physics/charging.h"
#include "physics/circuit_parameters.h"
#include "physics/energy_bars.h"

namespace lesson {

namespace {
constexpr int kUpperPlateTop = 3000;       // twips: the upper of the two plate places
constexpr int kLowerPlateTop = 3990;       // twips: the lower one
constexpr int kScaleZeroRunning = 5690;    // twips in the energy frame: the magnetic bar's right end in a run
constexpr int kBarAtRestLeft = 5685;       // twips: the magnetic bar's sliver at rest
constexpr int kBarAtRestWidth = 15;        // twips: the sliver an empty bar keeps on the screen
}  // namespace

Lesson::Lesson()
{
    // The graph box's own layout: the time origin, the two zero lines and their scales.
    GraphTrace& g = s_.trace;
    g.graphX0 = 420;
    g.graphU0 = 1260;
    g.graphI0 = 3570;
    g.graphTScale = 300;
    g.graphUScale = 900;
    g.sweepSeconds = 15;
    g.sweepTime = 0;
    g.RestartAtOrigin();
}

int Lesson::PositivePlateTop() const { return s_.platesSwapped ? kLowerPlateTop : kUpperPlateTop; }
int Lesson::NegativePlateTop() const { return s_.platesSwapped ? kUpperPlateTop : kLowerPlateTop; }

bool Lesson::Pause(double wall)
{
    if (!Running())
        return false;
    clock_.Pause(wall);
    return true;
}

void Lesson::Resume(double wall) { clock_.Resume(wall); }

void Lesson::SetSpeed(LessonSpeed speed, double wall)
{
    s_.settings.speed = speed;
    clock_.SetRate(RatioOf(speed).times, RatioOf(speed).per, wall);
}

double Lesson::StepLength() const
{
    constexpr int kStepsAPeriod = 40;  // ten steps a quarter period: a teacher's "and now..."
    if (s_.runState == RunState::Charging) {
        const bool fast = s_.settings.charging == ChargingSpeed::Fast;
        return physics::ChargingTimeConstant(fast, !fast) / kStepsAPeriod;
    }
    return 2 * physics::kProgramPi / s_.omega / kStepsAPeriod;
}

bool Lesson::StepWhilePaused()
{
    if (!Paused() || !Running())
        return false;
    clock_.StepBy(StepLength());
    return true;
}

void Lesson::Charge(double t)
{
    s_.stopped = false;
    if (s_.runState == RunState::Charging)
        return;
    s_.switchPosition = SwitchPosition::Source;
    // The source charges the upper plate positively: plates standing swapped go back, emptied.
    if (s_.platesSwapped) {
        s_.platesSwapped = false;
        ClearCircuit();
    }
    s_.runState = RunState::Charging;
    // Whatever oscillated goes to rest, as a stop leaves it.
    osc_ = {};
    s_.readings.clockAngle = 0;
    TakeFrequencySetting();
    EndOscillation();
    charging_ = {t, 0};
}

void Lesson::Start(double t)
{
    s_.stopped = false;
    s_.graphAmp = s_.chargeLevel;
    if (s_.settings.resistorIn)
        physics::UpdateCircuitParameters(s_.settings.frequency, s_.settings.resistance, physics::kProgramPi,
                                         s_.omega, s_.beta);
    if (s_.runState == RunState::Oscillating)
        return;
    s_.switchPosition = SwitchPosition::Coil;
    s_.runState = RunState::Oscillating;
    CloseCharging();  // the charge reached is taken over
    osc_ = {};
    osc_.tRunStart = osc_.tPeriodStart = t;
    s_.readings.clockAngle = 0;
}

void Lesson::Stop()
{
    const RunState was = s_.runState;
    RestoreIdle();
    if (was == RunState::Oscillating) {
        TakeFrequencySetting();
        EndOscillation();
    } else if (was == RunState::Charging) {
        CloseCharging();
    }
}

void Lesson::Reset()
{
    s_.readings.electricBarWidth = kBarAtRestWidth;
    ClearCircuit();
    s_.readings.voltmeterDegrees = 0;
    s_.readings.ammeterDegrees = 0;
}

void Lesson::PutResistorIn()
{
    physics::UpdateCircuitParameters(s_.settings.frequency, s_.settings.resistance, physics::kProgramPi, s_.omega,
                                     s_.beta);
    s_.settings.resistorIn = true;
}

void Lesson::TakeResistorOut()
{
    s_.settings.resistorIn = false;
    s_.beta = 0;
}

bool Lesson::Advance(double t)
{
    frame_ = {};
    if (s_.runState == RunState::Charging)
        AdvanceCharging(t);
    else if (s_.runState == RunState::Oscillating)
        AdvanceOscillation(t);
    else
        return false;
    return true;
}

void Lesson::AdvanceCharging(double t)
{
    Frame& f = frame_;
    f.run = RunState::Charging;
    const bool fast = s_.settings.charging == ChargingSpeed::Fast;
    const double tau = physics::ChargingTimeConstant(fast, !fast);
    const double tc = t - charging_.t0;
    const int current = physics::ChargingCurrentLevel(s_.plateCharge, tc, tau);
    f.wireLevel = current;
    f.previousGroup = charging_.markerGroup;
    f.markerGroup = charging_.markerGroup = physics::ChargingMarkerGroup(current);

    s_.chargeLevel = physics::ChargedLevel(s_.plateCharge, tc, tau);
    f.plateCharge = s_.chargeLevel;
    f.pairIndex = physics::Int(s_.chargeLevel / 24.0);
    f.swapLock = s_.swapLock;
    f.voltmeterDegrees = physics::ChargingVoltmeterAngle(s_.chargeLevel);
    const double a = physics::AmmeterChargingLevel(current, tc, tau);
    f.ammeterDegrees = 60 * a / 255;
    f.electricBarWidth = physics::ChargingBarWidth(s_.chargeLevel);

    f.graph.cleared = s_.trace.AdvanceSweep(tc);
    s_.graphI = a / 60;
    s_.graphU = s_.chargeLevel / 255.0;
    // The charging that follows a stop shows on the meters only.
    if (!s_.stopped) {
        f.graph.plotted = true;
        f.graph.segment = s_.trace.Plot(s_.graphU, s_.graphI, s_.omega);
    }
    Readings& r = s_.readings;
    r.voltmeterDegrees = f.voltmeterDegrees;
    r.ammeterDegrees = f.ammeterDegrees;
    r.electricBarWidth = f.electricBarWidth;
}

void Lesson::AdvanceOscillation(double t)
{
    Frame& f = frame_;
    f.run = RunState::Oscillating;
    TakeFrequencySetting();
    const double tRun = t - osc_.tRunStart;
    const double tPeriod = t - osc_.tPeriodStart;

    physics::OscillatorInput in;
    in.omega0 = s_.omega;
    in.beta = s_.beta;
    in.t = tRun;
    in.chargeLevel = s_.chargeLevel;
    in.graphAmp = s_.graphAmp;
    in.polarity = s_.polarity;
    in.platesSwapped = s_.platesSwapped;
    // A step that computes nothing leaves these as they stand.
    physics::OscillatorOutput& m = osc_.model;
    m.current = s_.current;
    m.plateCharge = s_.plateCharge;
    m.graphU = s_.graphU;
    m.graphI = s_.graphI;
    m.swapLock = s_.swapLock;
    m = physics::ComputeOscillationStep(in, m);
    s_.omega = m.omega;
    s_.current = m.current;
    s_.plateCharge = m.plateCharge;
    s_.graphU = m.graphU;
    s_.graphI = m.graphI;
    s_.swapLock = m.swapLock;
    f.voltmeterDegrees = s_.readings.voltmeterDegrees = m.chargeRatio * s_.chargeLevel * 60 / 255;
    if (m.timeLimitPassed) {
        f.endedByItself = true;
        RestoreIdle();
        s_.runState = RunState::Idle;
        EndOscillation();
        return;
    }

    f.plateCharge = s_.plateCharge;
    f.platesSwapNow =
        osc_.swapWatch.Step(s_.plateCharge, osc_.swapThreshold, m.chargeRatio, m.currentDirection, s_.swapLock);
    if (f.platesSwapNow)
        s_.platesSwapped = !s_.platesSwapped;
    s_.plateMarkerCount = f.pairIndex = physics::Int(s_.plateCharge / 24.0);

    f.ammeterDegrees = s_.readings.ammeterDegrees = m.currentLevel * 60.0 / 255;
    const int c = std::abs(m.currentLevel);
    f.wireLevel = c;
    f.resistorGlows = s_.beta != 0;
    s_.coilFieldLevel = f.coilFieldLevel = physics::Int(c / 60.0);
    f.fieldLines = physics::Int(s_.plateCharge / 35.0);
    f.current = s_.current;
    f.swapLock = s_.swapLock;

    f.previousGroup = osc_.markerGroup;
    f.markerGroup = osc_.markerGroup = physics::OscillationMarkerGroup(m.markerPhase);

    const double period = 2 * physics::kProgramPi / s_.omega;
    f.clockAngle = s_.readings.clockAngle = -s_.omega * tPeriod;
    // The next period starts where this one ended, not at the frame that noticed: restarted at
    // a frame, the hand would fall behind the charge by up to a frame every period.
    if (tPeriod >= period)
        osc_.tPeriodStart += period * std::floor(tPeriod / period);

    f.electricBarWidth = s_.readings.electricBarWidth = physics::ElectricBarWidth(m.chargeRatio, s_.chargeLevel);
    if (s_.chargeLevel != 0) {
        f.magneticBarShown = true;
        f.magneticBarLeft = s_.readings.magneticBarLeft = physics::MagneticBarLeft(c, s_.chargeLevel);
        f.magneticBarWidth = s_.readings.magneticBarWidth = kScaleZeroRunning - f.magneticBarLeft;
        f.graph.cleared = s_.trace.AdvanceSweep(tRun);
        f.graph.plotted = true;
        f.graph.segment = s_.trace.Plot(s_.graphU, s_.graphI, s_.omega);
    }
}

void Lesson::TakeFrequencySetting()
{
    const int v = s_.settings.frequency;
    osc_.swapThreshold = physics::SwapThresholdForSetting(v);
    s_.omega = physics::OmegaForSetting(v, physics::kProgramPi);
    s_.trace.graphIScale = physics::GraphIScaleForSetting(v);
}

void Lesson::RestoreIdle()
{
    s_.trace.sweepCount = 0;
    s_.trace.Restart();
    // The next run's trace starts at the left edge of the graph, not left of its box.
    s_.trace.sweepTime = 0;
    s_.stopped = true;
    s_.switchPosition = SwitchPosition::Raised;
    s_.runState = RunState::Stopped;
}

void Lesson::EndOscillation()
{
    Readings& r = s_.readings;
    r.magneticBarLeft = kBarAtRestLeft;
    r.magneticBarWidth = kBarAtRestWidth;
    r.ammeterDegrees = 0;
    r.clockAngle = 0;
    // The charge left on the plates, and their polarity, carry over to the next run.
    s_.chargeLevel = s_.plateCharge;
    s_.polarity = s_.platesSwapped;
    s_.coilFieldLevel = 3;
}

void Lesson::CloseCharging()
{
    s_.plateCharge = s_.chargeLevel;
    s_.readings.ammeterDegrees = 0;
}

void Lesson::ClearCircuit()
{
    s_.trace.RestartAtOrigin();
    s_.chargeLevel = 0;
    s_.plateCharge = 0;
}

}  // namespace lesson
