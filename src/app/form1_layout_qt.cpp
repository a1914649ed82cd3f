// The main window's panels and controls, placed as the game's layout has
// them, and the handler each control calls.
#include <QDesktopServices>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "app/form1_qt.h"

using namespace sky;

namespace {

TFlatButton* Button(QWidget* parent, int l, int t, int w, int h, const char* caption) {
    auto* b = new TFlatButton(parent);
    Place(b, l, t, w, h);
    if (caption) b->SetCaption(caption);
    return b;
}

TFlatButton* GlyphButton(QWidget* parent, int l, int t, int w, int h, const char* bitmap) {
    auto* b = Button(parent, l, t, w, h, nullptr);
    b->SetGlyph(QPixmap(QString(":/bitmap/") + bitmap));
    return b;
}

TRadioGroup* Radio(QWidget* parent, int l, int t, int w, int h, const char* caption, const char* items, int index) {
    auto* r = new TRadioGroup(parent);
    Place(r, l, t, w, h);
    r->SetCaption(caption);
    r->SetItems(items);
    r->SetItemIndex(index);
    return r;
}

TImage* Image(QWidget* parent, int l, int t, int w, int h) {
    auto* i = new TImage(parent, w, h);
    i->move(l, t);
    return i;
}

TLabel* Label(QWidget* parent, int l, int t, int w, int h, const char* caption, QColor colour = QColor(TextDark)) {
    auto* lab = new TLabel(parent);
    Place(lab, l, t, w, h);
    lab->SetFontColour(colour);
    lab->SetCaption(caption);
    return lab;
}

TPicture* Picture(QWidget* parent, int l, int t, int w, int h, const char* bitmap) {
    auto* p = new TPicture(parent);
    Place(p, l, t, w, h);
    p->setPixmap(QPixmap(QString(":/bitmap/") + bitmap));
    return p;
}

}  // namespace

