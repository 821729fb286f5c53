#pragma once
// The demonstration's one window: the view of the lesson. Its handlers turn clicks into the
// lesson's commands, and each frame draws what the lesson shows.
#include <QApplication>
#include <QActionGroup>
#include <QLabel>
#include <array>
#include <memory>

#include "instruments/dials.h"
#include "lesson/lesson.h"
#include "markers/marker_array.h"
#include "platform/clock.h"
#include "platform/container.h"
#include "platform/controls.h"
#include "platform/manual_drag.h"
#include "platform/swatch.h"
#include "platform/texts.h"
#include "animation/plates.h"

namespace app {

using lesson::RunState;
using lesson::SwitchPosition;

// Fonts, style and names the whole program shares; called once before the window is made.
void PrepareApplication(QApplication& app);

class Narration;

class Form21 : public platform::Container {
    Q_OBJECT
public:
    // The clock and the step queue default to the real ones; tests pass scripted ones.
    explicit Form21(platform::Clock* clock = nullptr, platform::StepQueue* steps = nullptr);
    ~Form21() override;

    // The lesson this window shows; everything that asks what the lesson is asks it.
    const lesson::Lesson& Model() const { return lesson_; }
    const lesson::LessonState& State() const { return lesson_.State(); }

    // ---- Controls, by their layout names ----
    // Window-level lines, shapes and labels (painted beneath the drawing)
    platform::LabelItem *Label1, *Label2, *Label3, *Label4, *Label5, *Label26;
    platform::LineItem *Line1, *Line2, *Line3, *Line4, *Line5, *Line6, *Line7, *Line8, *Line9, *Line10, *Line11,
        *Line12, *Line13, *Line15, *Line16, *Line17, *Line18, *Line19, *Line20, *Line21, *Line22, *Line23, *Line24,
        *Line25, *Line26, *Line27, *Line29, *Line30, *Line31, *Line59, *Line60, *Line61, *Line62, *Line63, *Line64;
    std::array<platform::LineItem*, 6> Line14{};  // 2..5

    // Boxes
    platform::Container *Picture1, *Picture3, *Picture2, *Picture4;
    std::array<platform::Container*, 5> picleft{};
    std::array<platform::Container*, 5> picright{};
    std::array<platform::Container*, 7> picind{};  // 2..6
    platform::Container *picvert1, *picvert2, *picup, *picdown;
    platform::Container *picamp, *picvolt, *picclock, *picGr;
    platform::Container *Frame1, *Frame2, *Frame3, *Frame4, *picBenerg, *picEenerg;

    // Hot areas
    platform::HotArea *Image1, *Image2, *Image3, *Image4, *Image5, *Image6;
    platform::HotArea *imgOn1, *imgKey0, *imgPow0;  // imgOn(1), imgKey(0), imgPow(0)

    platform::Container *Text1, *Text2;  // the letters on the meters' symbols
    platform::Swatch *imgU, *imgI;
    platform::Swatch *magneticBar, *electricBar;  // in picBenerg and picEenerg

    // Charge markers
    markers::MarkerArray tok, tokpow, qa, Plus1, Minus1;
    markers::ChargeMarker *Plus2, *Plus4, *Minus2, *Minus3;

    // Panel
    platform::Slider *Slider1, *Slider2;
    platform::OptionButton *Option1, *Option2;
    platform::PictureButton *Command2, *Command3, *Command4, *Command6, *cmdSbros;
    platform::CaptionButton *Command1, *Command5;

    // ---- Handlers ----
    void imgPow_Click();
    void imgOn_Click();
    void imgKey_Click();
    void cmdSbros_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void picGr_MouseDown(int button, double x, double y);
    void Form_DragDrop(QWidget* source, double x, double y);

    // ---- Procedures ----
    void HidePlateCharges();
    void HideCurrentMarkers();
    void RestoreIdleControls();
    void DrawSwitchAt(SwitchPosition position);
    void EnableControlsFor(RunState runState);
    void PaintWindow();  // the window's paint procedure: the coil lines
    void picamp_Paint();
    void picvolt_Paint();
    void picclock_Paint();

