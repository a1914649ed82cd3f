// What the controls are to a screen reader (the toolkit's accessibility,
// AT-SPI on Linux): the image controls as sliders, dials or graphics with the
// texts and values of their ImageAccess, radio groups and panels as groups,
// and a live announcer for what happens away from the focus.
#pragma once

#include <QWidget>

#include <string>

namespace sky {

// Registers how a screen reader sees the game's own controls; once per program, later calls do nothing.
void InstallAccessibleControls();

// Says a sentence to a screen reader without showing anything: a notification
// of no size, shown anew for every sentence (a screen reader speaks a
// notification when it appears).
class LiveAnnouncer : public QWidget {
public:
    explicit LiveAnnouncer(QWidget* parent);
    void Say(const std::string& sentence);
};

}  // namespace sky
