// The window thread against the shot worker: the handlers usable during a
// shot keep to GameState::SharedLock.
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

#include "app/window_fixture.h"

namespace {

using Handler = std::function<void()>;

// Picks the next item of a radio group and calls its handler, as a click does.
Handler Cycle(sky::TRadioGroup* group, int items, void (TForm1::*handler)(), TForm1& f) {
    return [=, &f] {
        group->SetItemIndex((group->ItemIndex() + 1) % items);
        (f.*handler)();
    };
}

}  // namespace

// Under ThreadSanitizer a handler that touches what the worker writes (or
// writes what it reads) without the lock is reported here. The handlers are
// called from the test body, not through the event loop, so that no toolkit
// frame lies under their accesses for a suppression to match. Each group has
// a shot of its own and is called once between every two of the worker's
// calls, after the worker has done its part: a handler taking the lock
// before would order the worker's writes before the next handler's accesses,
// and the sanitizer would see no race.
//
// SKY_PLANTED_RACE=1 in the environment puts in the sound switch written as
// it must not be, without the lock: the sanitizer build must then fail here.
TEST(ShotRaces, HandlersUsableDuringAShotKeepToTheSharedLock) {
    StartedGame g;
    TForm1& f = g.F1();
    sky::GameState& s = g.S();
    const Handler sound = Cycle(f.radSound, 2, &TForm1::radSoundClick, f);
    const Handler planted = [&] {
        f.radSound->SetItemIndex(1 - f.radSound->ItemIndex());
        s.SoundOn = f.radSound->ItemIndex() == 0;
    };
    const std::vector<std::vector<Handler>> groups = {
        {std::getenv("SKY_PLANTED_RACE") ? planted : sound},
        {Cycle(f.radSprache, 3, &TForm1::radSpracheClick, f)},
        {Cycle(f.radiogr, 3, &TForm1::radiogrClick, f)},
        {Cycle(f.radSize, 5, &TForm1::radSizeClick, f)},
        {Cycle(f.radFarben, 6, &TForm1::radFarbenClick, f)},
        {[&] { f.SpeedButton1Click(); }, [&] { f.SpeedButton2Click(); }, [&] { f.SpeedButton15Click(); }},
        {[&] { f.SpeedButton4Click(); }, [&] { f.SpeedButton12Click(); }, [&] { f.SpeedButton14Click(); }},
        {[&] { f.SpeedButton5Click(); }, [&] { f.SpeedButton6Click(); }, [&] { f.SpeedButton7Click(); },
         [&] { f.SpeedButton8Click(); }, [&] { f.SpeedButton9Click(); }, [&] { f.SpeedButton10Click(); },
         [&] { f.SpeedButton11Click(); },
         [&] {
             f.FormMouseDown(Qt::LeftButton, 300, 300);
             f.FormMouseMove(320, 290);
             f.FormMouseUp();
         },
         [&] {
             f.FormMouseDown(Qt::RightButton, 300, 300);
             f.FormMouseMove(300, 310);
             f.FormMouseUp();
         }},
    };
    for (const std::vector<Handler>& group : groups) {
        // A flat hop towards the middle over flat ground: flight, crater and
        // debris, and nobody beaten, so no winner window waits for an answer.
        const int shooter = s.CurrentPlayer;
        const sky::Cell at = s.PlayerPos[shooter];
        for (int32_t& h : s.HeightMap) h = at.z;
        s.Energy[1] = s.Energy[2] = 100;
        s.SoundOn = 1;
        f.radSound->SetItemIndex(0);
        s.PlayerAim[shooter] = {std::atan2(250.0 - at.y, 250.0 - at.x), 0, 80};
        f.SpeedButton3Click();
        // Without its frames: they are drawn while the worker waits, so they
        // add no access to race with, only time.
        f.ShotThread->Terminate();
        std::size_t calls = 0;
        while (!f.ShotThread->Finished()) {
            f.Sync.Serve();  // the one call queued, if any
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
            group[calls++ % group.size()]();
        }
        f.ShotThread->WaitFor();
        EXPECT_GT(calls, 10u) << "the shot went by between few calls";
        EXPECT_EQ(s.CurrentPlayer, 3 - shooter);
    }
}
