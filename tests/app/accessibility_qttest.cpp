// What a screen reader finds in the real window: the toolkit's accessible
// tree (names, roles, values, descriptions) after keys, a drag and language
// switches, the events that tell it of changes, and the announcements of a
// shot and a winner. Run by CTest in an AT-SPI session (atspi_session.sh), where the
// toolkit's accessibility is switched on as for a screen reader.
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QHelpEvent>
#include <QRadioButton>
#include <QTimer>
#include <QToolTip>

#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/form4_qt.h"
#include "app/window_fixture.h"
#include "ui/strings.h"

namespace {

// Each event with the name its object had at that moment.
std::vector<std::tuple<QObject*, QAccessible::Event, std::string>>& Events() {
    static std::vector<std::tuple<QObject*, QAccessible::Event, std::string>> events;
    return events;
}

bool Heard(QObject* o, QAccessible::Event type) {
    for (const auto& [object, event, name] : Events())
        if (object == o && event == type) return true;
    return false;
}

QAccessibleInterface* A(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
std::string Name(QObject* o) { return A(o)->text(QAccessible::Name).toStdString(); }
std::string Description(QObject* o) { return A(o)->text(QAccessible::Description).toStdString(); }
double Value(QObject* o) { return A(o)->valueInterface()->currentValue().toDouble(); }

void PickLanguage(TForm1& f, int index) { f.radSprache->ItemButton(index)->click(); }

std::string ToolTip(QWidget* w) {
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(w, &help);
    return QToolTip::text().toStdString();
}

// A started game in English with the screen reader on; the test stands in for
// the reader and records every event the toolkit would send it.
class Accessibility : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("SKY_ATSPI_SESSION")) GTEST_SKIP() << "run by CTest in an AT-SPI session";
        game_ = std::make_unique<StartedGame>();
        // atspi_session.sh has the bus report the screen reader on before the
        // tests start; the toolkit reads that once and then joins the accessibility bus.
        ASSERT_TRUE(WaitFor([] { return QAccessible::isActive(); }, 10000))
            << "the toolkit's accessibility did not switch on within 10 s of the start, "
               "though the bus reported the screen reader on";
        QAccessible::installUpdateHandler([](QAccessibleEvent* e) {
            const QAccessibleInterface* a = e->accessibleInterface();
            Events().emplace_back(e->object(), e->type(), a ? a->text(QAccessible::Name).toStdString() : "");
        });
        PickLanguage(game_->F1(), 1);
    }
    void TearDown() override { QAccessible::installUpdateHandler(nullptr); }
    std::unique_ptr<StartedGame> game_;
};

}  // namespace

