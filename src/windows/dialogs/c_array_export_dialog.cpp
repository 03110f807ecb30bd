#include "windows/dialogs/c_array_export_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/dialogs/display_bytes_choice.h"
#include "windows/dialogs/radio_row.h"
#include "windows/screen_room.h"

namespace tochkograf {

namespace {

// The widest line the code has: 16 bytes of "0x00, " after its indent.
constexpr int kWidestLine = 4 + 16 * 6;
constexpr int kLongestName = 63;

}  // namespace

CArrayExportDialog::CArrayExportDialog(const Animation& frames, const CArrayOptions& start,
                                       QWidget* parent)
    : QDialog(parent, kFixedDialogFlags), frames_(frames) {
  setWindowTitle(QStringLiteral("Массив C"));
  CreateControls(start);
  LayOut();
  ShowCode();
  connect(bytes_, &DisplayBytesChoice::Changed, this, &CArrayExportDialog::ShowCode);
  connect(name_, &QLineEdit::textChanged, this, &CArrayExportDialog::ShowCode);
  connect(progmem_, &QCheckBox::toggled, this, &CArrayExportDialog::ShowCode);
  connect(compression_, &RadioRow::Changed, this, &CArrayExportDialog::ShowCode);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  layout()->activate();
  if (parent) CentreOver(this, parent->window());
}

void CArrayExportDialog::CreateControls(const CArrayOptions& start) {
  bytes_ = Named(new DisplayBytesChoice(start.layout, start.set_bit, this), "bytes");
  name_ = Named(new QLineEdit(start.name, this), "name");
  name_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[A-Za-z_][A-Za-z0-9_]{0,%1}").arg(kLongestName - 1)),
      name_));
  progmem_ =
      Named(new QCheckBox(QStringLiteral("PROGMEM (в памяти программы Arduino)"), this), "progmem");
  progmem_->setChecked(start.progmem);
  compression_ = CompressionRow(start.compression, this);
  sizes_ = Named(new QLabel(compression_), "sizes");
  why_ = Named(new QLabel(this), "why");
  why_->setWordWrap(true);
  why_->setMinimumHeight(why_->fontMetrics().lineSpacing());
  code_ = Named(new QPlainTextEdit(this), "code");
  code_->setReadOnly(true);
  code_->setLineWrapMode(QPlainTextEdit::NoWrap);
  code_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  code_->setFocusPolicy(Qt::NoFocus);
  code_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  code_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const QFontMetrics metrics(code_->font());
  const int frame = 2 * (code_->frameWidth() + int(code_->document()->documentMargin()));
  code_->setFixedSize(metrics.horizontalAdvance(QString(kWidestLine, u'0')) + frame + 4,
                      metrics.lineSpacing() * kShownLines + frame + 4);
  ok_ = Named(new QPushButton(QStringLiteral("OK"), this), "ok");
  ok_->setDefault(true);
  cancel_ = Named(new QPushButton(QStringLiteral("Отмена"), this), "cancel");
}

void CArrayExportDialog::LayOut() {
  auto* name_row = new QHBoxLayout;
  auto* name_label = new QLabel(QStringLiteral("Имя массива:"), this);
  name_label->setBuddy(name_);
  name_row->addWidget(name_label);
  name_row->addWidget(name_, 1);
  // Beside the name, not under it: the dialog has to fit a small screen.
  name_row->addWidget(progmem_);
  compression_->AddAtEnd(sizes_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* rows = new QVBoxLayout(this);
  rows->addWidget(bytes_);
  rows->addLayout(name_row);
  rows->addWidget(why_);
  rows->addWidget(compression_);
  rows->addWidget(new QLabel(QStringLiteral("Код от определений:"), this));
  rows->addWidget(code_);
  rows->addLayout(buttons);
  rows->setSizeConstraint(QLayout::SetFixedSize);
  FitCode(rows->totalSizeHint());
  QWidget* previous = nullptr;
  for (QWidget* next : bytes_->Buttons() + QList<QWidget*>{name_, progmem_} +
                           compression_->Buttons() + QList<QWidget*>{ok_, cancel_}) {
    if (previous) setTabOrder(previous, next);
    previous = next;
  }
}

// On a screen too small for the dialog the code shows fewer lines, or less
// of them, and scrolls; never less than a few lines of a few bytes.
void CArrayExportDialog::FitCode(const QSize& needed) {
  const QSize over = needed - ScreenRoom(this);
  if (over.width() <= 0 && over.height() <= 0) return;
  const QFontMetrics metrics(code_->font());
  const QSize least(metrics.horizontalAdvance(QString(4 + 3 * 6, u'0')), 4 * metrics.lineSpacing());
  code_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  code_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  code_->setFixedSize((code_->size() - QSize(std::max(0, over.width()), std::max(0, over.height())))
                          .expandedTo(least));
}

CArrayOptions CArrayExportDialog::Options() const {
  return {bytes_->Layout(), bytes_->Meaning(), name_->text(), progmem_->isChecked(),
          ChosenCompression(*compression_)};
}

// The code as it will be written, from its definitions on (the includes
// and PROGMEM's lines before them are the same for every picture), cut to
// its first lines. While the name cannot be taken it shows as "_", and "OK"
// waits for another, saying why.
void CArrayExportDialog::ShowCode() {
  const QString refusal = CNameRefusal(name_->text());
  if (name_->text().isEmpty())
    why_->setText(QStringLiteral("Нужно имя массива."));
  else
    why_->setText(refusal.isEmpty()
                      ? QString()
                      : QStringLiteral("Так назвать массив нельзя: %1.").arg(refusal));
  const bool named = why_->text().isEmpty();
  ok_->setEnabled(named);
  CArrayOptions options = Options();
  if (!named) options.name = QStringLiteral("_");
  const QStringList lines = QString::fromUtf8(EncodeCArrayAnimation(frames_, options)).split(u'\n');
  qsizetype first = 0;
  const QString definitions = QStringLiteral("#define %1_").arg(options.name.toUpper());
  while (first < lines.size() && !lines[first].startsWith(definitions)) ++first;
  QStringList shown = lines.mid(first, kShownLines);
  if (lines.size() > first + kShownLines + 1) shown.last() = QStringLiteral("    …");
  code_->setPlainText(shown.join(u'\n'));
  sizes_->setText(SizesText(SizesOf(frames_, options.layout, options.set_bit)));
}

QString CArrayExportDialog::WhyNot() const { return why_->text(); }

QString CArrayExportDialog::ShownCode() const { return code_->toPlainText(); }

}  // namespace tochkograf
