// The graph box, the control panel and the switch's hot areas.
#include "app/form21.h"
#include "app/layout_helpers.h"
#include "app/pictures.h"

namespace app {

void Form21::BuildGraph()
{
    picGr = MakeBox(this, 9180, 1230, 5895, 4935, kWhite);
    const QColor grid(128, 128, 128);
    for (int x = 210; x <= 5040; x += 210)
        picGr->AddLine(x, 0, x, 4935, grid, 1, true);
    for (int x : {5250, 5490, 5730})
        picGr->AddLine(x, 0, x, 4935, grid, 1, true);
    for (int y = 210; y <= 4620; y += 210)
        picGr->AddLine(0, y, 5895, y, grid, 1, true);
    picGr->AddLine(0, 4800, 5895, 4800, grid, 1, true);

    // Voltage plot
    picGr->AddLine(420, 210, 420, 2280);
    picGr->AddLine(450, 1260, 5760, 1260);
    picGr->AddLine(420, 210, 330, 420);
    picGr->AddLine(420, 210, 510, 420);
    picGr->AddLine(5730, 1260, 5490, 1170);
    picGr->AddLine(5760, 1260, 5490, 1350);
    // Current plot
    picGr->AddLine(420, 2520, 420, 4620);
    picGr->AddLine(420, 3570, 5730, 3570);
    picGr->AddLine(420, 2520, 330, 2730);
    picGr->AddLine(420, 2520, 510, 2730);
    picGr->AddLine(5760, 3570, 5490, 3480);
    picGr->AddLine(5760, 3570, 5490, 3660);
    const platform::FontSpec axis = Arial(14.25);
    picGr->AddLabel(60, 240, 285, 345, "U", axis, kBlack, true, kWhite);
    picGr->AddLabel(5610, 1350, 255, 315, "t", axis, kBlack, true, kWhite);
    picGr->AddLabel(90, 2610, 285, 405, "I", axis, kBlack, true, kWhite);
    picGr->AddLabel(5610, 3690, 285, 345, "t", axis, kBlack, true, kWhite);

    imgU = new platform::Swatch(picGr, QColor(0, 0, 255), 8, QRect(420, 1260, 120, 120));
    imgI = new platform::Swatch(picGr, QColor(255, 0, 0), 8, QRect(420, 3570, 120, 120));

    Command5 = new platform::CaptionButton(picGr, QT_TR_NOOP("Очистить"), Arial(9));
    platform::Place(Command5, 4680, 4470, 1095, 315);
}

void Form21::BuildControlPanel()
{
    Frame1 = MakeBox(this, 8550, 6120, 6645, 4845, platform::ButtonFace());
    Frame1->SetBorder(platform::Border::Etched, 20.25);
    Frame1->AddLabel(270, 300, 2505, 255, QT_TR_NOOP("Частота колебаний"), Arial(12), kTeal, false, platform::ButtonFace());
    Frame1->AddLabel(300, 1260, 3315, 285, QT_TR_NOOP("Активное сопротивление"), Arial(12), QColor(128, 128, 0), false,
                     platform::ButtonFace());
    Frame1->AddLabel(360, 2430, 2985, 405, QT_TR_NOOP("Зарядить конденсатор:"), Arial(12), kBlack, false, platform::ButtonFace());
    Option1 = new platform::OptionButton(Frame1, QT_TR_NOOP(" быстро"), Arial(12, true), kBlack);
    platform::Place(Option1, 390, 2850, 1515, 375);
    Option2 = new platform::OptionButton(Frame1, QT_TR_NOOP(" медленно"), Arial(12, true), kBlack);
    platform::Place(Option2, 390, 3330, 1605, 225);
    Command6 = new platform::PictureButton(Frame1, QT_TR_NOOP("Скрыть графики"), GraphCrossedPicture);
    platform::Place(Command6, 5070, 3030, 1065, 525);

    // Above the frame, on the window
    Slider1 = new platform::Slider(this, 1, 7, 5, QT_TR_NOOP("Изменить частоту колебаний"));
    platform::Place(Slider1, 8820, 6720, 6015, 675);
    Slider2 = new platform::Slider(this, 1, 5, 1, QT_TR_NOOP("Изменить активное сопротивление"));
    platform::Place(Slider2, 8790, 7740, 6015, 675);
    Command2 = new platform::PictureButton(this, QT_TR_NOOP("Добавить активное сопротивление"), ResistorPicture);
    platform::Place(Command2, 12180, 8430, 945, 480);
    Command3 = new platform::PictureButton(this, QT_TR_NOOP("Убрать активное сопротивление"), ResistorCrossedPicture);
    platform::Place(Command3, 12180, 9270, 915, 525);
    Command4 = new platform::PictureButton(this, QT_TR_NOOP("Показать графики"), GraphPicture);
    platform::Place(Command4, 13590, 8400, 1065, 525);
    cmdSbros = new platform::PictureButton(this, QT_TR_NOOP("Сброс"), GroundPicture);
    platform::Place(cmdSbros, 10680, 9150, 555, 495);
    Command1 = new platform::CaptionButton(this, QT_TR_NOOP("Выход"), {"Georgia", 8.25, true, true});
    platform::Place(Command1, 8970, 9870, 4905, 375);
}

}  // namespace app
