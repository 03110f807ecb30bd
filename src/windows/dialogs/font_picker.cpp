#include "windows/dialogs/font_picker.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include "commands/com_dlg_and_funcs.h"
#include "files/fonts/installed_fonts.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/fitted_message_box.h"

namespace tochkograf {

namespace {

constexpr int kFromFile = -1;      // the data of "Из файла..."
constexpr int kShortestList = 24;  // characters the list shows of a caption at least
constexpr int kListedAtOnce = 20;  // items the open list shows before it scrolls

// Asking fontconfig takes a moment, and the fonts do not change while the
// editor runs often enough to ask again at every opening of a dialog.
const QList<FontChoice>& Installed() {
  static const QList<FontChoice> fonts = InstalledFonts();
  return fonts;
}

// Where the last font file came from, for the next "Из файла...".
QString& FontFolder() {
  static QString folder;
  return folder;
}

// The size a scalable font was last drawn at in any dialog, which the
// next one starts from: 12 pixels until one is chosen.
int& LastSize() {
  static int size = 12;
  return size;
}

// The same font, whatever size a scalable one was last drawn at.
bool SameFont(const FontChoice& a, const FontChoice& b) {
  if (a.IsBuiltIn() || b.IsBuiltIn())
    return a.IsBuiltIn() && b.IsBuiltIn() && a.built_in == b.built_in;
  return a.file == b.file && a.face == b.face && a.scalable == b.scalable &&
         (a.scalable || a.pixel_size == b.pixel_size);
}

}  // namespace

FontPicker::FontPicker(const FontChoice& start, FileDialogPlatform& files, QWidget* parent)
    : QWidget(parent), files_(files) {
  setObjectName(QStringLiteral("FontPicker"));
  list_ = Named(new QComboBox(this), "Font");
  list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  list_->setMinimumContentsLength(kShortestList);
  // Some styles open the list over the whole height of the screen, which a
  // system's hundreds of fonts would fill; it scrolls instead.
  list_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  list_->setMaxVisibleItems(kListedAtOnce);
  for (FontSize size : kFontSizes) Append(BuiltInChoice(size));
  list_->insertSeparator(list_->count());
  for (const FontChoice& font : Installed()) Append(font);
  list_->insertSeparator(list_->count());
  list_->addItem(QStringLiteral("Из файла..."), kFromFile);
  chosen_ = Place(start);
  list_->setCurrentIndex(chosen_);
  // The open list shows the longest caption whole, however narrow the box.
  list_->view()->setMinimumWidth(list_->view()->sizeHintForColumn(0) +
                                 2 * list_->view()->frameWidth() + 24);

  size_label_ = new QLabel(QStringLiteral("Размер (точек):"), this);
  size_ = Named(new QSpinBox(this), "FontSize");
  size_->setRange(kSmallestFontPixels, kLargestFontPixels);
  size_->setValue(start.scalable && start.pixel_size > 0 ? start.pixel_size : LastSize());
  size_label_->setBuddy(size_);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(list_, 1);
  layout->addWidget(size_label_);
  layout->addWidget(size_);
  ShowChosen(chosen_);
  connect(list_, &QComboBox::currentIndexChanged, this, &FontPicker::Chosen);
  connect(size_, &QSpinBox::valueChanged, this, [this](int size) {
    LastSize() = size;
    emit Changed();
  });
}

FontChoice FontPicker::Choice() const {
  FontChoice choice = choices_.value(list_->itemData(chosen_).toInt());
  if (choice.scalable) choice.pixel_size = size_->value();
  return choice;
}

FontLoading FontPicker::Load(const QList<char32_t>& codes) {
  const FontChoice choice = Choice();
  if (choice.scalable) return LoadFont(choice, codes);
  if (!kept_ || !(kept_for_ == choice)) {
    kept_ = LoadFont(choice, {});
    kept_for_ = choice;
  }
  return *kept_;
}

int FontPicker::Place(const FontChoice& choice) {
  for (int i = 0; i < list_->count(); ++i) {
    bool is_choice = false;
    const int at = list_->itemData(i).toInt(&is_choice);
    if (is_choice && at >= 0 && SameFont(choices_[at], choice)) return i;
  }
  return Append(choice, list_->findData(kFromFile) - 1);  // above the separator
}

int FontPicker::Append(const FontChoice& choice, int index) {
  if (index < 0) index = list_->count();
  choices_.append(choice);
  list_->insertItem(index, choice.caption, int(choices_.size() - 1));
  list_->setItemData(index, choice.file, Qt::ToolTipRole);
  return index;
}

void FontPicker::Chosen(int index) {
  if (list_->itemData(index).toInt() == kFromFile) {
    AskFile();
    return;
  }
  chosen_ = index;
  ShowChosen(index);
  emit Changed();
}

// "Из файла...": the list goes back to the font chosen before while the
// file is asked for, and moves to the file's font once it has been read.
void FontPicker::AskFile() {
  {
    const QSignalBlocker quiet(list_);
    list_->setCurrentIndex(chosen_);
  }
  FileDialogRequest request;
  request.owner = window();
  request.title = QStringLiteral("Шрифт из файла");
  request.filters = {{QStringLiteral("Шрифты"),
                      {QStringLiteral("*.bdf"), QStringLiteral("*.pcf"), QStringLiteral("*.pcf.gz"),
                       QStringLiteral("*.ttf"), QStringLiteral("*.otf"), QStringLiteral("*.ttc")}},
                     {QStringLiteral("Все файлы"), {QStringLiteral("*")}}};
  request.folder = FontFolder();
  FileDialogChoice answer;
  if (!ShowFileDialog(files_, request, answer)) return;
  const QString path = answer.paths.first();
  FontFolder() = QFileInfo(path).absolutePath();
  QString error;
  const std::optional<FontChoice> font = ChoiceOfFile(path, &error);
  if (!font) {
    FittedMessageBox(QMessageBox::Warning, request.title, error, QMessageBox::Ok, window()).exec();
    return;
  }
  list_->setCurrentIndex(Place(*font));
}

// The size is asked only of a scalable font.
void FontPicker::ShowChosen(int index) {
  const bool scalable = choices_.value(list_->itemData(index).toInt()).scalable;
  size_label_->setEnabled(scalable);
  size_->setEnabled(scalable);
}

QList<char32_t> CodesOf(const QString& text) {
  QList<char32_t> codes;
  for (const uint code : text.normalized(QString::NormalizationForm_C).toUcs4()) codes.append(code);
  return codes;
}

}  // namespace tochkograf
