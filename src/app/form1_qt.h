// The main window: the 3D view over the whole client area with the five
// panels of controls lying on top of it. It binds the controls to the game's
// rules; the rules themselves live below (terrain, shot, computer, aiming, ui).
// Its methods are defined by subject:
//   form1_qt.cpp           creation, activation, closing, size and position
//   form1_layout_qt.cpp    the panels and controls, and which handler each calls
//   scene_view_qt.cpp      the 3D view: its OpenGL context and the frames it shows
//   form1_game_qt.cpp      a new game shown, the wind arrow, "[Neues Spiel]"
//   form1_camera_qt.cpp    projection, mouse drags on the view, camera buttons
//   form1_settings_qt.cpp  look, detail, colours, language, sound, status labels
//   form1_shot_qt.cpp      "[Schuss]" and what the window does at each step of a turn
//   form1_computer_qt.cpp  "[Computer]"
//   form1_play_qt.cpp      ways to play: the computer's own turns, the title, the New game dialog
//   form1_network_qt.cpp   a network game: hosting, joining, the session's word on whose turn it is
//   form1_panels_qt.cpp    panel folds, help pop-ups, the banner
//   form1_keys_qt.cpp      the Tab order, the keys of the aiming widgets and the view, the focus frame
//   form1_access_qt.cpp    what a screen reader says: names, descriptions, values, announcements
#pragma once

#include <QOpenGLContext>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "aiming/aim_widgets.h"
#include "app/scene_view_qt.h"
#include "core/game_state.h"
#include "core/seats.h"
#include "core/sync_call.h"
#include "match/match.h"
#include "platform/accessible_qt.h"
#include "platform/focus_frame_qt.h"
#include "platform/image_qt.h"
#include "platform/sound.h"
#include "platform/widgets_qt.h"
#include "platform/window_loss.h"
#include "platform/window_waker.h"
#include "shot/shot_thread.h"
#include "ui/window_layout.h"
#include "view/gl_api.h"

class TForm3;
class TForm4;
class QMessageBox;
struct NetworkPlay;
namespace sky::net {
enum class Notice;
struct SessionEvents;
}  // namespace sky::net

class TForm1 : public QWidget {
public:
    TForm1(sky::GameState& state, const sky::GlApi& gl);
    ~TForm1() override;

    sky::GameState& S;
    const sky::GlApi& Gl;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;

    // Fields of the main window
    double RotX = 0, RotY = 0;
    int32_t DragMode = 0, DragLastX = 0, DragLastY = 0, ZoomLastY = 0;
    sky::SceneView* DeviceContext = nullptr;  // the view that shows the frames
    QOpenGLContext* RenderContext = nullptr;  // the view's, while it lives

    // Panel1: overview map and wind
    sky::TPanel* Panel1;
    sky::TImage* imLand;
    sky::TImage* imPfeil;
    sky::TFlatButton* SpeedButton2;
    sky::TLabel* Label1;
    // Panel2: aiming, Shoot, computer player
    sky::TPanel* Panel2;
    sky::TImage* im3;
    sky::TImage* pb;
    sky::TImage* im2;
    QLabel* imOben;
    QLabel* imUnten;
    sky::TFlatButton* SpeedButton15;
    sky::TFlatButton* SpeedButton3;
    sky::TFlatButton* SpeedButton4;
    sky::TBevel* Bevel1;
    sky::TFlatButton* sbComp;
    sky::TFlatButton* SpeedButton14;
    sky::TRadioGroup* radComp;
    // Panel3: display settings, language, sound
    sky::TPanel* Panel3;
    sky::TFlatButton* SpeedButton1;
    sky::TImage* imFarben;
    sky::TRadioGroup* radSprache;
    sky::TRadioGroup* radiogr;
    sky::TRadioGroup* radSize;
    sky::TRadioGroup* radFarben;
    sky::TRadioGroup* radSound;
    // Panel4: camera, labels, New Game
    sky::TPanel* Panel4;
    sky::TShape* Shape1;
    sky::TShape* Shape2;
    sky::TFlatButton* SpeedButton5;
    sky::TFlatButton* SpeedButton6;
    sky::TFlatButton* SpeedButton7;
    sky::TFlatButton* SpeedButton8;
    sky::TFlatButton* SpeedButton9;
    sky::TFlatButton* SpeedButton10;
    sky::TFlatButton* SpeedButton11;
    sky::TFlatButton* SpeedButton12;
    sky::TLabel* laSpieler;
    sky::TLabel* laEnergie1;
    sky::TLabel* laEnergie2;
    sky::TLabel* laPunkte1;
    sky::TLabel* laPunkte2;
    sky::TFlatButton* SpeedButton13;
    // Panel5: banner
    sky::TPanel* Panel5;
    sky::TPicture* Image1;
    // Hidden diagnostics memo
    sky::TMemo* Memo1;
    // A control by its name in the layout table (src/ui/window_layout.h); the window for no name.
    QWidget* Named(std::string_view name);
    // The keyboard focus frame, and what a screen reader hears away from the focus
    sky::FocusFrame* FocusMark = nullptr;
    sky::LiveAnnouncer* Announcer = nullptr;

    // Window events
    void FormCreate();
    void FormActivate();
    void FormDestroy();
    void FormResize();
    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void FormMouseMove(int x, int y);
    void FormMouseUp();

