// Both fields at their strongest on a window-size drawing, saved for a person to look at.
#include <gtest/gtest.h>

#include <QPainter>

#include "fields/capacitor_field.h"
#include "fields/coil_field.h"
#include "field_pixels.h"
#include "support/surface_compare.h"

TEST(FieldsPicture, BothFieldsAtFullStrength)
{
    const platform::Mapping m{1.0, 1.0};
    auto window = fieldtest::WindowSurface(m);
    fields::RedrawCoilLines(*window);
    fields::DrawCoilField(*window, fieldtest::Grey(0), 4, 0.8);
    fields::DrawCapacitorField(*window, fieldtest::Grey(10), 7, false, {3000, 4, false});

    QImage picture(window->Layer().size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(platform::WindowBackground());
    QPainter(&picture).drawImage(0, 0, window->Layer());
    EXPECT_TRUE(picture.save(testsupport::OutputPath("fields.png")));

    // The drawing spans from the barbs of the outermost left coil arrowhead (tip 520, 50 to the
    // side) to those of the outermost right capacitor arrowhead (tip 9420, 40 to the side),
    // and from the top to the bottom of the outermost rings (3830 -+ 1850).
    QRect drawn;
    const QImage& layer = window->Layer();
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) != 0)
                drawn |= QRect(x, y, 1, 1);
    EXPECT_NEAR(drawn.left(), m.Px(520 - 50), 1);
    EXPECT_NEAR(drawn.top(), m.Px(3830 - 1850), 1);
    EXPECT_NEAR(drawn.bottom(), m.Px(3830 + 1850), 1);
    EXPECT_NEAR(drawn.right(), m.Px(9420 + 40), 1);
}