    // The energy bars, in twips of the energy frame (Frame2). Their boxes reach over the
    // scale's frame: the magnetic bar ends at the scale's zero and is at most 2135 twips long,
    // the electric bar starts at 5720 and is at most 2175 twips long.
    static constexpr QRect kMagneticTrack{3540, 1320, 2160, 345};
    static constexpr QRect kElectricTrack{5720, 1320, 2215, 345};
    QRect MagneticBarTwips() const { return magneticBar->Twips().translated(kMagneticTrack.topLeft()); }
    QRect ElectricBarTwips() const { return electricBar->Twips().translated(kElectricTrack.topLeft()); }
    void SetMagneticBar(int left, int width);
    void SetElectricBarWidth(int width);

    // A run is under way and its frames are drawn; false after "Выход".
    bool LoopActive() const;
    platform::ManualDrag& GraphDrag() { return *drag_; }
    instruments::Needle ammeterNeedle, voltmeterNeedle;
    double dragOffsetX = 0;  // twips: where the graph was grabbed, from its corner
    qint32 dragOffsetY = 0;

    // ---- For the classroom: a pause at any instant, and the scene on the whole screen ----
    // Only a running loop pauses: the lesson's time stands still and the loop takes no step.
    bool Paused() const { return lesson_.Paused(); }
    void SetPaused(bool paused);
    // The lesson's speed, ×1/10 to ×5; it holds across runs and a reset.
    void SetSpeed(lesson::LessonSpeed speed);
    // Paused, the lesson moves on by a fortieth of a period and the window shows that instant.
    void StepWhilePaused();
    void SetFullScreen(bool on);
    QAction *pauseAction = nullptr, *fullScreenAction = nullptr;  // also the context menu's entries
    QAction* stepAction = nullptr;
    QActionGroup* speedActions = nullptr;     // the six speeds, one checked
    QActionGroup* languageActions = nullptr;  // the languages, each named in itself
    QWidget* pauseMark = nullptr;          // "Пауза", large, while paused
    QLabel* speedMark = nullptr;           // "Замедление ×10", "Ускорение ×5"; empty at ×1

    // Says a sentence to a screen reader without moving the focus ("Скорость: ×2."), after
    // what is being said; sentences given in one moment are said as one.
    void Announce(const QString& sentence);
    Narration* narration() const { return narration_; }

    // Draws one frame of a run as the lesson gives it (the benchmarks make up their own).
    void DrawFrame(const lesson::Frame& f);

    platform::Clock& GetClock() { return *clock_; }
    platform::StepQueue& Steps() { return *steps_; }
    double LessonTime() const { return lesson_.TimeAt(clock_->Now()); }

    // What a page says once "Выход" has ended the lesson where the window cannot close (a
    // browser's tab): a title, that the program has ended, and how to start again.
    static QStringList LessonOverTexts();

signals:
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void BuildTitle();
    void BuildCircuit();
    void BuildWireChannels();
    void BuildMarkers();
    void BuildInstruments();
    void BuildEnergyPanel();
    void BuildGraph();
    void BuildControlPanel();
    void ConnectHandlers();
    void StartUp();
    void SetUpDrawings();
    void BuildClassroomControls();
    void ExposeToAssistiveTools();
    // Every text again in the present language; the classroom's texts that follow the lesson too.
    void Retranslate();
    void RetranslateClassroomControls();

    // ---- A run's frames (run_drawing.cpp) ----
    // One frame: the lesson moves to the present lesson time and the window draws what it shows;
    // the next frame is asked for while the run goes on.
    void ShowFrame();
    void DrawChargingFrame(const lesson::Frame& f);
    void DrawOscillationFrame(const lesson::Frame& f);
    void DrawGraphStep(const lesson::GraphStep& g);
    void DrawOscillationAtRest();  // the oscillation's displays after its run
    void DrawChargingAtRest();     // the charging circuit's displays after its run
    void DrawEmptiedCircuit();     // the capacitor emptied, the graph and the field drawings cleared
    void DrawIdleSwitch();         // the switch raised, every control back
    void PlacePlates();            // the plate boxes where the lesson has them
    animation::FieldContext Fields();

    lesson::Lesson lesson_;
    platform::Texts texts_;
    std::unique_ptr<platform::Clock> ownClock_;
    std::unique_ptr<platform::StepQueue> ownSteps_;
    platform::Clock* clock_;
    platform::StepQueue* steps_;
    platform::ManualDrag* drag_ = nullptr;
    Narration* narration_ = nullptr;
    bool quit_ = false;            // "Выход": no frame is drawn any more
    double drawnClockAngle_ = 0;   // rad: where the clock's hand was last drawn, to erase it there
};

}  // namespace app
