#include "platform/image_qt.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace sky {

TImage::TImage(QWidget* parent, int width, int height) : QWidget(parent), canvas_(width, height, PanelGrey) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(width, height);
}

void TImage::Changed() {
    if (canvas_.Version() != shownVersion_) update();
    if (!Access.value) return;
    const double value = Access.value();
    if (toldValue_ == value) return;
    toldValue_ = value;
    QAccessibleValueChangeEvent changed(this, value);
    QAccessible::updateAccessibility(&changed);
    // The name carries the value in words.
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

void TImage::TextsChanged() {
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

bool TImage::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip && Access.toolTip && Access.name) {
        // Asked for at the moment it shows, so it has the value of that moment.
        std::string text = Access.name();
        if (Access.description) text += "\n" + Access.description();
        QToolTip::showText(static_cast<QHelpEvent*>(e)->globalPos(), QString::fromStdString(text), this);
        return true;
    }
    return QWidget::event(e);
}

void TImage::paintEvent(QPaintEvent*) {
    const QImage img(reinterpret_cast<const uchar*>(canvas_.Bits()), canvas_.Width(), canvas_.Height(),
                     canvas_.Width() * 4, QImage::Format_RGB32);
    QPainter painter(this);
    painter.drawImage(0, 0, img);
    // Locked: the face shows through a veil of the panel grey, which leaves
    // the panel-grey surroundings as they are and the canvas untouched.
    if (!isEnabled()) painter.fillRect(rect(), QColor(RedOf(PanelGrey), GreenOf(PanelGrey), BlueOf(PanelGrey), 150));
    shownVersion_ = canvas_.Version();
}

void TImage::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) update();
}

void TImage::mousePressEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseDown) OnMouseDown(p.x(), p.y());
    Changed();
}

void TImage::mouseMoveEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseMove) OnMouseMove(p.x(), p.y());
    Changed();
}

void TImage::mouseReleaseEvent(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    if (OnMouseUp) OnMouseUp(p.x(), p.y());
    Changed();
}

void TImage::keyPressEvent(QKeyEvent* e) {
    if (OnKeyDown && OnKeyDown(e->key(), e->modifiers())) {
        Changed();
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace sky
