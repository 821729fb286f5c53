// The plates' colours and rows of charge markers while charging and while oscillating, the
// field drawings they bring with them, and when the plates swap.
#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>
#include <vector>

#include "animation/plates.h"
#include "fields/capacitor_field.h"
#include "fields/coil_field.h"
#include "platform/colours.h"
#include "platform/placement.h"
#include "support/surface_compare.h"

using namespace animation;

namespace {

const QSize kWindowTwips(15210, 11010);  // the window's client area

// The two plate boxes as the window lays them out, with their rows of markers.
struct Capacitor {
    Capacitor() : drawing(kWindowTwips, platform::WindowBackground(), 1.0)
    {
        drawing.SetMapping({1.0, 1.0});
        picup = new platform::Container(&window);
        picdown = new platform::Container(&window);
        platform::Place(picup, 7290, 3000, 2085, 255);
        platform::Place(picdown, 7290, 3990, 2085, 255);
        picup->SetBackColor(platform::SystemWindow());
        picdown->SetBackColor(platform::SystemWindow());
        const int plusX[] = {930, 750, 1110, 570, 1290, 420, 1440, 240, 1650, 30, 1830};
        const int minusX[] = {960, 780, 1140, 570, 1320, 390, 1500, 210, 1680, 30, 1860};
        for (int i = 0; i <= 10; ++i) {
            auto* p = new markers::ChargeMarker(picup, markers::Glyph::Plus, Qt::white,
                                                QRect(plusX[i], 30, 195, 165));
            auto* m = new markers::ChargeMarker(picdown, markers::Glyph::Minus, Qt::white,
                                                QRect(minusX[i], 30, 195, 165));
            plus1.Add(i, p);
            minus1.Add(i, m);
        }
        // A marker beyond the pairs, as another array's member would be: never shown.
        plus1.Add(11, new markers::ChargeMarker(picup, markers::Glyph::Plus));
        for (const markers::MarkerArray* row : {&plus1, &minus1})  // as start-up leaves them
            for (const auto& [i, m] : row->All())
                m->SetVisible(false);
        plates = Plates{picup, picdown, &plus1, &minus1};
        ctx = FieldContext{&drawing, {3000, 5, false}};
    }

    std::vector<int> ShownPairs() const
    {
        std::vector<int> shown;
        for (int i = 0; i <= 10; ++i) {
            const bool p = plus1(i)->IsShown();
            EXPECT_EQ(p, minus1(i)->IsShown()) << "pair " << i << " shows only one member";
            if (p)
                shown.push_back(i);
        }
        EXPECT_FALSE(plus1(11)->IsShown());
        return shown;
    }

    QWidget window;
    platform::Container* picup;
    platform::Container* picdown;
    markers::MarkerArray plus1, minus1;
    platform::Surface drawing;
    Plates plates{};
    FieldContext ctx{};
};

std::vector<int> Pairs(int last)
{
    std::vector<int> v;
    for (int i = 0; i <= last; ++i)
        v.push_back(i);
    return v;
}

QColor Red(int q) { return QColor(255, 255 - q, 255 - q); }
QColor Blue(int q) { return QColor(255 - q, 255 - q, 255); }

// One oscillation step's plate display for a plate charge, as the loop computes its arguments.
void Oscillate(Capacitor& c, int q, bool swapLock = false)
{
    const int n = q / 24, lines = q / 35;
    const QColor grey = q >= 120  ? QColor(255 - q, 255 - q, 255 - q)
                        : q >= 20 ? QColor(130, 130, 130)
                                  : platform::WindowBackground();
    const double current = 0.3;
    const int coilLevel = 3;  // rings 0..3 around each coil end
    const OscillationView view{Red(q), Blue(q), grey, n, lines, QColor(130, 130, 130), coilLevel, current, swapLock};
    ShowOscillationPlates(c.plates, view, c.ctx);
}

void Charge(Capacitor& c, int level, bool swapLock = false)
{
    ShowChargingPlates(c.plates, level, level / 24, swapLock, c.ctx, platform::WindowBackground());
}

}  // namespace

