// A seeded monkey on the whole window: thousands of random clicks, slider moves, drags of the
// graph, window resizes and stretches of time, each followed by a check of what must hold in
// every state of the demonstration. The same seed gives the same walk, on any machine: the
// random numbers are taken straight from std::mt19937, whose output the standard fixes.
//
// The default run takes a few seconds. A longer one, from the command line:
//   OSC_MONKEY_EVENTS=200000 OSC_MONKEY_SEED=7 QT_QPA_PLATFORM=offscreen build-test/tests/app_tests --gtest_filter=Monkey*
#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QThread>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "harness.h"
#include "physics/charging.h"
#include "physics/circuit_parameters.h"
#include "physics/oscillator.h"
#include "platform/twips.h"

using testsupport::Lesson;

namespace {

// The run state as the short words this walk's notes and checks were written with.
std::string RunText(app::RunState s)
{
    switch (s) {
    case app::RunState::Charging: return "pow";
    case app::RunState::Oscillating: return "on";
    case app::RunState::Stopped: return "key";
    case app::RunState::Idle: break;
    }
    return "";
}

constexpr unsigned long kDefaultSeed = 1913;     // any fixed value: the same walk on every run
constexpr unsigned long kDefaultEvents = 3000;   // a few seconds, and every state is reached
constexpr unsigned long kCoverageEvents = 3000;  // walks this long must have seen every state
constexpr std::size_t kLogLength = 60;           // events shown with a failure, the latest last

constexpr int kLastTokStart = 43;      // tok has markers 0..47: the last group of five starts at 43
constexpr int kLastTokpowStart = 33;   // tokpow has markers 0..37
constexpr int kGroupSize = 5;          // wire markers shown at once
constexpr int kMaxElectricBar = 2175;  // twips: full charge at full ratio
constexpr int kBarEndRunning = 5690;   // twips: the magnetic bar's right end during a run
constexpr int kBarEndAtRest = 5700;    // twips: its right end at rest (the scale's zero)
constexpr double kFreeLimit = 600;     // s: a free oscillation ends by itself after this
constexpr double kDampedLimit = 300;   // s: a damped or critical one after this

unsigned long FromEnvironment(const char* name, unsigned long fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text)
        return fallback;
    char* end = nullptr;
    const unsigned long v = std::strtoul(text, &end, 10);
    return *end == '\0' ? v : fallback;
}

// What the demonstration is doing, as its state and its sliders tell.
enum class Mode { Rest, Charging, Free, Damped, Critical, Frozen, Count };
const char* const kModeNames[] = {"rest", "charging", "free", "damped", "critical", "frozen"};

Mode ModeOf(app::Form21& w)
{
    if (w.State().runState == app::RunState::Charging)
        return Mode::Charging;
    if (w.State().runState != app::RunState::Oscillating)
        return Mode::Rest;
    const double beta = w.State().beta;
    if (beta == 0)
        return Mode::Free;
    switch (physics::ChooseModel(physics::OmegaForSetting(w.Slider1->Value(), physics::kProgramPi), beta)) {
    case physics::ModelChoice::Damped: return Mode::Damped;
    case physics::ModelChoice::Critical: return Mode::Critical;
    case physics::ModelChoice::Frozen: break;
    }
    return Mode::Frozen;
}

// The most charge the plates can hold t seconds into an oscillation: the resistor has taken
// all but e^(-beta t) of it; a critical discharge holds exactly that much, having no swing.
int EnvelopeCharge(int chargeLevel, double beta, double t)
{
    return static_cast<int>(std::floor(chargeLevel * std::exp(-beta * t)));
}

bool Oscillating(Mode m) { return m == Mode::Free || m == Mode::Damped || m == Mode::Critical || m == Mode::Frozen; }

// The visible markers of one row of wire markers.
struct RowView {
    int shown = 0;
    int first = -1;
    bool contiguous = true;
};

RowView Inspect(const markers::MarkerArray& row)
{
    RowView v;
    int previous = -2;
    for (const auto& [i, m] : row.All()) {
        if (!m->IsShown())
            continue;
        if (v.shown == 0)
            v.first = i;
        else if (i != previous + 1)
            v.contiguous = false;
        previous = i;
        ++v.shown;
    }
    return v;
}

