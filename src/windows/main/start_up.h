#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "windows/dialogs/form3.h"
#include "windows/main/form1.h"
#include "windows/main/recovery_keeper.h"

namespace tochkograf {

// The editor's start, all within the application's one event loop: the
// splash first, alone on the screen; once it has gone, the main window, and
// then the file named on the command line opened in it. The splash stays,
// hidden, to be shown again as the about box.
class StartUp : public QObject {
  Q_OBJECT

 public:
  // `seams` go to the main window; `splash_tick_milliseconds` paces the
  // splash's timer, which tests slow down. Where `recovery_folder` is
  // given, the unsaved work is kept there and the copies that ended copies
  // of the program left there are offered before `file` is opened.
  explicit StartUp(std::optional<QString> file, Form1Seams seams = {},
                   int splash_tick_milliseconds = Form3::kTickMilliseconds,
                   QString recovery_folder = {});
  ~StartUp() override;

  Form3* Splash() const { return splash_.get(); }
  // Null while the splash is up.
  Form1* MainWindow() const { return form_.get(); }
  // The program is about to end without asking (its session is ending):
  // the unsaved work is written to the recovery file, which stays.
  void KeepUnsavedWork();

 signals:
  // The main window has agreed to close: the program ends.
  void Unloaded();

 private:
  static constexpr int kActivationPoll = 20;
  static constexpr int kLongestActivation = 2000;

  void ShowMainWindow();
  // The left-over copies are offered, then the file is opened, once the
  // main window is active, or has had kLongestActivation ms to become so.
  void AfterActivation(int waited);
  void OpenNamedFile();

  std::optional<QString> file_;
  Form1Seams seams_;
  std::unique_ptr<Form3> splash_;
  QString recovery_folder_;
  std::unique_ptr<Form1> form_;             // made after the splash, and gone before it
  std::unique_ptr<RecoveryKeeper> keeper_;  // with the main window, where there is a folder
};

}  // namespace tochkograf
