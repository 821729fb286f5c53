// The scene scales with the window: drawn again at the new scale, never stretched, and a run
// goes on through a resize as if it had been at that scale all along.
#include <gtest/gtest.h>

#include <QStyle>
#include <QStyleOptionButton>

#include "harness.h"
#include "platform/placement.h"
#include "support/surface_compare.h"

using testsupport::Lesson;

namespace {

// A charge, a free oscillation, and a resize to `size` after `resizeAt` seconds of it.
QImage Script(QSize size, double resizeAt)
{
    Lesson l;
    l.window.show();
    l.window.imgPow0->Click();
    l.Run(1.5);
    l.window.imgKey0->Click();
    l.Step();
    l.window.Command4->click();
    l.window.imgOn1->Click();
    l.Run(resizeAt);
    l.window.resize(size);
    QCoreApplication::processEvents();
    l.Run(1.2 - resizeAt);
    EXPECT_TRUE(l.window.LoopActive());
    EXPECT_EQ(l.window.State().runState, app::RunState::Oscillating);
    QImage picture = l.Picture();
    l.window.Command1->click();
    platform::SetSceneScale(1.0);
    return picture;
}

}  // namespace

TEST(Scale, AResizeDuringARunRedrawsEverythingAsIfDrawnAtTheNewScale)
{
    const QSize large(1521, 1101);  // scale 1.5
    const QImage resizedMidRun = Script(large, 0.7);
    const QImage resizedAtOnce = Script(large, 0.0);
    resizedMidRun.save(testsupport::OutputPath("scale-1.5.png"));
    ASSERT_EQ(resizedMidRun.size(), large);
    EXPECT_EQ(testsupport::DifferentPixels(resizedMidRun, resizedAtOnce), 0);
}

TEST(Scale, TheSceneKeepsItsProportionsInAWindowOfAnotherShape)
{
    Lesson l;
    l.window.show();
    l.window.resize(2028, 900);  // wide: the height decides the scale
    QCoreApplication::processEvents();
    EXPECT_NEAR(platform::SceneScale(), 900.0 / 734, 1e-9);
    const platform::Mapping m = platform::LogicalMapping();
    // Centred: the room left over is shared out on both sides.
    const int left = (2028 - m.Px(platform::kSceneWidthTwips)) / 2;
    EXPECT_EQ(platform::SceneOrigin(), QPoint(left, 0));
    EXPECT_EQ(l.window.picup->geometry(), m.Rect(7290, 3000, 2085, 255).translated(left, 0));
    EXPECT_EQ(l.window.Slider1->geometry(), m.Rect(8820, 6720, 6015, 675).translated(left, 0));
    const QImage img = l.Picture();
    EXPECT_EQ(img.pixelColor(2020, 450), QColor(240, 240, 240)) << "beyond the scene: the background";
    EXPECT_EQ(img.pixelColor(left / 2, 450), QColor(240, 240, 240)) << "before the scene: the background";
    EXPECT_EQ(img.pixelColor(left + m.Px(5000), m.Px(1850)), QColor(255, 255, 255)) << "the top wire's channel";
    platform::SetSceneScale(1.0);
    platform::SetSceneOrigin({});
}

TEST(Scale, TheWindowOpensAtTheLargestScaleThatFits)
{
    EXPECT_EQ(platform::FitScale(QSize(1920, 1040)), 1.0);
    EXPECT_EQ(platform::FitScale(QSize(1014, 734)), 1.0);
    EXPECT_NEAR(platform::FitScale(QSize(1008, 688)), 688.0 / 734, 1e-12);  // a 1024 x 768 projector
    EXPECT_NEAR(platform::FitScale(QSize(1350, 688)), 688.0 / 734, 1e-12);  // a 1366 x 768 laptop
    EXPECT_NEAR(platform::FitScale(QSize(900, 900)), 900.0 / 1014, 1e-12);
}

TEST(Scale, DownToSixtyPercentTheOptionsKeepTheirCaptionsAndCirclesWhole)
{
    for (const double share : {0.6, 0.69, 0.85}) {
        Lesson l;
        l.window.show();
        l.window.resize(static_cast<int>(1014 * share), static_cast<int>(734 * share));
        QCoreApplication::processEvents();
        for (platform::OptionButton* o : {l.window.Option1, l.window.Option2}) {
            QStyleOptionButton opt;
            opt.initFrom(o);
            opt.text = o->text();
            const QRect caption = o->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, o);
            EXPECT_LE(o->fontMetrics().horizontalAdvance(o->text()), caption.width()) << share;
            EXPECT_LE(o->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, o), o->height()) << share;
        }
    }
    platform::SetSceneScale(1.0);
    platform::SetSceneOrigin({});
}