void Mouse(QWidget* target, QEvent::Type type, QPoint windowLogical, QWidget* window, Qt::MouseButton button)
{
    const QPointF local = target->mapFrom(window, windowLogical);
    const QPointF global = window->mapToGlobal(windowLogical);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, local, global, button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

struct Coverage {
    long steps[static_cast<int>(Mode::Count)] = {};
    long automaticEnds = 0, drags = 0, resizes = 0, bursts = 0, exits = 0;

    std::string Text() const
    {
        std::ostringstream s;
        for (int m = 0; m < static_cast<int>(Mode::Count); ++m)
            s << kModeNames[m] << " " << steps[m] << ", ";
        s << "automatic ends " << automaticEnds << ", drags " << drags << ", resizes " << resizes << ", bursts "
          << bursts << ", exits " << exits;
        return s.str();
    }
};

class Monkey {
public:
    explicit Monkey(unsigned long seed) : rng_(static_cast<std::mt19937::result_type>(seed))
    {
        awake_ = QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake,
                                  [this] { ++awakes_; });
        NewLesson();
    }
    ~Monkey() { QObject::disconnect(awake_); }
    Monkey(const Monkey&) = delete;
    Monkey& operator=(const Monkey&) = delete;

    // One random event (or a short scripted excursion of several), each checked.
    void Act();

    long Events() const { return events_; }
    const std::string& Problem() const { return problem_; }
    std::string Log() const
    {
        std::string all;
        for (const std::string& line : log_)
            all += "  " + line + "\n";
        return all;
    }
    // What the window holds now, to compare two walks.
    std::string Fingerprint()
    {
        app::Form21& w = W();
        std::ostringstream s;
        s << RunText(w.State().runState) << "|" << w.State().chargeLevel << "|" << w.State().plateCharge << "|"
          << w.State().polarity << "|" << w.State().omega << "|" << w.State().beta << "|" << lesson_->clock.Now() << "|"
          << platform::TwipsRect(w.picGr).x() << "," << platform::TwipsRect(w.picGr).y() << "|" << w.width() << "x"
          << w.height();
        return s.str();
    }

    Coverage coverage;

private:
    app::Form21& W() { return lesson_->window; }
    int Uniform(int lo, int hi) { return lo + static_cast<int>(rng_() % static_cast<unsigned>(hi - lo + 1)); }
    double Real(double lo, double hi) { return lo + (hi - lo) * (static_cast<double>(rng_()) / 4294967296.0); }
    bool Chance(int percent) { return Uniform(1, 100) <= percent; }

    void NewLesson();
    void Note(const std::string& what);
    void Expect(bool condition, const std::string& what)
    {
        if (!condition && problem_.empty())
            problem_ = what;
    }

    // The events
    void Step(double dt);
    void ClickSwitch(platform::HotArea* area, const char* name);
    void ClickButton(QAbstractButton* button, const char* name);
    void MoveSlider(platform::Slider* slider, int value, const char* name);
    void RandomClick();
    void RandomSliderMove();
    void DragGraph();
    void Resize();
    void Burst();
    void CriticalExcursion();
    void Exit();
    void NoteChargingStep()
    {
        chargeT_ = lesson_->clock.Now() - chargeStart_;
        chargeTau_ = physics::ChargingTimeConstant(W().Option1->Value(), W().Option2->Value());
    }

    // The checks after every event
    void Check();
    void CheckEnabledControls();
    void CheckSwitchDrawing();
    void CheckMarkersAndLevels();

    std::mt19937 rng_;
    std::unique_ptr<Lesson> lesson_;
    long events_ = 0;
    std::deque<std::string> log_;
    std::string problem_;
    int awakes_ = 0;        // times the event dispatcher woke up to handle events since the last check
    int allowedWakes_ = 0;  // a handler that handles events itself nests them; only a step may
    QMetaObject::Connection awake_;

    // What the window's history says it must show now
    bool anyRunStarted_ = false;             // "" with Command5 enabled only before the first run
    std::string lastRun_;                    // "pow" or "on": the loop that runs or ran last
    bool slider2Enabled_ = true;             // Slider2 as the handlers that touch it left it
    double runStart_ = 0;                    // clock reading when the running oscillation started
    double chargeStart_ = 0;                 // clock reading when the running charging started
    int chargeFrom_ = 0;                     // the level that charging started from
    double chargeT_ = 0, chargeTau_ = 0;     // time and time constant the next charging step shows
    std::optional<std::size_t> restBudget_;  // queued steps left before a loop that was ended must be gone
    bool lastEventWasLiveStep_ = false;
    Mode lastStepMode_ = Mode::Rest;
    QPoint upperPlate_, lowerPlate_;  // the two places the plate boxes take
    QSize graphSize_;
};

