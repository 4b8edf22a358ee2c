#pragma once
// libbellpop, Kanavo's reminder library: one C export that shows a reminder window and
// plays its sound. The program binds it at start by name (BELLPOP_EXECUTE_ALARM_NAME).

#include <stdint.h>
#ifndef __cplusplus
#include <uchar.h>
#endif

#if defined(_WIN32)
#define BELLPOP_API __declspec(dllexport)
#else
#define BELLPOP_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define BELLPOP_EXECUTE_ALARM_NAME "ExecuteAlarm"
#define BELLPOP_LOGO_SIDE 32

// Shows a reminder of a programme and returns at once; the window stays until the person
// closes it, and several may be open. Called on the thread of the program's QApplication
// (a call from another thread is handed over to it); without a QApplication nothing
// happens.
//   channel, text  NUL-terminated UTF-16; null is taken as empty.
//   hour, minute   the programme's start, shown as "hh:mm" (0..23 and 0..59).
//   logo           null, or BELLPOP_LOGO_SIDE * BELLPOP_LOGO_SIDE pixels, rows from the top,
//                  each 0xAARRGGBB with straight (not premultiplied) alpha; read only
//                  during the call.
//   soundFile      NUL-terminated UTF-16 path of a WAV file; null or empty for silence.
//                  A file that is missing or will not play, or a machine without a sound
//                  device, gives a silent reminder.
//   loop           non-zero repeats the sound until the window closes, zero plays it once.
BELLPOP_API void ExecuteAlarm(const char16_t* channel, int32_t hour, int32_t minute, const char16_t* text,
                              const uint32_t* logo, const char16_t* soundFile, int32_t loop);

typedef void (*BellpopExecuteAlarmFunction)(const char16_t* channel, int32_t hour, int32_t minute,
                                            const char16_t* text, const uint32_t* logo,
                                            const char16_t* soundFile, int32_t loop);

#ifdef __cplusplus
} // extern "C"
#endif
