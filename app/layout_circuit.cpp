// The circuit drawing on the window: title, symbols, wires, switch, plates and coil.
#include "app/form21.h"
#include "app/layout_helpers.h"
#include "app/pictures.h"

namespace app {

using platform::ShapeKind;

void Form21::BuildTitle()
{
    Label5 = AddLabel(2490, 180, 12555, 705, QT_TR_NOOP("Свободные электромагнитные колебания в LC-контуре"), Arial(20.25),
                      kBlack, false, platform::InactiveBorder());
    Label4 = AddLabel(3720, 210, 9525, 675, QT_TR_NOOP("Затухающие колебания в RLC-контуре"), Courier(20.25), kBlack, false,
                      platform::ButtonFace());
    Label4->SetVisible(false);

    Picture1 = MakeBox(this, 1350, 390, 480, 480, platform::ButtonFace());
    Picture3 = MakeBox(this, 660, 390, 495, 495, platform::ButtonFace());
    Picture1->AddPicture(0, 0, 480, 480, CoilLogo);
    Picture3->AddPicture(0, 0, 495, 495, WaveLogo);
}

void Form21::BuildCircuit()
{
    const QColor grey = kGrey;
    // Switch bodies and terminals
    AddShape(ShapeKind::Rounded, 7350, 1650, 315, 375, kBlack, 1, true, grey);                // Shape6(0)
    AddShape(ShapeKind::Rounded, 8130, 1650, 345, 375, kBlack, 1, true, grey);                // Shape8
    AddShape(ShapeKind::Rounded, 8880, 1650, 315, 375, kBlack, 1, true, grey);                // Shape7
    AddShape(ShapeKind::Circle, 8130, 1740, 315, 195, kBlack, 1, true, QColor(192, 192, 0));  // Shape4
    AddShape(ShapeKind::Rounded, 2880, 2880, 405, 195, kBlack, 1, true, grey);                // Shape6(1)
    AddShape(ShapeKind::Rounded, 2880, 4650, 405, 195, kBlack, 1, true, grey);                // Shape6(2)
    AddShape(ShapeKind::Rounded, 8100, 2820, 405, 195, kBlack, 1, true, grey);                // Shape6(5)
    AddShape(ShapeKind::Rounded, 8100, 4230, 405, 195, kBlack, 1, true, grey);                // Shape6(6)
    AddShape(ShapeKind::Rounded, 12450, 3330, 345, 285, kBlack, 1, true, grey);               // Shape6(3)
    AddShape(ShapeKind::Rounded, 12450, 4080, 345, 255, kBlack, 1, true, grey);               // Shape6(4)
    AddShape(ShapeKind::Rounded, 8130, 5610, 345, 375, kBlack, 1, true, grey);                // Shape10
    AddShape(ShapeKind::Rectangle, 11640, 3600, 1935, 165, kBlack, 1, true, kBlack);          // Shape5
    AddShape(ShapeKind::Rectangle, 12030, 3930, 1185, 165, kBlack, 1, true, kBlack);          // Shape2
    AddShape(ShapeKind::Circle, 8070, 4770, 465, 495, kBlack, 2, true, kPink);                // Shape3
    AddShape(ShapeKind::Circle, 10170, 3360, 465, 555, kBlack, 2, true, kLilac);              // Shape9

    // Component letters
    Label2 = AddLabel(3240, 2400, 315, 435, "L", Arial(20.25), QColor(192, 0, 0), true, kWhite);
    Label3 = AddLabel(8520, 2400, 315, 435, "C", Arial(20.25), QColor(0, 0, 192), true, kWhite);
    Label1 = AddLabel(5700, 5010, 555, 435, "R", Arial(20.25), QColor(128, 128, 0), true, kWhite);
    // The letter of a meter that the voltmeter's box covers: it lies beneath the box, unseen.
    Label26 = AddLabel(1800, 7680, 225, 345, "A", Arial(15.75), kBlack, true, kWhite);

    // Coil drawing
    Line14[2] = AddLine(1800, 3390, 4470, 3270);
    Line14[3] = AddLine(1800, 3750, 4470, 3600);
    Line14[4] = AddLine(1800, 4080, 4470, 3960);
    Line14[5] = AddLine(1800, 4440, 4440, 4290);

    // Wires: a thin outer line and a thick inner line
    Line29 = AddLine(7350, 1740, 2970, 1740, kBlack, 1);
    Line30 = AddLine(7350, 1950, 3180, 1950, kBlack, 2);
    Line31 = AddLine(2970, 1740, 2970, 2880, kBlack, 1);
    Line13 = AddLine(3180, 1950, 3180, 2880, kBlack, 2);
    Line24 = AddLine(2970, 4830, 2970, 5910, kBlack, 1);
    Line22 = AddLine(3180, 4830, 3180, 5700, kBlack, 2);
    Line23 = AddLine(8160, 5700, 3180, 5700, kBlack, 1);
    Line1 = AddLine(2970, 5910, 12720, 5910, kBlack, 2);
    Line21 = AddLine(12510, 5700, 8430, 5700, kBlack, 1);
    Line2 = AddLine(8190, 1980, 8190, 2820, kBlack, 1);
    Line3 = AddLine(8400, 1950, 8400, 2820, kBlack, 2);
    Line4 = AddLine(8190, 4440, 8190, 4830, kBlack, 1);
    Line5 = AddLine(8400, 4440, 8400, 4830, kBlack, 2);
    Line64 = AddLine(8190, 5220, 8190, 5610, kBlack, 1);
    Line63 = AddLine(8400, 5220, 8400, 5610, kBlack, 2);
    Line10 = AddLine(8190, 1770, 8190, 1140, kBlack, 1);
    Line12 = AddLine(8190, 1140, 8400, 1140, kBlack, 1);
    Line11 = AddLine(8400, 1740, 8400, 1140, kBlack, 2);
    Line26 = AddLine(8280, 1740, 8280, 1920, kBlack, 2);
    Line27 = AddLine(8190, 1830, 8370, 1830, kBlack, 2);
    Line7 = AddLine(7620, 1740, 8160, 1740, kBlack, 1);
    Line6 = AddLine(8190, 1950, 7620, 1950, kBlack, 2);
    Line8 = AddLine(8430, 1740, 8970, 1740, kBlack, 1);
    Line9 = AddLine(8460, 1950, 8940, 1950, kBlack, 2);
    Line15 = AddLine(9120, 1740, 12720, 1740, kBlack, 1);
    Line16 = AddLine(9180, 1950, 12510, 1950, kBlack, 2);
    Line18 = AddLine(12720, 1740, 12720, 3660, kBlack, 2);
    Line17 = AddLine(12510, 3660, 12510, 1950, kBlack, 1);
    Line19 = AddLine(12510, 4320, 12510, 5700, kBlack, 1);
    Line20 = AddLine(12720, 4320, 12720, 5910, kBlack, 2);
    Line61 = AddLine(8490, 2910, 10380, 2910, kBlack, 2);
    Line62 = AddLine(10380, 2910, 10380, 3420, kBlack, 2);
    Line59 = AddLine(8490, 4320, 10410, 4320, kBlack, 2);
    Line60 = AddLine(10410, 3870, 10410, 4320, kBlack, 2);
    Line25 = AddLine(4860, 6090, 6720, 6090, kBlack, 2);
    for (platform::LineItem* hidden : {Line6, Line7, Line8, Line9, Line25, Line27})
        hidden->SetVisible(false);
}

void Form21::BuildWireChannels()
{
    picleft[0] = MakeBox(this, 7680, 1770, 435, 165, platform::ButtonFace());
    picleft[1] = MakeBox(this, 3150, 1770, 4185, 165, kWhite);
    picleft[2] = MakeBox(this, 3000, 1770, 165, 1095, kWhite);
    picleft[3] = MakeBox(this, 3000, 4860, 165, 1035, kWhite);
    picleft[4] = MakeBox(this, 3150, 5730, 4965, 165, kWhite);
    const int turnTop[7] = {0, 0, 3060, 3390, 3750, 4080, 4440};
    for (int i = 2; i <= 6; ++i)
        picind[i] = MakeBox(this, 1740, turnTop[i], 2745, 225, platform::SystemWindow());
    picvert1 = MakeBox(this, 8220, 2040, 165, 765, kWhite);
    picvert2 = MakeBox(this, 8220, 4440, 165, 1155, kWhite);
    picvert2->AddShape(ShapeKind::Circle, -150, 330, 465, 495, kBlack, 2, true, kPink);  // Shape12
    Picture4 = MakeBox(this, 8220, 1170, 165, 465, kWhite);
    picright[0] = MakeBox(this, 8490, 5730, 4215, 165, kWhite);
    picright[1] = MakeBox(this, 12540, 4350, 165, 1395, kWhite);
    picright[2] = MakeBox(this, 12540, 1770, 165, 1545, kWhite);
    picright[3] = MakeBox(this, 9210, 1770, 3345, 165, kWhite);
    picright[4] = MakeBox(this, 8490, 1770, 375, 165, platform::ButtonFace());

    // The wires hold no control: they need no widget of their own.
    for (platform::Container* strip :
         {picleft[0], picleft[1], picleft[2], picleft[3], picleft[4], picind[2], picind[3], picind[4], picind[5],
          picind[6], picvert1, picvert2, picright[0], picright[1], picright[2], picright[3], picright[4]})
        strip->SetWithoutWidget();

    // Nor do the plates, which take the charge's colours and swap places at every zero of it.
    picup = MakeBox(this, 7290, 3000, 2085, 255, platform::SystemWindow());
    picdown = MakeBox(this, 7290, 3990, 2085, 255, platform::SystemWindow());
    picup->SetWithoutWidget();
    picdown->SetWithoutWidget();

    Picture2 = MakeBox(this, 4860, 5490, 1875, 585, platform::SystemWindow());
    Picture2->hide();

    Text1 = MakeLetter(this, "A", Arial(14.25), kPink, 8200, 4830, 195, 375);
    Text2 = MakeLetter(this, "V", Arial(14.25), kLilac, 10300, 3480, 225, 315);
}

void Form21::BuildMarkers()
{
    using markers::Glyph;
    const QColor red(255, 0, 0);
    auto addTok = [&](int i, platform::Container* parent, int l, int t, int w = 165) {
        tok.Add(i, MakeMarker(parent, Glyph::Plus, l, t, w, 165, red));
    };
    addTok(0, picvert2, 0, 0);
    addTok(2, picvert2, 0, 960);
    const int bottom[7] = {4650, 3960, 3390, 2700, 1950, 1170, 450};
    for (int i = 0; i < 7; ++i)
        addTok(3 + i, picleft[4], bottom[i], 0);
    addTok(10, picleft[3], 0, 810);
    addTok(11, picleft[3], 0, 210);
    const int lowest[5] = {2520, 1920, 1230, 630, 90};
    for (int i = 0; i < 5; ++i)
        addTok(12 + i, picind[6], lowest[i], 0);
    const int turn[5] = {2460, 1830, 1140, 540, 0};
    for (int t = 0; t < 4; ++t)
        for (int i = 0; i < 5; ++i)
            addTok(17 + 5 * t + i, picind[5 - t], turn[i], 0);
    addTok(37, picleft[2], 0, 660);
    addTok(38, picleft[2], 0, 30);
    const int top[6] = {480, 1170, 1770, 2430, 3090, 3750};
    for (int i = 0; i < 6; ++i)
        addTok(39 + i, picleft[1], top[i], 0);
    addTok(45, picleft[0], 60, 0);
    addTok(46, picvert1, 0, 60, 180);
    addTok(47, picvert1, 0, 510, 180);

    const int qaX[6] = {2220, 1830, 1410, 1080, 660, 210};
    for (int i = 0; i < 6; ++i)
        qa.Add(79 + i, MakeMarker(picleft[2], Glyph::Plus, qaX[i], 180));

    auto addPow = [&](int i, platform::Container* parent, int l, int t, int h = 165) {
        tokpow.Add(i, MakeMarker(parent, Glyph::Plus, l, t, 165, h));
    };
    const int right2[4] = {1080, 720, 390, 0};
    for (int i = 0; i < 4; ++i)
        addPow(1 + i, picright[2], 0, right2[i]);
    addPow(5, picright[3], 2940, 0);
    const int right3[7] = {2490, 2070, 1620, 1170, 720, 330, 0};
    for (int i = 0; i < 7; ++i)
        addPow(7 + i, picright[3], right3[i], 0);
    addPow(14, picright[4], 270, 0);
    addPow(15, picright[4], 0, 0);
    addPow(16, picvert1, 0, -30);
    addPow(17, picvert1, 0, 270);
    addPow(18, picvert1, 0, 600);
    addPow(19, picvert2, 0, 0);
    const int bottomRight[11] = {60, 450, 780, 1170, 1590, 1980, 2430, 2850, 3240, 3630, 4020};
    for (int i = 0; i < 11; ++i)
        addPow(23 + i, picright[0], bottomRight[i], 0, i == 1 ? 195 : 165);
    const int right1[4] = {1020, 660, 300, 0};
    for (int i = 0; i < 4; ++i)
        addPow(34 + i, picright[1], 0, right1[i]);
    // Markers laid out in window twips that stand wholly on a strip: the strip paints them.
    tok.Add(1, MakeMarkerOn(picvert2, Glyph::Plus, 8220, 4590, 165, 165, red));
    auto addPowOn = [&](int i, platform::Container* strip, int l, int t) {
        tokpow.Add(i, MakeMarkerOn(strip, Glyph::Plus, l, t, 165, 165, QColor(255, 255, 255)));
    };
    addPowOn(0, picright[2], 12540, 3150);
    addPowOn(6, picright[3], 11760, 1770);
    addPowOn(20, picvert2, 8220, 4530);
    addPowOn(21, picvert2, 8220, 5250);
    addPowOn(22, picvert2, 8220, 5370);

    const int plusX[11] = {930, 750, 1110, 570, 1290, 420, 1440, 240, 1650, 30, 1830};
    const int minusX[11] = {960, 780, 1140, 570, 1320, 390, 1500, 210, 1680, 30, 1860};
    for (int i = 0; i <= 10; ++i) {
        Plus1.Add(i, MakeMarker(picup, Glyph::Plus, plusX[i], 30, (i == 6 || i == 9) ? 225 : 195));
        Minus1.Add(i, MakeMarker(picdown, Glyph::Minus, minusX[i], 30, i == 3 ? 225 : 195));
    }
}

}  // namespace app
