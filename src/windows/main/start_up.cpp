#include "windows/main/start_up.h"

#include <QApplication>
#include <QTimer>

#include "files/disk/system_name.h"
#include "windows/artwork.h"

namespace tochkograf {

StartUp::StartUp(std::optional<QString> file, Form1Seams seams, int splash_tick_milliseconds,
                 QString recovery_folder)
    : file_(std::move(file)), seams_(seams), recovery_folder_(std::move(recovery_folder)) {
  splash_ = std::make_unique<Form3>(nullptr, splash_tick_milliseconds);
  connect(splash_.get(), &Form3::Hidden, this, &StartUp::ShowMainWindow,
          Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
  splash_->show();
}

StartUp::~StartUp() {
  // The keeper watches the window: it goes first.
  keeper_.reset();
}

void StartUp::ShowMainWindow() {
  // Every window of the program shows the icon from here on. The borderless
  // splash shows none, so it is given after the splash: reading the icon
  // would only keep the splash from coming up sooner.
  QApplication::setWindowIcon(AppIcon());
  seams_.splash = splash_.get();
  form_ = std::make_unique<Form1>(seams_);
  connect(form_.get(), &Form1::Unloaded, this, [this] {
    if (keeper_) keeper_->Discard();
    emit Unloaded();
  });
  form_->show();
  // Shown first, so that the questions and a message about the file come
  // up over the window.
  if (recovery_folder_.isEmpty()) {
    OpenNamedFile();
    return;
  }
  keeper_ = std::make_unique<RecoveryKeeper>(*form_, recovery_folder_);
  AfterActivation(0);
}

// A question shown before the window manager has made the new window the
// active one would lose the keyboard to it.
void StartUp::AfterActivation(int waited) {
  if (!form_->isActiveWindow() && waited < kLongestActivation) {
    QTimer::singleShot(kActivationPoll, this, [this, waited] {
      if (form_) AfterActivation(waited + kActivationPoll);
    });
    return;
  }
  keeper_->OfferLeftOvers();
  // A picture just brought back is not dropped unasked for the file.
  if (file_ && (form_->State().IZM == kOff || form_->Commands().MayDropChanges(kOpenTitle)))
    OpenNamedFile();
}

void StartUp::OpenNamedFile() {
  if (file_) form_->OpenFile(AbsoluteName(*file_));
}

void StartUp::KeepUnsavedWork() {
  if (keeper_) keeper_->WriteNow();
}

}  // namespace tochkograf
