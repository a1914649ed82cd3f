#include "app/form4_qt.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "ui/window_layout.h"

using sky::layout::Find;
using sky::layout::WinnerWindow;

namespace {
void Place(QWidget* w, const sky::layout::Control& c) {
    sky::Place(w, c.box.left, c.box.top, c.box.width, c.box.height);
}
}  // namespace

TForm4::TForm4(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog) {
    setFixedSize(sky::layout::WinnerSize.width, sky::layout::WinnerSize.height);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(sky::PanelGrey));
    setPalette(pal);
    setAutoFillBackground(true);

    Memo1 = new sky::TMemo(this);
    Place(Memo1, Find(WinnerWindow, "Memo1"));
    Memo1->setWordWrapMode(QTextOption::WordWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->OnEnter = [this] { Memo1Enter(); };

    SpeedButton1 = new sky::TFlatButton(this);
    Place(SpeedButton1, Find(WinnerWindow, "SpeedButton1"));
    SpeedButton1->SetCaption("OK");
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };

    Shape1 = new sky::TShape(this);
    Place(Shape1, Find(WinnerWindow, "Shape1"));

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TForm4::SpeedButton1Click() { done(QDialog::Accepted); }

void TForm4::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
        SpeedButton1Click();
        return;
    }
    QDialog::keyPressEvent(e);
}

// The text must show no caret and not be selectable by keyboard: the window keeps the focus itself.
void TForm4::Memo1Enter() { setFocus(Qt::OtherFocusReason); }
