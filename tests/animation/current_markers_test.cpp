// The wire glow and the group of five markers that runs along each circuit.
#include <gtest/gtest.h>

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "animation/current_markers.h"
#include "platform/colours.h"
#include "platform/container.h"

using namespace animation;

namespace {

// A row of markers 0..count-1 on a parent widget, with decoys just outside the row (as another
// array's markers would be) that no group may ever show.
struct Row {
    explicit Row(int count) : count(count)
    {
        for (int i = -5; i < count + 5; ++i) {
            auto* m = new markers::ChargeMarker(&parent, markers::Glyph::Plus, QColor(255, 0, 0),
                                                QRect(165 * (i + 5), 0, 165, 165));
            m->SetVisible(false);  // as start-up leaves every marker
            if (i >= 0 && i < count)
                row.Add(i, m);
            else
                decoys.Add(i, m);
        }
    }
    std::vector<int> Shown() const
    {
        std::vector<int> shown;
        for (const auto& [i, m] : row.All())
            if (m->IsShown())
                shown.push_back(i);
        return shown;
    }
    int ShownDecoys() const
    {
        int n = 0;
        for (const auto& [i, m] : decoys.All())
            n += m->IsShown();
        return n;
    }

    int count;
    platform::Container parent;
    markers::MarkerArray row;
    markers::MarkerArray decoys;
};

std::vector<int> Group(int start) { return {start, start + 1, start + 2, start + 3, start + 4}; }

using ShowFn = void (*)(markers::MarkerArray&, int, const QColor&, int);

}  // namespace

TEST(MarkerGroup, FiveMarkersInTheWireColourAfterEveryMove)
{
    const QColor first(255, 200, 200), second(255, 90, 90);
    for (int move : {0, 1, 4, 5, -1, -4, -5, 12}) {
        Row tok(48);
        ShowCircuitMarkers(tok.row, 20, first, 0);
        const int start = 20 + move;
        ShowCircuitMarkers(tok.row, start, second, 20);
        EXPECT_EQ(tok.Shown(), Group(start)) << "move " << move;
        for (int i : Group(start))
            EXPECT_EQ(tok.row(i)->BackColor(), second) << "move " << move << " marker " << i;
    }
}

TEST(MarkerGroup, TheGroupFollowsAnOscillationAndADecayingChargingCurrent)
{
    // The oscillating loop places the group at 21 - Int(phase / 12) for a phase swinging
    // between -255 and 255; the charging loop at 33 - Int(level / 7.7) for a decaying level.
    Row tok(48);
    int previous = 0;
    for (int step = 0; step < 200; ++step) {
        const double phase = -255 * std::cos(step * 0.07);
        const int start = 21 - static_cast<int>(std::floor(phase / 12));
        ShowCircuitMarkers(tok.row, start, platform::Rgb(255, 255 - step, 255 - step), previous);
        ASSERT_EQ(tok.Shown(), Group(start)) << "step " << step;
        previous = start;
    }

    Row tokpow(38);
    previous = 0;
    for (int step = 0; step < 120; ++step) {
        const int level = static_cast<int>(std::floor(std::exp(-step / 30.0) * 255));
        const int start = 33 - static_cast<int>(std::floor(level / 7.7));
        ShowChargingMarkers(tokpow.row, start, QColor(255, 255 - level, 255 - level), previous);
        ASSERT_EQ(tokpow.Shown(), Group(start)) << "step " << step;
        EXPECT_EQ(tokpow.row(start + 4)->BackColor(), QColor(255, 255 - level, 255 - level));
        previous = start;
    }
}

TEST(MarkerGroup, StartsOutsideTheRowAreClampedToItsEnds)
{
    const struct {
        ShowFn show;
        int count;
    } rows[] = {{ShowCircuitMarkers, 48}, {ShowChargingMarkers, 38}};
    for (const auto& r : rows) {
        const int last = r.count - 5;
        const struct {
            int start, previous, expected;
        } cases[] = {
            {-5, 0, 0},     {last + 1, 0, last}, {1000, 0, last},     {-1000, 1000, 0},
            {10, 1000, 10}, {10, -7, 10},        {1000, -1000, last}, {last, last + 3, last},
        };
        for (const auto& c : cases) {
            Row row(r.count);
            // The group the previous step left standing (where the previous start points in the row).
            for (int i : Group(std::clamp(c.previous, 0, last)))
                row.row(i)->SetVisible(true);
            r.show(row.row, c.start, Qt::red, c.previous);
            EXPECT_EQ(row.Shown(), Group(c.expected)) << "start " << c.start << " previous " << c.previous;
            EXPECT_EQ(row.ShownDecoys(), 0) << "start " << c.start << " previous " << c.previous;
        }
    }
}

TEST(WireStrips, EachCircuitPaintsItsOwnStripsAndLeavesTheOtherStub)
{
    QWidget window;
    auto strip = [&](QColor back) {
        auto* c = new platform::Container(&window);
        c->SetBackColor(back);
        return c;
    };
    const QColor white(255, 255, 255), face = platform::WindowBackground();
    platform::Container* picvert1 = strip(white);
    platform::Container* picvert2 = strip(white);
    std::vector<platform::Container*> picleft{strip(face), strip(white), strip(white), strip(white), strip(white)};
    std::vector<platform::Container*> picind;  // indices 2..6
    for (int i = 2; i <= 6; ++i)
        picind.push_back(strip(platform::SystemWindow()));
    std::vector<platform::Container*> picright{strip(white), strip(white), strip(white), strip(white), strip(face)};

    std::vector<platform::Container*> circuit{picvert1, picvert2};
    circuit.insert(circuit.end(), picleft.begin(), picleft.end());
    circuit.insert(circuit.end(), picind.begin(), picind.end());
    std::vector<platform::Container*> charging(picright.begin(), picright.end());
    charging.push_back(picvert1);
    charging.push_back(picvert2);

    const QColor red = QColor(255, 55, 55);
    PaintChargingWires(charging, red);
    for (platform::Container* c : charging)
        EXPECT_EQ(c->BackColor(), red);
    EXPECT_EQ(picleft[0]->BackColor(), face);  // the oscillating circuit's stub
    EXPECT_EQ(picleft[1]->BackColor(), white);
    EXPECT_EQ(picind[0]->BackColor(), platform::SystemWindow());

    const QColor pink = QColor(255, 180, 180);
    PaintCircuitWires(circuit, pink);
    for (platform::Container* c : circuit)
        EXPECT_EQ(c->BackColor(), pink);
    EXPECT_EQ(picright[4]->BackColor(), red);  // the charging stub keeps what its circuit gave it
    EXPECT_EQ(picright[0]->BackColor(), red);

    // Missing strips are passed over.
    PaintCircuitWires({nullptr, picvert1}, white);
    EXPECT_EQ(picvert1->BackColor(), white);
}
