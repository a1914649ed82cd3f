// The main window's panels and controls, placed as the game's layout has
// them, and the handler each control calls.
#include <QDesktopServices>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "app/form1_qt.h"
#include "ui/window_layout.h"

using namespace sky;

namespace {

using layout::At;
using layout::Control;

QString NameOf(std::string_view name) { return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())); }

// A control takes its name, place and size from the layout table.
void Place(QWidget* w, const Control& c) {
    w->setObjectName(NameOf(c.name));
    sky::Place(w, c.box.left, c.box.top, c.box.width, c.box.height);
}

// A new control of the table, under the parent the table gives it.
template <class T, class... Args>
T* Make(TForm1* window, const Control& c, Args... args) {
    auto* w = new T(window->Named(c.parent), args...);
    Place(w, c);
    return w;
}

TFlatButton* Button(TForm1* window, const Control& c, const char* caption = nullptr) {
    auto* b = Make<TFlatButton>(window, c);
    if (caption) b->SetCaption(caption);
    return b;
}

TFlatButton* GlyphButton(TForm1* window, const Control& c, const char* bitmap) {
    auto* b = Button(window, c);
    b->SetGlyph(QPixmap(QString(":/bitmap/") + bitmap));
    return b;
}

// Only the items that stay the same in every language are given here.
TRadioGroup* Radio(TForm1* window, const Control& c, int index, const char* items = nullptr) {
    auto* r = Make<TRadioGroup>(window, c);
    if (items) r->SetItems(items);
    r->SetItemIndex(index);
    return r;
}

TImage* Image(TForm1* window, const Control& c) { return Make<TImage>(window, c, c.box.width, c.box.height); }

TLabel* Label(TForm1* window, const Control& c, const char* caption, QColor colour = QColor(TextDark)) {
    auto* lab = Make<TLabel>(window, c);
    lab->SetFontColour(colour);
    lab->SetCaption(caption);
    return lab;
}

TPicture* Picture(TForm1* window, const Control& c, const char* bitmap) {
    auto* p = Make<TPicture>(window, c);
    p->setPixmap(QPixmap(QString(":/bitmap/") + bitmap));
    return p;
}

}  // namespace

QWidget* TForm1::Named(std::string_view name) { return name.empty() ? this : findChild<QWidget*>(NameOf(name)); }

