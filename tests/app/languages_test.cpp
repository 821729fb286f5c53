// The lesson in every language it speaks: each text translated, each caption in its box, the
// switch worked by its translated names, and a change of language mid-lesson.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QDir>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QXmlStreamReader>

#include "app/languages.h"
#include "harness.h"
#include "platform/items.h"
#include "platform/placement.h"
#include "platform/twips.h"
#include "support/surface_compare.h"

using testsupport::Lesson;

namespace {

struct Message {
    QString source, translation;
    bool finished = true;
};

std::vector<Message> Messages(const QString& code)
{
    QFile file(QDir(OSC_TRANSLATIONS).filePath("oscillations_" + code + ".ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader xml(&file);
    std::vector<Message> all;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (xml.isStartElement() && xml.name() == u"source")
            all.push_back({xml.readElementText(), {}, true});
        else if (xml.isStartElement() && xml.name() == u"translation") {
            all.back().finished = xml.attributes().value("type").isEmpty();
            all.back().translation = xml.readElementText();
        }
    }
    return all;
}

QStringList Placeholders(const QString& s)
{
    QStringList found;
    for (const auto& m : QRegularExpression("%\\d").globalMatch(s))
        found << m.captured();
    found.sort();
    return found;
}

// What does not fit its place in the window as it stands: a caption its box cannot hold whole.
QStringList Overflowing(app::Form21& w)
{
    QStringList out;
    const platform::Mapping m = platform::LogicalMapping();
    QList<platform::Container*> boxes = w.findChildren<platform::Container*>();
    boxes << &w;
    for (platform::Container* box : boxes) {
        for (platform::LabelItem* label : box->Labels()) {
            const QRect t = label->Twips();
            const QRect r = m.Rect(t.x(), t.y(), t.width(), t.height());
            const QFontMetrics fm(platform::MakeFont(label->Font(), m.PixelsPerTwip()));
            // One line, as every caption is laid out: its width is what a translation changes.
            if (fm.horizontalAdvance(label->Caption()) > r.width())
                out << label->Caption();
        }
    }
    for (QAbstractButton* b : w.findChildren<QAbstractButton*>()) {
        if (b->text().isEmpty())
            continue;
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const QSize inside = qobject_cast<QRadioButton*>(b)
                                 ? b->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, b).size()
                                 : b->contentsRect().size() - QSize(4, 0);
        if (b->fontMetrics().horizontalAdvance(b->text()) > inside.width())
            out << b->text();
    }
    for (QLabel* mark : {static_cast<QLabel*>(w.pauseMark), w.speedMark}) {
        if (mark->fontMetrics().horizontalAdvance(mark->text()) > mark->width())
            out << mark->text();
    }
    return out;
}

struct Russian {
    ~Russian() { app::UseLanguage("ru"); }
};

}  // namespace

TEST(Languages, EveryTextIsTranslatedKeepingItsPlaceholdersAndSpaces)
{
    const std::vector<Message> ru = Messages("en");
    for (const app::Language& language : app::Languages()) {
        if (language.code == "ru")
            continue;
        const std::vector<Message> all = Messages(language.code);
        EXPECT_EQ(all.size(), ru.size()) << language.code.toStdString();
        for (const Message& m : all) {
            SCOPED_TRACE(language.code.toStdString() + ": " + m.source.toStdString());
            EXPECT_TRUE(m.finished);
            EXPECT_FALSE(m.translation.trimmed().isEmpty());
            EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source));
            EXPECT_EQ(m.translation.startsWith(' '), m.source.startsWith(' '));
            EXPECT_EQ(m.translation.endsWith(' '), m.source.endsWith(' '));
        }
    }
}

TEST(Languages, EachLanguageFitsItsBoxesAtFullSizeAndAtSixtyPercentAndWorksTheSwitch)
{
    Russian restore;
    for (const app::Language& language : app::Languages()) {
        SCOPED_TRACE(language.code.toStdString());
        ASSERT_TRUE(app::UseLanguage(language.code));
        Lesson l;
        app::Form21& w = l.window;
        w.SetSpeed(lesson::LessonSpeed::Tenth);  // the longest mark
        w.pauseMark->show();
        w.show();
        for (const double share : {1.0, 0.6}) {
            w.resize(static_cast<int>(1014 * share), static_cast<int>(734 * share));
            QCoreApplication::processEvents();
            EXPECT_EQ(Overflowing(w).join(" | ").toStdString(), "") << share;
        }
        EXPECT_EQ(w.windowTitle(), QCoreApplication::translate("app::Form21", "Электромагнитные колебания в контуре"));
        QAccessibleInterface* charge =
            testsupport::Find(QAccessible::queryAccessibleInterface(&w),
                  QCoreApplication::translate("app::Form21", "Зарядить конденсатор").trimmed());
        ASSERT_NE(charge, nullptr);
        charge->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(w.State().runState, app::RunState::Charging);
        w.SetSpeed(lesson::LessonSpeed::Normal);
    }
    platform::SetSceneScale(1.0);
    platform::SetSceneOrigin({});
}

// A change of language in the middle of a run changes the texts only: back in Russian, the
// window is as if it had never spoken another language.
TEST(Languages, AChangeMidLessonChangesTheTextsAndNothingElse)
{
    Russian restore;
    Lesson straight, l;
    for (Lesson* x : {&straight, &l}) {
        x->window.imgPow0->Click();
        x->Run(0.5);
    }
    const QString russian = l.window.Command1->text();
    ASSERT_TRUE(app::UseLanguage("de"));
    QCoreApplication::processEvents();
    EXPECT_NE(l.window.Command1->text(), russian);
    EXPECT_EQ(l.window.imgPow0->toolTip(), "Kondensator aufladen");
    EXPECT_EQ(l.window.imgPow0->accessibleName(), "Kondensator aufladen");
    for (Lesson* x : {&straight, &l})
        x->Run(0.5);
    ASSERT_TRUE(app::UseLanguage("ru"));
    QCoreApplication::processEvents();
    EXPECT_EQ(l.window.Command1->text(), russian);
    EXPECT_EQ(l.window.State().chargeLevel, straight.window.State().chargeLevel);
    EXPECT_EQ(testsupport::DifferentPixels(l.Picture(), straight.Picture()), 0);
    EXPECT_FALSE(app::UseLanguage("xx"));
    EXPECT_EQ(app::LanguageFor({"de-AT", "en-US"}), "de");
    EXPECT_EQ(app::LanguageFor({"fr-FR", "kk"}), "kk");
    EXPECT_EQ(app::LanguageFor({"fr-FR"}), "ru");
}
