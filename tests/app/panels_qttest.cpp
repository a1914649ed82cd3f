// The folding panels, the help pop-up, the sound switch and the banner in the real window.
#include <QRadioButton>

#include "app/window_fixture.h"
#include "ui/strings.h"

namespace {

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }

bool ShowsOnScreen(QWidget* w) { return w->isVisible() && !w->visibleRegion().isEmpty(); }

}  // namespace

TEST(SidePanels, SettingsPanelOpensAndFoldsAtTheBottomLeft) {
    StartedGame g;
    TForm1& f = g.F1();
    Click(f.SpeedButton1);
    EXPECT_EQ(f.Panel3->width(), 205);
    EXPECT_EQ(f.SpeedButton1->Caption(), "[<<]");
    EXPECT_TRUE(ShowsOnScreen(f.radFarben));
    Click(f.SpeedButton1);
    EXPECT_EQ(f.Panel3->width(), 40);
    EXPECT_EQ(f.SpeedButton1->Caption(), "[>>]");
    EXPECT_FALSE(ShowsOnScreen(f.radSprache));
    EXPECT_EQ(f.Panel3->geometry().topLeft(), QPoint(5, f.height() - 287 - 5));
}

TEST(SidePanels, MapPanelFoldHidesOnlyTheWindArrow) {
    StartedGame g;
    TForm1& f = g.F1();
    Click(f.SpeedButton2);
    EXPECT_EQ(f.Panel1->width(), 166 + 14);
    EXPECT_EQ(f.SpeedButton2->Caption(), "[>>]");
    EXPECT_TRUE(ShowsOnScreen(f.imLand));
    EXPECT_TRUE(ShowsOnScreen(f.SpeedButton2));
    EXPECT_LE(f.imPfeil->visibleRegion().boundingRect().width(), 1);
    Click(f.SpeedButton2);
    EXPECT_EQ(f.Panel1->width(), 326);
    EXPECT_EQ(f.SpeedButton2->Caption(), "[<<]");
}

TEST(SidePanels, AimingPanelFoldHidesTheComputerControls) {
    StartedGame g;
    TForm1& f = g.F1();
    const QImage up = f.SpeedButton15->icon().pixmap(17, 11).toImage();
    Click(f.SpeedButton15);
    EXPECT_EQ(f.Panel2->height(), 230);
    for (QWidget* hidden : {static_cast<QWidget*>(f.sbComp), static_cast<QWidget*>(f.SpeedButton14),
                            static_cast<QWidget*>(f.radComp)})
        EXPECT_FALSE(ShowsOnScreen(hidden));
    EXPECT_TRUE(ShowsOnScreen(f.SpeedButton3));
    EXPECT_TRUE(ShowsOnScreen(f.SpeedButton4));
    EXPECT_NE(f.SpeedButton15->icon().pixmap(17, 11).toImage(), up) << "the chevrons point down now";
    Click(f.SpeedButton15);
    EXPECT_EQ(f.Panel2->height(), 335);
    EXPECT_EQ(f.SpeedButton15->icon().pixmap(17, 11).toImage(), up);
}

TEST(HelpPopup, OpensBesideItsControlsAndClosesWhenTheWindowIsUsed) {
    StartedGame g;
    TForm1& f = g.F1();
    const QRect outer = f.frameGeometry();
    const int B = (outer.width() - f.width()) / 2, N = outer.height() - f.height();

    Click(f.SpeedButton12);
    ASSERT_TRUE(WaitFor([&] { return f.Form3->isVisible(); }));
    EXPECT_EQ(f.Form3->geometry(),
              QRect(outer.left() + B + f.Panel4->x(), outer.top() + N + f.Panel4->y() - 140, 153, 130));
    EXPECT_EQ(f.Form3->Memo1->toPlainText().toStdString(), sky::LoadStr(g.S().Language + 10));
    g.Screenshot("help_camera");

    Click(f.SpeedButton14);
    EXPECT_EQ(f.Form3->geometry(), QRect(outer.left() + B + f.Panel2->x(),
                                         outer.top() + N + f.Panel2->y() + f.Panel2->height() + 5, 161, 100));
    EXPECT_EQ(f.Form3->Memo1->toPlainText().toStdString(), sky::LoadStr(g.S().Language + 20));

    Click(f.SpeedButton4);
    EXPECT_EQ(f.Form3->geometry(), QRect(outer.left() + B + f.Panel2->x(),
                                         outer.top() + N + f.Panel2->y() + f.SpeedButton4->y() + 25, 161, 130));
    EXPECT_EQ(f.Form3->Memo1->toPlainText().toStdString(), sky::LoadStr(g.S().Language + 9));

    ASSERT_TRUE(WaitFor([&] { return f.Form3->isActiveWindow(); }, 2000));
    f.activateWindow();
    EXPECT_TRUE(WaitFor([&] { return !f.Form3->isVisible(); }, 2000)) << "using the main window closes the help";
}

TEST(SoundSwitch, OffStopsTheSoundAndOnPlaysNothing) {
    StartedGame g;
    TForm1& f = g.F1();
    Click(f.SpeedButton1);
    f.Sound().Play(g.S().SoundData[1].data, g.S().SoundData[1].size);
    ASSERT_TRUE(f.Sound().IsPlaying()) << "the flight sound from the resources plays (SDL_AUDIODRIVER=dummy)";
    QTest::mouseClick(f.radSound->ItemButton(1), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_EQ(g.S().SoundOn, 0);
    EXPECT_FALSE(f.Sound().IsPlaying());
    QTest::mouseClick(f.radSound->ItemButton(0), Qt::LeftButton, {}, QPoint(6, 7));
    EXPECT_EQ(g.S().SoundOn, 1);
    EXPECT_FALSE(f.Sound().IsPlaying());
}

TEST(Banner, ClickOpensTheWebPage) {
    StartedGame g;
    TForm1& f = g.F1();
    QString opened;
    f.OpenUrl = [&](const QString& address) { opened = address; };
    EXPECT_EQ(f.Image1->cursor().shape(), Qt::PointingHandCursor);
    Click(f.Image1);
    EXPECT_EQ(opened, QString::fromUtf8(TForm1::BannerAddress));
}
