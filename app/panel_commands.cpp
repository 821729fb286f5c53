// The panel's buttons: the resistor in and out, the graph shown, hidden, cleared and dragged.
#include "app/form21.h"
#include "instruments/graph_drag.h"

namespace app {

void Form21::Command2_Click()
{
    lesson_.PutResistorIn();
    Label5->SetVisible(false);
    Label4->SetVisible(true);
    Image1->setEnabled(true);
    Picture2->show();
    Label1->SetVisible(true);
    Line25->SetVisible(true);
    Slider2->SetEnabled(true);
}

void Form21::Command3_Click()
{
    Picture2->hide();
    Label1->SetVisible(false);
    Line25->SetVisible(false);
    Slider2->SetEnabled(false);
    Image1->setEnabled(false);
    Label5->SetVisible(true);
    Label4->SetVisible(false);
    lesson_.TakeResistorOut();
}

void Form21::Command4_Click()
{
    lesson_.ShowGraph(true);
    picGr->show();
}

void Form21::Command6_Click()
{
    lesson_.ShowGraph(false);
    picGr->hide();
}

void Form21::Command5_Click()
{
    lesson_.ClearGraph();
    const lesson::GraphTrace& g = State().trace;
    picGr->Drawing()->Clear();
    platform::MoveTwips(imgU, g.graphX0, g.graphU0);
    platform::MoveTwips(imgI, g.graphX0, g.graphI0);
}

void Form21::picGr_MouseDown(int button, double x, double y)
{
    const auto grab = instruments::GrabGraph(button, x, y);
    if (!grab)
        return;
    dragOffsetX = grab->dragOffsetX;
    dragOffsetY = grab->dragOffsetY;
    const platform::Mapping m = platform::LogicalMapping();
    GraphDrag().Start(picGr, QPoint(m.Px(x), m.Px(y)));
}

void Form21::Form_DragDrop(QWidget* source, double x, double y)
{
    if (source != picGr)
        return;
    const QPoint at = instruments::DroppedGraphPosition({dragOffsetX, dragOffsetY}, x, y);
    platform::MoveTwips(picGr, at.x(), at.y());
}

}  // namespace app
