#include "windows/dialogs/font_export_dialog.h"

#include <QBoxLayout>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "commands/com_dlg_and_funcs.h"
#include "files/fonts/char_list.h"
#include "files/fonts/font_export.h"
#include "windows/adapters/qt_user_messages.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/font_picker.h"
#include "windows/dialogs/font_sheet.h"

namespace tochkograf {

namespace {

const QString kLatin = QStringLiteral("32-126");
const QString kRussian = QStringLiteral("1025, 1040-1103, 1105");  // Ё, А..я, ё
constexpr int kMostShown = 1024;  // characters the preview draws at most
constexpr int kMostNamed = 40;    // missing characters named at most

// A character as the notes name it: itself where it shows, else its code.
QString CharName(char32_t code) {
  if (code > 0x20 && QChar::isPrint(code)) return QString::fromUcs4(&code, 1);
  return CodeText(code);
}

// The name the save dialog offers: the font's caption in Latin letters and
// digits (a C name is made of the file's), with a scalable font's size.
QString OfferedName(const FontChoice& font) {
  QString name;
  for (const QChar c : font.caption)
    if (c.isDigit() || (c.isLetter() && c.unicode() < 0x80)) name += c;
  if (font.scalable) name += QString::number(font.pixel_size);
  return name.isEmpty() || name.front().isDigit() ? QStringLiteral("font") + name : name;
}

// Where the last font was written, for the next one.
QString& ExportFolder() {
  static QString folder;
  return folder;
}

}  // namespace

FontExportDialog::FontExportDialog(const FontExportChoice& start, FileDialogPlatform& files,
                                   QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), files_(files) {
  setObjectName(QStringLiteral("FontExportDialog"));
  setWindowTitle(QStringLiteral("Экспорт шрифта"));
  font_ = new FontPicker(start.font, files, this);
  chars_ = Named(new QLineEdit(start.chars, this), "Chars");
  auto* latin = Named(new QPushButton(QStringLiteral("Латиница"), this), "Latin");
  auto* russian = Named(new QPushButton(QStringLiteral("Кириллица"), this), "Russian");
  latin->setAutoDefault(false);
  russian->setAutoDefault(false);
  connect(latin, &QPushButton::clicked, this, [this] { chars_->setText(kLatin); });
  connect(russian, &QPushButton::clicked, this, &FontExportDialog::AddRussian);
  auto* chars = new QHBoxLayout;
  chars->addWidget(chars_, 1);
  chars->addWidget(latin);
  chars->addWidget(russian);

  sheet_ = new FontSheet(this);
  auto* preview = Named(new QScrollArea(this), "Preview");
  preview->setWidget(sheet_);
  preview->setWidgetResizable(true);
  preview->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  preview->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  preview->setMinimumSize(480, 200);
  preview_ = preview;
  notes_ = Named(new QLabel(this), "Notes");
  notes_->setWordWrap(true);
  notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  save_ = Named(new QPushButton(QStringLiteral("Сохранить..."), this), "Save");
  save_->setDefault(true);
  auto* cancel = Named(new QPushButton(QStringLiteral("Отмена"), this), "Cancel");
  connect(save_, &QPushButton::clicked, this, &FontExportDialog::Save);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save_);
  buttons->addWidget(cancel);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Шрифт:"), font_);
  form->addRow(QStringLiteral("Символы:"), chars);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(preview, 1);
  layout->addWidget(notes_);
  layout->addLayout(buttons);
  connect(font_, &FontPicker::Changed, this, &FontExportDialog::Changed);
  connect(chars_, &QLineEdit::textChanged, this, &FontExportDialog::Changed);
  Changed();
  adjustSize();
  if (parent) CentreOver(this, parent->window());
}

FontExportChoice FontExportDialog::Choice() const { return {font_->Choice(), chars_->text()}; }

// The Russian letters join whatever the field names already.
void FontExportDialog::AddRussian() {
  const QString chars = chars_->text().trimmed();
  if (chars.contains(kRussian)) return;
  chars_->setText(chars.isEmpty() ? kRussian : chars + QStringLiteral(", ") + kRussian);
}

void FontExportDialog::Changed() {
  Note(QString());
  loaded_.reset();
  codes_.clear();
  sheet_->Clear();
  save_->setEnabled(false);
  QString error;
  const std::optional<QList<char32_t>> codes = ParseCharList(chars_->text(), &error);
  if (!codes) {
    Note(error);
    return;
  }
  FontLoading font = font_->Load(*codes);
  if (!font.font) {
    Note(font.error);
    return;
  }
  QStringList missing;
  qsizetype lacking = 0;
  for (const char32_t code : *codes)
    if (!font.font->Find(code) && ++lacking <= kMostNamed) missing << CharName(code);
  if (lacking == codes->size()) {
    Note(QStringLiteral("В шрифте нет ни одного из этих знаков."));
    return;
  }
  QString notes;
  if (lacking > 0) {
    notes = QStringLiteral("Этих знаков в шрифте нет: %1").arg(missing.join(QLatin1Char(' ')));
    if (lacking > kMostNamed) notes += QStringLiteral(" и ещё %1").arg(lacking - kMostNamed);
    notes += QLatin1Char('.');
  }
  if (codes->size() > kMostShown)
    notes += QStringLiteral(" Показаны первые %1 знака из %2.").arg(kMostShown).arg(codes->size());
  Note(notes.trimmed());
  sheet_->Show(*font.font, codes->first(std::min<qsizetype>(codes->size(), kMostShown)));
  codes_ = *codes;
  loaded_ = std::move(font.font);
  save_->setEnabled(true);
}

// The notes' own room below the preview, as the text dialog's warning
// has: a few lines at least, so that the dialog keeps its size as they
// come and go, and all their lines at the preview's narrowest.
void FontExportDialog::Note(const QString& text) {
  notes_->setText(text);
  const int lines = 3 * notes_->fontMetrics().lineSpacing();
  notes_->setMinimumHeight(std::max(lines, notes_->heightForWidth(preview_->minimumWidth())));
}

void FontExportDialog::Save() {
  if (!loaded_) return;
  FileDialogRequest request;
  request.mode = FileDialogMode::Save;
  request.owner = this;
  request.title = windowTitle();
  request.filters = {{QStringLiteral("Шрифт Adafruit GFX"), {QStringLiteral("*.h")}},
                     {QStringLiteral("Шрифт BDF"), {QStringLiteral("*.bdf")}}};
  request.folder = ExportFolder();
  request.name = OfferedName(font_->Choice());
  // The name may yet get its extension, and the file so named is asked
  // about here.
  request.ask_before_replacing = false;
  FileDialogChoice choice;
  if (!ShowFileDialog(files_, request, choice)) return;
  QString path = choice.paths.first();
  if (!IsFontExportPath(path))
    path += choice.filter == 1 ? QStringLiteral(".bdf") : QStringLiteral(".h");
  const QFileInfo target(path);
  ExportFolder() = target.absolutePath();
  QtUserMessages messages(this);
  if (target.exists() && !messages.AskReplace(windowTitle(), target.fileName())) return;
  const QString failure = ExportFont(*loaded_, codes_, path);
  if (!failure.isEmpty()) {
    messages.ShowFailure(failure);
    return;
  }
  accept();
}

}  // namespace tochkograf