void Monkey::NewLesson()
{
    lesson_.reset();
    lesson_ = std::make_unique<Lesson>();
    app::Form21& w = W();
    w.show();
    upperPlate_ = platform::TwipsRect(w.picup).topLeft();
    lowerPlate_ = platform::TwipsRect(w.picdown).topLeft();
    graphSize_ = platform::TwipsRect(w.picGr).size();
    anyRunStarted_ = false;
    lastRun_.clear();
    slider2Enabled_ = true;
    restBudget_.reset();
    lastEventWasLiveStep_ = false;
    for (int i = 0; i <= kLastTokStart + kGroupSize - 1; ++i)
        Expect(w.tok(i) != nullptr, "tok(" + std::to_string(i) + ") is missing");
    for (int i = 0; i <= kLastTokpowStart + kGroupSize - 1; ++i)
        Expect(w.tokpow(i) != nullptr, "tokpow(" + std::to_string(i) + ") is missing");
    Note("a new window");
    Check();
}

void Monkey::Note(const std::string& what)
{
    ++events_;
    std::ostringstream line;
    line << "#" << events_ << " t=" << lesson_->clock.Now() << " [" << RunText(W().State().runState) << "] " << what;
    log_.push_back(line.str());
    if (log_.size() > kLogLength)
        log_.pop_front();
}

void Monkey::Act()
{
    const int r = Uniform(1, 1000);
    if (r <= 430)
        Step(Real(0.001, 0.5));
    else if (r <= 440)
        Step(Real(100, 700));
    else if (r <= 760)
        RandomClick();
    else if (r <= 850)
        RandomSliderMove();
    else if (r <= 880)
        DragGraph();
    else if (r <= 890)
        Resize();
    else if (r <= 940)
        Burst();
    else if (r <= 955)
        CriticalExcursion();
    else if (r <= 960)
        Exit();
    else
        Step(Real(0.001, 0.05));
}

// ---- Events ----

void Monkey::Step(double dt)
{
    app::Form21& w = W();
    const Mode mode = ModeOf(w);  // what the step's model call will see
    const bool wasOn = w.State().runState == app::RunState::Oscillating;
    const bool live = w.LoopActive() && !lesson_->steps.Empty();  // a frame is waiting
    const QPoint upBefore = platform::TwipsRect(w.picup).topLeft();
    const int plateChargeBefore = w.State().plateCharge;
    const int chargeLevelBefore = w.State().chargeLevel;
    const bool restBefore = mode == Mode::Rest;

    lesson_->Step(dt);
    std::ostringstream what;
    what << "step " << dt << " s" << (live ? "" : " (no live step queued first)");
    Note(what.str());

    const std::string rs = RunText(w.State().runState);
    const double tRun = lesson_->clock.Now() - runStart_;
    if (live && wasOn && Oscillating(mode)) {
        if (mode != Mode::Frozen && rs == "on") {
            const double limit = w.State().beta == 0 ? kFreeLimit : kDampedLimit;
            Expect(tRun <= limit, "the oscillation runs past its time limit: " + std::to_string(tRun) + " s");
        }
        if (rs.empty()) {
            ++coverage.automaticEnds;
            slider2Enabled_ = true;  // RestoreIdleControls enabled it
            Expect(mode != Mode::Frozen, "a frozen run ended by itself, but the time limits belong to the model");
            const double limit = w.State().beta == 0 ? kFreeLimit : kDampedLimit;
            Expect(tRun > limit, "the oscillation ended by itself early, after " + std::to_string(tRun) + " s");
        }
        if (mode != Mode::Frozen) {
            // The level the run started from (a run that has just ended has taken over its charge).
            const int envelope = EnvelopeCharge(w.State().graphAmp, w.State().beta, tRun);
            const bool ok = mode == Mode::Critical ? std::abs(w.State().plateCharge - envelope) <= 1
                                                   : w.State().plateCharge <= envelope + 1;
            Expect(ok, "the plates hold " + std::to_string(w.State().plateCharge) + " after " + std::to_string(tRun) +
                           " s of the run, beyond the decay's envelope " + std::to_string(envelope));
        }
        if (lastEventWasLiveStep_ && lastStepMode_ == Mode::Critical && mode == Mode::Critical)
            Expect(platform::TwipsRect(w.picup).topLeft() == upBefore, "the plates swapped in a critical discharge");
        if (lastEventWasLiveStep_ && lastStepMode_ == Mode::Frozen && mode == Mode::Frozen)
            Expect(w.State().plateCharge == plateChargeBefore && w.State().chargeLevel == chargeLevelBefore,
                   "the charge moved although omega < beta freezes the model");
    }
    if (live && rs == "pow") {
        Expect(Inspect(w.tokpow).shown == kGroupSize, "a charging step shows no group of five tokpow markers");
        // A step shows the charge for the time and speed of its own frame.
        NoteChargingStep();
        const int expected = physics::ChargedLevel(chargeFrom_, chargeT_, chargeTau_);
        Expect(w.State().plateCharge == chargeFrom_, "the start level changed during the charging");
        Expect(std::abs(w.State().chargeLevel - expected) <= 1,
               "the charging shows " + std::to_string(w.State().chargeLevel) + ", " + std::to_string(expected) +
                   " is due after " + std::to_string(chargeT_) + " s");
    }
    if (live && rs == "on") {
        Expect(Inspect(w.tok).shown == kGroupSize, "an oscillation step shows no group of five tok markers");
    }
    if (live || restBefore)
        ++coverage.steps[static_cast<int>(mode)];

    // A run that was ended is gone once the steps queued when it ended have been taken.
    if (restBefore && ModeOf(w) == Mode::Rest && restBudget_) {
        if (*restBudget_ > 0)
            --*restBudget_;
        if (*restBudget_ == 0)
            Expect(!w.LoopActive(), "a loop goes on stepping at rest");
    }
    allowedWakes_ = 1;  // the step's own handling of the pending events
    Check();
    allowedWakes_ = 0;
    lastEventWasLiveStep_ = live;
    lastStepMode_ = mode;
}

