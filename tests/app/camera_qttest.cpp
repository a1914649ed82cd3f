// The camera on the real window: drags on the free surface of the 3D view,
// the seven camera buttons, the hidden memo, and resizing down to nothing.
#include <QMouseEvent>

#include <string>
#include <vector>

#include "app/window_fixture.h"

namespace {

using Lines = std::vector<std::string>;

// Numbers in the memo use the user's decimal separator.
std::string Dec(std::string text) {
    const char sep = QLocale::system().decimalPoint().at(0).toLatin1();
    for (char& c : text)
        if (c == '.') c = sep;
    return text;
}

// A point of the 3D view that no panel covers (the view fills the client area).
QPoint Free(TForm1& f, int dx = 0, int dy = 0) { return QPoint(f.width() / 2 + dx, f.height() / 2 + 60 + dy); }

// The mouse as the window system sends it, to the window the view is shown in.
QWindow* Win(TForm1& f) { return f.DeviceContext->Surface(); }
void Press(TForm1& f, QPoint at, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(Win(f), b, {}, at); }
void Release(TForm1& f, QPoint at, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(Win(f), b, {}, at); }
void Move(TForm1& f, QPoint at) { QTest::mouseMove(Win(f), at); }
void Click(QWidget* w) {
    QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {}, w->mapTo(w->window(), w->rect().center()));
}

// A move with the given buttons held, straight to the view.
void SendMove(TForm1& f, QPoint at, Qt::MouseButtons held) {
    QMouseEvent e(QEvent::MouseMove, at, f.DeviceContext->mapToGlobal(at), Qt::NoButton, held, {});
    QApplication::sendEvent(f.DeviceContext->Surface(), &e);
}

}  // namespace

TEST(Camera, LeftDragTurnsAndTiltsWithoutTouchingTheMemo) {
    StartedGame g;
    TForm1& f = g.F1();
    ASSERT_EQ(f.childAt(Free(f)), f.DeviceContext) << "the drag starts on the 3D view";
    f.Memo1->SetLines({"untouched"});

    Press(f, Free(f));
    EXPECT_EQ(f.DragMode, 1);
    const int frames = f.FramesDrawn();
    Move(f, Free(f, 0, 2));
    EXPECT_DOUBLE_EQ(f.RotX, 71);
    EXPECT_DOUBLE_EQ(f.RotY, 0);
    EXPECT_EQ(f.FramesDrawn(), frames + 1) << "each drag step draws one frame";
    Move(f, Free(f, 6, 2));
    EXPECT_DOUBLE_EQ(f.RotX, 71);
    EXPECT_DOUBLE_EQ(f.RotY, 3);
    Move(f, Free(f, -4, -9));  // up and left, from the last position
    EXPECT_DOUBLE_EQ(f.RotX, 65.5);
    EXPECT_DOUBLE_EQ(f.RotY, 358);
    // Over a panel the view keeps the mouse.
    Move(f, f.Panel2->geometry().center());
    EXPECT_EQ(f.FramesDrawn(), frames + 4);
    Release(f, f.Panel2->geometry().center());
    EXPECT_EQ(f.DragMode, 0);
    EXPECT_EQ(f.Memo1->Lines(), Lines{"untouched"});
    EXPECT_EQ(g.S().Zoom, -3);
}

TEST(Camera, DragsWrapIntoOneTurn) {
    StartedGame g;
    TForm1& f = g.F1();
    f.RotX = 359.5;
    f.RotY = 0.5;
    Press(f, Free(f));
    Move(f, Free(f, -2, 2));
    EXPECT_DOUBLE_EQ(f.RotX, 0.5);
    EXPECT_DOUBLE_EQ(f.RotY, 359.5);
    Move(f, Free(f, -2, 0));
    EXPECT_DOUBLE_EQ(f.RotX, 359.5);
    Release(f, Free(f, -2, 0));
}

TEST(Camera, ButtonsStepWithoutWrapOrLimit) {
    StartedGame g;
    TForm1& f = g.F1();
    f.Memo1->SetLines({"untouched"});
    int frames = f.FramesDrawn();
    for (int i = 0; i < 4; ++i) Click(f.SpeedButton7);
    EXPECT_DOUBLE_EQ(f.RotX, -10);
    EXPECT_EQ(f.FramesDrawn(), frames + 4) << "one frame per press";
    Click(f.SpeedButton8);
    EXPECT_DOUBLE_EQ(f.RotX, 10);
    Click(f.SpeedButton7);
    Click(f.SpeedButton9);
    EXPECT_DOUBLE_EQ(f.RotY, -20);
    for (int i = 0; i < 20; ++i) Click(f.SpeedButton10);
    EXPECT_DOUBLE_EQ(f.RotY, 380);

    // The next drag brings both back into one turn.
    Press(f, Free(f));
    Move(f, Free(f, 0, 2));
    EXPECT_DOUBLE_EQ(f.RotX, 351);
    EXPECT_DOUBLE_EQ(f.RotY, 20);
    Release(f, Free(f, 0, 2));

    for (int i = 0; i < 8; ++i) Click(f.SpeedButton5);
    EXPECT_DOUBLE_EQ(g.S().Zoom, 1) << "zoom passes 0 without a limit";
    for (int i = 0; i < 3; ++i) Click(f.SpeedButton6);
    EXPECT_DOUBLE_EQ(g.S().Zoom, -0.5);
    frames = f.FramesDrawn();
    Click(f.SpeedButton11);
    EXPECT_EQ(f.RotX, 70);
    EXPECT_EQ(f.RotY, 0);
    EXPECT_EQ(g.S().Zoom, -3);
    EXPECT_EQ(f.FramesDrawn(), frames + 1);
    EXPECT_EQ(f.Memo1->Lines(), Lines{"untouched"}) << "the buttons leave the memo alone";
}

