// Drawing a figure and drawing it again in the erase colour restores the surface exactly,
// whatever lay beneath it, at any device pixel ratio.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>
#include <tuple>

#include "platform/colours.h"
#include "platform/container.h"
#include "platform/controls.h"
#include "platform/placement.h"
#include "platform/swatch.h"
#include "support/surface_compare.h"

using platform::Container;

namespace {

// A box with a background, a wire, a tick and a label beneath its drawing.
std::unique_ptr<Container> MakeBox()
{
    auto box = std::make_unique<Container>();
    platform::Place(box.get(), 0, 0, 6000, 4500);
    box->SetBackColor(platform::ButtonFace());
    box->AddLine(300, 1740, 5700, 1740, Qt::black, 1);
    box->AddLine(300, 1950, 5700, 1950, Qt::black, 2);
    box->AddLine(3000, 300, 3000, 4200, QColor(0, 0, 255), 3);
    box->AddShape(platform::ShapeKind::Circle, 2000, 2500, 900, 900, Qt::black, 2, true, QColor(255, 192, 192));
    box->AddLabel(600, 3300, 1500, 400, "Сила тока", {"Arial", 12, true, false}, QColor(192, 0, 0), true,
                  platform::ButtonFace());
    box->EnableDrawing(platform::ButtonFace(), 1);
    return box;
}

struct Figure {
    int kind;  // 0 line, 1 ellipse, 2 arc
    double a, b, c, d, e, f;
};

void DrawAll(platform::Surface& s, const std::vector<Figure>& figures, QColor colour)
{
    for (const Figure& g : figures) {
        if (g.kind == 0)
            s.Line(g.a, g.b, g.c, g.d, colour);
        else if (g.kind == 1)
            s.Ellipse(g.a, g.b, g.c, colour, 0, 0, g.f);
        else
            s.Ellipse(g.a, g.b, g.c, colour, g.d, g.e, g.f);
    }
}

std::vector<Figure> RandomFigures(unsigned seed, int count)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> x(-500, 6500), y(-500, 5000), r(20, 2500), ang(0, 6.28), asp(0.3, 15);
    std::vector<Figure> out;
    for (int i = 0; i < count; ++i)
        out.push_back({static_cast<int>(rng() % 3), x(rng), y(rng), i % 3 == 0 ? x(rng) : r(rng),
                       i % 3 == 0 ? y(rng) : ang(rng), ang(rng), asp(rng)});
    return out;
}

}  // namespace

// A box at a scene scale and device pixel ratio.
class EraseExactness : public ::testing::TestWithParam<platform::Mapping> {
protected:
    void SetUp() override
    {
        platform::SetSceneScale(GetParam().scale);
        box = MakeBox();
        box->Drawing()->SetMapping(GetParam());
    }
    void TearDown() override { platform::SetSceneScale(1.0); }

    std::unique_ptr<Container> box;
};

TEST_P(EraseExactness, DrawingThenErasingLeavesTheSurfaceAsItWas)
{
    const double dpr = GetParam().dpr;
    auto& s = *box->Drawing();
    const QImage before = box->Compose(dpr);

    const auto figures = RandomFigures(7, 60);
    DrawAll(s, figures, QColor(90, 90, 90));
    const QImage drawn = box->Compose(dpr);
    EXPECT_GT(testsupport::DifferentPixels(before, drawn), 1000) << "the figures must show";

    DrawAll(s, figures, platform::ButtonFace());
    EXPECT_EQ(testsupport::DifferentPixels(before, box->Compose(dpr)), 0);
}

TEST_P(EraseExactness, ErasingOneFigureLeavesTheOthers)
{
    const platform::Mapping m = GetParam();
    const double dpr = m.dpr;
    auto& s = *box->Drawing();
    s.Ellipse(1750, 3830, 850, Qt::black, 0, 0, 1.5);
    const QImage oneEllipse = box->Compose(dpr);
    s.Line(100, 100, 5800, 4300, QColor(128, 128, 128));
    s.Line(100, 100, 5800, 4300, platform::ButtonFace());
    // The erased line crossed the ellipse: the ellipse shows whole again.
    EXPECT_EQ(testsupport::DifferentPixels(oneEllipse, box->Compose(dpr)), 0);
}

INSTANTIATE_TEST_SUITE_P(ScalesAndRatios, EraseExactness,
                         ::testing::Values(platform::Mapping{0.75, 1.0}, platform::Mapping{1.0, 1.0},
                                           platform::Mapping{1.5, 1.0}, platform::Mapping{2.0, 1.0},
                                           platform::Mapping{2.5, 1.0}, platform::Mapping{1.0, 2.0},
                                           platform::Mapping{1.5, 2.0}));