void Monkey::ClickSwitch(platform::HotArea* area, const char* name)
{
    app::Form21& w = W();
    const bool taken = platform::Usable(area);
    const std::string before = RunText(w.State().runState);
    // The charge a new run takes over: what the charging reached, or what the oscillation left.
    const bool swappedBefore = w.State().platesSwapped;
    const int carried = w.LoopActive() && lastRun_ == "pow" ? w.State().chargeLevel : w.State().plateCharge;
    area->Click();
    Note(std::string(name) + (taken ? "" : " (disabled)"));
    if (taken && area == w.imgPow0)
        slider2Enabled_ = true;
    if (taken && area == w.imgOn1) {
        slider2Enabled_ = false;
        if (before != "on")
            runStart_ = lesson_->clock.Now();
    }
    if (area == w.imgKey0)
        slider2Enabled_ = true;
    if (taken && (area == w.imgPow0 || area == w.imgOn1))
        anyRunStarted_ = true;
    // A run starts from the displays the previous run's closing steps left at rest, and the
    // click draws its first frame: the new run's markers at most, the other circuit's none.
    const bool starts = taken && ((area == w.imgPow0 && before != "pow") || (area == w.imgOn1 && before != "on"));
    if (starts) {
        const bool charging = area == w.imgPow0;
        const QRect magnetic = w.MagneticBarTwips();
        const RowView own = Inspect(charging ? w.tokpow : w.tok), other = Inspect(charging ? w.tok : w.tokpow);
        Expect(other.shown == 0 && (own.shown == 0 || own.shown == kGroupSize),
               std::string(name) + " started a run with wire markers of the last one still shown");
        const int barEnd = !charging && w.State().chargeLevel != 0 ? kBarEndRunning : kBarEndAtRest;
        Expect(magnetic.x() + magnetic.width() == barEnd,
               std::string(name) + " started a run with the magnetic bar of the last one");
        // Charging starts from empty when the negative plate stood on top.
        const int expected = charging && swappedBefore ? 0 : carried;
        Expect(w.State().chargeLevel == expected && w.State().plateCharge == expected,
               std::string(name) + " started from charge " + std::to_string(w.State().chargeLevel) + "/" +
                   std::to_string(w.State().plateCharge) + " instead of " + std::to_string(expected));
        // A nearly empty capacitor may swap its plates in the first frame already.
        if (!w.Model().LastFrame().platesSwapNow)
            Expect(w.State().polarity == w.State().platesSwapped, "the polarity does not match the plates");
        lastRun_ = area == w.imgPow0 ? "pow" : "on";
        if (area == w.imgPow0) {
            chargeStart_ = lesson_->clock.Now();
            chargeFrom_ = w.State().plateCharge;
            NoteChargingStep();
        }
    }
    Check();
}