TEST_F(Accessibility, TheTreeNamesEveryControlAndFollowsKeysAndLanguages) {
    StartedGame& g = *game_;
    TForm1& f = g.F1();

    // The aiming widgets: a slider, a dial and a slider, their values in words and numbers.
    EXPECT_EQ(A(f.im3)->role(), QAccessible::Slider);
    EXPECT_EQ(Name(f.im3), "Power 60") << "the stored 40 is a shot of speed 60";
    EXPECT_EQ(Value(f.im3), 60);
    EXPECT_EQ(A(f.im3)->valueInterface()->maximumValue().toDouble(), 100);
    EXPECT_EQ(A(f.pb)->role(), QAccessible::Dial);
    EXPECT_EQ(Name(f.pb), "Direction 90 degrees, towards the top of the map");
    EXPECT_EQ(Value(f.pb), 90);
    EXPECT_EQ(Name(f.im2), "Elevation 11.5 degrees");
    EXPECT_NE(Description(f.pb).find("Right turns clockwise"), std::string::npos);
    EXPECT_EQ(ToolTip(f.pb), Name(f.pb) + "\n" + Description(f.pb));

    // A key and a drag change the value and tell the reader.
    Events().clear();
    QTest::keyClick(f.windowHandle(), Qt::Key_Up);
    EXPECT_EQ(Name(f.im3), "Power 60.3");
    EXPECT_NEAR(Value(f.im3), 100 - 7300.0 / 184, 1e-12);
    EXPECT_TRUE(Heard(f.im3, QAccessible::ValueChanged));
    EXPECT_TRUE(Heard(f.im3, QAccessible::NameChanged));
    QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, f.pb->mapTo(&f, QPoint(90, 60)));
    EXPECT_EQ(Name(f.pb), "Direction 0 degrees, towards the right of the map");
    EXPECT_TRUE(Heard(f.pb, QAccessible::ValueChanged));
    // The reader can set a value too: the nearest the mouse could.
    A(f.im3)->valueInterface()->setCurrentValue(75);
    EXPECT_DOUBLE_EQ(g.S().PlayerAim[g.S().CurrentPlayer].power, 25);

    // Buttons by their captions or by what they do; groups by their captions.
    EXPECT_EQ(Name(f.SpeedButton3), "Shoot");
    EXPECT_EQ(A(f.SpeedButton3)->role(), QAccessible::Button);
    EXPECT_EQ(Name(f.SpeedButton13), "New Game");
    EXPECT_EQ(Name(f.SpeedButton7), "Turn the view up");
    EXPECT_EQ(Description(f.SpeedButton7), "Key: Up arrow in the 3D view");
    EXPECT_EQ(Name(f.SpeedButton11), "Reset the view");
    EXPECT_EQ(Name(f.SpeedButton1), "Show the settings");
    f.SpeedButton1->click();
    EXPECT_EQ(Name(f.SpeedButton1), "Hide the settings");
    EXPECT_EQ(Name(f.SpeedButton4), "Help on aiming and shooting");
    EXPECT_EQ(A(f.radComp)->role(), QAccessible::Grouping);
    EXPECT_EQ(Name(f.radComp), "Computer Intelligence");
    EXPECT_EQ(Name(f.radSprache), "Language");
    EXPECT_EQ(Name(f.DeviceContext), "3D view");
    EXPECT_EQ(A(f.laSpieler)->role(), QAccessible::StaticText);
    EXPECT_EQ(Name(f.laSpieler), "Player " + std::to_string(g.S().CurrentPlayer));
    // Where the players stand, in ninths of the map: "at the left", "in the middle"...
    EXPECT_EQ(Description(f.imLand).rfind("Player 1 ", 0), 0u) << Description(f.imLand);
    EXPECT_NE(Description(f.imLand).find(", player 2 "), std::string::npos) << Description(f.imLand);
    EXPECT_EQ(Description(f.imPfeil).rfind("The wind blows towards ", 0), 0u) << Description(f.imPfeil);

    // Another language renames everything and tells the reader.
    Events().clear();
    PickLanguage(f, 0);
    EXPECT_EQ(Name(f.im3), "St\u00e4rke 75");
    EXPECT_EQ(Name(f.pb), "Richtung 0 Grad, auf der Karte nach rechts");
    EXPECT_EQ(Name(f.SpeedButton3), "Schuss");
    EXPECT_EQ(Name(f.SpeedButton7), "Ansicht nach oben drehen");
    EXPECT_EQ(Name(f.SpeedButton1), "Einstellungen verbergen");
    EXPECT_EQ(Name(f.radComp), "Computer-Intelligenz");
    EXPECT_TRUE(Heard(f.im3, QAccessible::NameChanged));
    EXPECT_TRUE(Heard(f.SpeedButton3, QAccessible::NameChanged));
    PickLanguage(f, 2);
    EXPECT_EQ(Name(f.im2), "Eleva\u00e7\u00e3o 11,5 graus");
    EXPECT_EQ(Name(f.SpeedButton13), "Jogo Novo");
    EXPECT_EQ(Name(f.radSprache), "L\u00edngua");
}

TEST_F(Accessibility, TheShotTheTurnAndTheWinnerAreAnnounced) {
    StartedGame& g = *game_;
    TForm1& f = g.F1();
    EXPECT_EQ(A(f.Announcer)->role(), QAccessible::Notification);
    const int shooter = g.S().CurrentPlayer, other = 3 - shooter;
    g.S().PlayerAim[shooter] = {0, -1.2, 99};  // steep and weak: down again at once, beside the shooter
    g.S().Energy[shooter] = 10;                 // who does not survive it
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (f.Form4->isVisible()) f.Form4->accept();
    });
    answer.start(20);
    QTest::mouseClick(f.SpeedButton3, Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return f.ShotThread->Finished(); }, 60000));

    // What the reader heard: a notification appearing for each sentence.
    std::vector<std::string> said;
    for (const auto& [object, event, name] : Events())
        if (object == f.Announcer && event == QAccessible::ObjectShow) said.push_back(name);
    ASSERT_EQ(said.size(), 2u);
    EXPECT_EQ(said[0].rfind("Player " + std::to_string(shooter) + " loses ", 0), 0u) << said[0];
    EXPECT_NE(said[0].find(", 0 % left. Player " + std::to_string(other) + "'s turn."), std::string::npos) << said[0];
    EXPECT_EQ(said[1], sky::WinnerText(2000, other));
    EXPECT_EQ(A(f.Form4)->text(QAccessible::Name).toStdString(), said[1]) << "the winner window is named by its text";
}
