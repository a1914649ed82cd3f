// The real main window under a window manager: size, title, layout, the
// notice of the first activation and the language of the user's locale.
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdlib>

#include "app/window_fixture.h"
#include "ui/strings.h"
#include "ui/window_layout.h"

namespace {

using sky::layout::Control;
using sky::layout::Dock;
using sky::layout::MainWindow;

// Every control of the layout table is built under its parent; a docked
// panel keeps the gap to the client edges it is docked to, every other
// control stays where the table puts it.
void ExpectDocked(TForm1& f) {
    for (const Control& c : MainWindow) {
        const QWidget* w = f.Named(c.name);
        ASSERT_TRUE(w) << c.name;
        ASSERT_EQ(w->parentWidget(), f.Named(c.parent)) << c.name;
        const bool right = c.dock == Dock::Right || c.dock == Dock::RightBottom;
        const bool bottom = c.dock == Dock::Bottom || c.dock == Dock::RightBottom;
        const QRect r = w->geometry();
        EXPECT_EQ(right ? f.width() - r.x() - r.width() : r.x(), right ? sky::layout::DockGap : c.box.left) << c.name;
        EXPECT_EQ(bottom ? f.height() - r.y() - r.height() : r.y(), bottom ? sky::layout::DockGap : c.box.top)
            << c.name;
    }
}

// Every control lies inside its parent, and two shown controls of one parent
// overlap only where one is drawn over or round the other.
void ExpectNothingOverlaps(TForm1& f, int language) {
    for (const Control& c : MainWindow) {
        const QWidget* w = f.Named(c.name);
        EXPECT_TRUE(f.Named(c.parent)->rect().contains(w->geometry())) << c.name << " sticks out in " << language;
        for (const Control& d : MainWindow) {
            const QWidget* v = f.Named(d.name);
            if (&d < &c && d.parent == c.parent && !c.over && !d.over && w->isVisibleTo(&f) && v->isVisibleTo(&f)) {
                EXPECT_FALSE(w->geometry().intersects(v->geometry()))
                    << c.name << " on " << d.name << " in " << language;
            }
        }
    }
}

}  // namespace

TEST(MainWindow, StartsFramedTitledAndLaidOut) {
    StartedGame g;
    TForm1& f = g.F1();
    EXPECT_EQ(f.windowTitle(), "Skyburst 3D");
    EXPECT_EQ(f.OuterWidth(), 750);
    EXPECT_EQ(f.OuterHeight(), 650);
    const QRect desktop = f.screen()->availableGeometry();
    EXPECT_EQ(f.frameGeometry().topLeft(),
              desktop.topLeft() + QPoint((desktop.width() - 750) / 2, (desktop.height() - 650) / 2))
        << "the frame, not the client area, is centred";
    EXPECT_LT(f.width(), 750) << "a window manager frames the window, so the client area is smaller";
    EXPECT_EQ(f.Panel3->width(), 40) << "the settings panel starts folded";
    EXPECT_EQ(f.SpeedButton1->Caption(), "[>>]");
    EXPECT_EQ(f.DeviceContext->geometry(), f.rect()) << "the 3D view covers the whole client area";
    ExpectDocked(f);
    EXPECT_EQ(f.laEnergie1->width(), f.laEnergie1->sizeHint().width()) << "labels size themselves to their text";
    EXPECT_FALSE(f.Memo1->isVisible());
    EXPECT_FALSE(f.imOben->isVisible());
    EXPECT_TRUE(f.Panel3->isVisible());
    g.Screenshot("main_window");

    f.SpeedButton1Click();
    for (int item = 0; item < 3; ++item) {
        f.radSprache->SetItemIndex(item);
        f.radSpracheClick();
        ExpectNothingOverlaps(f, g.S().Language);
    }
}

TEST(MainWindow, PanelsStayDockedWhenResized) {
    StartedGame g;
    TForm1& f = g.F1();
    QTest::qWait(200);
    const int framesBefore = f.FramesDrawn();
    f.resize(900, 700);
    ASSERT_TRUE(WaitFor([&] { return f.width() == 900 && f.height() == 700; }));
    QTest::qWait(300);  // the exposures that follow a resize
    EXPECT_EQ(f.FramesDrawn() - framesBefore, 1) << "one frame per resize";
    ExpectDocked(f);
}

TEST(MainWindow, NoticeComesOnceOnTheFirstActivation) {
    // The real box: read what it says and press its OK button. The watcher
    // runs before the window is shown, since the box opens on its activation.
    int shown = 0, framesBefore = 0;
    QString title, text;
    QWidget* owner = nullptr;
    int buttons = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++shown;
            title = box->windowTitle();
            text = box->text();
            buttons = static_cast<int>(box->buttons().size());
            owner = box->parentWidget();
            if (auto* f1 = qobject_cast<QWidget*>(owner)) framesBefore = static_cast<TForm1*>(f1)->FramesDrawn();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start(20);
    StartedGame g(false);
    ASSERT_TRUE(WaitFor([&] { return shown == 1; }, 5000));
    EXPECT_EQ(title, "Hinweis");
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(owner, &g.F1());
    EXPECT_GT(framesBefore, 0) << "the first game is drawn before the notice";
    EXPECT_EQ(text, QString::fromUtf8(TForm1::NoticeText));
    EXPECT_TRUE(text.startsWith("Dieses Spiel ist kein Ballerspiel"));

    // Another window takes the focus and gives it back: no second notice.
    QWidget other;
    other.resize(100, 100);
    other.show();
    other.activateWindow();
    WaitFor([&] { return other.isActiveWindow(); }, 2000);
    other.close();
    g.F1().activateWindow();
    WaitFor([&] { return g.F1().isActiveWindow(); }, 2000);
    QTest::qWait(200);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(g.S().NoticePending, 0);
}

// Run once per locale by CTest, with LANG and the expected language in the environment.
TEST(MainWindowLocale, LanguageFollowsTheUsersLocale) {
    const char* expected = std::getenv("SKY_EXPECT_LANGUAGE");
    if (!expected) GTEST_SKIP() << "run by CTest with LANG set";
    StartedGame g;
    const int language = std::atoi(expected);
    EXPECT_EQ(g.S().Language, language);
    EXPECT_EQ(g.F1().radSprache->ItemIndex(), sky::ItemOfLanguage(language));
    const char* shoot = language == sky::Lang::German    ? "[Schuss]"
                        : language == sky::Lang::English ? "[Shoot]"
                                                         : "[Atirar]";
    EXPECT_EQ(g.F1().SpeedButton3->Caption(), shoot);
    EXPECT_EQ(g.F1().Label1->isVisible(), language == sky::Lang::Portuguese);
    g.Screenshot(QString("language_%1").arg(language));
}
