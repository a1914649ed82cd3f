#include "app/form3_qt.h"

#include "platform/frame_extents.h"

// Where the program places its windows, a borderless tool window; elsewhere
// a pop-up of the main window, which the compositor places beside the control.
TForm3::TForm3(QWidget* parent)
    : QWidget(parent, (sky::PlacesOwnWindows() ? Qt::Tool : Qt::Popup) | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(302, 136);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(sky::PanelGrey));
    setPalette(pal);
    setAutoFillBackground(true);

    Memo1 = new sky::TMemo(this);
    Memo1->setWordWrapMode(QTextOption::WordWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->viewport()->setCursor(Qt::ArrowCursor);
    Memo1->OnEnter = [this] { Memo1Enter(); };
    Shape1 = new sky::TShape(this);
    resizeEvent(nullptr);
}

// Anchored on all four sides: the text keeps a 5-pixel margin whatever the size.
void TForm3::resizeEvent(QResizeEvent*) {
    sky::Place(Memo1, 5, 5, width() - 10, height() - 9);
    sky::Place(Shape1, 0, 0, width(), height());
}

void TForm3::Memo1Enter() { setFocus(Qt::OtherFocusReason); }