void Monkey::ClickButton(QAbstractButton* button, const char* name)
{
    app::Form21& w = W();
    const bool taken = button->isEnabled();
    if (taken)
        button->click();
    Note(std::string(name) + (taken ? "" : " (disabled)"));
    if (taken && button == w.Command2)
        slider2Enabled_ = true;
    if (taken && button == w.Command3)
        slider2Enabled_ = false;
    Check();
}

void Monkey::MoveSlider(platform::Slider* slider, int value, const char* name)
{
    const bool taken = slider->isEnabled();
    if (taken)
        slider->setValue(value);
    Note(std::string(name) + " := " + std::to_string(value) + (taken ? "" : " (disabled)"));
    Check();
}

void Monkey::RandomClick()
{
    app::Form21& w = W();
    const int r = Uniform(0, 19);
    switch (r) {
    case 0:
    case 1:
    case 2: ClickSwitch(w.imgPow0, "imgPow(0)"); break;
    case 3:
    case 4:
    case 5: ClickSwitch(w.imgOn1, "imgOn(1)"); break;
    case 6:
    case 7:
    case 8: ClickSwitch(w.imgKey0, "imgKey(0)"); break;
    case 9: {
        platform::HotArea* areas[] = {w.Image1, w.Image2, w.Image3, w.Image4, w.Image5, w.Image6};
        ClickSwitch(areas[Uniform(0, 5)], "an Image hot area");
        break;
    }
    case 10: ClickButton(w.cmdSbros, "cmdSbros"); break;
    case 11:
    case 12: ClickButton(w.Command2, "Command2"); break;
    case 13:
    case 14: ClickButton(w.Command3, "Command3"); break;
    case 15: ClickButton(w.Command4, "Command4"); break;
    case 16: ClickButton(w.Command6, "Command6"); break;
    case 17: ClickButton(w.Command5, "Command5"); break;
    case 18: ClickButton(w.Option1, "Option1"); break;
    default: ClickButton(w.Option2, "Option2"); break;
    }
}

void Monkey::RandomSliderMove()
{
    app::Form21& w = W();
    const bool first = Chance(65);
    platform::Slider* s = first ? w.Slider1 : w.Slider2;
    // Mostly a notch either way, as a hand on the slider moves it; sometimes anywhere.
    int value = Chance(70) ? s->Value() + (Chance(50) ? 1 : -1) : Uniform(s->minimum(), s->maximum());
    value = std::clamp(value, s->minimum(), s->maximum());
    MoveSlider(s, value, first ? "Slider1" : "Slider2");
}

void Monkey::DragGraph()
{
    app::Form21& w = W();
    if (!w.picGr->isVisible())
        ClickButton(w.Command4, "Command4 (to drag the graph)");
    const QRect reach = w.picGr->geometry() & w.rect();
    if (reach.isEmpty()) {
        Note("the graph is out of reach");
        Check();
        return;
    }
    ++coverage.drags;
    const Qt::MouseButton button = Chance(90) ? Qt::LeftButton : Qt::RightButton;
    const QPoint grab(Uniform(reach.left(), reach.right()), Uniform(reach.top(), reach.bottom()));
    Mouse(w.picGr, QEvent::MouseButtonPress, grab, &w, button);
    Note("press on the graph at " + std::to_string(grab.x()) + "," + std::to_string(grab.y()) +
         (button == Qt::LeftButton ? "" : " (right button)"));
    Expect(w.GraphDrag().Active() == (button == Qt::LeftButton), "only a left press on the graph drags it");
    Check();
    const int moves = Uniform(1, 5);
    for (int i = 0; i < moves && problem_.empty(); ++i) {
        const QPoint at(Uniform(0, w.width() - 1), Uniform(0, w.height() - 1));
        Mouse(w.picGr, QEvent::MouseMove, at, &w, button);
        Note("drag to " + std::to_string(at.x()) + "," + std::to_string(at.y()));
        Expect(platform::TwipsRect(w.picGr).size() == graphSize_, "the graph box changed its size");
        Check();
        if (Chance(60))
            Step(Real(0.001, 0.3));
        else if (Chance(10))
            Resize();  // the window manager may resize the window while the button is held
    }
    const QPoint drop(Uniform(0, w.width() - 1), Uniform(0, w.height() - 1));
    Mouse(w.picGr, QEvent::MouseButtonRelease, drop, &w, button);
    Note("release at " + std::to_string(drop.x()) + "," + std::to_string(drop.y()));
    Expect(!w.GraphDrag().Active(), "the drag goes on after the release");
    Expect(platform::TwipsRect(w.picGr).size() == graphSize_, "the graph box changed its size");
    Check();
}

