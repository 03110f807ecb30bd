#pragma once

#include <QString>

#include "cli/command_line.h"
#include "picture/animation.h"
#include "picture/picture.h"

namespace tochkograf {

// The picture --convert writes for its input, which comes in as a file
// named to the editor would (TypeOfNamedFile): the program's own picture,
// a file taken as it is (a one-bit BMP), and an image of at most two colours
// that fits come as they are; a C array is read as --size, --layout and
// --set-bit say, with the C-array import's guesses for the rest; any other
// image is converted with the conversion dialog's defaults. Of an
// animated GIF, the first frame. With
// conversion options every input is converted by them, from the greys the
// image import reads (a C array at its own size). Nothing when done, else
// why it could not, as the end of a sentence that names the file.
QString ReadInputPicture(const CommandLine& command, Picture& picture);

// The same with every frame of the input, for the types that write them
// all: an animation's in the program's own file, an animated GIF's frames
// and durations, each as it is or each converted alike; any other input is
// one frame. Where the picture leaves out bytes of a C array, `left_over`
// (where given) says how many, as the end of a sentence naming the file.
QString ReadInputAnimation(const CommandLine& command, Animation& animation,
                           QString* left_over = nullptr);

}  // namespace tochkograf
