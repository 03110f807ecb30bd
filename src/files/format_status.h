#pragma once

namespace tochkograf {

// What a codec makes of a file's bytes, or of a picture it is to write. Every
// codec answers in these words; status_texts.h turns them into the words the
// user reads.
enum class FormatStatus {
  Ok,
  NotThisFormat,       // not a file of the type its name says
  Unsupported,         // that type, but a kind of it the program does not read
  BadSize,             // a size outside 1 x 1 .. 128 x 96
  Truncated,           // the file ends before its pixels do
  Damaged,             // the pixels cannot be decoded
  NotTwoColours,       // an image of more than two colours
  TooLargeForMessage,  // a writer's refusal: more than one SMS can carry
  NotAnImage,          // no image of a type the program reads
  TooLarge,            // an image that would take more memory than images may have
  NotEncoded,          // a writer's failure: the encoder gave no file
  // A writer's refusal of an animation that is neither four frames of
  // 16 x 16 or 8 x 8 nor fits one message as an extended object: only the
  // messages for a modem take it.
  AnimationTooLargeForElement,
  // The phones' types: a writer's refusal of a picture of another size than
  // the kind takes, each naming the sizes.
  NotSmsOperatorLogoSize,  // 72 x 14
  NotOperatorLogoSize,     // 72 x 14 or 78 x 21
  NotCallerGroupSize,      // 72 x 14
  NotPictureMessageSize,   // 72 x 28
  NotStartupLogoSize,      // 84 x 48
  NotLogoManagerSize,      // any of those
  BadRecipient,            // a number no message can be sent to
  TooManyMessages,         // more than 255 concatenated messages
  NoArray,                 // C source without an array of byte values
  NotBytes,                // C source whose only arrays of numbers hold one above 255
  TooManyFrames,           // an animation of more frames than a picture may have
  NotEmsElement,           // an SMS element that is neither an EMS picture nor an animation
};

// The most memory an image being imported may take once decoded; larger
// ones are refused before they are decoded.
constexpr int kImageMemoryLimitMb = 512;

}  // namespace tochkograf
