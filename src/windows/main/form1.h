#pragma once

#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <vector>

#include "commands/document_commands.h"
#include "commands/file_dialog_platform.h"
#include "commands/transfer/desktop_clipboard.h"
#include "commands/transfer/phone_export.h"
#include "commands/transfer/receive_from_phone.h"
#include "commands/transfer/send_to_phone.h"
#include "commands/user_messages.h"
#include "picture/document_state.h"
#include "picture/drawing_tools.h"
#include "picture/picture_view.h"
#include "windows/adapters/side_windows.h"
#include "windows/dialogs/text_choice.h"
#include "windows/main/command_table.h"

class QAction;
class QLabel;

namespace tochkograf {

class ActionButton;
class Form3;
class PaperRoom;
class Playback;
class Pole;
class QtPhoneExportDialogs;

// What the main window asks of the outside world. Anything left null gets
// the real thing; tests put scripted fakes here.
struct Form1Seams {
  UserMessages* messages = nullptr;
  SideWindows* windows = nullptr;
  FileDialogPlatform* file_dialogs = nullptr;
  // Where file dialogs start while the picture has no folder of its own;
  // empty: the working directory the program was started in.
  QString start_folder{};
  DesktopClipboard* clipboard = nullptr;  // null: the system's
  // The splash the program started with, which "О программе..." shows
  // again; null: the about box is made at its first opening.
  Form3* splash = nullptr;
  PhoneExportDialogs* phone_dialogs = nullptr;  // the export's questions for the phones' types
  PhoneSending* phone_sending = nullptr;        // the sending through a modem
  PhoneReception* phone_reception = nullptr;    // the pictures taken from a phone's messages
};

// The main window: it owns the document, makes its commands from one table
// into actions, builds the menus and the toolbar from them, lays out the
// toolbar, the size labels and the drawing area, and routes keys to the
// commands.
class Form1 : public QMainWindow, private PictureView, private CaptionView, private CommandWindow {
  Q_OBJECT

 public:
  // Toolbar and labels above Pole, at 96 dpi; larger fonts make it taller.
  static constexpr int kBandHeight = 56;

  explicit Form1(Form1Seams seams = {}, QWidget* parent = nullptr);
  ~Form1() override;

  // Opens a file named on the command line, as "Открыть файл..." would, or
  // imports it when it is a BMP or another image, as their imports would; a
  // file that cannot be read gets the usual message and the empty picture
  // stays.
  void OpenFile(const QString& path);

  DocumentState& State() { return state_; }
  const DocumentState& State() const { return state_; }
  DocumentCommands& Commands() { return *commands_; }
  UserMessages& Messages() { return *messages_; }
  // A stroke or a shape is being drawn: its button is still down.
  bool Stroking() const { return state_.DrawButton != 0 || tools_.Dragging(); }
  // The cells marked with the selection tool.
  const Selection& Marked() const { return tools_.Marked(); }

 signals:
  // The window has agreed to close: the program ends.
  void Unloaded();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Closing by any means asks about unsaved changes, like "Выход".
  void closeEvent(QCloseEvent* event) override;
  // Shows the whole file name while the window itself has the focus.
  void focusInEvent(QFocusEvent* event) override;
  // A shortcut's key in a layout without Latin letters, which Qt has not
  // matched, runs the command all the same. Esc cancels a shape being
  // dragged, and Shift holds it to its straight lines, square or circle.
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  // A file dropped from another program opens as `tochkograf FILE` opens
  // it, after the unsaved-changes question; only the first of several.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  void CreateControls();
  void PlaceLabels();
  QSize InitialInnerSize() const;
  void ConnectPole();
  void PlaceCentred();
  // The document's starting state.
  void Load();
  // The narrowest the inner area may be: its menus and labels need that.
  int NarrowestInnerWidth() const;
  // The smallest the drawing area's inside may be: as wide as the inner
  // area's narrowest, as tall as the largest picture in cells that show
  // their colour between the grid's lines. The window is never smaller.
  QSize SmallestInnerSize() const;
  // Gives the drawing area the picture's proportions when the picture's
  // size has changed since the last time, so its cells are square.
  void FollowPictureSize();

