// The window: building it, its start-up, and the procedures the handlers share.
#include "app/form21.h"

#include <QCloseEvent>
#include <QFont>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

#include "animation/hide_markers.h"
#include "app/languages.h"
#include "app/layout_helpers.h"
#include "fields/coil_field.h"
#include "platform/accessibility.h"
#include "platform/focus_mark.h"
#include "platform/texts.h"
#include "physics/arithmetic.h"
#include "physics/circuit_parameters.h"

namespace app {

namespace {
const char* const kTitle = QT_TRANSLATE_NOOP("app::Form21", "Электромагнитные колебания в контуре");
}  // namespace

void PrepareApplication(QApplication& app)
{
    // The layout's faces, with their metric-compatible stand-ins where the faces are missing:
    // Qt tries a family before its substitutes, so Windows draws with Arial, Courier New and
    // Georgia themselves and Linux (or Wine without them) with Debian's Liberation faces.
    // Where both Liberation releases are installed, Qt may take a face of the first, which lacks
    // most of Kazakh's letters: those then come from the DejaVu face of the same kind.
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
    QFont::insertSubstitutions("Georgia", {"Liberation Serif", "DejaVu Serif"});
    app.setStyle(QStyleFactory::create("Fusion"));
#ifdef Q_OS_WIN
    // Windows hands Fusion its own system colours; Linux draws with Fusion's, and so does the
    // lesson everywhere, so sliders and buttons look the same on both.
    app.setPalette(app.style()->standardPalette());
#endif
    app.setApplicationName("oscillations");
    app.setApplicationDisplayName(platform::Translated(kTitle));
    platform::InstallAccessibleInterfaces();
}

Form21::Form21(platform::Clock* clock, platform::StepQueue* steps)
{
    // Built with the texts as written, which Texts keeps as the sources of every translation.
    const QString language = CurrentLanguage();
    UseLanguage("ru");
    platform::InstallAccessibleInterfaces();  // for a window made without PrepareApplication (tests)
    if (!clock) {
        ownClock_ = std::make_unique<platform::SteadyClock>();
        clock = ownClock_.get();
    }
    if (!steps) {
        ownSteps_ = std::make_unique<platform::EventLoopStepQueue>();
        steps = ownSteps_.get();
    }
    clock_ = clock;
    steps_ = steps;

    platform::SetSceneOrigin({});  // a new window lays the scene out from its corner
    setWindowTitle(kTitle);
    platform::Place(this, 0, 0, platform::kSceneWidthTwips, platform::kSceneHeightTwips);
    SetFontSpec(this, Arial(9));
    SetBackColor(platform::WindowBackground());

    // Built from the bottom up: what is made later lies above.
    BuildTitle();
    BuildCircuit();
    BuildWireChannels();
    BuildMarkers();
    Image2 = MakeHotArea(this, 1530, 2370, 3135, 2535, QT_TR_NOOP("Катушка индуктивности"), false);
    Image3 = MakeHotArea(this, 7170, 2490, 2385, 2085, QT_TR_NOOP("Конденсатор"), false);
    Image4 = MakeHotArea(this, 11400, 3210, 2385, 1185, QT_TR_NOOP("Источник тока"), false);
    Image1 = MakeHotArea(this, 4560, 5100, 2535, 1245, QT_TR_NOOP("Активное сопротивление"), false);
    Image5 = MakeHotArea(this, 7860, 4680, 885, 645, QT_TR_NOOP("Амперметр"), false);
    Image6 = MakeHotArea(this, 9960, 3240, 855, 795, QT_TR_NOOP("Вольтметр"), false);
    Image1->setEnabled(false);
    imgOn1 = MakeHotArea(this, 7230, 1560, 555, 525, QT_TR_NOOP("Пуск "), true);
    imgKey0 = MakeHotArea(this, 8010, 1560, 555, 555, QT_TR_NOOP("Стоп"), true);
    imgPow0 = MakeHotArea(this, 8760, 1560, 555, 525, QT_TR_NOOP("Зарядить конденсатор"), true);
    BuildEnergyPanel();
    BuildInstruments();
    BuildControlPanel();
    BuildGraph();
    drag_ = new platform::ManualDrag(this);
    new platform::FocusMarkFollowsInput(this);

    BuildClassroomControls();
    SetUpDrawings();
    ConnectHandlers();
    StartUp();
    ExposeToAssistiveTools();
    texts_.Capture(this);
    UseLanguage(language);
    Retranslate();
}

void Form21::Retranslate()
{
    texts_.Retranslate();
    qApp->setApplicationDisplayName(platform::Translated(kTitle));
    RetranslateClassroomControls();
}

void Form21::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::LanguageChange)
        Retranslate();
    platform::Container::changeEvent(e);
}

Form21::~Form21() = default;

void Form21::SetUpDrawings()
{
    // Each drawing is rasterised at the ratio of the screen the window opens on.
    const platform::Mapping m{platform::SceneScale(), devicePixelRatioF()};
    auto enable = [&](platform::Container* c, QColor erase, double pen) {
        c->EnableDrawing(erase, pen).SetMapping(m);
    };
    enable(this, platform::WindowBackground(), 1);
    enable(picGr, kWhite, 2);
    enable(picamp, kPink, 3);
    enable(picvolt, kLilac, 3);
    enable(picclock, kWhite, 3);  // the hand is erased in the clock face's white
}

