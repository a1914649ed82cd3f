#include "platform/widgets_qt.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTextBlock>

namespace sky {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

void SetBackground(QWidget* w, QColor colour) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Button, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

}  // namespace

QFont ControlFont() {
    // Liberation Sans has the narrow metrics the captions were laid out for.
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    f.setBold(true);
    return f;
}

void StyleText(QWidget* w, QColor colour) {
    w->setFont(ControlFont());
    QPalette pal = w->palette();
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        pal.setColor(role, colour);
        pal.setColor(QPalette::Disabled, role, QColor(DisabledText));  // a locked control looks locked
    }
    w->setPalette(pal);
}

void Place(QWidget* w, int left, int top, int width, int height) { w->setGeometry(left, top, width, height); }

TPanel::TPanel(QWidget* parent) : QWidget(parent) { SetBackground(this, QColor(PanelGrey)); }

TShape::TShape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::white);
    p.drawRect(0, 0, width() - 1, height() - 1);
}

TBevel::TBevel(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TBevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(160, 160, 160));
    p.drawLine(0, 0, width() - 1, 0);
    p.setPen(Qt::white);
    p.drawLine(0, 1, width() - 1, 1);
}

TFlatButton::TFlatButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    StyleText(this);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick) OnClick();
    });
}

void TFlatButton::SetCaption(const std::string& caption) { setText(Q(caption)); }
std::string TFlatButton::Caption() const { return text().toStdString(); }

void TFlatButton::SetGlyph(const QPixmap& glyph) {
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
    StyleText(this);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TLabel::SetCaption(const std::string& caption) {
    setText(Q(caption));
    adjustSize();
}
std::string TLabel::Caption() const { return text().toStdString(); }

void TLabel::SetFontColour(QColor colour) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}
QColor TLabel::FontColour() const { return palette().color(QPalette::WindowText); }

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setFrameShape(QFrame::NoFrame);
    StyleText(this);
    SetBackground(this, QColor(PanelGrey));
    viewport()->setAutoFillBackground(false);
}

void TMemo::SetLines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& l : lines) list << Q(l);
    setPlainText(list.join('\n'));
}

void TMemo::SetText(const std::string& text) { setPlainText(Q(text)); }

std::vector<std::string> TMemo::Lines() const {
    std::vector<std::string> out;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) out.push_back(b.text().toStdString());
    return out;
}

void TMemo::focusInEvent(QFocusEvent* e) {
    if (OnEnter) {
        OnEnter();
        return;
    }
    QPlainTextEdit::focusInEvent(e);
}

TRadioGroup::TRadioGroup(QWidget* parent) : QWidget(parent), group_(new QButtonGroup(this)) {
    StyleText(this);
    connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
        index_ = id;
        if (OnClick) OnClick();
    });
}

void TRadioGroup::SetCaption(const std::string& caption) {
    caption_ = caption;
    update();
}

void TRadioGroup::SetItems(const std::string& items) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const auto nl = items.find('\n', start);
        parts.push_back(items.substr(start, nl == std::string::npos ? std::string::npos : nl - start));
        if (nl == std::string::npos) break;
        start = nl + 1;
    }
    items_ = parts;
    while (buttons_.size() < items_.size()) {
        auto* b = new QRadioButton(this);
        StyleText(b);
        b->setFocusPolicy(Qt::NoFocus);
        group_->addButton(b, static_cast<int>(buttons_.size()));
        b->show();
        buttons_.push_back(b);
    }
    while (buttons_.size() > items_.size()) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    for (std::size_t i = 0; i < items_.size(); ++i) buttons_[i]->setText(Q(items_[i]));
    SetItemIndex(index_ < static_cast<int>(items_.size()) ? index_ : -1);
    LayoutItems();
}

void TRadioGroup::SetItemIndex(int index) {
    index_ = index;
    if (index >= 0 && index < static_cast<int>(buttons_.size())) {
        buttons_[static_cast<std::size_t>(index)]->setChecked(true);
    } else if (auto* checked = group_->checkedButton()) {
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
    }
}

QRadioButton* TRadioGroup::ItemButton(int index) const {
    return index >= 0 && index < static_cast<int>(buttons_.size()) ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void TRadioGroup::resizeEvent(QResizeEvent*) { LayoutItems(); }

void TRadioGroup::LayoutItems() {
    if (buttons_.empty()) return;
    // Items share the room below the caption evenly, each centred in its share.
    const int top = 13, bottom = 3;
    const int each = (height() - top - bottom) / static_cast<int>(buttons_.size());
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setGeometry(8, top + static_cast<int>(i) * each + (each - 15) / 2, width() - 12, 15);
}

void TRadioGroup::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int y = fm.height() / 2;
    // An etched frame: a grey line with a white line below and to the right.
    p.setPen(QColor(160, 160, 160));
    p.drawRect(0, y, width() - 2, height() - y - 2);
    p.setPen(Qt::white);
    p.drawRect(1, y + 1, width() - 2, height() - y - 2);
    if (!caption_.empty()) {
        const QString text = Q(caption_);
        const QRect r(7, 0, fm.horizontalAdvance(text), fm.height());
        p.fillRect(r, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

void TPicture::mouseReleaseEvent(QMouseEvent* e) {
    if (OnClick && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) OnClick();
}

TImage::TImage(QWidget* parent, int width, int height)
    : QWidget(parent), canvas_(width, height, PanelGrey) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(width, height);
}

void TImage::Changed() {
    if (canvas_.Version() != shownVersion_) update();
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

}  // namespace sky
