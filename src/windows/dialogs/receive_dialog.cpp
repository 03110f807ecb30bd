#include "windows/dialogs/receive_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "commands/file_dialog_platform.h"
#include "devices/received_source.h"
#include "files/status_texts.h"
#include "images/png_codec.h"
#include "windows/centre_over.h"
#include "windows/dialogs/dialog_parts.h"
#include "windows/screen_room.h"

namespace tochkograf {

namespace {

// A picture's cells in the list, in screen pixels: small pictures stay
// legible, the largest still fits a row.
constexpr int kListCell = 2;

// The first frame, with a grey line round it where the paper ends.
QIcon Preview(const ReceivedPicture& picture) {
  const QImage image = PictureImage(picture.frames.Frame(0));
  QPixmap framed(image.size() * kListCell + QSize(2, 2));
  framed.fill(Qt::gray);
  QPainter painter(&framed);
  painter.drawImage(QPoint(1, 1), image.scaled(image.size() * kListCell));
  return QIcon(framed);
}

QString Size(const ReceivedPicture& picture) {
  QString size = SizeText(picture.frames.width, picture.frames.height);
  if (picture.frames.Count() > 1)
    size += QStringLiteral(", кадров: %1").arg(picture.frames.Count());
  return size;
}

QString Whose(const ReceivedPicture& picture) {
  const QString address = picture.address.isEmpty() ? QStringLiteral("?") : picture.address;
  return picture.submitted ? QStringLiteral("для ") + address : address;
}

QString When(const QDateTime& time) {
  return time.isValid() ? time.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : QString();
}

QString What(const ReceivedPicture& picture) {
  QString text = QString(picture.text).replace(u'\n', u' ');
  if (picture.network)
    text = QStringLiteral("сеть %1 %2").arg(NetworkCodeText(*picture.network), text);
  return text.trimmed();
}

// A label whose key moves to `field`, which stands in a row of its own.
QLabel* Buddied(const QString& text, QWidget* field) {
  auto* label = new QLabel(text, field->parentWidget());
  label->setBuddy(field);
  return label;
}

}  // namespace

ReceiveDialog::ReceiveDialog(const QList<PresentPort>& ports, const ModemPort& start,
                             FileDialogPlatform& files, QWidget* parent)
    : QDialog(parent), modem_(ports, start, this), files_(files) {
  setWindowTitle(QStringLiteral("Принять с телефона"));
  auto* file = Named(new QPushButton(QStringLiteral("&Файл..."), this), "file");
  file->setAutoDefault(false);
  auto* read = Named(new QPushButton(QStringLiteral("&Прочитать"), this), "read");
  read->setAutoDefault(false);
  auto* source = new QHBoxLayout;
  source->addWidget(modem_.Port(), 1);
  source->addWidget(file);
  auto* form = new QFormLayout;
  form->addRow(Buddied(QStringLiteral("&Источник:"), modem_.Port()), source);
  auto* speed = new QHBoxLayout;
  speed->addWidget(modem_.Speed());
  speed->addStretch();
  speed->addWidget(read);
  form->addRow(Buddied(QStringLiteral("С&корость, бит/с:"), modem_.Speed()), speed);

  list_ = Named(new QTreeWidget(this), "pictures");
  list_->setRootIsDecorated(false);
  list_->setHeaderLabels({QStringLiteral("Рисунок"), QStringLiteral("Вид"),
                          QStringLiteral("Размер"), QStringLiteral("Отправитель"),
                          QStringLiteral("Время"), QStringLiteral("Текст")});
  list_->setMinimumSize(480, 200);
  notes_ = Named(new QLabel(QStringLiteral("Выберите порт модема или файл с сообщениями и нажмите "
                                           "«Прочитать»."),
                            this),
                 "notes");
  notes_->setWordWrap(true);
  notes_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QDialogButtonBox(this);
  open_ =
      Named(buttons->addButton(QStringLiteral("Открыть"), QDialogButtonBox::AcceptRole), "open");
  buttons->addButton(QStringLiteral("Закрыть"), QDialogButtonBox::RejectRole);
  open_->setEnabled(false);
  open_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(list_, 1);
  layout->addWidget(notes_);
  layout->addWidget(buttons);

  connect(file, &QPushButton::clicked, this, &ReceiveDialog::ChooseFile);
  connect(read, &QPushButton::clicked, this, &ReceiveDialog::Read);
  // Queued: the dialog sees the same Enter first, while the field still has
  // the focus, and lets it be (accept).
  connect(modem_.Port()->lineEdit(), &QLineEdit::returnPressed, this, &ReceiveDialog::Read,
          Qt::QueuedConnection);
  connect(list_, &QTreeWidget::currentItemChanged, this,
          [this] { open_->setEnabled(list_->currentItem() != nullptr); });
  connect(list_, &QTreeWidget::itemActivated, this, [this] { accept(); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  adjustSize();
  if (parent) CentreOver(this, parent->window());
}

ReceiveDialog::~ReceiveDialog() = default;

void ReceiveDialog::ChooseFile() {
  FileDialogChoice choice;
  FileDialogRequest request;
  request.owner = this;
  request.title = QStringLiteral("Сообщения SMS");
  request.filters = {
      {QStringLiteral("Сообщения SMS"),
       {QStringLiteral("*.smsbackup"), QStringLiteral("*.at"), QStringLiteral("*.txt")}},
      {QStringLiteral("Все файлы"), {QStringLiteral("*")}}};
  if (!files_.Show(request, choice) || choice.paths.isEmpty()) return;
  modem_.Port()->setEditText(choice.paths.first());
  Read();
}

void ReceiveDialog::Read() {
  const ModemPort port = modem_.Chosen();
  if (port.name.isEmpty()) {
    Say(QStringLiteral("Не указан источник: порт модема или файл с сообщениями."));
    return;
  }
  Say(QStringLiteral("Чтение «%1»...").arg(port.name));
  setEnabled(false);
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  Reception reception;
  const QString reason = ReceiveFromSource(port, reception);
  QGuiApplication::restoreOverrideCursor();
  setEnabled(true);
  if (!reason.isEmpty()) {
    Say(QStringLiteral("Не удалось прочитать «%1»: %2.").arg(port.name, reason));
    return;
  }
  ShowReception(reception);
}

void ReceiveDialog::ShowReception(const Reception& reception) {
  pictures_ = reception.pictures;
  list_->clear();
  QSize largest(1, 1);
  for (const ReceivedPicture& picture : pictures_) {
    auto* row =
        new QTreeWidgetItem(list_, {QString(), SmsKindOf(picture.kind).caption, Size(picture),
                                    Whose(picture), When(picture.time), What(picture)});
    row->setIcon(0, Preview(picture));
    largest = largest.expandedTo(QSize(picture.frames.width, picture.frames.height) * kListCell +
                                 QSize(2, 2));
  }
  list_->setIconSize(largest);
  for (int column = 0; column < list_->columnCount(); ++column)
    list_->resizeColumnToContents(column);
  Widen();
  if (!pictures_.isEmpty()) list_->setCurrentItem(list_->topLevelItem(0));
  list_->setFocus();
  QString said = pictures_.isEmpty() ? QStringLiteral("Рисунков в сообщениях нет.")
                                     : QStringLiteral("Рисунков: %1.").arg(pictures_.size());
  // The first notes say what went wrong; the count says how much.
  constexpr int kNotesShown = 3;
  for (qsizetype i = 0; i < reception.notes.size() && i < kNotesShown; ++i)
    said += u'\n' + reception.notes[i];
  if (reception.notes.size() > kNotesShown)
    said += QStringLiteral("\n...и ещё замечаний: %1").arg(reception.notes.size() - kNotesShown);
  Say(said);
}

void ReceiveDialog::accept() {
  // Enter in the source's field reads it; only Enter elsewhere opens.
  if (modem_.Port()->lineEdit()->hasFocus()) return;
  QDialog::accept();
}

void ReceiveDialog::Widen() {
  // Every column whole where the screen has room for it; a long text
  // scrolls.
  const int wanted = width() + list_->header()->length() - list_->viewport()->width();
  Grow({qMin(wanted, ScreenRoom(this).width()), height()});
}

void ReceiveDialog::Say(const QString& line) {
  notes_->setText(line);
  // More lines than before: the window grows to hold them (a wrapped
  // label's height is not a minimum the layout keeps by itself).
  layout()->activate();
  Grow({width(), layout()->totalHeightForWidth(width())});
}

void ReceiveDialog::Grow(QSize size) {
  size = size.expandedTo(this->size());
  if (size == this->size()) return;
  resize(size);
  if (isVisible())
    KeepOnScreen(this);
  else if (parentWidget())
    CentreOver(this, parentWidget()->window());
}

std::optional<ReceivedPicture> ReceiveDialog::Chosen() const {
  const int row = list_->indexOfTopLevelItem(list_->currentItem());
  if (row < 0 || row >= pictures_.size()) return std::nullopt;
  return pictures_[row];
}

}  // namespace tochkograf