  // While the frames play, every command but the one that stops them is
  // disabled, the drawing area ignores the mouse and shows the played
  // frames, the frame label names the frame played, and the document is
  // left as it was.
  void StartPlaying();
  void StopPlaying();
  bool Playing() const;

  // Sets the check marks and the commands' availability from the states
  // they show, after every command and whenever the picture is redrawn.
  void ShowStates();
  // What comes before every command: a shape being dragged is cancelled.
  void BeforeCommand();
  // Puts floating cells down as a step of their own, where there are any.
  void PutDownFloating();
  // Esc drops the marked cells (floating ones go back where they were),
  // Enter puts floating ones down, the arrows move them a cell; whether
  // the key was one of these.
  bool SelectionKey(int key);
  // The mouse on the drawing area, for the tool in use.
  void Pole_MouseDown(std::uint8_t button, double X, double Y, bool shift);
  void Pole_MouseUp(std::uint8_t button);
  // The text tool's dialog, for a click at `click`.
  void AskText(const TextClick& click);
  // The shift digits, typed while Pole or a toolbar button has the focus.
  void DigitKeyPress(const QString& text);
  void Form_Resize();
  // The drawing area in square cells, centred in the room below the band.
  void PlacePole();

  // PictureView: the drawing area and its size label.
  double InnerWidth() const override;
  double InnerHeight() const override;
  void RepaintCell(int x, int y) override;
  void RepaintAll() override;
  void RepaintCells(const CellRuns& runs) override;
  void SetSizeLabel(const QString& caption) override;
  void SetFrameLabel(const QString& text) override;
  // CaptionView
  void SetCaption(const QString& caption) override;
  // CommandWindow
  void Close() override;
  void PlayOrStop() override;

  DocumentState state_;
  std::unique_ptr<UserMessages> own_messages_;
  UserMessages* messages_;
  std::unique_ptr<SideWindows> own_windows_;
  SideWindows* windows_;
  std::unique_ptr<FileDialogPlatform> own_file_dialogs_;
  std::unique_ptr<QtPhoneExportDialogs> own_phone_dialogs_;  // and the sending's
  PhoneExportDialogs* phone_dialogs_;
  PhoneSending* phone_sending_;
  PhoneReception* phone_reception_;
  std::unique_ptr<DesktopClipboard> own_clipboard_;
  DesktopClipboard* clipboard_;
  std::unique_ptr<DocumentCommands> commands_;

  QWidget* area_ = nullptr;  // the inner (client) area below the menu bar
  struct RuledAction {
    QAction* action;
    bool (*checked)(const CommandState&);
    bool (*enabled)(const CommandState&);
  };
  std::vector<RuledAction> ruled_actions_;
  struct PlacedAction {
    QAction* action;
    ButtonPlace place;
    QString tooltip;
  };
  std::vector<PlacedAction> toolbar_actions_;  // from the left
  std::vector<ActionButton*> Command1_;        // the toolbar, in the same order
  QLabel* Label1_ = nullptr;
  QLabel* Label2_ = nullptr;
  QLabel* Label3_ = nullptr;   // the frame shown, beside the size; hidden for one frame
  PaperRoom* room_ = nullptr;  // below the band, round the drawing area
  Pole* pole_ = nullptr;
  int band_height_ = kBandHeight;
  QSize fitted_size_;  // the picture size the drawing area was last fitted to
  DrawingTools tools_;
  TextChoice last_text_;  // the text dialog starts where it was left
  Playback* playback_ = nullptr;
  // The press that stopped the frames playing draws nothing, nor does
  // anything the mouse does until its button is up.
  bool mouse_stopped_play_ = false;
};

}  // namespace tochkograf
