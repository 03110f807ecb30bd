# The layers of src/, lowest first. For each: the layers it may include
# besides its own, the Qt modules it may use, and the subfolders it has
# besides its own files; a new subfolder is a line here. The `layers` test
# (tests/check_layers.cmake) checks every file of every folder against it.
set(layers picture files images devices commands cli windows)

set(picture_uses "")
set(picture_modules Core)
set(picture_folders fonts)

set(files_uses picture)
set(files_modules Core)
set(files_folders
  formats   # the picture files' codecs: .ems and its frames, BMP, OTB, XBM, PBM, WBMP, GIF, the phones' files
  sms       # SMS messages: the GSM alphabet, numbers, user data, SMS-SUBMIT, EMS elements, smart messages, modem commands, the conversation with a modem; received PDUs read and joined, their pictures taken out, the files that hold them
  c_array   # C arrays for displays: layouts, writing, scanning, reading, identifiers
  disk      # file access: reading heads, the safe save, numbered new files, system names, the size signal, the recovery files
  fonts     # fonts: BDF and PCF read, TrueType and OpenType drawn, the installed ones listed, fonts written for displays
)

set(images_uses picture files)
set(images_modules Core Gui)
set(images_folders "")

set(devices_uses picture files images)
set(devices_modules Core SerialPort)
set(devices_folders "")

set(commands_uses picture files images devices)
set(commands_modules Core Gui)
set(commands_folders
  transfer  # what comes in and goes out: the imports, the exports, the phones, the desktop's clipboard
)

set(cli_uses picture files images devices)
set(cli_modules Core Gui)
set(cli_folders "")
# The command line decides what to do before any application object exists.
set(cli_headers_forbidden QGuiApplication QApplication)

set(windows_uses picture files images devices commands cli)
set(windows_modules Core Gui Widgets)
set(windows_folders
  main      # the main window and its parts: the drawing area, the toolbar, playback, start-up, recovery
  dialogs   # the other windows and dialogs
  adapters  # the Qt implementations of the seams the main window talks through
  art       # the logo and the icons, drawn by tools/artwork
  icons     # the toolbar's pictures
)
