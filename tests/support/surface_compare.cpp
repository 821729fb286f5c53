#include "support/surface_compare.h"

#include <QDir>

namespace testsupport {

long long DifferentPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return static_cast<long long>(std::max(a.width() * a.height(), b.width() * b.height()));
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    long long n = 0;
    for (int row = 0; row < x.height(); ++row) {
        auto* p = reinterpret_cast<const QRgb*>(x.constScanLine(row));
        auto* q = reinterpret_cast<const QRgb*>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            n += p[col] != q[col];
    }
    return n;
}

QString OutputPath(const QString& fileName)
{
    QString dir = qEnvironmentVariable("OSC_TEST_OUTPUT");
    if (dir.isEmpty())
        dir = QDir::tempPath() + "/osc-test-output";
    QDir().mkpath(dir);
    return dir + "/" + fileName;
}

}  // namespace testsupport