void Monkey::Resize()
{
    ++coverage.resizes;
    const QSize size(Uniform(400, 1600), Uniform(300, 1000));
    W().resize(size);
    Note("resize to " + std::to_string(size.width()) + "x" + std::to_string(size.height()));
    Check();
}

// Several clicks handled in the same yield, with no step between them.
void Monkey::Burst()
{
    ++coverage.bursts;
    const int clicks = Uniform(2, 4);
    for (int i = 0; i < clicks && problem_.empty(); ++i)
        RandomClick();
}

// The way to the critical case and past it: the resistor at its largest, a run started at
// Slider1 5 (or 7), then Slider1 moved to 4 (or 5), where omega equals beta, and sometimes
// lower still, where omega < beta freezes the model.
void Monkey::CriticalExcursion()
{
    app::Form21& w = W();
    Note("-- excursion to the critical case");
    ClickSwitch(w.imgKey0, "imgKey(0)");
    Step(Real(0.001, 0.05));
    if (Chance(60)) {
        ClickSwitch(w.imgPow0, "imgPow(0)");
        for (int i = 0; i < 15 && problem_.empty(); ++i)
            Step(Real(0.02, 0.2));
        ClickSwitch(w.imgKey0, "imgKey(0)");
        Step(Real(0.001, 0.05));
    }
    const bool fromSeven = Chance(50);
    MoveSlider(w.Slider1, fromSeven ? 7 : 5, "Slider1");
    if (!w.Slider2->isEnabled())
        ClickButton(w.Command2, "Command2");
    MoveSlider(w.Slider2, 5, "Slider2");
    ClickButton(w.Command2, "Command2");
    ClickSwitch(w.imgOn1, "imgOn(1)");
    for (int i = Uniform(1, 10); i > 0 && problem_.empty(); --i)
        Step(Real(0.001, 0.3));
    MoveSlider(w.Slider1, fromSeven ? 5 : 4, "Slider1");
    for (int i = Uniform(2, 20); i > 0 && problem_.empty(); --i)
        Step(Real(0.001, 0.3));
    if (Chance(50)) {
        MoveSlider(w.Slider1, Uniform(1, fromSeven ? 4 : 3), "Slider1");
        for (int i = Uniform(2, 10); i > 0 && problem_.empty(); --i)
            Step(Real(0.001, 0.3));
    }
    if (Chance(30))
        Step(Real(100, 700));
}

// "Выход": every loop ends at once; the program would be gone, so a new window comes.
void Monkey::Exit()
{
    ++coverage.exits;
    app::Form21& w = W();
    w.Command1->click();
    Note("Command1");
    Expect(!w.LoopActive(), "a loop runs on after Выход");
    auto snapshot = [&w] {
        return std::make_tuple(w.State().chargeLevel, w.State().plateCharge, w.State().readings.clockAngle, w.State().trace.sweepTime,
                               Inspect(w.tok).first, Inspect(w.tokpow).first, w.voltmeterNeedle.tip,
                               w.ammeterNeedle.tip);
    };
    const auto before = snapshot();
    for (int i = 0; i < 3; ++i)
        lesson_->Step(Real(0.01, 0.5));
    awakes_ = 0;  // those were the steps' own
    Expect(!w.LoopActive(), "a loop came back after Выход");
    Expect(snapshot() == before, "the window went on changing after Выход");
    if (problem_.empty())
        NewLesson();
}

// ---- Checks ----

void Monkey::Check()
{
    app::Form21& w = W();
    const std::string rs = RunText(w.State().runState);
    Expect(QCoreApplication::instance()->thread()->loopLevel() == 0, "an event loop is running inside the test");
    Expect(awakes_ <= allowedWakes_,
           "pending events were handled inside a handler (" + std::to_string(awakes_) + " wakes)");
    awakes_ = 0;

    const bool rest = rs != "pow" && rs != "on";
    if (!rest) {
        restBudget_.reset();
        Expect(w.LoopActive(), "runState is \"" + rs + "\" but no loop is stepping");
    } else if (!restBudget_) {
        restBudget_ = lesson_->steps.Empty() ? 0 : 1;
    }
    CheckEnabledControls();
    CheckSwitchDrawing();
    CheckMarkersAndLevels();
}