    // Operations
    void DrawScene();
    void NewGame();
    void DrawWindArrow();
    void ApplyLanguage();
    void UpdateStatusLabels();
    void ShowCameraValues();
    void BuildColourTable();
    void DrawOverviewMap();
    void RefreshAimWidgets();
    sky::AimWidgets& Aiming() { return *aim_; }

    // Game and camera
    void SpeedButton13Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void SpeedButton7Click();
    void SpeedButton8Click();
    void SpeedButton9Click();
    void SpeedButton10Click();
    void SpeedButton11Click();
    // Settings
    void radFarbenClick();
    void radSizeClick();
    void radiogrClick();
    void radSpracheClick();
    void radSoundClick();
    // The shot and the computer player
    void SpeedButton3Click();
    void sbCompClick();
    void PlotTrailPixel();
    void PlayBlastSound();
    // Side panels, help pop-up and banner
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton15Click();
    void SpeedButton4Click();
    void SpeedButton12Click();
    void SpeedButton14Click();
    void Image1Click();
    bool SettingsFolded() const;
    bool WindFolded() const;
    bool ComputerFolded() const;
    static const char* BannerAddress;
    // The keyboard and the screen reader
    bool ViewKeyDown(int key);
    void UpdateAccessibleTexts();
    // Ways to play: who sits at each side; newMatch starts a new game of that
    // kind with both scores at 0, otherwise the game on the board goes on.
    void Play(const sky::PlayChoice& choice, bool newMatch);
    void ShowNewGameDialog();
    void ShowNewGameDialog(const sky::PlayChoice& shown);
    const sky::PlayChoice& Playing() const { return play_; }
    const sky::Seats& SeatsNow() const { return seats_; }

    // How a web address is opened; tests may replace it.
    std::function<void(const QString&)> OpenUrl;
    sky::SoundPlayer& Sound() { return sound_; }

    // The shot worker's blocking calls onto this window's thread, served from its event loop.
    sky::SyncCaller Sync;
    // The rules of the turns, games and scores this window shows; its shots fly on a worker.
    sky::Match Game{S, &Sync};
    std::unique_ptr<sky::TThread1>& ShotThread{Game.ShotThread};

    // The notice of the first activation; tests may replace how it is shown.
    std::function<void(const QString& title, const QString& text)> ShowNotice;
    static const char* NoticeTitle;
    static const char* NoticeText;

    // The program is ending: the window was closed, lost or asked to by a
    // signal. A running shot still hands over, without frames, sound,
    // winner window or new game.
    bool Closing() const { return closing_; }
    // Run once when closing begins; the program entry ends its event loops there.
    std::function<void()> OnClosing;

    int FramesDrawn() const { return framesDrawn_; }
    // The start-up sizing and centring within the window manager's frame is over.
    bool Placed() const { return placed_; }
    QSize OuterSize() const;
    int OuterWidth() const;
    int OuterHeight() const;

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildLayout();
    void ShowCaptions();
    void ConnectHandlers();
    void ConnectKeys();
    void ConnectAccess();
    const sky::Aim& ShownAim() const;
    void CreateRenderContext();
    void PaintFrame();
    void SetOuterSize(int width, int height);
    void FitOuterSize();
    void CentreOnDesktop();
    void ShowHelp(const sky::layout::HelpPlace& help, const QWidget* panel, const QWidget* button, int text);
    std::vector<QWidget*> ShotControls() const;
    void ConnectMatch();
    void ShowNewGame();
    void LockShotControls();
    void EndTurn();
    void ShowTurn();
    void UnlockShotControls();
    void ShowWinner(int winner);
    void ConnectPlay();
    void TurnBegins();
    void ComputerTurn();
    void UpdateTitle();
    int LocalPlayer() const;
    std::string TurnOwner() const;
    void WinnerShown();
    void StartNetworkGame(const sky::PlayChoice& choice);
    void EndNetworkGame();
    sky::net::SessionEvents NetworkEvents();
    sky::MatchView NetworkView();
    void NetworkNotified(sky::net::Notice n, const std::string& detail);
    void NetworkNotice(const QString& text);
    void NetworkSeats();
    void NetworkTurn();
    // The presses, through the network session while a network game is on.
    void Shoot();
    void ComputerShot(int level);
    void NewMatch();
    void AimMoved();
    void BeginClosing();
    void WindowLost();

    sky::WindowWaker waker_;
    sky::WindowLossWatch lossWatch_;
    std::unique_ptr<sky::AimWidgets> aim_;
    sky::SoundPlayer sound_;
    bool glReady_ = false;
    bool destroyed_ = false;
    bool closing_ = false;
    bool settingsFolded_ = false, windFolded_ = false, computerFolded_ = false;
    int framesDrawn_ = 0;
    int viewportW_ = 0, viewportH_ = 0;
    int wantOuterW_ = 0, wantOuterH_ = 0;
    bool placed_ = false;
    char decimalSeparator_ = '.';
    sky::OneBased<int32_t, 2> energyAtShot_;
    bool shotControlsLocked_ = false;
    sky::PlayChoice play_;
    sky::Seats seats_;
    std::optional<sky::PlayChoice> pendingChoice_;  // chosen during a shot, started after it
    QTimer computerTurn_, winnerClose_;
    // The locked control that had the focus when a shot began, and where the focus went instead.
    QPointer<QWidget> focusBeforeShot_, focusWhileLocked_;
    // The window's steps of a match: bound as they are, or wrapped by a network session.
    sky::MatchView windowView_;
    QPointer<QMessageBox> netNotice_;
    std::unique_ptr<NetworkPlay> net_;  // last: it ends before the rest of the window
};
