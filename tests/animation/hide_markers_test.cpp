// Hiding every wire marker or every plate marker, and nothing else.
#include <gtest/gtest.h>


#include "animation/hide_markers.h"
#include "platform/container.h"

using namespace animation;

namespace {

void Fill(platform::Container& parent, markers::MarkerArray& row, int first, int last, markers::Glyph glyph,
          QColor back)
{
    for (int i = first; i <= last; ++i) {
        auto* m = new markers::ChargeMarker(&parent, glyph, back);
        m->SetVisible(true);
        row.Add(i, m);
    }
}

int Shown(const markers::MarkerArray& row)
{
    int n = 0;
    for (const auto& [i, m] : row.All())
        n += m->IsShown();
    return n;
}

}  // namespace

TEST(HideMarkers, WireMarkersOfBothCircuitsGoAndKeepTheirColours)
{
    platform::Container window;
    markers::MarkerArray tok, tokpow, qa, plus1, minus1;
    Fill(window, tok, 0, 47, markers::Glyph::Plus, QColor(255, 40, 40));
    Fill(window, tokpow, 0, 37, markers::Glyph::Plus, QColor(255, 90, 90));
    Fill(window, qa, 79, 84, markers::Glyph::Plus, Qt::white);
    Fill(window, plus1, 0, 10, markers::Glyph::Plus, Qt::white);
    Fill(window, minus1, 0, 10, markers::Glyph::Minus, Qt::white);

    HideCurrentMarkers(tok, tokpow);
    EXPECT_EQ(Shown(tok), 0);
    EXPECT_EQ(Shown(tokpow), 0);
    EXPECT_EQ(tok(47)->BackColor(), QColor(255, 40, 40));
    EXPECT_EQ(tokpow(0)->BackColor(), QColor(255, 90, 90));
    EXPECT_EQ(Shown(qa), 6);
    EXPECT_EQ(Shown(plus1) + Shown(minus1), 22);

    HideCurrentMarkers(tok, tokpow);  // again: nothing left to change
    EXPECT_EQ(Shown(tok) + Shown(tokpow), 0);

    HidePlateCharges(plus1, minus1);
    EXPECT_EQ(Shown(plus1), 0);
    EXPECT_EQ(Shown(minus1), 0);
    EXPECT_EQ(Shown(qa), 6);
    EXPECT_EQ(minus1(10)->BackColor(), QColor(Qt::white));
}
