#pragma once
// The demonstration's one window: its controls, its state record, its handlers and loops.
#include <QApplication>
#include <array>
#include <memory>

#include "app/loop_steps.h"
#include "app/window_state.h"
#include "instruments/dials.h"
#include "markers/marker_array.h"
#include "platform/clock.h"
#include "platform/container.h"
#include "platform/controls.h"
#include "platform/manual_drag.h"
#include "platform/swatch.h"

namespace app {

class OscillationLoop;
class ChargingLoop;

// The switch's lever: up at rest, down onto the source's contact, or down onto the coil's.
enum class SwitchPosition { Raised, Source, Coil };

// Fonts, style and names the whole program shares; called once before the window is made.
void PrepareApplication(QApplication& app);

class Form21 : public platform::Container {
    Q_OBJECT
public:
    // The clock and the step queue default to the real ones; tests pass scripted ones.
    explicit Form21(platform::Clock* clock = nullptr, platform::StepQueue* steps = nullptr);
    ~Form21() override;

    WindowState state;

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

    platform::TextLabel *Text1, *Text2;
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
    void ClearCircuitState(int& charge);
    void FinishStaleLoops();  // a loop whose run was ended finishes before another starts
    void UpdateCircuitParameters();
    void PaintWindow();  // the window's paint procedure: the coil lines
    void picamp_Paint();
    void picvolt_Paint();
    void picclock_Paint();

    // What the loops and the handlers share about the switch and plates
    bool PlatesSwapped() const;  // picdown stands at the upper position

    // The energy bars, in twips of the energy frame (Frame2). Their boxes reach over the
    // scale's frame: the magnetic bar ends at the scale's zero and is at most 2135 twips long,
    // the electric bar starts at 5720 and is at most 2175 twips long.
    static constexpr QRect kMagneticTrack{3540, 1320, 2160, 345};
    static constexpr QRect kElectricTrack{5720, 1320, 2215, 345};
    QRect MagneticBarTwips() const { return magneticBar->Twips().translated(kMagneticTrack.topLeft()); }
    QRect ElectricBarTwips() const { return electricBar->Twips().translated(kElectricTrack.topLeft()); }
    void SetMagneticBar(int left, int width);
    void SetElectricBarWidth(int width);
    void SwapPlateBoxes();
    bool ResistorIn() const { return Label1->Visible(); }

    // For tests and the headless path: is a loop step pending, and the window's drag.
    bool LoopActive() const;
    platform::ManualDrag& GraphDrag() { return *drag_; }
    instruments::Needle ammeterNeedle, voltmeterNeedle;

    // ---- For the classroom: a pause at any instant, and the scene on the whole screen ----
    // Only a running loop pauses: the lesson's time stands still and the loop takes no step.
    bool Paused() const { return pause_.paused; }
    void SetPaused(bool paused);
    void SetFullScreen(bool on);
    QAction *pauseAction = nullptr, *fullScreenAction = nullptr;  // also the context menu's entries
    QWidget* pauseMark = nullptr;                                 // "Пауза", large, while paused

    platform::Clock& GetClock() { return *clock_; }
    platform::StepQueue& Steps() { return *steps_; }

signals:
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
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

    std::unique_ptr<platform::Clock> ownClock_;
    std::unique_ptr<platform::StepQueue> ownSteps_;
    std::unique_ptr<platform::LessonClock> lessonClock_;  // the loops' clock, which a pause stops
    PauseGate pause_;
    platform::Clock* clock_;
    platform::StepQueue* steps_;
    platform::ManualDrag* drag_ = nullptr;
    std::unique_ptr<OscillationLoop> oscillation_;
    std::unique_ptr<ChargingLoop> charging_;
    friend class OscillationLoop;
    friend class ChargingLoop;
};

}  // namespace app
