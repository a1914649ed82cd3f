// The New game dialog (Ctrl+N): how the next game is played. Another player
// at this computer, the computer as Player 2, or a network game hosted here or
// joined elsewhere (with the host's address and join code). Modal, in the
// window's language, and usable from the keyboard and with a screen reader:
// the choices are radio buttons (arrow keys), the fields are named by their
// labels, Return plays and Escape cancels.
#pragma once

#include <QDialog>

#include "core/seats.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

class NewGameDialog : public QDialog {
public:
    NewGameDialog(QWidget* parent, int language, const sky::PlayChoice& current);
    // What was chosen; the level and port stay as they were.
    sky::PlayChoice Choice() const;

    QButtonGroup* Kinds;
    QLineEdit* Address;
    QLineEdit* Code;
    QPushButton* PlayButton;

private:
    void Update();
    sky::PlayChoice current_;
};