void TForm1::BuildLayout() {
    setWindowTitle(QStringLiteral("Skyburst 3D"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(PanelGrey));
    setPalette(pal);

    DeviceContext = new SceneView(this);

    Panel1 = new TPanel(this);
    Place(Panel1, 5, 5, 326, 204);
    imLand = Image(Panel1, 7, 7, 166, 166);
    imPfeil = Image(Panel1, 179, 7, 140, 140);
    SpeedButton2 = Button(Panel1, 136, 176, 35, 22, "[<<]");
    Label1 = Label(Panel1, 280, 128, 34, 13, "Vento");
    Label1->hide();

    Panel2 = new TPanel(this);
    Place(Panel2, 750 - 161 - 5, 5, 161, 335);
    im3 = Image(Panel2, 5, 5, 25, 188);
    pb = Image(Panel2, 35, 5, 120, 120);
    im2 = Image(Panel2, 51, 132, 60, 60);
    imOben = Picture(Panel2, 128, 136, 17, 11, "fold_up");
    imOben->hide();
    imUnten = Picture(Panel2, 128, 160, 17, 11, "fold_down");
    imUnten->hide();
    SpeedButton15 = GlyphButton(Panel2, 8, 201, 23, 22, "fold_up");
    SpeedButton3 = Button(Panel2, 40, 200, 73, 22, "[Schuss]");
    SpeedButton4 = Button(Panel2, 125, 200, 26, 22, "[i]");
    Bevel1 = new TBevel(Panel2);
    Place(Bevel1, 16, 232, 129, 9);
    sbComp = Button(Panel2, 40, 240, 81, 22, "[Computer]");
    SpeedButton14 = Button(Panel2, 125, 240, 26, 22, "[i]");
    radComp = Radio(Panel2, 8, 264, 145, 65, " Computer-Intelligenz ", "niedrig\nmittel\nhoch", 1);

    Panel3 = new TPanel(this);
    Place(Panel3, 5, 650 - 287 - 5, 205, 287);
    SpeedButton1 = Button(Panel3, 5, 5, 30, 22, "[>>]");
    imFarben = Image(Panel3, 5, 32, 30, 250);
    radSprache = Radio(Panel3, 45, 12, 153, 63, " Language - Língua ", "Deutsch\nEnglish\nPortuguês", 0);
    radiogr = Radio(Panel3, 45, 75, 153, 63, " Aussehen ", "Linien\nLinien mit Flächen\nFlächen", 1);
    radSize = Radio(Panel3, 45, 139, 67, 94, " Details ", "1+\n2\n3\n4\n5-", 2);
    radFarben = Radio(Panel3, 117, 139, 82, 143, " Farben ", "Bunt\nGrau\nRot\nGrün\nBlau\nBraun", 0);
    radSound = Radio(Panel3, 45, 233, 67, 49, " Sound ", "An\nAus", 0);

    Panel4 = new TPanel(this);
    Place(Panel4, 750 - 153 - 5, 650 - 209 - 5, 153, 209);
    Shape1 = new TShape(Panel4);
    Place(Shape1, 7, 7, 140, 76);
    Shape2 = new TShape(Panel4);
    Place(Shape2, 7, 90, 140, 85);
    SpeedButton7 = GlyphButton(Panel4, 33, 13, 21, 20, "cam_up");
    SpeedButton5 = GlyphButton(Panel4, 82, 18, 20, 20, "cam_plus");
    SpeedButton9 = GlyphButton(Panel4, 13, 33, 20, 20, "cam_left");
    SpeedButton11 = GlyphButton(Panel4, 33, 33, 21, 20, "cam_reset");
    SpeedButton10 = GlyphButton(Panel4, 54, 33, 20, 20, "cam_right");
    SpeedButton6 = GlyphButton(Panel4, 82, 48, 20, 20, "cam_minus");
    SpeedButton8 = GlyphButton(Panel4, 33, 53, 21, 20, "cam_down");
    SpeedButton12 = Button(Panel4, 112, 32, 26, 22, "[i]");
    laSpieler = Label(Panel4, 10, 94, 40, 13, "Spieler");
    laEnergie1 = Label(Panel4, 10, 110, 16, 13, "E1", QColor(LabelGrey));
    laEnergie2 = Label(Panel4, 10, 126, 16, 13, "E2", QColor(LabelGrey));
    laPunkte1 = Label(Panel4, 10, 142, 16, 13, "P1", QColor(0, 0, 255));
    laPunkte2 = Label(Panel4, 10, 158, 16, 13, "P2", QColor(255, 0, 0));
    SpeedButton13 = Button(Panel4, 28, 181, 97, 22, "[Neues Spiel]");

    Panel5 = new TPanel(this);
    Place(Panel5, 5, 216, 120, 90);
    Image1 = Picture(Panel5, 0, 0, 120, 90, "banner");
    Image1->setCursor(Qt::PointingHandCursor);

    Memo1 = new TMemo(this);
    Place(Memo1, 144, 234, 129, 57);
    Memo1->SetLines({"RotX", "RotY", "Zoom"});
    Memo1->hide();
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
    hooks.DrawScene = [this] { DrawScene(); };
    hooks.SetMemoLines = [this](const std::vector<std::string>& lines) { Memo1->SetLines(lines); };
    hooks.UpdateStatusLabels = [this] { UpdateStatusLabels(); };
    decimalSeparator_ = QLocale::system().decimalPoint().at(0).toLatin1();
    aim_ = std::make_unique<AimWidgets>(S, pb->Canvas(), im2->Canvas(), im3->Canvas(), hooks, decimalSeparator_);
    pb->OnMouseDown = [this](int x, int y) { aim_->pbMouseDown(x, y); };
    pb->OnMouseMove = [this](int x, int y) { aim_->pbMouseMove(x, y); };
    pb->OnMouseUp = [this](int x, int y) { aim_->pbMouseUp(x, y); };
    im2->OnMouseDown = [this](int x, int y) { aim_->im2MouseDown(x, y); };
    im2->OnMouseMove = [this](int x, int y) { aim_->im2MouseMove(x, y); };
    im2->OnMouseUp = [this](int x, int y) { aim_->im2MouseUp(x, y); };
    im3->OnMouseDown = [this](int x, int y) { aim_->im3MouseDown(x, y); };
    im3->OnMouseMove = [this](int x, int y) { aim_->im3MouseMove(x, y); };
    im3->OnMouseUp = [this](int x, int y) { aim_->im3MouseUp(x, y); };
    ConnectKeys();
    ConnectAccess();

    ShowNotice = [this](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
        box.button(QMessageBox::Ok)->setIcon(QIcon());
        box.exec();
    };
}

