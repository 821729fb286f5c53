// The window as it opens: its state record, which controls show, and how it looks.
#include <gtest/gtest.h>

#include "harness.h"
#include "platform/placement.h"
#include "support/surface_compare.h"

using testsupport::Lesson;

// The lesson and its window start from one another: what the panel shows is what the lesson has.
TEST(StartUp, TheLessonStartsWhereThePanelShowsIt)
{
    Lesson l;
    app::Form21& w = l.window;
    const lesson::LessonState& s = w.State();
    EXPECT_EQ(s.runState, app::RunState::Idle);
    EXPECT_FALSE(w.LoopActive());
    EXPECT_EQ(s.settings.frequency, w.Slider1->Value());
    EXPECT_EQ(s.settings.resistance, w.Slider2->Value());
    EXPECT_EQ(s.settings.charging == lesson::ChargingSpeed::Fast, w.Option1->Value());
    EXPECT_EQ(s.settings.resistorIn, w.Label1->Visible());
    EXPECT_EQ(s.settings.graphShown, !w.picGr->isHidden());
    EXPECT_EQ(platform::TopTwips(w.picup), w.Model().PositivePlateTop());
    EXPECT_EQ(platform::TopTwips(w.picdown), w.Model().NegativePlateTop());
}

TEST(StartUp, ControlsStartShownHiddenEnabledAsLaidOut)
{
    Lesson l;
    app::Form21& w = l.window;
    EXPECT_TRUE(w.Option1->Value());
    EXPECT_FALSE(w.Option2->Value());
    EXPECT_EQ(w.Slider1->Value(), 5);
    EXPECT_EQ(w.Slider1->minimum(), 1);
    EXPECT_EQ(w.Slider1->maximum(), 7);
    EXPECT_EQ(w.Slider2->Value(), 1);
    EXPECT_EQ(w.Slider2->maximum(), 5);
    EXPECT_TRUE(w.picGr->isHidden());
    EXPECT_TRUE(w.Picture2->isHidden());
    EXPECT_FALSE(w.Label1->Visible());
    EXPECT_FALSE(w.Label4->Visible());
    EXPECT_TRUE(w.Label5->Visible());
    for (auto* hidden : {w.Line6, w.Line7, w.Line8, w.Line9, w.Line25, w.Line27})
        EXPECT_FALSE(hidden->Visible());
    for (auto* shown : {w.Line10, w.Line11, w.Line12, w.Line26})
        EXPECT_TRUE(shown->Visible());
    EXPECT_FALSE(w.Image1->isEnabled());
    for (QWidget* c :
         {static_cast<QWidget*>(w.imgOn1), static_cast<QWidget*>(w.imgPow0), static_cast<QWidget*>(w.imgKey0),
          static_cast<QWidget*>(w.cmdSbros), static_cast<QWidget*>(w.Command5), static_cast<QWidget*>(w.Slider2)})
        EXPECT_TRUE(c->isEnabled());
    // No charge marker shows but the meters' terminals and the strip's unused row.
    for (const auto& [i, m] : w.tok.All())
        EXPECT_FALSE(m->IsShown()) << "tok " << i;
    for (const auto& [i, m] : w.tokpow.All())
        EXPECT_FALSE(m->IsShown()) << "tokpow " << i;
    for (int i = 0; i <= 10; ++i) {
        EXPECT_FALSE(w.Plus1(i)->IsShown());
        EXPECT_FALSE(w.Minus1(i)->IsShown());
    }
    EXPECT_EQ(w.tok.Count(), 48);
    EXPECT_EQ(w.tokpow.Count(), 38);
    EXPECT_EQ(w.qa.Count(), 6);
    EXPECT_TRUE(w.qa.Has(79) && w.qa.Has(84) && !w.qa.Has(0));
    EXPECT_TRUE(w.qa(79)->IsShown());
    EXPECT_TRUE(w.Plus2->IsShown() && w.Plus4->IsShown() && w.Minus2->IsShown() && w.Minus3->IsShown());
    // The bars start as slivers at the zero of the scale.
    EXPECT_EQ(w.ElectricBarTwips(), QRect(5720, 1320, 15, 345));
    EXPECT_EQ(w.MagneticBarTwips(), QRect(5685, 1320, 15, 345));
    EXPECT_EQ(w.size(), QSize(1014, 734));
    EXPECT_EQ(w.windowTitle(), QString("Электромагнитные колебания в контуре"));
    EXPECT_EQ(w.Slider1->toolTip(), QString("Изменить частоту колебаний"));
    EXPECT_EQ(w.imgOn1->toolTip(), QString("Пуск "));
}

namespace {
bool Near(QColor a, QColor b, int tolerance = 0)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}
}  // namespace

TEST(StartUp, TheWindowLooksAsLaidOut)
{
    Lesson l;
    const QImage img = l.Picture();
    img.save(testsupport::OutputPath("startup.png"));
    auto at = [&](int x, int y) { return Lesson::At(img, x, y); };
    const QColor white(255, 255, 255), face(240, 240, 240), grey(128, 128, 128);

    EXPECT_EQ(at(5000, 1850), white) << "the top wire's channel";
    EXPECT_EQ(at(7800, 1850), face) << "the stub at the switch shows the circuit open";
    EXPECT_EQ(at(5000, 1740), QColor(0, 0, 0)) << "the outer line of the top wire";
    EXPECT_EQ(at(8000, 3100), white) << "the upper plate";
    EXPECT_EQ(at(770, 10010), QColor(255, 192, 192)) << "the ammeter's face";
    EXPECT_EQ(at(770, 8060), QColor(192, 192, 255)) << "the voltmeter's face";
    // The rest pointers stand straight up from the pivots.
    EXPECT_EQ(img.pixelColor(131, 640), grey) << "ammeter at rest";
    EXPECT_EQ(img.pixelColor(131, 510), grey) << "voltmeter at rest";
    EXPECT_EQ(img.pixelColor(312 + 80, 564 + 40), grey) << "clock hand at rest";
    // The switch stands at rest: the upright contact shows, the level one does not.
    EXPECT_EQ(img.pixelColor(552, 122), QColor(0, 0, 0));
    EXPECT_NE(img.pixelColor(547, 122), QColor(0, 0, 0));
    // The electric bar is a one-pixel sliver right of the zero.
    EXPECT_EQ(img.pixelColor(401, 505), QColor(0, 255, 0));
    EXPECT_NE(img.pixelColor(403, 505), QColor(0, 255, 0));
    // The graph box is hidden: nothing of its grid shows.
    EXPECT_EQ(at(14250, 4500), face);
    // A panel caption in teal
    int teal = 0;
    for (int x = 8820 / 15; x < (8820 + 2505) / 15; ++x)
        for (int y = 6420 / 15; y < (6420 + 255) / 15; ++y)
            teal += Near(img.pixelColor(x, y), QColor(0, 128, 128), 40);
    EXPECT_GT(teal, 30);
}

TEST(StartUp, TheWindowIsSharpAtDevicePixelRatioTwo)
{
    Lesson l;
    const QImage img = l.Picture(2.0);
    EXPECT_EQ(img.size(), QSize(2028, 1468));
    img.save(testsupport::OutputPath("startup@2x.png"));
    EXPECT_EQ(img.pixelColor(5000 * 2 / 15, 1850 * 2 / 15), QColor(255, 255, 255));
    EXPECT_EQ(img.pixelColor(5000 * 2 / 15, 1740 * 2 / 15), QColor(0, 0, 0));
}