TEST(OscillationPlates, PairsFollowThePlateCharge)
{
    Capacitor c;
    Oscillate(c, 23);
    EXPECT_EQ(c.ShownPairs(), std::vector<int>{});

    Oscillate(c, 24);
    EXPECT_EQ(c.ShownPairs(), Pairs(1));
    EXPECT_EQ(c.plus1(1)->BackColor(), Red(24));
    EXPECT_EQ(c.minus1(0)->BackColor(), Blue(24));

    Oscillate(c, 255);
    EXPECT_EQ(c.ShownPairs(), Pairs(10));
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(c.plus1(i)->BackColor(), QColor(255, 0, 0));
        EXPECT_EQ(c.minus1(i)->BackColor(), QColor(0, 0, 255));
    }

    Oscillate(c, 100);  // the charge falls: the outer pairs go
    EXPECT_EQ(c.ShownPairs(), Pairs(4));
    EXPECT_EQ(c.plus1(9)->BackColor(), QColor(255, 0, 0));  // hidden pairs keep their colour

    ShowOscillationPlates(c.plates, {Red(255), Blue(255), QColor(0, 0, 0), 40, 7, QColor(0, 0, 0), 4, 1.0, false},
                          c.ctx);
    EXPECT_EQ(c.ShownPairs(), Pairs(10));
    ShowOscillationPlates(c.plates, {Red(0), Blue(0), QColor(0, 0, 0), -3, 0, QColor(0, 0, 0), 0, 0.0, false}, c.ctx);
    EXPECT_EQ(c.ShownPairs(), std::vector<int>{});
}

TEST(ChargingPlates, PairsAccumulateWithNoHoleAndFollowADrop)
{
    Capacitor c;
    Charge(c, 0);
    EXPECT_EQ(c.ShownPairs(), Pairs(0));
    EXPECT_EQ(c.plus1(0)->BackColor(), QColor(255, 255, 255));

    Charge(c, 50);
    EXPECT_EQ(c.ShownPairs(), Pairs(2));
    EXPECT_EQ(c.picup->BackColor(), Red(50));
    EXPECT_EQ(c.picdown->BackColor(), Blue(50));
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(c.plus1(i)->BackColor(), Red(50));
        EXPECT_EQ(c.minus1(i)->BackColor(), Blue(50));
    }

    Capacitor jump;
    Charge(jump, 10);
    Charge(jump, 110);  // one long step over pairs 1..3
    EXPECT_EQ(jump.ShownPairs(), Pairs(4));
    EXPECT_EQ(jump.plus1(2)->BackColor(), Red(110));

    Capacitor drop;
    Charge(drop, 250);
    EXPECT_EQ(drop.ShownPairs(), Pairs(10));
    Charge(drop, 100);
    EXPECT_EQ(drop.ShownPairs(), Pairs(4));
}

TEST(ChargingPlates, EmptyLevelLeavesWhitePlatesWithOnlyTheMiddlePair)
{
    Capacitor c;
    Oscillate(c, 255);
    ShowChargingPlates(c.plates, 0, 10, 0, c.ctx, platform::WindowBackground());
    EXPECT_EQ(c.ShownPairs(), Pairs(0));
    EXPECT_EQ(c.picup->BackColor(), QColor(255, 255, 255));
    EXPECT_EQ(c.picdown->BackColor(), QColor(255, 255, 255));
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(c.plus1(i)->BackColor(), QColor(255, 255, 255)) << i;
        EXPECT_EQ(c.minus1(i)->BackColor(), QColor(255, 255, 255)) << i;
    }
}

TEST(PlateFields, TheFieldsDrawnAreThoseOfTheChargeAndCurrent)
{
    // The same steps drawn straight onto a second window drawing must give the same picture.
    Capacitor c;
    platform::Surface expected(kWindowTwips, platform::WindowBackground(), 1.0);
    expected.SetMapping({1.0, 1.0});
    const QImage empty = expected.Layer();
    auto capacitor = [&](QColor colour, int count) {
        fields::DrawCapacitorField(expected, colour, count, false, {3000, 5, false});
    };

    Charge(c, 200);
    capacitor(QColor(55, 55, 55), 5);
    EXPECT_GT(testsupport::DifferentPixels(expected.Layer(), empty), 0);
    EXPECT_EQ(testsupport::DifferentPixels(c.drawing.Layer(), expected.Layer()), 0);

    Charge(c, 60);
    capacitor(QColor(130, 130, 130), 1);
    EXPECT_EQ(testsupport::DifferentPixels(c.drawing.Layer(), expected.Layer()), 0);

    Oscillate(c, 150);
    capacitor(QColor(105, 105, 105), 4);
    fields::DrawCoilField(expected, QColor(130, 130, 130), 3, 0.3);
    EXPECT_EQ(testsupport::DifferentPixels(c.drawing.Layer(), expected.Layer()), 0);
    expected.Layer().save(testsupport::OutputPath("plates_fields.png"));

    Charge(c, 10);  // below the visible level the capacitor's field is erased
    capacitor(platform::WindowBackground(), 0);
    EXPECT_EQ(testsupport::DifferentPixels(c.drawing.Layer(), expected.Layer()), 0);
}