TEST(Surface, ADrawingMadeAgainAtAnotherScaleIsTheDrawingMadeThereFromTheStart)
{
    // Draw, erase and overdraw at scale 1, then change to 2.5: the picture equals the same
    // figures drawn at 2.5 from the start, and the record keeps one entry per figure shown.
    const auto figures = RandomFigures(11, 40);
    platform::Surface moved(QSize(6000, 4500), platform::ButtonFace());
    platform::Surface there(QSize(6000, 4500), platform::ButtonFace());
    there.SetMapping({2.5, 1.0});
    for (platform::Surface* s : {&moved, &there}) {
        for (int round = 0; round < 30; ++round) {
            DrawAll(*s, figures, QColor(round * 8, 0, 0));
            DrawAll(*s, {figures.begin(), figures.begin() + round % 7}, platform::ButtonFace());
        }
    }
    EXPECT_EQ(moved.RecordedFigures(), figures.size() - 29 % 7);  // the last round erased one
    moved.SetMapping({2.5, 1.0});
    EXPECT_EQ(testsupport::DifferentPixels(moved.Layer(), there.Layer()), 0);
    moved.Clear();
    EXPECT_EQ(moved.RecordedFigures(), 0u);
}

TEST(Container, ARecolouredBoxShowsWhatABoxMadeInThatColourShows)
{
    // A wire takes a new colour every frame, and the same colours again; a label can come or
    // go in between. Each time it must show what a box made so shows.
    auto tag = [](Container& b) {
        return b.AddLabel(600, 600, 1500, 400, "Заряд", {"Arial", 12, true, false}, Qt::black, true, Qt::white);
    };
    auto fresh = [&](QColor c, bool tagged) {
        auto b = MakeBox();
        b->SetBackColor(c);
        if (tagged)
            tag(*b);
        return b->Compose(1);
    };
    auto box = MakeBox();
    const QColor colours[] = {QColor(255, 0, 0), QColor(0, 128, 255), QColor(255, 0, 0), platform::ButtonFace()};
    for (const QColor c : colours) {
        box->SetBackColor(c);
        EXPECT_EQ(testsupport::DifferentPixels(box->Compose(1), fresh(c, false)), 0) << c.name().toStdString();
    }
    platform::LabelItem* label = tag(*box);
    for (const bool shown : {true, false}) {
        label->SetVisible(shown);
        box->SetBackColor(colours[0]);
        EXPECT_EQ(testsupport::DifferentPixels(box->Compose(1), fresh(colours[0], shown)), 0) << shown;
        box->SetBackColor(colours[1]);
    }
}

TEST(Container, ABoxWithoutAWidgetShowsWhatItShowedAsAWidget)
{
    // Two wires meeting at a corner, a marker half off one of them and a meter's rim on the
    // other, under a wire made after them that stays a widget; then the wires are recoloured.
    auto scene = [](bool withoutWidget, QColor wire) {
        auto window = MakeBox();
        window->Drawing()->Line(0, 1600, 6000, 1600, Qt::red);
        auto strip = [&](int l, int t, int w, int h) {
            auto* box = new Container(window.get());
            platform::Place(box, l, t, w, h);
            box->SetBackColor(wire);
            return box;
        };
        Container* across = strip(600, 1500, 3000, 165);
        Container* down = strip(600, 1500, 165, 2000);
        down->AddShape(platform::ShapeKind::Circle, -150, 330, 465, 495, Qt::black, 2, true, QColor(255, 192, 192));
        new platform::Swatch(across, Qt::blue, 0, QRect(2900, -40, 165, 165));
        strip(3300, 1400, 165, 1200)->SetBackColor(Qt::darkGreen);
        if (withoutWidget)
            for (Container* c : {across, down})
                c->SetWithoutWidget();
        return std::make_tuple(std::move(window), across, down);
    };
    auto shown = [](Container& w) {
        QImage img(w.size(), QImage::Format_ARGB32_Premultiplied);
        w.render(&img);
        return img;
    };
    auto [window, across, down] = scene(true, Qt::white);
    EXPECT_EQ(testsupport::DifferentPixels(shown(*window), shown(*std::get<0>(scene(false, Qt::white)))), 0);
    for (Container* c : {across, down})
        c->SetBackColor(QColor(255, 90, 90));
    EXPECT_EQ(testsupport::DifferentPixels(shown(*window), shown(*std::get<0>(scene(false, QColor(255, 90, 90))))),
              0);
}

