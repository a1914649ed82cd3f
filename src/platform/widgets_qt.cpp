#include "platform/widgets_qt.h"

#include <QButtonGroup>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QTextBlock>

#include <algorithm>

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

// A control a player can reach with Tab: itself, or one of its items.
bool TakesTab(const QWidget* w) {
    if (w->focusPolicy() & Qt::TabFocus) return true;
    const auto children = w->findChildren<QWidget*>();
    return std::any_of(children.begin(), children.end(),
                       [](const QWidget* c) { return (c->focusPolicy() & Qt::TabFocus) != 0; });
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

void SetTabChain(const std::vector<QWidget*>& chain) {
    std::vector<Qt::FocusPolicy> policies;
    for (QWidget* w : chain) {
        policies.push_back(w->focusPolicy());
        if (w->focusPolicy() == Qt::NoFocus) w->setFocusPolicy(Qt::TabFocus);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
    for (std::size_t i = 0; i < chain.size(); ++i) chain[i]->setFocusPolicy(policies[i]);
}

TPanel::TPanel(QWidget* parent) : QWidget(parent) { SetBackground(this, QColor(PanelGrey)); }

void TPanel::resizeEvent(QResizeEvent*) {
    const QRect inside = rect();
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->geometry().intersects(inside) || w->isHidden() || !TakesTab(w)) continue;
        w->hide();
        foldedAway_.emplace_back(w);
    }
    std::erase_if(foldedAway_, [&](const QPointer<QWidget>& w) {
        if (w && !w->geometry().intersects(inside)) return false;
        if (w) w->show();
        return true;
    });
}

TShape::TShape(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(Qt::white);
    p.drawRect(0, 0, width() - 1, height() - 1);
}

TBevel::TBevel(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

void TBevel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(EtchGrey));
    p.drawLine(0, 0, width() - 1, 0);
    p.setPen(Qt::white);
    p.drawLine(0, 1, width() - 1, 1);
}

TFlatButton::TFlatButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::TabFocus);
    StyleText(this);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick) OnClick();
    });
}

void TFlatButton::keyPressEvent(QKeyEvent* e) {
    // Space is the toolkit's own; Return is what a player expects of a button too.
    const bool plain = (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && plain) {
        click();
        return;
    }
    QToolButton::keyPressEvent(e);
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
        PlaceTabStop();
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
    PlaceTabStop();
}

// Only the checked item (the first while none is) is a Tab stop. The others
// are still reached by the arrow keys: the toolkit moves the focus within an
// exclusive group whatever the items' focus policy, and checks the new item.
void TRadioGroup::PlaceTabStop() {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setFocusPolicy(static_cast<int>(i) == std::max(index_, 0) ? Qt::TabFocus : Qt::NoFocus);
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
    p.setPen(QColor(EtchGrey));
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

}  // namespace sky