void Monkey::CheckEnabledControls()
{
    app::Form21& w = W();
    const std::string rs = RunText(w.State().runState);
    auto is = [](QWidget* c, bool enabled, const std::string& what) {
        return std::make_pair(platform::Usable(c) == enabled, what + (enabled ? " is disabled" : " is enabled"));
    };
    std::vector<std::pair<bool, std::string>> rows{
        is(w.imgKey0, true, "imgKey(0)"),
        is(w.Slider1, true, "Slider1"),
        is(w.Slider2, slider2Enabled_, "Slider2"),
    };
    if (rs == "pow") {
        rows.push_back(is(w.imgOn1, false, "imgOn(1) while charging"));
        rows.push_back(is(w.imgPow0, true, "imgPow(0) while charging"));
        rows.push_back(is(w.Command2, true, "Command2 while charging"));
        rows.push_back(is(w.Command3, true, "Command3 while charging"));
        rows.push_back(is(w.cmdSbros, false, "cmdSbros while charging"));
        rows.push_back(is(w.Command5, false, "Command5 while charging"));
    } else if (rs == "on") {
        rows.push_back(is(w.imgOn1, true, "imgOn(1) while oscillating"));
        rows.push_back(is(w.imgPow0, false, "imgPow(0) while oscillating"));
        rows.push_back(is(w.Command2, false, "Command2 while oscillating"));
        rows.push_back(is(w.Command3, false, "Command3 while oscillating"));
        rows.push_back(is(w.Slider2, false, "Slider2 while oscillating"));
        rows.push_back(is(w.cmdSbros, false, "cmdSbros while oscillating"));
        rows.push_back(is(w.Command5, false, "Command5 while oscillating"));
    } else {
        for (auto [c, name] : {std::pair<QWidget*, const char*>{w.imgOn1, "imgOn(1)"},
                               {w.imgPow0, "imgPow(0)"},
                               {w.Command2, "Command2"},
                               {w.Command3, "Command3"},
                               {w.cmdSbros, "cmdSbros"}})
            rows.push_back(is(c, true, std::string(name) + " at rest"));
        // "Очистить" is enabled at start-up and by "Стоп"; an automatic end leaves it disabled.
        const bool clear = rs == "key" || !anyRunStarted_;
        rows.push_back(is(w.Command5, clear, "Command5 at rest \"" + rs + "\""));
    }
    for (const auto& [ok, what] : rows)
        Expect(ok, what);

    // The resistor is in the circuit or not, and everything that shows it agrees.
    const bool in = w.State().settings.resistorIn;
    Expect(w.Label4->Visible() == in && w.Label5->Visible() == !in, "the title does not match the resistor");
    Expect(w.Image1->isEnabled() == in, "the resistor's hot area does not match the resistor");
    Expect(!w.Picture2->isHidden() == in && w.Line25->Visible() == in, "the resistor drawing does not match");
    Expect((w.State().beta != 0) == in,
           "beta is " + std::to_string(w.State().beta) + " with the resistor " + (in ? "in" : "out"));
    Expect(w.Option1->Value() != w.Option2->Value(), "not exactly one charging speed is selected");
}

void Monkey::CheckSwitchDrawing()
{
    app::Form21& w = W();
    const std::string rs = RunText(w.State().runState);
    const bool pow = rs == "pow", on = rs == "on", rest = !pow && !on;
    Expect(w.Line10->Visible() == rest && w.Line11->Visible() == rest && w.Line12->Visible() == rest &&
               !w.Picture4->isHidden() == rest,
           "the raised lever does not match the switch position");
    Expect(w.Line26->Visible() == rest && w.Line27->Visible() == !rest, "the contact does not match the switch");
    Expect(w.Line8->Visible() == pow && w.Line9->Visible() == pow, "the bridge to the source does not match");
    Expect(w.Line6->Visible() == on && w.Line7->Visible() == on, "the bridge to the coil does not match");
}