void Form21::ConnectHandlers()
{
    connect(imgPow0, &platform::HotArea::clicked, this, &Form21::imgPow_Click);
    connect(imgOn1, &platform::HotArea::clicked, this, &Form21::imgOn_Click);
    connect(imgKey0, &platform::HotArea::clicked, this, &Form21::imgKey_Click);
    connect(cmdSbros, &QPushButton::clicked, this, &Form21::cmdSbros_Click);
    connect(Command1, &QPushButton::clicked, this, &Form21::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form21::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form21::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form21::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form21::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form21::Command6_Click);
    // The keyboard reaches the switch's positions, then the panel, in this order.
    QWidget* const order[] = {imgOn1,   imgKey0,  imgPow0,  Slider1,  Slider2,  Option1,  Option2,
                              Command2, Command3, cmdSbros, Command4, Command6, Command1, Command5};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
    // The panel's settings are the lesson's: it reads them at its next frame.
    connect(Slider1, &QSlider::valueChanged, this, [this](int v) { lesson_.SetFrequency(v); });
    connect(Slider2, &QSlider::valueChanged, this, [this](int v) { lesson_.SetResistance(v); });
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            lesson_.SetChargingSpeed(lesson::ChargingSpeed::Fast);
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            lesson_.SetChargingSpeed(lesson::ChargingSpeed::Slow);
    });
    picGr->installEventFilter(this);
    drag_->onDrop = [this](QWidget* target, QPointF at) {
        if (!target)
            Form_DragDrop(picGr, at.x(), at.y());
    };
}

void Form21::StartUp()
{
    Option1->SetValue(true);
    Option2->SetValue(false);
    SetElectricBarWidth(15);
    SetMagneticBar(5685, 15);
    HidePlateCharges();
    HideCurrentMarkers();
    Label5->SetBackColor(platform::WindowBackground());
    Label4->SetBackColor(platform::WindowBackground());
    picleft[0]->SetBackColor(platform::WindowBackground());
    picright[4]->SetBackColor(platform::WindowBackground());
    Label1->SetVisible(false);
    picGr->hide();

    // What the window and the dials paint when they are first shown.
    PaintWindow();
    picamp_Paint();
    picvolt_Paint();
    picclock_Paint();
}

void Form21::HidePlateCharges() { animation::HidePlateCharges(Plus1, Minus1); }

void Form21::HideCurrentMarkers() { animation::HideCurrentMarkers(tok, tokpow); }

void Form21::PaintWindow() { fields::RedrawCoilLines(*Drawing()); }

void Form21::picamp_Paint() { instruments::PaintAmmeterAtRest(*picamp->Drawing(), ammeterNeedle); }

void Form21::picvolt_Paint() { instruments::PaintVoltmeterAtRest(*picvolt->Drawing(), voltmeterNeedle); }

void Form21::picclock_Paint() { instruments::PaintClockAtRest(*picclock->Drawing()); }

void Form21::SetMagneticBar(int left, int width)
{
    magneticBar->SetTwips(QRect(left - kMagneticTrack.x(), 0, width, kMagneticTrack.height()));
}

void Form21::SetElectricBarWidth(int width) { electricBar->SetTwips(QRect(0, 0, width, kElectricTrack.height())); }

void Form21::PlacePlates()
{
    platform::MoveTwips(picup, platform::LeftTwips(picup), lesson_.PositivePlateTop());
    platform::MoveTwips(picdown, platform::LeftTwips(picdown), lesson_.NegativePlateTop());
}

bool Form21::LoopActive() const { return lesson_.Running() && !quit_; }

bool Form21::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == picGr && e->type() == QEvent::MouseButtonPress) {
        auto* me = static_cast<QMouseEvent*>(e);
        const int button = me->button() == Qt::LeftButton ? 1 : me->button() == Qt::RightButton ? 2 : 4;
        const QPointF at = platform::LogicalToTwips(me->position());
        picGr_MouseDown(button, at.x(), at.y());
        return true;
    }
    return platform::Container::eventFilter(watched, e);
}

void Form21::resizeEvent(QResizeEvent* e)
{
    platform::Container::resizeEvent(e);
    // The scene scales with the window, keeping its proportions: the larger side has room left.
    const QSize natural = platform::Mapping{1.0, 1.0}
                              .Rect(0, 0, platform::kSceneWidthTwips, platform::kSceneHeightTwips)
                              .size();
    const double scale = std::min(double(width()) / natural.width(), double(height()) / natural.height());
    if (scale <= 0)
        return;
    // The room left on the larger side is shared out on both sides: the scene stands centred.
    const QSize scene = platform::Mapping{scale, 1.0}
                            .Rect(0, 0, platform::kSceneWidthTwips, platform::kSceneHeightTwips)
                            .size();
    const QPoint origin(std::max(0, (width() - scene.width()) / 2), std::max(0, (height() - scene.height()) / 2));
    if (std::abs(scale - platform::SceneScale()) < 1e-9 && origin == platform::SceneOrigin())
        return;
    platform::SetSceneScale(scale);
    platform::SetSceneOrigin(origin);
    platform::Relayout(this);
    Rescaled();
    for (platform::Container* c : findChildren<platform::Container*>())
        c->Rescaled();
}

void Form21::closeEvent(QCloseEvent* e)
{
    quit_ = true;
    e->accept();
    emit quitRequested();
}

}  // namespace app
