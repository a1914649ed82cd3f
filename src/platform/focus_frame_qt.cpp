#include "platform/focus_frame_qt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>

namespace sky {
namespace {

constexpr int Gap = 1, Width = 2;  // between the control and the frame; the frame itself

}  // namespace

FocusFrame::Ring::Ring(QWidget* parent) : QFocusFrame(parent) { hide(); }

void FocusFrame::Ring::Surround(QWidget* parent, const QRect& outer, int width) {
    if (parentWidget() != parent) setParent(parent);
    setGeometry(outer);
    const QRect all(QPoint(0, 0), outer.size());
    setMask(QRegion(all).subtracted(QRegion(all.adjusted(width, width, -width, -width))));
    raise();
    show();
}

void FocusFrame::Ring::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), QApplication::palette().color(QPalette::Highlight));
}

FocusFrame::FocusFrame(QWidget* window) : QObject(window), window_(window) {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, [this] { Follow(); });
}

void FocusFrame::FrameInside(QWidget* control) { inside_.push_back(control); }

bool FocusFrame::InWindow(QObject* o) const {
    const auto* w = qobject_cast<QWidget*>(o);
    return w && w->window() == window_;
}

bool FocusFrame::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(e)->key();
            if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && InWindow(watched)) keyboard_ = true;
            break;
        }
        case QEvent::MouseButtonPress:
            if (keyboard_ && InWindow(watched)) {
                keyboard_ = false;
                // The style's own focus marks go with it.
                window_->setAttribute(Qt::WA_KeyboardFocusChange, false);
                if (QWidget* f = QApplication::focusWidget()) f->update();
                Follow();
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            if (watched == framed_) Follow();
            break;
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (watched == window_) Follow();
            break;
        default:
            break;
    }
    return false;
}

void FocusFrame::Follow() {
    QWidget* f = QApplication::focusWidget();
    const bool show = keyboard_ && f && f->window() == window_ && window_->isActiveWindow() && f->isVisible();
    framed_ = show ? f : nullptr;
    const bool inside = show && std::find(inside_.begin(), inside_.end(), f) != inside_.end();
    if (around_ && (!show || inside)) around_->hide();
    if (along_ && (!show || !inside)) along_->hide();
    if (!show) return;
    if (inside) {
        if (!along_) along_ = new Ring(window_);
        along_->Surround(window_, QRect(f->mapTo(window_, QPoint(0, 0)), f->size()), Width);
        return;
    }
    if (!around_) around_ = new Ring(f->parentWidget());
    // A radio item is as wide as its group; its frame hugs the mark and the text.
    QRect r = f->geometry();
    if (qobject_cast<QRadioButton*>(f)) r.setWidth(std::min(r.width(), f->sizeHint().width()));
    const int m = Gap + Width;
    around_->Surround(f->parentWidget(), r.adjusted(-m, -m, m, m), Width);
}

}  // namespace sky
