#pragma once
// Helpers for tests that look at pixels.
#include <QImage>
#include <QString>

namespace testsupport {

// Number of pixels in which two images of the same size differ (all pixels when the sizes differ).
long long DifferentPixels(const QImage& a, const QImage& b);

// Where a test may leave pictures for a person to look at (created when missing).
QString OutputPath(const QString& fileName);

}  // namespace testsupport
