// Without a display the program draws the lesson into pictures and ends well.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "app/headless_lesson.h"
#include "harness.h"

using testsupport::Lesson;

namespace {

QImage Load(const QTemporaryDir& dir, const QString& name)
{
    QImage img(dir.filePath(name));
    EXPECT_FALSE(img.isNull()) << qPrintable(name);
    EXPECT_EQ(img.size(), QSize(1014, 734)) << qPrintable(name);
    return img;
}

bool Reddish(QColor c) { return c.red() == 255 && c.green() < 40 && c.blue() < 40; }
bool Bluish(QColor c) { return c.blue() == 255 && c.red() < 40 && c.green() < 40; }

}  // namespace

TEST(Headless, EachPictureShowsItsMoment)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList files = app::RunHeadlessLesson(dir.path());
    ASSERT_EQ(files.size(), 6);
    const QPoint upperPlate(7400, 3120), lowerPlate(7400, 4110);  // twips, inside each plate

    const QImage start = Load(dir, "01-start.png");
    EXPECT_EQ(Lesson::At(start, upperPlate.x(), upperPlate.y()), QColor(255, 255, 255));

    const QImage charged = Load(dir, "02-charged.png");
    EXPECT_TRUE(Reddish(Lesson::At(charged, upperPlate.x(), upperPlate.y())));
    EXPECT_TRUE(Bluish(Lesson::At(charged, lowerPlate.x(), lowerPlate.y())));

    // A quarter period on, the charge has passed through zero: the plates are nearly white
    // and the coil's outermost ring stands dark around its left end.
    const QImage quarter = Load(dir, "03-quarter-period.png");
    const QColor plate = Lesson::At(quarter, upperPlate.x(), upperPlate.y());
    EXPECT_GT(plate.green(), 200);
    int dark = 0;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            dark += quarter.pixelColor(1750 / 15 + dx, (3830 - 1850) / 15 + dy).red() < 60;
    EXPECT_GT(dark, 0);

    // Half a period on, the plates have changed places: the blue plate stands on top.
    const QImage half = Load(dir, "04-half-period.png");
    EXPECT_TRUE(Bluish(Lesson::At(half, upperPlate.x(), upperPlate.y())));
    EXPECT_TRUE(Reddish(Lesson::At(half, lowerPlate.x(), lowerPlate.y())));

    // The damped run shows the resistor's body, glowing yellow with the current.
    const QImage damped = Load(dir, "05-damped.png");
    const QColor resistor = Lesson::At(damped, 5000, 5560);
    EXPECT_EQ(resistor.red(), 255);
    EXPECT_EQ(resistor.green(), 255);
    EXPECT_LT(resistor.blue(), 230);
    EXPECT_EQ(Lesson::At(start, 5000, 5560), QColor(240, 240, 240)) << "no resistor at start-up";

    const QImage reset = Load(dir, "06-reset.png");
    EXPECT_EQ(Lesson::At(reset, upperPlate.x(), upperPlate.y()), QColor(255, 255, 255));
    EXPECT_EQ(Lesson::At(reset, lowerPlate.x(), lowerPlate.y()), QColor(255, 255, 255));
}

TEST(Headless, TheProgramWithoutADisplaySaysSoWritesThePicturesAndEndsWell)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    program.setProcessEnvironment(env);
    program.start(OSC_PROGRAM, {"--screenshots", dir.filePath("pictures")});
    ASSERT_TRUE(program.waitForFinished(120000));
    const QString out = QString::fromUtf8(program.readAllStandardOutput());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << qPrintable(QString::fromUtf8(program.readAllStandardError()));
    EXPECT_TRUE(out.startsWith("No graphical display is available")) << qPrintable(out);
    EXPECT_TRUE(out.contains(dir.filePath("pictures"))) << qPrintable(out);
    EXPECT_EQ(QDir(dir.filePath("pictures")).entryList({"*.png"}).size(), 6);
}

TEST(Process, AskedToEndTheWindowClosesAndTheProgramEndsWell)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.start(OSC_PROGRAM, {});
    ASSERT_TRUE(program.waitForStarted(10000));
    EXPECT_FALSE(program.waitForFinished(1500)) << "the window stays open until it is closed";
    program.terminate();  // as the desktop session does when it ends
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}
