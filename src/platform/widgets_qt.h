// The thin replacements for the desktop controls the game's windows are laid
// out with: panels, flat buttons, radio groups, labels, memos and shapes (the
// image control has a file of its own, image_qt.h). Positions and sizes are
// set by the caller in pixels, as in the layout tables.
#pragma once

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QToolButton>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/canvas.h"

class QButtonGroup;
class QRadioButton;

namespace sky {

// Sans-serif bold 11 pixels: the font of every text control (StyleText gives it its colour).
QFont ControlFont();
void StyleText(QWidget* w, QColor colour = QColor(TextDark));
void Place(QWidget* w, int left, int top, int width, int height);
// Puts the widgets into the window's Tab order one after the other, whatever
// their focus policies (the toolkit orders only widgets that take the focus,
// so each takes it for the moment and gets its own policy back).
void SetTabChain(const std::vector<QWidget*>& chain);

// A panel. Folded smaller than its contents, it hides the controls it cuts
// off entirely, so that Tab and a screen reader pass over them, and shows
// them again when it unfolds. Labels and pictures are left as they are.
class TPanel : public QWidget {
public:
    explicit TPanel(QWidget* parent);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    std::vector<QPointer<QWidget>> foldedAway_;
};

// A rectangle outline in white with no fill; lets the mouse through.
class TShape : public QWidget {
public:
    explicit TShape(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

// An etched line along its top edge.
class TBevel : public QWidget {
public:
    explicit TBevel(QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;
};

// A flat button: no frame until the mouse is over it. Tab reaches it, Space
// or Return presses it; a click leaves the focus where it was.
class TFlatButton : public QToolButton {
public:
    explicit TFlatButton(QWidget* parent);
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void SetGlyph(const QPixmap& glyph);
    std::function<void()> OnClick;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

// A label that sizes itself to its text.
class TLabel : public QLabel {
public:
    explicit TLabel(QWidget* parent);
    void SetCaption(const std::string& caption);
    std::string Caption() const;
    void SetFontColour(QColor colour);
    QColor FontColour() const;
};

// A read-only text box without border (diagnostics, winner text, help text).
class TMemo : public QPlainTextEdit {
public:
    explicit TMemo(QWidget* parent);
    void SetLines(const std::vector<std::string>& lines);
    void SetText(const std::string& text);
    std::vector<std::string> Lines() const;
    // Called instead of taking the keyboard focus (the windows refuse it, so no caret shows).
    std::function<void()> OnEnter;

protected:
    void focusInEvent(QFocusEvent* e) override;
};

// A radio group: a caption on an etched frame and one column of items.
// OnClick fires on a user's pick only (a click, or the arrow keys on the
// focused item), never when code sets the index or the items. Tab enters the
// group at its checked item; the arrow keys move within it.
class TRadioGroup : public QWidget {
public:
    explicit TRadioGroup(QWidget* parent);
    void SetCaption(const std::string& caption);
    std::string Caption() const { return caption_; }
    // Items as one string with line feeds between them; keeps the item index.
    void SetItems(const std::string& items);
    std::vector<std::string> Items() const { return items_; }
    void SetItemIndex(int index);
    int ItemIndex() const { return index_; }
    QRadioButton* ItemButton(int index) const;
    std::function<void()> OnClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void LayoutItems();
    void PlaceTabStop();
    std::string caption_;
    std::vector<std::string> items_;
    std::vector<QRadioButton*> buttons_;
    QButtonGroup* group_;
    int index_ = -1;
};

// A fixed bitmap that can be clicked.
class TPicture : public QLabel {
public:
    explicit TPicture(QWidget* parent) : QLabel(parent) {}
    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

}  // namespace sky
