// The main window's commands: the one table they are made from, and their
// handlers.

#include "commands/bmp_import.h"
#include "commands/c_array_import.h"
#include "commands/desktop_clipboard_commands.h"
#include "commands/edit_commands.h"
#include "commands/export_command.h"
#include "commands/frame_commands.h"
#include "commands/frame_duration.h"
#include "commands/image_import.h"
#include "picture/drawing_tools.h"
#include "picture/frames.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"
#include "windows/icons/editcopy.xpm"
#include "windows/icons/editcut.xpm"
#include "windows/icons/editpaste.xpm"
#include "windows/icons/filenew.xpm"
#include "windows/icons/fileopen.xpm"
#include "windows/icons/filesave.xpm"
#include "windows/icons/size.xpm"
#include "windows/icons/toolbox.xpm"
#include "windows/icons/tooldisc.xpm"
#include "windows/icons/toolellipse.xpm"
#include "windows/icons/toolfill.xpm"
#include "windows/icons/toolline.xpm"
#include "windows/icons/toolpen.xpm"
#include "windows/icons/toolrect.xpm"
#include "windows/icons/tooltext.xpm"
#include "windows/main/form1.h"

namespace tochkograf {

namespace {

template <DrawingTool tool>
bool ToolInUse(const CommandState& state) {
  return state.document.Tool == tool;
}

// The frame commands, where they can do anything: a frame is added while
// there is room for one, deleted while another stays, moved or gone to
// while there is one on that side.
bool MayAddFrame(const CommandState& state) {
  return !state.playing && FrameCount(state.document) < kMaxFrames;
}
bool HasOtherFrames(const CommandState& state) {
  return !state.playing && FrameCount(state.document) > 1;
}
bool HasFrameBefore(const CommandState& state) {
  return !state.playing && state.document.CurrentFrame > 0;
}
bool HasFrameAfter(const CommandState& state) {
  return !state.playing && state.document.CurrentFrame < FrameCount(state.document) - 1;
}

// The place of the tools' button `index`, after the size button and a gap.
ButtonPlace ToolButton(int index) { return ButtonPlace{256 + 32 * index, 0, 29}; }

}  // namespace

// Menus and their items in order. The gaps between the toolbar buttons group
// them: new | open, save | cut, copy, paste | size | the drawing tools.
std::vector<Menu> Form1::CommandTable() {
  const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
  const auto ctrl_shift = [](Qt::Key key) { return QKeySequence(Qt::CTRL | Qt::SHIFT | key); };
  const auto separator = [](const char* name) { return Command{.name = name}; };
  return {
      {"filemenu",
       QStringLiteral("Файл"),
       {
           {.name = "filenew",
            .caption = QStringLiteral("Новый файл"),
            .shortcut = ctrl(Qt::Key_N),
            .run = &Form1::filenew_Click,
            .picture = filenew_xpm,
            .button = ButtonPlace{0, 0, 30}},
           {.name = "fileopen",
            .caption = QStringLiteral("Открыть файл..."),
            .shortcut = ctrl(Qt::Key_O),
            .run = &Form1::fileopen_Click,
            .picture = fileopen_xpm,
            .button = ButtonPlace{40, 0, 30}},
           separator("t1"),
           {.name = "filesave",
            .caption = QStringLiteral("Сохранить файл"),
            .shortcut = ctrl(Qt::Key_S),
            .run = &Form1::filesave_Click,
            .picture = filesave_xpm,
            .button = ButtonPlace{72, 0, 29}},
           {.name = "filesaveas",
            .caption = QStringLiteral("Сохранить файл как..."),
            .run = &Form1::filesaveas_Click},
           separator("t5"),
           {.name = "frombmp",
            .caption = QStringLiteral("Импорт из BMP"),
            .run = &Form1::frombmp_Click},
           {.name = "fromimage",
            .caption = QStringLiteral("Импорт изображения..."),
            .run = &Form1::fromimage_Click},
           {.name = "fromcarray",
            .caption = QStringLiteral("Импорт массива C..."),
            .run = &Form1::fromcarray_Click},
           {.name = "fileexport",
            .caption = QStringLiteral("Экспорт..."),
            .run = &Form1::fileexport_Click},
           separator("t8"),
           {.name = "fileexit", .caption = QStringLiteral("Выход"), .run = &Form1::fileexit_Click},
       }},
      {"edit",
       QStringLiteral("Редактирование"),
       {
           {.name = "editundo",
            .caption = QStringLiteral("Отмена"),
            .shortcut = ctrl(Qt::Key_Z),
            .run = &Form1::editundo_Click},
           separator("t7"),
           {.name = "editcut",
            .caption = QStringLiteral("Вырезать"),
            .shortcut = ctrl(Qt::Key_X),
            .run = &Form1::editcut_Click,
            .picture = editcut_xpm,
            .button = ButtonPlace{112, 0, 29}},
           {.name = "editcopy",
            .caption = QStringLiteral("Копировать"),
            .shortcut = ctrl(Qt::Key_C),
            .run = &Form1::editcopy_Click,
            .picture = editcopy_xpm,
            .button = ButtonPlace{144, 0, 29}},
           {.name = "editpaste",
            .caption = QStringLiteral("Вставить"),
            .shortcut = ctrl(Qt::Key_V),
            .run = &Form1::editpaste_Click,
            .picture = editpaste_xpm,
            .button = ButtonPlace{176, 0, 29}},
           separator("tdesktop"),
           {.name = "editcopyimage",
            .caption = QStringLiteral("Копировать как изображение"),
            .shortcut = ctrl_shift(Qt::Key_C),
            .run = &Form1::editcopyimage_Click},
           {.name = "editpasteimage",
            .caption = QStringLiteral("Вставить изображение"),
            .shortcut = ctrl_shift(Qt::Key_V),
            .run = &Form1::editpasteimage_Click},
           {.name = "editcopyc",
            .caption = QStringLiteral("Копировать как код C"),
            .run = &Form1::editcopyc_Click},
           separator("t4"),
           {.name = "sup", .caption = QStringLiteral("Скролл вверх (8)"), .run = &Form1::sup_Click},
           {.name = "sdown",
            .caption = QStringLiteral("Скролл вниз (2)"),
            .run = &Form1::sdown_Click},
           {.name = "sleft",
            .caption = QStringLiteral("Скролл влево (4)"),
            .run = &Form1::sleft_Click},
           {.name = "sright",
            .caption = QStringLiteral("Скролл вправо (6)"),
            .run = &Form1::sright_Click},
           separator("tflips"),
           {.name = "editfliph",
            .caption = QStringLiteral("Отразить слева направо"),
            .run = &Form1::editfliph_Click},
           {.name = "editflipv",
            .caption = QStringLiteral("Отразить сверху вниз"),
            .run = &Form1::editflipv_Click},
           {.name = "editrotate",
            .caption = QStringLiteral("Повернуть на 180°"),
            .run = &Form1::editrotate_Click},
           {.name = "editinvert",
            .caption = QStringLiteral("Инвертировать"),
            .run = &Form1::editinvert_Click},
       }},
      {"draw",
       QStringLiteral("Рисование"),
       {
           {.name = "drawpen",
            .caption = QStringLiteral("Карандаш"),
            .shortcut = QKeySequence(Qt::Key_P),
            .run = &Form1::ChooseTool<DrawingTool::kPen>,
            .picture = toolpen_xpm,
            .button = ToolButton(0),
            .checked = ToolInUse<DrawingTool::kPen>,
            .group = "tools",
            .tooltip = QStringLiteral("Карандаш (P)")},
           {.name = "drawline",
            .caption = QStringLiteral("Линия"),
            .shortcut = QKeySequence(Qt::Key_L),
            .run = &Form1::ChooseTool<DrawingTool::kLine>,
            .picture = toolline_xpm,
            .button = ToolButton(1),
            .checked = ToolInUse<DrawingTool::kLine>,
            .group = "tools",
            .tooltip = QStringLiteral("Линия (L)")},
           {.name = "drawrect",
            .caption = QStringLiteral("Прямоугольник"),
            .shortcut = QKeySequence(Qt::Key_R),
            .run = &Form1::ChooseTool<DrawingTool::kRectangle>,
            .picture = toolrect_xpm,
            .button = ToolButton(2),
            .checked = ToolInUse<DrawingTool::kRectangle>,
            .group = "tools",
            .tooltip = QStringLiteral("Прямоугольник (R)")},
           {.name = "drawbox",
            .caption = QStringLiteral("Закрашенный прямоугольник"),
            .shortcut = QKeySequence(Qt::SHIFT | Qt::Key_R),
            .run = &Form1::ChooseTool<DrawingTool::kFilledRectangle>,
            .picture = toolbox_xpm,
            .button = ToolButton(3),
            .checked = ToolInUse<DrawingTool::kFilledRectangle>,
            .group = "tools",
            .tooltip = QStringLiteral("Закрашенный прямоугольник (Shift+R)")},
           {.name = "drawellipse",
            .caption = QStringLiteral("Эллипс"),
            .shortcut = QKeySequence(Qt::Key_E),
            .run = &Form1::ChooseTool<DrawingTool::kEllipse>,
            .picture = toolellipse_xpm,
            .button = ToolButton(4),
            .checked = ToolInUse<DrawingTool::kEllipse>,
            .group = "tools",
            .tooltip = QStringLiteral("Эллипс (E)")},
           {.name = "drawdisc",
            .caption = QStringLiteral("Закрашенный эллипс"),
            .shortcut = QKeySequence(Qt::SHIFT | Qt::Key_E),
            .run = &Form1::ChooseTool<DrawingTool::kFilledEllipse>,
            .picture = tooldisc_xpm,
            .button = ToolButton(5),
            .checked = ToolInUse<DrawingTool::kFilledEllipse>,
            .group = "tools",
            .tooltip = QStringLiteral("Закрашенный эллипс (Shift+E)")},
           {.name = "drawfill",
            .caption = QStringLiteral("Заливка"),
            .shortcut = QKeySequence(Qt::Key_F),
            .run = &Form1::ChooseTool<DrawingTool::kFill>,
            .picture = toolfill_xpm,
            .button = ToolButton(6),
            .checked = ToolInUse<DrawingTool::kFill>,
            .group = "tools",
            .tooltip = QStringLiteral("Заливка (F)")},
           {.name = "drawtext",
            .caption = QStringLiteral("Текст..."),
            .shortcut = QKeySequence(Qt::Key_T),
            .run = &Form1::ChooseTool<DrawingTool::kText>,
            .picture = tooltext_xpm,
            .button = ToolButton(7),
            .checked = ToolInUse<DrawingTool::kText>,
            .group = "tools",
            .tooltip = QStringLiteral("Текст (T)")},
       }},
      {"frames",
       QStringLiteral("Кадры"),
       {
           {.name = "framenew",
            .caption = QStringLiteral("Новый кадр"),
            .run = &Form1::framenew_Click,
            .enabled = MayAddFrame},
           {.name = "frameblank",
            .caption = QStringLiteral("Пустой кадр"),
            .run = &Form1::frameblank_Click,
            .enabled = MayAddFrame},
           {.name = "framedelete",
            .caption = QStringLiteral("Удалить кадр"),
            .run = &Form1::framedelete_Click,
            .enabled = HasOtherFrames},
           separator("tframemove"),
           {.name = "frameleft",
            .caption = QStringLiteral("Кадр влево"),
            .run = &Form1::frameleft_Click,
            .enabled = HasFrameBefore},
           {.name = "frameright",
            .caption = QStringLiteral("Кадр вправо"),
            .run = &Form1::frameright_Click,
            .enabled = HasFrameAfter},
           separator("tframego"),
           {.name = "frameprevious",
            .caption = QStringLiteral("Предыдущий кадр"),
            .shortcut = QKeySequence(Qt::Key_PageUp),
            .run = &Form1::frameprevious_Click,
            .enabled = HasFrameBefore},
           {.name = "framenext",
            .caption = QStringLiteral("Следующий кадр"),
            .shortcut = QKeySequence(Qt::Key_PageDown),
            .run = &Form1::framenext_Click,
            .enabled = HasFrameAfter},
           separator("tframeshow"),
           {.name = "frameduration",
            .caption = QStringLiteral("Длительность кадра..."),
            .run = &Form1::frameduration_Click},
           {.name = "frameonion",
            .caption = QStringLiteral("Калька"),
            .run = &Form1::frameonion_Click,
            .checked = [](const CommandState& state) { return state.document.OnionOn != kOff; }},
           {.name = "frameplay",
            .caption = QStringLiteral("Воспроизвести"),
            .shortcut = QKeySequence(Qt::Key_F5),
            .run = &Form1::frameplay_Click,
            // Plays while there are frames to play, and stops them.
            .checked = [](const CommandState& state) { return state.playing; },
            .enabled = [](const CommandState& state) { return FrameCount(state.document) > 1; }},
       }},
      {"options",
       QStringLiteral("Опции"),
       {
           {.name = "setka",
            .caption = QStringLiteral("Сетка"),
            .shortcut = ctrl(Qt::Key_G),
            .run = &Form1::setka_Click,
            .checked = [](const CommandState& state) { return state.document.GridOn != kOff; }},
           separator("t3"),
           {.name = "size",
            .caption = QStringLiteral("Размер изображения..."),
            .run = &Form1::size_Click,
            .picture = size_xpm,
            .button = ButtonPlace{216, 0, 29}},
       }},
      {"help",
       QStringLiteral("Справка"),
       {
           {.name = "helpme",
            .caption = QStringLiteral("Помощь"),
            .shortcut = QKeySequence(Qt::Key_F1),
            .run = &Form1::helpme_Click},
           separator("t6"),
           {.name = "about",
            .caption = QStringLiteral("О программе..."),
            .run = &Form1::about_Click},
       }},
  };
}

void Form1::filenew_Click() { commands_->filenew(); }
void Form1::fileopen_Click() { commands_->fileopen(); }
void Form1::filesave_Click() { commands_->filesave(); }
void Form1::filesaveas_Click() { commands_->filesaveas(); }
void Form1::frombmp_Click() { frombmp(*commands_); }
void Form1::fromimage_Click() { ImportImage(*commands_, *windows_); }
void Form1::fromcarray_Click() { ImportCArray(*commands_, *windows_); }
void Form1::fileexport_Click() { fileexport(*commands_, *windows_, phone_dialogs_); }
void Form1::fileexit_Click() { close(); }

void Form1::editundo_Click() { editundo(state_, *this); }
void Form1::editcut_Click() { editcut(state_, *this); }
void Form1::editcopy_Click() { editcopy(state_); }
void Form1::editpaste_Click() { editpaste(state_, *this); }
void Form1::editcopyimage_Click() { CopyAsImage(state_, *clipboard_); }
void Form1::editpasteimage_Click() { PasteImage(*commands_, *windows_, *clipboard_); }
void Form1::editcopyc_Click() { CopyAsCCode(*commands_, *clipboard_); }

void Form1::sup_Click() { sup(state_, *this); }
void Form1::sdown_Click() { sdown(state_, *this); }
void Form1::sleft_Click() { sleft(state_, *this); }
void Form1::sright_Click() { sright(state_, *this); }

void Form1::editfliph_Click() { editfliph(state_, *this); }
void Form1::editflipv_Click() { editflipv(state_, *this); }
void Form1::editrotate_Click() { editrotate(state_, *this); }
void Form1::editinvert_Click() { editinvert(state_, *this); }

void Form1::framenew_Click() { framenew(state_, *this); }
void Form1::frameblank_Click() { frameblank(state_, *this); }
void Form1::framedelete_Click() { framedelete(state_, *this); }
void Form1::frameleft_Click() { frameleft(state_, *this); }
void Form1::frameright_Click() { frameright(state_, *this); }
void Form1::frameprevious_Click() { frameprevious(state_, *this); }
void Form1::framenext_Click() { framenext(state_, *this); }
void Form1::frameduration_Click() { frameduration(state_, *this, *windows_); }

void Form1::frameonion_Click() {
  state_.OnionOn = static_cast<Flag>(~state_.OnionOn);
  RedrawPole(state_, *this);
}

void Form1::frameplay_Click() {
  if (Playing())
    StopPlaying();
  else
    StartPlaying();
}

template <DrawingTool tool>
void Form1::ChooseTool() {
  state_.Tool = tool;
}

void Form1::setka_Click() {
  state_.GridOn = static_cast<Flag>(~state_.GridOn);
  RedrawPole(state_, *this);
}

// The dialog chooses a size and leaves the picture alone; the size is given
// here, and the picture drawn at once, since the dialog closes before the
// uncovered part would be repainted.
void Form1::size_Click() {
  const std::optional<QSize> size = windows_->ShowSizeDialog();
  if (!size) return;
  SetPictureSize(state_, size->width(), size->height());
  state_.IZM = kOn;
  RedrawPole(state_, *this);
}

void Form1::helpme_Click() { windows_->ShowHelp(); }
void Form1::about_Click() { windows_->ShowAbout(); }

}  // namespace tochkograf
