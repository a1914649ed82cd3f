// The help pop-up: a borderless, non-modal box with a scrolling help text,
// placed beside the controls it explains and hidden when the main window is used.
#pragma once

#include <QWidget>

#include "platform/widgets_qt.h"

class TForm3 : public QWidget {
public:
    explicit TForm3(QWidget* parent = nullptr);
    sky::TShape* Shape1;
    sky::TMemo* Memo1;
    void Memo1Enter();

protected:
    void resizeEvent(QResizeEvent*) override;
};
