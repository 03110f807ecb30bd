#include "windows/main/command_table.h"

#include <QSize>
#include <optional>

#include "commands/document_commands.h"
#include "commands/edit_commands.h"
#include "commands/frame_commands.h"
#include "commands/frame_duration.h"
#include "commands/history_commands.h"
#include "commands/selection_commands.h"
#include "commands/transfer/bmp_import.h"
#include "commands/transfer/c_array_import.h"
#include "commands/transfer/desktop_clipboard.h"
#include "commands/transfer/desktop_clipboard_commands.h"
#include "commands/transfer/export_command.h"
#include "commands/transfer/image_import.h"
#include "commands/transfer/phone_export.h"
#include "commands/transfer/receive_from_phone.h"
#include "commands/transfer/send_to_phone.h"
#include "picture/drawing_tools.h"
#include "picture/frames.h"
#include "picture/undo_clipboard.h"
#include "picture/view.h"
#include "windows/adapters/side_windows.h"
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
#include "windows/icons/toolselect.xpm"
#include "windows/icons/tooltext.xpm"

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

// The items of "Рисование", one for each tool; another tool than the
// selection drops the marked cells.
template <DrawingTool tool>
void ChooseTool(CommandContext& c) {
  c.state.Tool = tool;
  if (tool != DrawingTool::kSelect && c.selection.Active()) {
    c.selection.Clear();
    c.view.RepaintAll();
  }
}

// The edits that work on the marked cells where there are any.
template <PieceEdit edit>
void EditMarked(CommandContext& c) {
  selectionedit(c.state, c.view, c.selection, edit);
}

void SelectAll(CommandContext& c) {
  c.state.Tool = DrawingTool::kSelect;
  c.selection.Mark(c.state, QPoint(1, 1), QPoint(c.state.MX, c.state.MY));
  c.view.RepaintAll();
}

// The image floats, for the selection tool to move and put down.
void PasteImageFloating(CommandContext& c) {
  selectionpasteimage(c.commands.Document(), c.windows, c.selection, c.clipboard);
  if (c.selection.Floating()) c.state.Tool = DrawingTool::kSelect;
}

// The grid and the tracing paper are switched on and off, and shown at once.
void Toggle(Flag& flag, CommandContext& c) {
  flag = static_cast<Flag>(~flag);
  RedrawPole(c.state, c.view);
}

// The dialog chooses a size and leaves the picture alone; the size is given
// here, and the picture drawn at once, since the dialog closes before the
// uncovered part would be repainted.
void ChooseSize(CommandContext& c) {
  const std::optional<QSize> size = c.windows.ShowSizeDialog();
  if (!size) return;
  SetPictureSize(c.state, size->width(), size->height());
  c.state.IZM = kOn;
  RedrawPole(c.state, c.view);
}

}  // namespace

