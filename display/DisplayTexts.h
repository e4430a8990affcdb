// Texts the display actions write into host variables. They are the same in
// every edition.
#pragma once

namespace glimmerbox {

inline constexpr char kCreateErrorVariable[] = "[LastError]";
inline constexpr char kDisplayErrorVariable[] = "[GlimmerboxLastError]";

inline constexpr char kInitialCaption[] = "LED DISPLAY";

inline constexpr char kHostTooOldText[] = "This function requires NeoBook 4.0.9 or higher.";
inline constexpr char kNoObjectPrefix[] = "An object named ";
inline constexpr char kNoObjectSuffix[] = " does not exist.";
inline constexpr char kNoControlPrefix[] = "There is no control attached to an object named ";
inline constexpr char kNoControlSuffix[] = ".";

// A handle the host gave that names no window.
inline constexpr char kNoWindowPrefix[] = "Cannot attach a display to the object named ";
inline constexpr char kNoWindowMiddle[] = ": its window handle ";
inline constexpr char kNoWindowSuffix[] = " names no window.";

// Failures that are not the platform's own exceptions.
inline constexpr char kOutOfMemoryText[] = "Out of memory";
inline constexpr char kUnexpectedFailureText[] = "Unexpected failure";

} // namespace glimmerbox
