#pragma once
// The lesson drawn into pictures, for a machine without a graphical display.
#include <QString>
#include <QStringList>

namespace app {

// Runs a whole lesson on the real window with a scripted clock and clicks, and writes one
// PNG per telling moment into `folder` (created when missing). Returns the files written,
// in the lesson's order; empty when the folder cannot be written. `ratio` is the device pixel
// ratio of the pictures: 2 shows the lesson as a 200 % screen does.
QStringList RunHeadlessLesson(const QString& folder, double ratio = 1.0);

}  // namespace app