// Texts that change with the language are put on by ShowCaptions, which
// also gives the groups their items before the Tab order is made.
void TForm1::BuildLayout() {
    setWindowTitle(QStringLiteral("Skyburst 3D"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(PanelGrey));
    setPalette(pal);

    DeviceContext = new SceneView(this);

    Panel1 = new TPanel(this);
    Place(Panel1, At("Panel1"));
    imLand = Image(this, At("imLand"));
    imPfeil = Image(this, At("imPfeil"));
    SpeedButton2 = Button(this, At("SpeedButton2"), "[<<]");
    Label1 = Label(this, At("Label1"), "Vento");

    Panel2 = new TPanel(this);
    Place(Panel2, At("Panel2"));
    im3 = Image(this, At("im3"));
    pb = Image(this, At("pb"));
    im2 = Image(this, At("im2"));
    imOben = Picture(this, At("imOben"), "fold_up");
    imOben->hide();
    imUnten = Picture(this, At("imUnten"), "fold_down");
    imUnten->hide();
    SpeedButton15 = GlyphButton(this, At("SpeedButton15"), "fold_up");
    SpeedButton3 = Button(this, At("SpeedButton3"));
    SpeedButton4 = Button(this, At("SpeedButton4"), "[i]");
    Bevel1 = Make<TBevel>(this, At("Bevel1"));
    sbComp = Button(this, At("sbComp"));
    SpeedButton14 = Button(this, At("SpeedButton14"), "[i]");
    radComp = Radio(this, At("radComp"), 1);

    Panel3 = new TPanel(this);
    Place(Panel3, At("Panel3"));
    SpeedButton1 = Button(this, At("SpeedButton1"), "[>>]");
    imFarben = Image(this, At("imFarben"));
    radSprache = Radio(this, At("radSprache"), 0, "Deutsch\nEnglish\nPortuguês");
    radiogr = Radio(this, At("radiogr"), 1);
    radSize = Radio(this, At("radSize"), 2, "1+\n2\n3\n4\n5-");
    radFarben = Radio(this, At("radFarben"), 0);
    radSound = Radio(this, At("radSound"), 0);

    Panel4 = new TPanel(this);
    Place(Panel4, At("Panel4"));
    Shape1 = Make<TShape>(this, At("Shape1"));
    Shape2 = Make<TShape>(this, At("Shape2"));
    SpeedButton7 = GlyphButton(this, At("SpeedButton7"), "cam_up");
    SpeedButton5 = GlyphButton(this, At("SpeedButton5"), "cam_plus");
    SpeedButton9 = GlyphButton(this, At("SpeedButton9"), "cam_left");
    SpeedButton11 = GlyphButton(this, At("SpeedButton11"), "cam_reset");
    SpeedButton10 = GlyphButton(this, At("SpeedButton10"), "cam_right");
    SpeedButton6 = GlyphButton(this, At("SpeedButton6"), "cam_minus");
    SpeedButton8 = GlyphButton(this, At("SpeedButton8"), "cam_down");
    SpeedButton12 = Button(this, At("SpeedButton12"), "[i]");
    laSpieler = Label(this, At("laSpieler"), "Spieler");
    laEnergie1 = Label(this, At("laEnergie1"), "E1", QColor(LabelGrey));
    laEnergie2 = Label(this, At("laEnergie2"), "E2", QColor(LabelGrey));
    laPunkte1 = Label(this, At("laPunkte1"), "P1", QColor(0, 0, 255));
    laPunkte2 = Label(this, At("laPunkte2"), "P2", QColor(255, 0, 0));
    SpeedButton13 = Button(this, At("SpeedButton13"));

    Panel5 = new TPanel(this);
    Place(Panel5, At("Panel5"));
    Image1 = Picture(this, At("Image1"), "banner");
    Image1->setCursor(Qt::PointingHandCursor);

    Memo1 = Make<TMemo>(this, At("Memo1"));
    Memo1->SetLines({"RotX", "RotY", "Zoom"});
    Memo1->hide();
    ShowCaptions();
}

// Which handler each control calls.
void TForm1::ConnectHandlers() {
    DeviceContext->OnMouseDown = [this](Qt::MouseButton b, int x, int y) { FormMouseDown(b, x, y); };
    DeviceContext->OnMouseMove = [this](Qt::MouseButton, int x, int y) { FormMouseMove(x, y); };
    DeviceContext->OnMouseUp = [this](Qt::MouseButton, int, int) { FormMouseUp(); };
    Image1->OnClick = [this] { Image1Click(); };
    radFarben->OnClick = [this] { radFarbenClick(); };
    radSize->OnClick = [this] { radSizeClick(); };
    radiogr->OnClick = [this] { radiogrClick(); };
    radSprache->OnClick = [this] { radSpracheClick(); };
    SpeedButton13->OnClick = [this] { SpeedButton13Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
    SpeedButton8->OnClick = [this] { SpeedButton8Click(); };
    SpeedButton9->OnClick = [this] { SpeedButton9Click(); };
    SpeedButton10->OnClick = [this] { SpeedButton10Click(); };
    SpeedButton11->OnClick = [this] { SpeedButton11Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton15->OnClick = [this] { SpeedButton15Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton12->OnClick = [this] { SpeedButton12Click(); };
    SpeedButton14->OnClick = [this] { SpeedButton14Click(); };
    radSound->OnClick = [this] { radSoundClick(); };
    OpenUrl = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    sbComp->OnClick = [this] { sbCompClick(); };

    AimWidgets::Hooks hooks;
    hooks.DrawScene = [this] {
        DrawScene();
        AimMoved();
    };
    hooks.SetMemoLines = [this](const std::vector<std::string>& lines) { Memo1->SetLines(lines); };
    hooks.UpdateStatusLabels = [this] { UpdateStatusLabels(); };
    decimalSeparator_ = QLocale::system().decimalPoint().at(0).toLatin1();
    aim_ = std::make_unique<AimWidgets>(S, pb->Canvas(), im2->Canvas(), im3->Canvas(), hooks, decimalSeparator_);
    pb->OnMouseDown = [this](int x, int y) { aim_->pbMouseDown(x, y); };
    pb->OnMouseMove = [this](int x, int y) {
        aim_->pbMouseMove(x, y);
        AimMoved();
    };
    pb->OnMouseUp = [this](int x, int y) { aim_->pbMouseUp(x, y); };
    im2->OnMouseDown = [this](int x, int y) { aim_->im2MouseDown(x, y); };
    im2->OnMouseMove = [this](int x, int y) {
        aim_->im2MouseMove(x, y);
        AimMoved();
    };
    im2->OnMouseUp = [this](int x, int y) { aim_->im2MouseUp(x, y); };
    im3->OnMouseDown = [this](int x, int y) { aim_->im3MouseDown(x, y); };
    im3->OnMouseMove = [this](int x, int y) {
        aim_->im3MouseMove(x, y);
        AimMoved();
    };
    im3->OnMouseUp = [this](int x, int y) { aim_->im3MouseUp(x, y); };
    ConnectKeys();
    ConnectAccess();

    ShowNotice = [this](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
        box.button(QMessageBox::Ok)->setIcon(QIcon());
        box.exec();
    };
}

