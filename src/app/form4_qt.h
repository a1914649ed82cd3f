// The winner window: a small borderless modal box with the winner text and OK.
#pragma once

#include <QDialog>

#include "platform/widgets_qt.h"

class TForm4 : public QDialog {
public:
    explicit TForm4(QWidget* parent = nullptr);
    sky::TShape* Shape1;
    sky::TMemo* Memo1;
    sky::TFlatButton* SpeedButton1;

    void SpeedButton1Click();
    void Memo1Enter();

protected:
    // Return, Enter and Space answer OK from the keyboard: the flat OK button
    // is no dialog default, and the window keeps the focus itself.
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
};