TEST(Container, ABoxLeavesNothingWhereItWasWhenItMoves)
{
    // Two plates swap places in the same colours, as at a zero of the charge; then one moves
    // to a place of its own. A hidden widget gets no move event, yet the screen must show them
    // where they are and nothing where they were.
    auto window = MakeBox();
    auto plate = [&](int top, QColor c) {
        auto* box = new Container(window.get());
        platform::Place(box, 600, top, 3000, 255);
        box->SetBackColor(c);
        box->SetWithoutWidget();
        return box;
    };
    Container* up = plate(1000, Qt::red);
    Container* down = plate(2500, Qt::blue);
    window->show();
    EXPECT_EQ(testsupport::StaleOnScreen(*window), 0);
    platform::MoveTwips(up, 600, 2500);
    platform::MoveTwips(down, 600, 1000);
    EXPECT_EQ(testsupport::StaleOnScreen(*window), 0) << "swapped";
    platform::MoveTwips(up, 2000, 3600);
    EXPECT_EQ(testsupport::StaleOnScreen(*window), 0) << "moved";
}

TEST(Container, ARepaintShowsTheDrawingOverAnOpaqueOrAHalfClearColourAsComposed)
{
    // A repaint after figures were drawn and erased since the last one shows what the box
    // composed afresh shows, over an opaque colour and over a half clear one.
    for (const QColor back : {platform::ButtonFace(), QColor(255, 0, 0, 128)}) {
        auto box = MakeBox();
        box->SetBackColor(back);
        auto repainted = [&] {
            QImage shown(box->size(), QImage::Format_ARGB32_Premultiplied);
            shown.fill(Qt::transparent);
            box->render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
            return shown;
        };
        platform::Surface& drawing = *box->Drawing();
        drawing.Line(0, 0, 6000, 4500, Qt::red);
        repainted();
        drawing.Ellipse(3000, 2000, 1500, Qt::blue, 0, 0, 1.5);
        drawing.Line(0, 0, 6000, 4500, drawing.EraseColour());
        EXPECT_EQ(testsupport::DifferentPixels(repainted(), box->Compose(1)), 0) << back.alpha();
    }
}

TEST(Surface, DrawingSurvivesARepaintAndClearEmptiesIt)
{
    auto box = MakeBox();
    const QImage empty = box->Compose(1);
    box->Drawing()->Line(0, 0, 6000, 4500, Qt::red);
    const QImage drawn = box->Compose(1);
    box->resize(box->size());  // any repaint composes what is stored
    box->InvalidateBackdrop();
    EXPECT_EQ(testsupport::DifferentPixels(drawn, box->Compose(1)), 0);
    box->Drawing()->Clear();
    EXPECT_EQ(testsupport::DifferentPixels(empty, box->Compose(1)), 0);
}

TEST(Surface, ArcEndsLieOnTheEllipseAtTheirParametricAngles)
{
    // The capacitor's innermost and outermost field lines, rounded to whole twips.
    auto end = [](double radius, double aspect, double angle) {
        const QPointF p = platform::Surface::EllipsePoint(8330, 3650, radius, aspect, angle);
        return QPoint(static_cast<int>(std::floor(p.x() + 0.5)), static_cast<int>(std::floor(p.y() + 0.5)));
    };
    const double deg = 6.28 / 360;
    EXPECT_EQ(end(1100, 15, 150 * deg), QPoint(8267, 3099));
    EXPECT_EQ(end(1100, 15, 210 * deg), QPoint(8266, 4198));
    EXPECT_EQ(end(1200, 1.1, 340 * deg), QPoint(9354, 4064));
    EXPECT_EQ(end(1200, 1.1, 25 * deg), QPoint(9319, 3143));
    // An aspect below 1 makes the radius the horizontal semi-axis.
    EXPECT_EQ(platform::Surface::EllipsePoint(0, 0, 100, 0.5, 0).x(), 100);
    EXPECT_EQ(platform::Surface::EllipsePoint(0, 0, 100, 0.5, 3.14159265358979 / 2).y(), -50);
}

TEST(Surface, AWidePenIsASquareBrushMovedAlongTheThinLine)
{
    // The same lines and arcs, well inside the surface, with a one-pixel pen and with wider
    // ones: the wide drawing is exactly the thin one with every pixel grown into a square.
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> x(1500, 4500), y(1500, 3000), r(30, 1200), ang(0, 6.28), asp(0.3, 4);
    std::vector<Figure> figures;
    for (int i = 0; i < 60; ++i)
        figures.push_back({i % 3, x(rng), y(rng), i % 3 == 0 ? x(rng) : r(rng), i % 3 == 0 ? y(rng) : ang(rng),
                           ang(rng), asp(rng)});
    platform::Surface thin(QSize(6000, 4500), platform::ButtonFace(), 1);
    DrawAll(thin, figures, Qt::red);
    const QImage& t = thin.Layer();
    for (int width : {2, 3, 4}) {
        platform::Surface wide(QSize(6000, 4500), platform::ButtonFace(), width);
        ASSERT_EQ(wide.GetMapping().PenPx(width), width);
        DrawAll(wide, figures, Qt::red);
        const int low = -(width - 1) / 2;
        QImage expected(t.size(), t.format());
        expected.fill(Qt::transparent);
        for (int py = 0; py < t.height(); ++py)
            for (int px = 0; px < t.width(); ++px)
                if (qAlpha(t.pixel(px, py)) != 0)
                    for (int dy = low; dy < low + width; ++dy)
                        for (int dx = low; dx < low + width; ++dx)
                            expected.setPixel(px + dx, py + dy, t.pixel(px, py));
        EXPECT_EQ(testsupport::DifferentPixels(wide.Layer(), expected), 0) << "pen " << width;
    }
}