void Monkey::CheckMarkersAndLevels()
{
    app::Form21& w = W();
    const std::string rs = RunText(w.State().runState);
    const RowView tok = Inspect(w.tok), pow = Inspect(w.tokpow);
    for (const auto& [row, name, lastStart] :
         {std::tuple{tok, "tok", kLastTokStart}, std::tuple{pow, "tokpow", kLastTokpowStart}}) {
        Expect(row.shown == 0 || row.shown == kGroupSize,
               std::to_string(row.shown) + " " + name + " markers are shown, not 0 or 5");
        Expect(row.contiguous && row.first <= lastStart,
               std::string(name) + " shows markers outside one group, from " + std::to_string(row.first));
    }
    Expect(tok.shown == 0 || pow.shown == 0, "markers of both circuits are shown at once");
    if (rs == "pow")
        Expect(tok.shown == 0, "tok markers are shown while charging");
    if (rs == "on")
        Expect(pow.shown == 0, "tokpow markers are shown while oscillating");

    const lesson::LessonState& s = w.State();
    auto within = [&](long v, long lo, long hi, const char* name) {
        Expect(v >= lo && v <= hi, std::string(name) + " is " + std::to_string(v));
    };
    within(s.chargeLevel, 0, 255, "chargeLevel");
    within(s.plateCharge, 0, 255, "plateCharge");
    within(s.coilFieldLevel, 0, 4, "coilFieldLevel");
    within(s.plateMarkerCount, 0, 10, "plateMarkerCount");
    within(w.ElectricBarTwips().width(), 0, kMaxElectricBar, "the electric bar's width");
    const QRect magnetic = w.MagneticBarTwips();
    Expect(magnetic.x() + magnetic.width() == kBarEndRunning || magnetic.x() + magnetic.width() == kBarEndAtRest,
           "the magnetic bar ends at " + std::to_string(magnetic.x() + magnetic.width()));

    const QPoint up = platform::TwipsRect(w.picup).topLeft(), down = platform::TwipsRect(w.picdown).topLeft();
    Expect((up == upperPlate_ && down == lowerPlate_) || (up == lowerPlate_ && down == upperPlate_),
           "a plate box left the plate positions");
}

}  // namespace

TEST(Monkey, RandomEventsKeepEveryInvariant)
{
    const unsigned long seed = FromEnvironment("OSC_MONKEY_SEED", kDefaultSeed);
    const unsigned long events = FromEnvironment("OSC_MONKEY_EVENTS", kDefaultEvents);
    std::cout << "[ monkey   ] seed " << seed << ", " << events << " events" << std::endl;
    SCOPED_TRACE("OSC_MONKEY_SEED=" + std::to_string(seed));

    struct SceneScaleGuard {  // resizes change the scene scale the next tests build at
        double previous = platform::SceneScale();
        ~SceneScaleGuard() { platform::SetSceneScale(previous); }
    } guard;

    const auto start = std::chrono::steady_clock::now();
    Monkey monkey(seed);
    while (monkey.Events() < static_cast<long>(events) && monkey.Problem().empty())
        monkey.Act();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    ASSERT_TRUE(monkey.Problem().empty()) << "seed " << seed << ", after event #" << monkey.Events() << ": "
                                          << monkey.Problem() << "\nthe last events:\n"
                                          << monkey.Log();
    std::cout << "[ monkey   ] " << monkey.Events() << " events in " << seconds << " s ("
              << static_cast<long>(monkey.Events() / seconds) << " events/s); " << monkey.coverage.Text()
              << std::endl;
    if (events >= kCoverageEvents) {
        for (int m = 0; m < static_cast<int>(Mode::Count); ++m)
            EXPECT_GT(monkey.coverage.steps[m], 0) << "no step " << kModeNames[m];
        EXPECT_GT(monkey.coverage.automaticEnds, 0);
        EXPECT_GT(monkey.coverage.drags, 0);
        EXPECT_GT(monkey.coverage.resizes, 0);
        EXPECT_GT(monkey.coverage.exits, 0);
    }
}

TEST(Monkey, TheSameSeedWalksTheSameWay)
{
    struct SceneScaleGuard {
        double previous = platform::SceneScale();
        ~SceneScaleGuard() { platform::SetSceneScale(previous); }
    } guard;
    auto walk = [](unsigned long seed) {
        platform::SetSceneScale(1.0);
        Monkey monkey(seed);
        while (monkey.Events() < 400 && monkey.Problem().empty())
            monkey.Act();
        return monkey.Log() + monkey.Fingerprint();
    };
    const std::string first = walk(5);
    EXPECT_EQ(first, walk(5));
    EXPECT_NE(first, walk(6));
}