// Menus and their items in order. The gaps between the toolbar buttons group
// them: new | open, save | cut, copy, paste | size | the drawing tools.
std::vector<Menu> CommandTable() {
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
            .run = [](CommandContext& c) { c.commands.filenew(); },
            .picture = filenew_xpm,
            .button = ButtonPlace{0, 0, 30}},
           {.name = "fileopen",
            .caption = QStringLiteral("Открыть файл..."),
            .shortcut = ctrl(Qt::Key_O),
            .run = [](CommandContext& c) { c.commands.fileopen(); },
            .picture = fileopen_xpm,
            .button = ButtonPlace{40, 0, 30}},
           separator("t1"),
           {.name = "filesave",
            .caption = QStringLiteral("Сохранить файл"),
            .shortcut = ctrl(Qt::Key_S),
            .run = [](CommandContext& c) { c.commands.filesave(); },
            .picture = filesave_xpm,
            .button = ButtonPlace{72, 0, 29}},
           {.name = "filesaveas",
            .caption = QStringLiteral("Сохранить файл как..."),
            .run = [](CommandContext& c) { c.commands.filesaveas(); }},
           separator("t5"),
           {.name = "frombmp",
            .caption = QStringLiteral("Импорт из BMP"),
            .run = [](CommandContext& c) { frombmp(c.commands); }},
           {.name = "fromimage",
            .caption = QStringLiteral("Импорт изображения..."),
            .run = [](CommandContext& c) { ImportImage(c.commands, c.windows); }},
           {.name = "fromcarray",
            .caption = QStringLiteral("Импорт массива C..."),
            .run = [](CommandContext& c) { ImportCArray(c.commands, c.windows); }},
           {.name = "fileexport",
            .caption = QStringLiteral("Экспорт..."),
            .run = [](CommandContext& c) { fileexport(c.commands, c.windows, &c.phone_dialogs); }},
           {.name = "fontexport",
            .caption = QStringLiteral("Экспорт шрифта..."),
            .run = [](CommandContext& c) { c.windows.ShowFontExport(); }},
           {.name = "filesend",
            .caption = QStringLiteral("Отправить на телефон..."),
            .run =
                [](CommandContext& c) {
                  SendToPhone(c.state, c.phone_sending, c.commands.Document().messages);
                }},
           {.name = "filereceive",
            .caption = QStringLiteral("Принять с телефона..."),
            .run = [](CommandContext& c) { ReceiveFromPhone(c.commands, c.phone_reception); }},
           separator("t8"),
           {.name = "fileexit",
            .caption = QStringLiteral("Выход"),
            .run = [](CommandContext& c) { c.window.Close(); }},
       }},
      {"edit",
       QStringLiteral("Редактирование"),
       {
           {.name = "editundo",
            .caption = QStringLiteral("Отмена"),
            .shortcut = ctrl(Qt::Key_Z),
            .run = [](CommandContext& c) { editundo(c.state, c.view); }},
           {.name = "edithistory",
            .caption = QStringLiteral("История правок..."),
            .shortcut = ctrl(Qt::Key_H),
            .run =
                [](CommandContext& c) {
                  if (c.state.History.Count() == 0) return;
                  if (const std::optional<int> step = c.windows.AskHistoryStep(c.state.History))
                    ReturnToStep(c.state, c.view, *step);
                }},
           separator("t7"),
           {.name = "editcut",
            .caption = QStringLiteral("Вырезать"),
            .step = QStringLiteral("Вырезание"),
            .shortcut = ctrl(Qt::Key_X),
            .run = [](CommandContext& c) { selectioncut(c.state, c.view, c.selection); },
            .picture = editcut_xpm,
            .button = ButtonPlace{112, 0, 29}},
           {.name = "editcopy",
            .caption = QStringLiteral("Копировать"),
            .shortcut = ctrl(Qt::Key_C),
            .run = [](CommandContext& c) { selectioncopy(c.state, c.selection); },
            .picture = editcopy_xpm,
            .button = ButtonPlace{144, 0, 29},
            .floats = true},
           {.name = "editpaste",
            .caption = QStringLiteral("Вставить"),
            .step = QStringLiteral("Вставка"),
            .shortcut = ctrl(Qt::Key_V),
            .run =
                [](CommandContext& c) {
                  selectionpaste(c.state, c.view, c.selection);
                  if (c.selection.Floating()) c.state.Tool = DrawingTool::kSelect;
                },
            .picture = editpaste_xpm,
            .button = ButtonPlace{176, 0, 29}},
           separator("tdesktop"),
           {.name = "editcopyimage",
            .caption = QStringLiteral("Копировать как изображение"),
            .shortcut = ctrl_shift(Qt::Key_C),
            .run =
                [](CommandContext& c) {
                  if (c.selection.Active())
                    selectioncopyimage(c.state, c.selection, c.clipboard);
                  else
                    CopyAsImage(c.state, c.clipboard);
                },
            .floats = true},
           {.name = "editpasteimage",
            .caption = QStringLiteral("Вставить изображение"),
            .step = QStringLiteral("Вставка изображения"),
            .shortcut = ctrl_shift(Qt::Key_V),
            .run = PasteImageFloating},
           {.name = "editcopyc",
            .caption = QStringLiteral("Копировать как код C"),
            .run = [](CommandContext& c) { CopyAsCCode(c.commands, c.clipboard); }},
           separator("t4"),
           {.name = "sup",
            .caption = QStringLiteral("Скролл вверх (8)"),
            .run = EditMarked<PieceEdit::kUp>,
            .floats = true},
           {.name = "sdown",
            .caption = QStringLiteral("Скролл вниз (2)"),
            .run = EditMarked<PieceEdit::kDown>,
            .floats = true},
           {.name = "sleft",
            .caption = QStringLiteral("Скролл влево (4)"),
            .run = EditMarked<PieceEdit::kLeft>,
            .floats = true},
           {.name = "sright",
            .caption = QStringLiteral("Скролл вправо (6)"),
            .run = EditMarked<PieceEdit::kRight>,
            .floats = true},
           separator("tflips"),
           {.name = "editfliph",
            .caption = QStringLiteral("Отразить слева направо"),
            .run = EditMarked<PieceEdit::kFlipLeftRight>,
            .floats = true},
           {.name = "editflipv",
            .caption = QStringLiteral("Отразить сверху вниз"),
            .run = EditMarked<PieceEdit::kFlipTopBottom>,
            .floats = true},
           {.name = "editrotate",
            .caption = QStringLiteral("Повернуть на 180°"),
            .run = EditMarked<PieceEdit::kHalfTurn>,
            .floats = true},
           {.name = "editinvert",
            .caption = QStringLiteral("Инвертировать"),
            .run = EditMarked<PieceEdit::kInvert>,
            .floats = true},
           separator("tselection"),
           {.name = "editselectall",
            .caption = QStringLiteral("Выделить всё"),
            .shortcut = ctrl(Qt::Key_A),
            .run = SelectAll},
           {.name = "editdelete",
            .caption = QStringLiteral("Очистить выделенное"),
            .step = QStringLiteral("Очистка"),
            .shortcut = QKeySequence(Qt::Key_Delete),
            .run = EditMarked<PieceEdit::kClear>},
       }},
      {"draw",
       QStringLiteral("Рисование"),
       {
           {.name = "drawpen",
            .caption = QStringLiteral("Карандаш"),
            .shortcut = QKeySequence(Qt::Key_P),
            .run = ChooseTool<DrawingTool::kPen>,
            .picture = toolpen_xpm,
            .button = ToolButton(0),
            .checked = ToolInUse<DrawingTool::kPen>,
            .group = "tools",
            .tooltip = QStringLiteral("Карандаш (P)")},
           {.name = "drawline",
            .caption = QStringLiteral("Линия"),
            .shortcut = QKeySequence(Qt::Key_L),
            .run = ChooseTool<DrawingTool::kLine>,
            .picture = toolline_xpm,
            .button = ToolButton(1),
            .checked = ToolInUse<DrawingTool::kLine>,
            .group = "tools",
            .tooltip = QStringLiteral("Линия (L)")},
           {.name = "drawrect",
            .caption = QStringLiteral("Прямоугольник"),
            .shortcut = QKeySequence(Qt::Key_R),
            .run = ChooseTool<DrawingTool::kRectangle>,
            .picture = toolrect_xpm,
            .button = ToolButton(2),
            .checked = ToolInUse<DrawingTool::kRectangle>,
            .group = "tools",
            .tooltip = QStringLiteral("Прямоугольник (R)")},
           {.name = "drawbox",
            .caption = QStringLiteral("Закрашенный прямоугольник"),
            .shortcut = QKeySequence(Qt::SHIFT | Qt::Key_R),
            .run = ChooseTool<DrawingTool::kFilledRectangle>,
            .picture = toolbox_xpm,
            .button = ToolButton(3),
            .checked = ToolInUse<DrawingTool::kFilledRectangle>,
            .group = "tools",
            .tooltip = QStringLiteral("Закрашенный прямоугольник (Shift+R)")},
           {.name = "drawellipse",
            .caption = QStringLiteral("Эллипс"),
            .shortcut = QKeySequence(Qt::Key_E),
            .run = ChooseTool<DrawingTool::kEllipse>,
            .picture = toolellipse_xpm,
            .button = ToolButton(4),
            .checked = ToolInUse<DrawingTool::kEllipse>,
            .group = "tools",
            .tooltip = QStringLiteral("Эллипс (E)")},
           {.name = "drawdisc",
            .caption = QStringLiteral("Закрашенный эллипс"),
            .shortcut = QKeySequence(Qt::SHIFT | Qt::Key_E),
            .run = ChooseTool<DrawingTool::kFilledEllipse>,
            .picture = tooldisc_xpm,
            .button = ToolButton(5),
            .checked = ToolInUse<DrawingTool::kFilledEllipse>,
            .group = "tools",
            .tooltip = QStringLiteral("Закрашенный эллипс (Shift+E)")},
           {.name = "drawfill",
            .caption = QStringLiteral("Заливка"),
            .shortcut = QKeySequence(Qt::Key_F),
            .run = ChooseTool<DrawingTool::kFill>,
            .picture = toolfill_xpm,
            .button = ToolButton(6),
            .checked = ToolInUse<DrawingTool::kFill>,
            .group = "tools",
            .tooltip = QStringLiteral("Заливка (F)")},
           {.name = "drawtext",
            .caption = QStringLiteral("Текст..."),
            .shortcut = QKeySequence(Qt::Key_T),
            .run = ChooseTool<DrawingTool::kText>,
            .picture = tooltext_xpm,
            .button = ToolButton(7),
            .checked = ToolInUse<DrawingTool::kText>,
            .group = "tools",
            .tooltip = QStringLiteral("Текст (T)")},
           {.name = "drawselect",
            .caption = QStringLiteral("Выделение"),
            .shortcut = QKeySequence(Qt::Key_S),
            .run = ChooseTool<DrawingTool::kSelect>,
            .picture = toolselect_xpm,
            .button = ToolButton(8),
            .checked = ToolInUse<DrawingTool::kSelect>,
            .group = "tools",
            .tooltip = QStringLiteral("Выделение (S)"),
            .floats = true},
       }},
      {"frames",
       QStringLiteral("Кадры"),
       {
           {.name = "framenew",
            .caption = QStringLiteral("Новый кадр"),
            .run = [](CommandContext& c) { framenew(c.state, c.view); },
            .enabled = MayAddFrame},
           {.name = "frameblank",
            .caption = QStringLiteral("Пустой кадр"),
            .run = [](CommandContext& c) { frameblank(c.state, c.view); },
            .enabled = MayAddFrame},
           {.name = "framedelete",
            .caption = QStringLiteral("Удалить кадр"),
            .run = [](CommandContext& c) { framedelete(c.state, c.view); },
            .enabled = HasOtherFrames},
           {.name = "framepaste",
            .caption = QStringLiteral("Вставить как новый кадр"),
            .run = [](CommandContext& c) { framepaste(c.state, c.view); },
            .enabled = MayAddFrame},
           separator("tframemove"),
           {.name = "frameleft",
            .caption = QStringLiteral("Кадр влево"),
            .run = [](CommandContext& c) { frameleft(c.state, c.view); },
            .enabled = HasFrameBefore},
           {.name = "frameright",
            .caption = QStringLiteral("Кадр вправо"),
            .run = [](CommandContext& c) { frameright(c.state, c.view); },
            .enabled = HasFrameAfter},
           separator("tframego"),
           {.name = "frameprevious",
            .caption = QStringLiteral("Предыдущий кадр"),
            .shortcut = QKeySequence(Qt::Key_PageUp),
            .run = [](CommandContext& c) { frameprevious(c.state, c.view); },
            .enabled = HasFrameBefore},
           {.name = "framenext",
            .caption = QStringLiteral("Следующий кадр"),
            .shortcut = QKeySequence(Qt::Key_PageDown),
            .run = [](CommandContext& c) { framenext(c.state, c.view); },
            .enabled = HasFrameAfter},
           separator("tframeshow"),
           {.name = "frameduration",
            .caption = QStringLiteral("Длительность кадра..."),
            .run = [](CommandContext& c) { frameduration(c.state, c.view, c.windows); }},
           {.name = "frameonion",
            .caption = QStringLiteral("Калька"),
            .run = [](CommandContext& c) { Toggle(c.state.OnionOn, c); },
            .checked = [](const CommandState& state) { return state.document.OnionOn != kOff; }},
           {.name = "frameplay",
            .caption = QStringLiteral("Воспроизвести"),
            .shortcut = QKeySequence(Qt::Key_F5),
            .run = [](CommandContext& c) { c.window.PlayOrStop(); },
            // Plays while there are frames to play, and stops them.
            .checked = [](const CommandState& state) { return state.playing; },
            .enabled = [](const CommandState& state) { return FrameCount(state.document) > 1; }},
       }},
      {"view",
       QStringLiteral("Вид"),
       {
           {.name = "viewdisplay",
            .caption = QStringLiteral("Как на дисплее..."),
            .run = [](CommandContext& c) { c.windows.ShowDisplay(c.state); },
            // Shows the frames as they are while they play in the main window.
            .enabled = [](const CommandState&) { return true; }},
       }},
      {"options",
       QStringLiteral("Опции"),
       {
           {.name = "setka",
            .caption = QStringLiteral("Сетка"),
            .shortcut = ctrl(Qt::Key_G),
            .run = [](CommandContext& c) { Toggle(c.state.GridOn, c); },
            .checked = [](const CommandState& state) { return state.document.GridOn != kOff; }},
           separator("t3"),
           {.name = "size",
            .caption = QStringLiteral("Размер изображения..."),
            .run = ChooseSize,
            .picture = size_xpm,
            .button = ButtonPlace{216, 0, 29}},
       }},
      {"help",
       QStringLiteral("Справка"),
       {
           {.name = "helpme",
            .caption = QStringLiteral("Помощь"),
            .shortcut = QKeySequence(Qt::Key_F1),
            .run = [](CommandContext& c) { c.windows.ShowHelp(); }},
           separator("t6"),
           {.name = "about",
            .caption = QStringLiteral("О программе..."),
            .run = [](CommandContext& c) { c.windows.ShowAbout(); }},
       }},
  };
}

}  // namespace tochkograf
