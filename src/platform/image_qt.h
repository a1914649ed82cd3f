// The image control: shows a sky::Canvas of its own size unscaled, reports
// the mouse in its own pixels (while a button is held, moves keep coming from
// outside its bounds), passes keys on, and tells a screen reader what it
// shows and, for the aiming images, the value it sets.
#pragma once

#include <QAccessible>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

#include "core/canvas.h"

namespace sky {

// What a screen reader and a tool tip tell of an image; every part optional.
struct ImageAccess {
    QAccessible::Role role = QAccessible::Graphic;
    std::function<std::string()> name, description;
    bool toolTip = false;  // show the name and the description as the tool tip
    // An image that sets a value (a slider, a dial): the value in a player's
    // numbers, its range and step, and how a screen reader sets it.
    std::function<double()> value;
    double minimum = 0, maximum = 0, step = 0;
    std::function<void(double)> setValue;
};

class TImage : public QWidget {
public:
    TImage(QWidget* parent, int width, int height);
    sky::Canvas& Canvas() { return canvas_; }
    // Shows the canvas again if it changed since it was last shown, and tells
    // a screen reader when the value changed since it was last told.
    void Changed();
    // The language changed: a screen reader reads the name and description anew.
    void TextsChanged();
    std::function<void(int x, int y)> OnMouseDown, OnMouseMove, OnMouseUp;
    // A key pressed while the image has the focus; answers whether it was used.
    std::function<bool(int key, Qt::KeyboardModifiers modifiers)> OnKeyDown;
    ImageAccess Access;

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    sky::Canvas canvas_;
    uint64_t shownVersion_ = ~uint64_t{0};
    std::optional<double> toldValue_;
};

}  // namespace sky