TEST(Surface, TheDamageReportedForAFigureHoldsEveryPixelItChangesAndNoneIfItChangesNone)
{
    // Arcs in every quarter and across 0, lines every way, at two scales and two pens.
    for (const double scale : {1.0, 2.5}) {
        for (const double pen : {1.0, 3.0}) {
            platform::Surface s(QSize(6000, 4500), platform::ButtonFace(), pen);
            s.SetMapping({scale, 1.0});
            QRect damaged;
            s.SetDamageHandler([&](const QRect& r) { damaged |= r; });
            std::mt19937 rng(static_cast<unsigned>(scale * 10 + pen));
            std::uniform_real_distribution<double> x(-300, 6300), y(-300, 4800), r(20, 2000), ang(-7, 7),
                asp(0.2, 15);
            for (int i = 0; i < 150; ++i) {
                const QImage before = s.Layer().copy();
                damaged = QRect();
                Figure f{i % 2 == 0 ? 0 : 2, x(rng), y(rng), 0, 0, 0, 0};
                f.c = i % 2 == 0 ? x(rng) : r(rng);
                f.d = i % 2 == 0 ? y(rng) : ang(rng);
                f.e = ang(rng);
                f.f = asp(rng);
                DrawAll(s, {f}, QColor(i, 100, 0));
                const QImage after = s.Layer().copy();
                const QRect first = damaged;
                damaged = QRect();
                DrawAll(s, {f}, QColor(i, 100, 0));  // the same figure again changes nothing
                ASSERT_TRUE(damaged.isEmpty()) << "figure " << i << " at scale " << scale << " pen " << pen;
                damaged = first;
                for (int py = 0; py < after.height(); ++py)
                    for (int px = 0; px < after.width(); ++px)
                        if (before.pixel(px, py) != after.pixel(px, py)) {
                            ASSERT_TRUE(damaged.contains(px, py))
                                << "figure " << f.kind << " " << f.a << " " << f.b << " " << f.c << " " << f.d << " "
                                << f.e << " " << f.f << " at scale " << scale << " pen " << pen << " changed (" << px
                                << ", " << py << ") outside the damage " << damaged.x() << "," << damaged.y() << " "
                                << damaged.width() << "x" << damaged.height();
                        }
            }
        }
    }
}

TEST(Surface, FiguresDrawnAgainFrameAfterFrameShowWhatTheirWholeHistoryWould)
{
    // A loop draws the same overlapping figures every frame and recolours some of them, the
    // erase colour among the colours. After any number of frames the layer must be the
    // figures shown drawn afresh, and each frame's damage must hold every pixel it changed.
    const std::vector<Figure> figures = RandomFigures(11, 40);
    const QColor palette[] = {platform::ButtonFace(), Qt::black, QColor(90, 90, 90), QColor(200, 0, 0)};
    for (const int frames : {3, 17, 60}) {
        const double pen = frames == 17 ? 3.0 : 1.0;
        platform::Surface s(QSize(6000, 4500), platform::ButtonFace(), pen);
        QRect damaged;
        s.SetDamageHandler([&](const QRect& r) { damaged |= r; });
        std::mt19937 rng(static_cast<unsigned>(frames));
        std::vector<int> colour(figures.size(), 0);
        for (int frame = 0; frame < frames; ++frame) {
            const QImage before = s.Layer().copy();
            damaged = QRect();
            for (std::size_t i = 0; i < figures.size(); ++i) {
                if (rng() % 4 == 0)
                    colour[i] = static_cast<int>(rng() % 4);
                DrawAll(s, {figures[i]}, palette[colour[i]]);
            }
            const QImage after = s.Layer();
            for (int py = 0; py < after.height(); ++py)
                for (int px = 0; px < after.width(); ++px)
                    if (before.pixel(px, py) != after.pixel(px, py)) {
                        ASSERT_TRUE(damaged.contains(px, py)) << "frame " << frame << " (" << px << ", " << py << ")";
                    }
            platform::Surface afresh(QSize(6000, 4500), platform::ButtonFace(), pen);
            for (std::size_t i = 0; i < figures.size(); ++i)
                if (colour[i] != 0)
                    DrawAll(afresh, {figures[i]}, palette[colour[i]]);
            ASSERT_EQ(testsupport::DifferentPixels(after, afresh.Layer()), 0) << "frame " << frame;
        }
    }
}
