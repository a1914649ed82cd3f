#include "app/new_game_dialog_qt.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "ui/play_texts.h"

using namespace sky;

namespace {
QString Text(int language, PlayText what) { return QString::fromStdString(PlayTextOf(language, what)); }
}  // namespace

NewGameDialog::NewGameDialog(QWidget* parent, int language, const PlayChoice& current)
    : QDialog(parent), current_(current) {
    setWindowTitle(Text(language, PlayText::DialogTitle));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* question = new QLabel(Text(language, PlayText::Question), this);
    layout->addWidget(question);

    Kinds = new QButtonGroup(this);
    const std::pair<PlayKind, PlayText> kinds[] = {{PlayKind::HotSeat, PlayText::HotSeat},
                                                   {PlayKind::Computer, PlayText::Computer},
                                                   {PlayKind::Host, PlayText::Host},
                                                   {PlayKind::Join, PlayText::Join}};
    for (const auto& [kind, text] : kinds) {
        auto* b = new QRadioButton(Text(language, text), this);
        Kinds->addButton(b, static_cast<int>(kind));
        layout->addWidget(b);
    }
    const PlayKind shown = current.kind == PlayKind::Demo ? PlayKind::Computer : current.kind;
    Kinds->button(static_cast<int>(shown))->setChecked(true);

    auto* fields = new QFormLayout;
    QString where = QString::fromStdString(current.address);
    if (where.contains(':')) where = "[" + where + "]";
    if (!where.isEmpty() && current.port >= 0) where += ":" + QString::number(current.port);
    Address = new QLineEdit(where, this);
    Code = new QLineEdit(QString::fromStdString(current.code), this);
    const QString alphabet = QString::fromLatin1(JoinCodeAlphabet.data(), JoinCodeAlphabet.size());
    Code->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QString("[%1%2]{0,%3}").arg(alphabet, alphabet.toLower()).arg(JoinCodeLength)), Code));
    Address->setAccessibleName(Text(language, PlayText::Address).remove(':'));
    Code->setAccessibleName(Text(language, PlayText::Code).remove(':'));
    fields->addRow(Text(language, PlayText::Address), Address);
    fields->addRow(Text(language, PlayText::Code), Code);
    layout->addLayout(fields);

    auto* buttons = new QDialogButtonBox(this);
    PlayButton = buttons->addButton(Text(language, PlayText::Play), QDialogButtonBox::AcceptRole);
    buttons->addButton(Text(language, PlayText::Cancel), QDialogButtonBox::RejectRole);
    PlayButton->setDefault(true);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Kinds, &QButtonGroup::idToggled, this, [this] { Update(); });
    connect(Address, &QLineEdit::textChanged, this, [this] { Update(); });
    connect(Code, &QLineEdit::textChanged, this, [this] { Update(); });
    Update();
    Kinds->checkedButton()->setFocus(Qt::OtherFocusReason);
}

// The address and the code only matter for joining, and are needed then.
void NewGameDialog::Update() {
    const bool join = Kinds->checkedId() == static_cast<int>(PlayKind::Join);
    Address->setEnabled(join);
    Code->setEnabled(join);
    std::string host, code = Code->text().toStdString();
    int port = current_.port;
    PlayButton->setEnabled(!join || (ParseHostPort(Address->text().trimmed().toStdString(), host, port) &&
                                     NormaliseJoinCode(code)));
}

PlayChoice NewGameDialog::Choice() const {
    PlayChoice c = current_;
    c.kind = static_cast<PlayKind>(Kinds->checkedId());
    // The computer at this side of a network game and the host's seed (the
    // command line's choices) only for that kind of game.
    if (c.kind != current_.kind) {
        c.computerHere = false;
        c.seed.reset();
    }
    if (c.kind == PlayKind::Join) {
        ParseHostPort(Address->text().trimmed().toStdString(), c.address, c.port);
        c.code = Code->text().toStdString();
        NormaliseJoinCode(c.code);
    }
    c.ask = false;
    return c;
}
