// The keyboard: the order Tab visits the controls in, the keys of the aiming
// widgets and of the 3D view, and the frame that shows where the focus is.
#include <QRadioButton>

#include <optional>

#include "app/form1_qt.h"

using namespace sky;

namespace {

std::optional<AimKey> AimKeyOf(int key) {
    switch (key) {
        case Qt::Key_Up: return AimKey::Up;
        case Qt::Key_Down: return AimKey::Down;
        case Qt::Key_Left: return AimKey::Left;
        case Qt::Key_Right: return AimKey::Right;
        case Qt::Key_PageUp: return AimKey::PageUp;
        case Qt::Key_PageDown: return AimKey::PageDown;
        case Qt::Key_Home: return AimKey::Home;
        case Qt::Key_End: return AimKey::End;
        default: return std::nullopt;
    }
}

// A radio group is one stop: its items follow each other in the chain.
void AddGroup(std::vector<QWidget*>& chain, const TRadioGroup* group) {
    for (int i = 0; group->ItemButton(i); ++i) chain.push_back(group->ItemButton(i));
}

}  // namespace

void TForm1::ConnectKeys() {
    // The aiming images and the view also take the focus by a click, so their keys work after a drag.
    for (QWidget* w : {static_cast<QWidget*>(im3), static_cast<QWidget*>(pb), static_cast<QWidget*>(im2),
                       static_cast<QWidget*>(DeviceContext)})
        w->setFocusPolicy(Qt::StrongFocus);
    // Aiming first, then the shot, the computer player, the view and its
    // buttons, a new game and the settings; last the folds and the help.
    std::vector<QWidget*> chain{im3, pb, im2, SpeedButton3, sbComp};
    AddGroup(chain, radComp);
    chain.insert(chain.end(), {DeviceContext, SpeedButton7, SpeedButton9, SpeedButton11, SpeedButton10, SpeedButton8,
                               SpeedButton5, SpeedButton6, SpeedButton13, SpeedButton1});
    for (const TRadioGroup* group : {radSprache, radiogr, radSize, radFarben, radSound}) AddGroup(chain, group);
    chain.insert(chain.end(), {SpeedButton2, SpeedButton15, SpeedButton4, SpeedButton14, SpeedButton12});
    SetTabChain(chain);
    im3->setFocus(Qt::OtherFocusReason);

    const auto fine = [](Qt::KeyboardModifiers m) { return (m & Qt::ShiftModifier) != 0; };
    im3->OnKeyDown = [this](int key, Qt::KeyboardModifiers) {
        const auto k = AimKeyOf(key);
        return k && aim_->im3KeyDown(*k);
    };
    pb->OnKeyDown = [this, fine](int key, Qt::KeyboardModifiers m) {
        const auto k = AimKeyOf(key);
        return k && aim_->pbKeyDown(*k, fine(m));
    };
    im2->OnKeyDown = [this, fine](int key, Qt::KeyboardModifiers m) {
        const auto k = AimKeyOf(key);
        return k && aim_->im2KeyDown(*k, fine(m));
    };
    DeviceContext->OnKeyDown = [this](int key) { return ViewKeyDown(key); };

    FocusMark = new FocusFrame(this);
    FocusMark->FrameInside(DeviceContext);
}

// The camera buttons' steps, on the keys their glyphs show.
bool TForm1::ViewKeyDown(int key) {
    switch (key) {
        case Qt::Key_Up: SpeedButton7Click(); return true;
        case Qt::Key_Down: SpeedButton8Click(); return true;
        case Qt::Key_Left: SpeedButton9Click(); return true;
        case Qt::Key_Right: SpeedButton10Click(); return true;
        case Qt::Key_Plus:
        case Qt::Key_Equal: SpeedButton5Click(); return true;  // "=" is "+" without Shift on many keyboards
        case Qt::Key_Minus: SpeedButton6Click(); return true;
        case Qt::Key_Home: SpeedButton11Click(); return true;
        default: return false;
    }
}
