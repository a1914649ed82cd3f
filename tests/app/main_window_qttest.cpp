// The real main window under a window manager: size, title, layout, the
// notice of the first activation and the language of the user's locale.
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <cstdlib>

#include "app/window_fixture.h"

namespace {

struct Geometry {
    const char* name;
    QWidget* widget;
    QRect rect;
};

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

    const int cw = f.width(), ch = f.height();
    const Geometry table[] = {
        {"Panel1", f.Panel1, {5, 5, 326, 204}},
        {"Panel2", f.Panel2, {cw - 161 - 5, 5, 161, 335}},
        {"Panel3", f.Panel3, {5, ch - 287 - 5, 40, 287}},
        {"Panel4", f.Panel4, {cw - 153 - 5, ch - 209 - 5, 153, 209}},
        {"Panel5", f.Panel5, {5, 216, 120, 90}},
        {"imLand", f.imLand, {7, 7, 166, 166}},
        {"imPfeil", f.imPfeil, {179, 7, 140, 140}},
        {"SpeedButton2", f.SpeedButton2, {136, 176, 35, 22}},
        {"im3", f.im3, {5, 5, 25, 188}},
        {"pb", f.pb, {35, 5, 120, 120}},
        {"im2", f.im2, {51, 132, 60, 60}},
        {"imOben", f.imOben, {128, 136, 17, 11}},
        {"imUnten", f.imUnten, {128, 160, 17, 11}},
        {"SpeedButton15", f.SpeedButton15, {8, 201, 23, 22}},
        {"SpeedButton3", f.SpeedButton3, {40, 200, 73, 22}},
        {"SpeedButton4", f.SpeedButton4, {125, 200, 26, 22}},
        {"Bevel1", f.Bevel1, {16, 232, 129, 9}},
        {"sbComp", f.sbComp, {40, 240, 81, 22}},
        {"SpeedButton14", f.SpeedButton14, {125, 240, 26, 22}},
        {"radComp", f.radComp, {8, 264, 145, 65}},
        {"SpeedButton1", f.SpeedButton1, {5, 5, 30, 22}},
        {"imFarben", f.imFarben, {5, 32, 30, 250}},
        {"radSprache", f.radSprache, {45, 12, 153, 63}},
        {"radiogr", f.radiogr, {45, 75, 153, 63}},
        {"radSize", f.radSize, {45, 139, 67, 94}},
        {"radFarben", f.radFarben, {117, 139, 82, 143}},
        {"radSound", f.radSound, {45, 233, 67, 49}},
        {"Shape1", f.Shape1, {7, 7, 140, 76}},
        {"Shape2", f.Shape2, {7, 90, 140, 85}},
        {"SpeedButton7", f.SpeedButton7, {33, 13, 21, 20}},
        {"SpeedButton5", f.SpeedButton5, {82, 18, 20, 20}},
        {"SpeedButton9", f.SpeedButton9, {13, 33, 20, 20}},
        {"SpeedButton11", f.SpeedButton11, {33, 33, 21, 20}},
        {"SpeedButton10", f.SpeedButton10, {54, 33, 20, 20}},
        {"SpeedButton6", f.SpeedButton6, {82, 48, 20, 20}},
        {"SpeedButton8", f.SpeedButton8, {33, 53, 21, 20}},
        {"SpeedButton12", f.SpeedButton12, {112, 32, 26, 22}},
        {"SpeedButton13", f.SpeedButton13, {28, 181, 97, 22}},
        {"Image1", f.Image1, {0, 0, 120, 90}},
        {"Memo1", f.Memo1, {144, 234, 129, 57}},
    };
    for (const auto& row : table) EXPECT_EQ(row.widget->geometry(), row.rect) << row.name;

    // Labels size themselves to their text but keep their place.
    for (QWidget* label : {static_cast<QWidget*>(f.laSpieler), static_cast<QWidget*>(f.laEnergie1),
                           static_cast<QWidget*>(f.laEnergie2), static_cast<QWidget*>(f.laPunkte1),
                           static_cast<QWidget*>(f.laPunkte2)})
        EXPECT_EQ(label->x(), 10);
    EXPECT_EQ(f.laSpieler->y(), 94);
    EXPECT_EQ(f.laPunkte2->y(), 158);
    EXPECT_EQ(f.laEnergie1->width(), f.laEnergie1->sizeHint().width());

    EXPECT_FALSE(f.Memo1->isVisible());
    EXPECT_FALSE(f.imOben->isVisible());
    EXPECT_TRUE(f.Panel3->isVisible());
    g.Screenshot("main_window");
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
    EXPECT_EQ(f.Panel2->geometry().topLeft(), QPoint(900 - 161 - 5, 5));
    EXPECT_EQ(f.Panel3->geometry().topLeft(), QPoint(5, 700 - 287 - 5));
    EXPECT_EQ(f.Panel4->geometry().topLeft(), QPoint(900 - 153 - 5, 700 - 209 - 5));
    EXPECT_EQ(f.Panel1->geometry().topLeft(), QPoint(5, 5));
    EXPECT_EQ(f.Panel5->geometry().topLeft(), QPoint(5, 216));
}

TEST(MainWindow, AFrameDrawnWhileMinimisedShowsWhenTheWindowIsBack) {
    StartedGame g;
    TForm1& f = g.F1();
    f.showMinimized();
    ASSERT_TRUE(WaitFor([&] { return !f.windowHandle()->isExposed(); }));
    f.RotY += 90;  // the shot worker and the camera keys draw while the window is away
    f.DrawScene();
    f.showNormal();
    ASSERT_TRUE(WaitFor([&] { return f.windowHandle()->isExposed(); }));
    QTest::qWait(200);
    const QImage frame = f.DeviceContext->grabFramebuffer();
    const QImage shown = f.screen()->grabWindow(f.winId()).toImage().convertToFormat(frame.format());
    const QRect free(f.width() / 2 - 60, f.height() / 2, 120, 100);  // no panel lies there
    EXPECT_EQ(shown.copy(free), frame.copy(free)) << "the screen shows the newest frame";
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
    EXPECT_EQ(g.F1().radSprache->ItemIndex(), language / 1000 - 1);
    const char* shoot = language == 1000 ? "[Schuss]" : language == 2000 ? "[Shoot]" : "[Atirar]";
    EXPECT_EQ(g.F1().SpeedButton3->Caption(), shoot);
    EXPECT_EQ(g.F1().Label1->isVisible(), language == 3000);
    g.Screenshot(QString("language_%1").arg(language));
}
