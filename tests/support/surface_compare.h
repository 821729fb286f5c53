#pragma once
// Helpers for tests that look at pixels.
#include <QImage>
#include <QString>

class QWidget;

namespace testsupport {

// Number of pixels in which two images of the same size differ (all pixels when the sizes differ).
long long DifferentPixels(const QImage& a, const QImage& b);

// What the screen shows of a window once its pending frame is painted, and how many of those
// pixels differ from the same window painted on the screen again as a whole, every widget
// and drawing laid out afresh.
QImage OnScreen(QWidget& window);
long long StaleOnScreen(QWidget& window);

// Where a test may leave pictures for a person to look at (created when missing).
QString OutputPath(const QString& fileName);

}  // namespace testsupport
