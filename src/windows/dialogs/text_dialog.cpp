#include "windows/dialogs/text_dialog.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <climits>

#include "windows/centre_over.h"
#include "windows/dialogs/font_picker.h"
#include "windows/main/shown_cells.h"

namespace tochkograf {

namespace {

// The text drawn as the editor draws it, ink on paper, each cell as many
// screen pixels square as fit the room (at most six), from the left; what
// does not fit is cut off at the right.
class TextPreview : public QWidget {
 public:
  explicit TextPreview(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TextPreview"));
    setMinimumSize(360, 6 * 16);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  void Show(const PixelText& text) {
    text_ = text;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), kPaperColour);
    if (text_.runs.empty()) return;
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (const CellRun& run : text_.runs) {
      left = std::min(left, run.first), right = std::max(right, run.last);
      top = std::min(top, run.y), bottom = std::max(bottom, run.y);
    }
    const int margin = 4;
    const int cell = std::clamp(std::min((width() - 2 * margin) / (right - left + 1),
                                         (height() - 2 * margin) / (bottom - top + 1)),
                                1, 6);
    const QPoint origin(margin, (height() - (bottom - top + 1) * cell) / 2);
    for (const CellRun& run : text_.runs)
      painter.fillRect(QRect(origin + QPoint((run.first - left) * cell, (run.y - top) * cell),
                             QSize((run.last - run.first + 1) * cell, cell)),
                       kInkColour);
  }

 private:
  PixelText text_;
};

}  // namespace

TextDialog::TextDialog(const TextChoice& start, FileDialogPlatform& files, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("TextDialog"));
  setWindowTitle(QStringLiteral("Текст"));
  text_ = new QLineEdit(start.text, this);
  text_->setObjectName(QStringLiteral("Text"));
  text_->selectAll();

  font_ = new FontPicker(start.font, files, this);
  connect(font_, &FontPicker::Changed, this, &TextDialog::Changed);

  preview_ = new TextPreview(this);
  missing_ = new QLabel(this);
  missing_->setObjectName(QStringLiteral("Missing"));
  missing_->setWordWrap(true);

  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("OK"));
  ok_->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Отмена"), this);
  cancel->setObjectName(QStringLiteral("Cancel"));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Текст:"), text_);
  form->addRow(QStringLiteral("Шрифт:"), font_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(preview_, 1);
  layout->addWidget(missing_);
  layout->addLayout(buttons);
  connect(text_, &QLineEdit::textChanged, this, &TextDialog::Changed);
  Changed();
  adjustSize();
  if (parent) CentreOver(this, parent->window());
}

TextChoice TextDialog::Choice() const { return TextChoice{text_->text(), font_->Choice()}; }

void TextDialog::Changed() {
  const TextChoice choice = Choice();
  const FontLoading font = font_->Load(CodesOf(choice.text));
  const PixelText text = font.font ? TextRuns(choice.text, *font.font, QPoint(0, 0)) : PixelText{};
  static_cast<TextPreview*>(preview_)->Show(text);
  if (!font.font)
    missing_->setText(font.error);
  else
    missing_->setText(
        text.missing.isEmpty()
            ? QString()
            : QStringLiteral("Этих знаков в шрифте нет, они будут пустыми рамками: %1")
                  .arg(text.missing.join(QLatin1Char(' '))));
  // The warning's own room below the preview: two lines at least, so that
  // the dialog does not jump as it comes and goes, and all its lines at the
  // narrowest it can be, the preview's width. A wrapped label's height is
  // no part of the shown dialog's minimum, so a warning longer than the
  // room it had would otherwise be laid over the preview.
  const int lines = 2 * missing_->fontMetrics().lineSpacing();
  missing_->setMinimumHeight(std::max(lines, missing_->heightForWidth(preview_->minimumWidth())));
  ok_->setEnabled(!choice.text.isEmpty() && font.font);
}

}  // namespace tochkograf