TEST(Camera, RightDragZoomsAndShowsTheValues) {
    StartedGame g;
    TForm1& f = g.F1();
    f.RotY = 12.5;
    Press(f, Free(f), Qt::RightButton);
    EXPECT_EQ(f.DragMode, 2);
    const int frames = f.FramesDrawn();
    Move(f, Free(f, 30, 20));
    EXPECT_DOUBLE_EQ(g.S().Zoom, -4);
    EXPECT_EQ(f.RotX, 70) << "a zoom drag does not turn";
    EXPECT_EQ(f.RotY, 12.5);
    EXPECT_EQ(f.Memo1->Lines(), (Lines{"RotX: 70", Dec("RotY: 12.5"), "Zoom: -4"}));
    Move(f, Free(f, 30, -10));
    EXPECT_DOUBLE_EQ(g.S().Zoom, -2.5);
    EXPECT_EQ(f.Memo1->Lines(), (Lines{"RotX: 70", Dec("RotY: 12.5"), Dec("Zoom: -2.5")}));
    Move(f, Free(f, 30, -9));
    EXPECT_EQ(f.Memo1->Lines().at(2), Dec("Zoom: -2.55"));
    EXPECT_EQ(f.FramesDrawn(), frames + 3);
    Release(f, Free(f, 30, -9), Qt::RightButton);
    EXPECT_EQ(f.DragMode, 0);
}

TEST(Camera, AnyReleaseEndsTheDragAndIdleMovesDrawNothing) {
    StartedGame g;
    TForm1& f = g.F1();
    // A right press during a left drag switches to zooming ...
    Press(f, Free(f));
    Press(f, Free(f), Qt::RightButton);
    EXPECT_EQ(f.DragMode, 2);
    Move(f, Free(f, 0, 20));
    EXPECT_DOUBLE_EQ(g.S().Zoom, -4);
    EXPECT_EQ(f.RotX, 70);
    // ... and releasing either button ends the drag although the other is still held.
    Release(f, Free(f, 0, 20), Qt::RightButton);
    EXPECT_EQ(f.DragMode, 0);
    int frames = f.FramesDrawn();
    SendMove(f, Free(f, 0, 60), Qt::LeftButton);
    EXPECT_EQ(f.FramesDrawn(), frames);
    EXPECT_EQ(f.RotX, 70);
    EXPECT_DOUBLE_EQ(g.S().Zoom, -4);
    Release(f, Free(f, 0, 60));

    // The middle button starts nothing.
    Press(f, Free(f), Qt::MiddleButton);
    EXPECT_EQ(f.DragMode, 0);
    frames = f.FramesDrawn();
    Move(f, Free(f, 40, 40));
    SendMove(f, Free(f, 50, 50), Qt::MiddleButton);
    EXPECT_EQ(f.FramesDrawn(), frames);
    Release(f, Free(f, 40, 40), Qt::MiddleButton);

    // A middle press during a left drag leaves the drag as it is; its release ends it.
    Press(f, Free(f));
    Press(f, Free(f), Qt::MiddleButton);
    EXPECT_EQ(f.DragMode, 1);
    Move(f, Free(f, 0, 4));
    EXPECT_DOUBLE_EQ(f.RotX, 72);
    Release(f, Free(f, 0, 4), Qt::MiddleButton);
    EXPECT_EQ(f.DragMode, 0);
    Release(f, Free(f, 0, 4));
    frames = f.FramesDrawn();
    Move(f, Free(f, 0, 30));  // no button held: no drag
    EXPECT_EQ(f.FramesDrawn(), frames);
    EXPECT_DOUBLE_EQ(f.RotX, 72);
}

TEST(Camera, ShrinkingTheWindowToNothingAndBack) {
    StartedGame g;
    TForm1& f = g.F1();
    for (const int h : {0, 1}) {
        SCOPED_TRACE(h);
        f.resize(f.width(), h);
        QTest::qWait(100);
        f.FormResize();
        f.DrawScene();
    }
    f.resize(700, 560);
    ASSERT_TRUE(WaitFor([&] { return f.width() == 700 && f.height() == 560; }));
    QTest::qWait(100);
    const int frames = f.FramesDrawn();
    Click(f.SpeedButton8);
    EXPECT_EQ(f.FramesDrawn(), frames + 1);
    const QImage frame = f.DeviceContext->grabFramebuffer();
    ASSERT_FALSE(frame.isNull());
    EXPECT_EQ(frame.size(), QSize(700, 560));
    // The grey background fills the corners the landscape leaves.
    const QColor corner(frame.pixel(2, 2));
    EXPECT_NEAR(corner.red(), 128, 1);
    EXPECT_EQ(corner.red(), corner.green());
    EXPECT_EQ(corner.red(), corner.blue());
    EXPECT_EQ(f.Panel4->geometry().bottomRight(), QPoint(700 - 6, 560 - 6));
    EXPECT_EQ(f.Panel2->geometry().topRight(), QPoint(700 - 6, 5));
    g.Screenshot("after_shrinking");
}
