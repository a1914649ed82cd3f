#include "platform/accessible_qt.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

#include <algorithm>

#include "platform/image_qt.h"
#include "platform/widgets_qt.h"

namespace sky {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

class AccessibleImage : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleImage(TImage* image) : QAccessibleWidget(image, image->Access.role) {}

    // Read anew at every call: the role is set after the image is made.
    QAccessible::Role role() const override { return Image()->Access.role; }

    QString text(QAccessible::Text t) const override {
        const ImageAccess& a = Image()->Access;
        if (t == QAccessible::Name && a.name) return Q(a.name());
        if (t == QAccessible::Description && a.description) return Q(a.description());
        return QAccessibleWidget::text(t);
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface && Image()->Access.value)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QVariant currentValue() const override { return Image()->Access.value(); }
    QVariant maximumValue() const override { return Image()->Access.maximum; }
    QVariant minimumValue() const override { return Image()->Access.minimum; }
    QVariant minimumStepSize() const override { return Image()->Access.step; }

    // A locked image takes no value, as it takes no mouse and no keys.
    void setCurrentValue(const QVariant& value) override {
        TImage* image = Image();
        const ImageAccess& a = image->Access;
        if (!image->isEnabled() || !a.setValue) return;
        a.setValue(std::clamp(value.toDouble(), a.minimum, a.maximum));
        image->Changed();
    }

private:
    TImage* Image() const { return static_cast<TImage*>(widget()); }
};

// The game's controls declare no meta-object of their own, so they are told
// apart by their C++ type, whatever class name the toolkit asks for.
QAccessibleInterface* GameControls(const QString&, QObject* object) {
    if (auto* image = dynamic_cast<TImage*>(object)) return new AccessibleImage(image);
    if (dynamic_cast<TRadioGroup*>(object) || dynamic_cast<TPanel*>(object))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Grouping);
    if (auto* announcer = dynamic_cast<LiveAnnouncer*>(object))
        return new QAccessibleWidget(announcer, QAccessible::Notification);
    return nullptr;
}

}  // namespace

void InstallAccessibleControls() {
    static const bool installed = [] {
        QAccessible::installFactory(GameControls);
        return true;
    }();
    (void)installed;
}

LiveAnnouncer::LiveAnnouncer(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 0, 0);
    hide();
}

void LiveAnnouncer::Say(const std::string& sentence) {
    setAccessibleName(Q(sentence));
    hide();
    show();
}

}  // namespace sky
