#include <gtest/gtest.h>
#include <QApplication>
#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableWidget>
#include <QTimer>
#include <functional>
#include "GuiTest.h"
#include "RunError.h"
#include "qt/QtCommon.h"

namespace {

class TestForm : public gui::Form {
public:
    TestForm() : gui::Form("Test") {}
    gui::CheckBox Check1{*this, "One"};
    gui::CheckBox Check2{*this, "Two"};
    gui::RadioButton RadioA{*this, "A"};
    gui::RadioButton RadioB{*this, "B"};
    gui::Button Go{*this, "Go"};
    gui::Edit Text{*this, "0"};
    gui::UpDown Spin{*this, Text};
    gui::ListBox List{*this};
};

class RaisingForm : public gui::Form {
public:
    RaisingForm() : gui::Form("Raising") {
        Grid.SetBounds(0, 0, 300, 80);
        Grid.SetEditing(true);
        List.SetBounds(0, 90, 200, 60);
        List.Add("first");
        Go.SetBounds(0, 160, 80, 24);
    }
    gui::StringGrid Grid{*this};
    gui::ListBox List{*this};
    gui::Button Go{*this, "Go"};

    // As the user types a key into a cell of the grid.
    void TypeKey() {
        auto* table = gui::qt::W<QTableWidget>(Grid.Widget());
        Grid.SetCurrent(1, 1);
        table->editItem(table->item(1, 1));
        QLineEdit* editor = table->viewport()->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_1, Qt::NoModifier, "1");
        QCoreApplication::sendEvent(editor, &release);
    }
};

