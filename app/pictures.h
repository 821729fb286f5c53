#pragma once
// The pictures of the graphical buttons and the two logos, drawn for the size they are shown at.
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace app {

QPixmap ResistorPicture(QSize size);         // a yellow resistor marked "R" on a wire
QPixmap ResistorCrossedPicture(QSize size);  // the same, crossed out in red
QPixmap GraphPicture(QSize size);            // a teal grid with a black sine curve and axes
QPixmap GraphCrossedPicture(QSize size);     // the same, crossed out in red
QPixmap GroundPicture(QSize size);           // an earth symbol in black on yellow
QImage CoilLogo(QSize size);                 // a coil and a capacitor
QImage WaveLogo(QSize size);                 // a damped wave

}  // namespace app
