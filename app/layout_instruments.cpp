// The three dials and the energy panel.
#include "app/form21.h"
#include "app/layout_helpers.h"

namespace app {

using platform::ShapeKind;

namespace {

// A meter's white five-tick scale, its "0" and its unit letter.
void MeterFace(platform::Container* box, const QString& unit)
{
    const int ticks[5][4] = {{240, 900, 390, 990},
                             {780, 510, 810, 570},
                             {1380, 270, 1380, 420},
                             {2010, 510, 1980, 570},
                             {2550, 900, 2400, 990}};
    for (const auto& t : ticks)
        box->AddLine(t[0], t[1], t[2], t[3], kWhite, 3);
    box->AddLabel(1320, 0, 195, 375, "0", Arial(12), kWhite, true, box->BackColor());
    box->AddLabel(2460, 30, 315, 435, unit, Arial(20.25), QColor(64, 64, 64), true, box->BackColor());
}

}  // namespace

void Form21::BuildInstruments()
{
    picvolt = MakeBox(this, 570, 6660, 2900, 1600, kLilac);
    MeterFace(picvolt, "V");
    Minus2 = MakeMarker(picvolt, markers::Glyph::Minus, 2580, 720, 225, 285);

    picamp = MakeBox(this, 570, 8610, 2900, 1600, kPink);
    MeterFace(picamp, "A");
    Plus4 = MakeMarker(picamp, markers::Glyph::Plus, 30, 750, 165, 255);
    Minus3 = MakeMarker(picamp, markers::Glyph::Minus, 2610, 750, 225, 285, kPink);

    // The voltmeter's plus terminal, laid out on the window, stands wholly on the voltmeter's box.
    Plus2 = MakeMarkerOn(picvolt, markers::Glyph::Plus, 630, 7500, 255, 255, kLilac);

    picclock = MakeBox(this, 4680, 8460, 2445, 1935, platform::ButtonFace());
    picclock->AddShape(ShapeKind::Circle, 600, 180, 1245, 1425, kBlack, 2, true, kWhite);  // Shape1
    picclock->AddLine(1230, 180, 1230, 270, kBlack, 2);
    picclock->AddLine(1830, 900, 1920, 900, kBlack, 2);
    picclock->AddLine(1230, 1500, 1230, 1620, kBlack, 2);
    picclock->AddLine(600, 900, 510, 900, kBlack, 2);
    const platform::FontSpec mark = {"Courier New", 9.75, true, false};
    picclock->AddLabel(990, -30, 615, 195, "T(0)", mark, kTeal, true, kWhite);
    picclock->AddLabel(1950, 750, 555, 285, "T/4", mark, kTeal, true, kWhite);
    picclock->AddLabel(1020, 1650, 465, 195, "T/2", mark, kTeal, true, kWhite);
    picclock->AddLabel(30, 780, 495, 375, "3T/4", mark, kTeal, true, kWhite);
}

void Form21::BuildEnergyPanel()
{
    // Created before the dials so that they lie above it.
    Frame2 = MakeBox(this, 300, 6120, 8265, 4935, platform::ButtonFace());
    Frame2->SetBorder(platform::Border::Etched, 20.25);
    const QColor green(0, 128, 0), red(255, 0, 0), blue(0, 0, 255);
    Frame2->AddLabel(4410, 330, 2775, 315, QT_TR_NOOP("Энергия колебаний:"), Courier(12), green, false, platform::ButtonFace());
    Frame2->AddLabel(3930, 780, 1425, 255, QT_TR_NOOP("магнитная"), Courier(12), red, false, platform::ButtonFace());
    Frame2->AddLabel(5820, 780, 1965, 285, QT_TR_NOOP("электрическая"), Courier(12), blue, false, platform::ButtonFace());
    // Captions over the dials
    Frame2->AddLabel(270, 240, 3000, 285, QT_TR_NOOP("Напряжение "), Arial(12), QColor(0, 0, 192), false, platform::ButtonFace());
    Frame2->AddLabel(270, 2190, 3000, 285, QT_TR_NOOP("Сила тока"), Arial(12), QColor(192, 0, 0), false, platform::ButtonFace());
    // The clock's caption stands under the dial: above it the energy scale's "0" leaves no room.
    Frame2->AddLabel(4500, 4290, 2700, 285, QT_TR_NOOP("Время колебания"), Arial(12), kTeal, false, platform::ButtonFace());

    // The energy scale: magnetic to the left of the zero at x = 5700, electric to the right.
    Frame2->AddLine(3510, 1230, 3510, 1740, red, 3);
    Frame2->AddLine(3510, 1740, 5700, 1740, red, 3);
    Frame2->AddLine(7950, 1230, 7950, 1740, blue, 3);
    Frame2->AddLine(7950, 1740, 5700, 1740, blue, 3);
    Frame2->AddLine(5700, 1710, 5700, 1920, kBlack, 2);
    Frame2->AddLine(3630, 1740, 3630, 1890, kBlack, 2);
    Frame2->AddLine(7860, 1740, 7860, 1890, kBlack, 2);
    Frame2->AddLine(4680, 1740, 4680, 1860, kBlack, 1);
    Frame2->AddLine(6780, 1740, 6780, 1860, kBlack, 1);
    Frame2->AddLine(3600, 1080, 3600, 1230, kBlack, 2);
    Frame2->AddLabel(3420, 1950, 600, 285, "max", Courier(12), green, true, platform::ButtonFace());
    Frame2->AddLabel(7650, 1920, 600, 285, "max", Courier(12), green, true, platform::ButtonFace());
    Frame2->AddLabel(5640, 1950, 300, 285, "0", Courier(12), kBlack, true, platform::ButtonFace());

    Frame3 = MakeBox(Frame2, 3540, 1050, 4395, 675, platform::ButtonFace());
    Frame3->SetBorder(platform::Border::Etched, 0);
    Frame4 = MakeBox(Frame3, 0, 0, 4395, 675, platform::ButtonFace());
    Frame4->SetBorder(platform::Border::Etched, 0);
    Frame4->AddLine(0, 180, 2160, 180, red, 3);
    Frame4->AddLine(2160, 180, 4410, 180, blue, 3);
    for (int x : {90, 2160, 4320})
        Frame4->AddLine(x, 90, x, 270, kBlack, 2);
    for (int x : {1140, 3240})
        Frame4->AddLine(x, 120, x, 240, kBlack, 1);

    // The bars lie above the scale's frames, each in a clear box over the length it can take.
    const QColor barGreen(0, 255, 0);
    picBenerg = MakeBox(Frame2, kMagneticTrack.x(), kMagneticTrack.y(), kMagneticTrack.width(),
                        kMagneticTrack.height(), barGreen);
    picBenerg->SetTransparent(true);
    magneticBar = new platform::Swatch(picBenerg, barGreen, 0, QRect(5685 - kMagneticTrack.x(), 0, 15, 345));
    magneticBar->MapInParentFrame();
    picEenerg = MakeBox(Frame2, kElectricTrack.x(), kElectricTrack.y(), kElectricTrack.width(),
                        kElectricTrack.height(), barGreen);
    picEenerg->SetTransparent(true);
    electricBar = new platform::Swatch(picEenerg, barGreen, 0, QRect(0, 0, 15, 345));
    electricBar->MapInParentFrame();
}

}  // namespace app
