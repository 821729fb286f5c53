// Pictures of the lesson at telling moments, saved for a person to look at, with a few pixels
// checked against the geometry of the scene.
#include <gtest/gtest.h>

#include "harness.h"
#include "support/surface_compare.h"

using testsupport::Lesson;

namespace {

// Is the colour seen within a pixel of the point (window twips)?
bool SeenNear(const QImage& img, int xTwips, int yTwips, QColor colour)
{
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (img.pixelColor(xTwips / 15 + dx, yTwips / 15 + dy) == colour)
                return true;
    return false;
}

void ChargeFast(Lesson& l)
{
    l.window.imgPow0->Click();
    l.Run(2.0);
    l.window.imgKey0->Click();
    l.Step();
}

}  // namespace

TEST(Pictures, BothFieldsAroundACapacitorDischargingThroughTheCoil)
{
    Lesson l;
    ChargeFast(l);
    const int level = l.window.State().chargeLevel;
    l.window.imgOn1->Click();
    l.Run(0.1);
    const QImage img = l.Picture();
    img.save(testsupport::OutputPath("fields-in-run.png"));
    // The picture shows the step before the one the state record has begun: read the charge
    // it shows from the red plate.
    const int q = 255 - l.window.picup->BackColor().green();
    const int c = static_cast<int>(std::floor(level * std::sin(3.14 * 0.1)));
    ASSERT_GE(q, 210) << "six or more field lines";
    ASSERT_LT(c, 120) << "a current that draws the coil's inner ring in grey";
    // The coil's innermost ring passes over the coil's left end, 850 twips above its centre.
    EXPECT_TRUE(SeenNear(img, 1750, 3830 - 850, QColor(130, 130, 130)));
    // The capacitor's innermost line passes its leftmost point in the charge's grey.
    EXPECT_TRUE(SeenNear(img, 8257, 3650, QColor(255 - q, 255 - q, 255 - q)));
    // Red plate above, its markers shown; wires tinted by the current.
    EXPECT_EQ(Lesson::At(img, 7400, 3200), QColor(255, 255 - q, 255 - q));
    EXPECT_TRUE(l.window.Plus1(8)->IsShown());
}

TEST(Pictures, TheGraphTracesThreeSecondsOfAFreeOscillation)
{
    Lesson l;
    ChargeFast(l);
    l.window.Command4->click();
    l.window.imgOn1->Click();
    l.Run(3.0);
    const QImage img = l.Picture();
    img.save(testsupport::OutputPath("graph-demo.png"));
    // The voltage trace starts at the top of its plot at t = 0 ...
    const QPoint box = l.window.picGr->pos();
    int blue = 0, red = 0;
    for (int y = 0; y < l.window.picGr->height(); ++y) {
        blue += img.pixelColor(box.x() + 420 / 15 + 1, box.y() + y) == QColor(0, 0, 255);
        red += img.pixelColor(box.x() + (420 + 300) / 15, box.y() + y) == QColor(255, 0, 0);
    }
    EXPECT_GT(blue, 0);
    EXPECT_GT(red, 0);
    // ... and the pens stand at x = 420 + 3 s · 300 twips/s.
    // ... and the pens stand at x = 420 + 3 s · 300 twips/s, give or take the last step's 0.01 s.
    EXPECT_NEAR(platform::LeftTwips(l.window.imgU), 420 + 3 * 300, 6);
}