// What a message box does to the window under it: it runs an event loop of
// its own and takes the focus, so the grid's cell editor is closed and goes.
void BoxOver(RaisingForm& f) {
    QEventLoop box;
    QTimer::singleShot(0, &box, [&] {
        f.Grid.SetCurrent(2, 2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        box.quit();
    });
    box.exec();
}

// An error raised by a handler abandons it; the message is shown once, after
// the event has been handled, and the program goes on.
TEST(Dispatch, RaisedErrorIsShownOnceAfterTheEventAndTheProgramGoesOn) {
    const struct {
        const char* control;
        std::function<void()>& (*handler)(RaisingForm&);
        void (*act)(RaisingForm&);
    } rows[] = {
        {"grid key", [](RaisingForm& f) -> auto& { return f.Grid.OnKeyUp; }, [](RaisingForm& f) { f.TypeKey(); }},
        {"list click", [](RaisingForm& f) -> auto& { return f.List.OnClick; }, [](RaisingForm& f) { ClickAt(f, 20, 94); }},
        {"button", [](RaisingForm& f) -> auto& { return f.Go.OnClick; }, [](RaisingForm& f) { ClickAt(f, 10, 170); }},
    };
    for (const auto& row : rows) {
        RaisingForm f;
        f.Show();
        std::vector<std::string> shown;
        gui::SetMessageHook([&](const std::string& m) {
            shown.push_back(m);
            BoxOver(f);
        });
        int after = 0;
        row.handler(f) = [&] {
            gui::SetHourglass(true);
            RaiseRangeCheck();
            after = 1;
        };
        row.act(f);
        EXPECT_TRUE(shown.empty()) << row.control;  // not while the event is handled
        QCoreApplication::processEvents();
        EXPECT_EQ(shown, std::vector<std::string>{"Range check error"}) << row.control;
        EXPECT_EQ(after, 0) << row.control;
        EXPECT_FALSE(gui::Hourglass()) << row.control;

        row.handler(f) = [&] { after = 2; };
        row.act(f);
        QCoreApplication::processEvents();
        EXPECT_EQ(after, 2) << row.control;
        EXPECT_EQ(shown.size(), 1u) << row.control;
        gui::SetMessageHook([](const std::string& m) { Messages().push_back(m); });
        f.Hide();
    }
}

TEST(Dispatch, ErrorInsideANestedHandlerAbandonsTheOuterAction) {
    TestForm f;
    Messages().clear();
    std::vector<std::string> trace;
    f.Check2.OnClick = [&] {
        trace.push_back("check2");
        RaiseIntegerOverflow();
    };
    f.Check1.OnClick = [&] {
        trace.push_back("check1");
        f.Check2.OnClick();  // Check2's action inside this one
        trace.push_back("not reached");
    };
    f.Check1.Click();
    EXPECT_EQ(trace, (std::vector<std::string>{"check1", "check2"}));
    EXPECT_EQ(Messages(), std::vector<std::string>{"Integer overflow"});
}

// State set by the program runs no handler, a user's click does. A radio
// button switched on unchecks its group, which may have none checked.
TEST(CheckBox, ProgramSetStateRunsNoHandlerAUserClickDoes) {
    TestForm f;
    int clicks = 0, clicksA = 0, clicksB = 0;
    bool focusedInHandler = false;
    f.Check1.OnClick = [&] {
        ++clicks;
        focusedInHandler = f.Check1.Focused();
    };
    f.RadioA.OnClick = [&] { ++clicksA; };
    f.RadioB.OnClick = [&] { ++clicksB; };
    f.Check1.SetCheckedQuietly(true);
    EXPECT_TRUE(f.Check1.Checked());
    f.Check1.SetCheckedQuietly(false);
    EXPECT_FALSE(f.Check1.Checked());
    EXPECT_FALSE(f.RadioA.Checked());
    EXPECT_FALSE(f.RadioB.Checked());
    f.RadioA.SetCheckedQuietly(true);
    f.RadioB.SetCheckedQuietly(true);
    EXPECT_FALSE(f.RadioA.Checked());
    EXPECT_TRUE(f.RadioB.Checked());
    EXPECT_EQ(clicks + clicksA + clicksB, 0);
    f.Check1.Click();
    EXPECT_TRUE(f.Check1.Checked());
    EXPECT_TRUE(focusedInHandler);
    EXPECT_FALSE(f.Check1.Focused());
    EXPECT_EQ(clicks, 1);
    f.RadioA.Click();
    EXPECT_TRUE(f.RadioA.Checked());
    EXPECT_FALSE(f.RadioB.Checked());
    EXPECT_EQ(clicksA, 1);
    f.RadioA.SetCheckedQuietly(false);
    EXPECT_FALSE(f.RadioA.Checked() || f.RadioB.Checked());
}

// What the user sees and does: texts shown as written, the spinner stepping
// from what was typed, stopping at its limits and running its handler on
// every step, one handler run per click on a list line and none when the
// program selects one.
TEST(Controls, UserViewAndClicks) {
    TestForm f;
    gui::RecordingCanvas c;
    // A superscript two is one narrow glyph, not two bytes shown apart.
    EXPECT_LT(c.TextWidth("\u00b2"), c.TextWidth("A"));

    int steps = 0;
    f.Spin.OnClick = [&] { ++steps; };
    f.Spin.SetMin(1);
    f.Spin.SetMax(10);
    f.Spin.SetPosition(1);
    const struct {
        const char* typed;
        int delta, position;
    } rows[] = {{"1", -1, 1}, {"4", 1, 5},   {" 7 ", -1, 6}, {"x", 1, 7},
                {"99", 1, 10}, {"10", 1, 10}, {"-5", -1, 1}};
    for (const auto& r : rows) {
        f.Text.SetText(r.typed);
        f.Spin.Step(r.delta);
        EXPECT_EQ(f.Spin.Position(), r.position) << r.typed;
        EXPECT_EQ(f.Text.Text(), std::to_string(r.position)) << r.typed;
    }
    EXPECT_EQ(steps, int(std::size(rows)));

    f.Show();
    f.List.SetBounds(10, 100, 200, 80);
    for (const char* line : {"first", "second"}) f.List.Add(line);
    int clicks = 0;
    f.List.OnClick = [&] { ++clicks; };
    f.List.SetItemIndex(1);
    EXPECT_EQ(f.List.ItemIndex(), 1);
    EXPECT_EQ(clicks, 0);
    gui::ClickAt(f, 20, 104);  // the first line, not selected before
    EXPECT_EQ(f.List.ItemIndex(), 0);
    EXPECT_EQ(clicks, 1);
    gui::ClickAt(f, 20, 104);  // again, already selected
    EXPECT_EQ(clicks, 2);
    f.List.Clear();
    EXPECT_EQ(f.List.Count(), 0);
    f.Hide();
}

TEST(Form, OuterSizeKeepsTheFrameApartFromTheClientArea) {
    TestForm f;
    f.SetClientSize(473, 536);
    EXPECT_EQ(f.Width(), 473 + 2 * gui::FrameWidth);
    EXPECT_EQ(f.ClientHeight(), 536);
    f.SetBounds(1, 1, 1022, 766);
    EXPECT_EQ(f.ClientWidth(), 1022 - 2 * gui::FrameWidth);
    EXPECT_EQ(f.ClientHeight(), 766 - 2 * gui::FrameWidth - gui::CaptionHeight);
}

TEST(Form, ShowHandlerRunsOnEachHiddenToVisibleChange) {
    TestForm f;
    int shows = 0;
    f.OnShow = [&] { ++shows; };
    f.Show();
    f.Show();
    EXPECT_EQ(shows, 1);
    f.Close();
    EXPECT_FALSE(f.Showing());
    f.Show();
    EXPECT_EQ(shows, 2);
    f.Hide();
}

TEST(Form, ShownModalItBlocksTheOthersAndTakesItsResultFromTheButtonThatClosesIt) {
    TestForm f;
    f.Go.SetModalResult(gui::mrOk);
    gui::SetModalHook([&](gui::Form& shown) {
        EXPECT_EQ(&shown, &f);
        EXPECT_TRUE(shown.Showing());
        EXPECT_NE(QApplication::activeModalWidget(), nullptr);  // the other windows blocked
        f.Go.Click();
    });
    f.Show();
    EXPECT_EQ(f.ShowModal(), gui::mrOk);
    EXPECT_FALSE(f.Showing());
    f.Show();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // shown modeless again
    f.Hide();
    gui::SetModalHook([](gui::Form&) {});
    EXPECT_EQ(f.ShowModal(), gui::mrCancel);  // closed without a result
    gui::SetModalHook(nullptr);
}

TEST(Canvas, RecordsEveryPrimitiveWithItsPenBrushAndFont) {
    gui::RecordingCanvas c;
    c.Pen.Colour = gui::clRed;
    c.Pen.Width = 2;
    c.MoveTo(10, 20);
    c.LineTo(30, 40);
    c.Brush.Colour = gui::clGray;
    c.FillRect({0, 0, 753, 73});
    c.TextFont.Colour = gui::clWhite;
    c.TextOut(5, 6, "SHEAR");
    ASSERT_EQ(gui::Log(c).size(), 4u);
    const gui::CanvasOp& line = gui::Log(c)[1];
    EXPECT_EQ(line.Op, "LineTo");
    EXPECT_EQ(line.X, 10);
    EXPECT_EQ(line.Y2, 40);
    EXPECT_EQ(line.PenColour, gui::clRed);
    EXPECT_EQ(line.PenWidth, 2);
    EXPECT_EQ(gui::Log(c)[2].BrushColour, gui::clGray);
    EXPECT_EQ(gui::Log(c)[3].Text, "SHEAR");
    EXPECT_EQ(gui::Log(c)[3].TextFont.Colour, gui::clWhite);
    EXPECT_GT(c.TextWidth("SHEAR"), 0);
}

TEST(Image, DrawsIntoItsPicture) {
    TestForm f;
    gui::Image img(f);
    img.SetSize(100, 50);
    gui::Canvas& c = img.GetCanvas();
    c.Brush.Colour = gui::clBlack;
    c.FillRect({0, 0, 100, 50});
    c.Pen.Colour = gui::clYellow;
    c.MoveTo(0, 10);
    c.LineTo(99, 10);
    EXPECT_EQ(gui::PixelAt(img, 50, 10), gui::clYellow);
    EXPECT_EQ(gui::PixelAt(img, 50, 30), gui::clBlack);
}

}  // namespace
