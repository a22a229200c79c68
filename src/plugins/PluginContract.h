#pragma once

// The plug-in contract: what a plug-in shared object (".so" in "Plusin/") and
// the player exchange. Plug-ins built against one version of this header must
// keep working with later players, so it changes only by addition: new message
// codes or "%" messages may be added; existing ones, the text layout and the
// two function signatures never change.
//
// Messages in both directions are one zero-terminated text:
//     sender \1 message \1 argument
// (\1 is the byte 1; the argument takes the whole rest and may hold \1 bytes).
//
// Player to plug-in, through the plug-in's exported PlusMessage:
//     sender = the plug-in's module handle in decimal ("0" for the internal one),
//     message = numeric code: 1 loaded, 2 play file (argument: full path),
//     3 stop, 4 toggle pause, 6 about to unload, 7 seek (argument: second),
//     9 video window resized, 10 display target changed.
// Plug-in to player, through PlusProc exported by the player executable:
//     "%time" seconds, "%status" 0..4, "%totaltime" seconds, "%createclass" name,
//     "%deleteclass" id, "%clearclass" id, "%AddFiles" id \1 paths (CR LF separated),
//     "%GetDisplay", "%GetDisplayCtrl"; any name without "%" is posted to the
//     player as the command  name "," argument.
//
// The description trailer that names a plug-in's ID, priority, flags, name and
// file types is appended to the built file by tools/plugin-describe
// (cmake/SorviPlugin.cmake: sorvi_add_plugin does it after every link).
//
// Both functions use the C calling convention; texts are UTF-8. A C++ exception
// leaving PlusMessage is caught by the player and answers -1. PlusProc belongs
// to the player's main thread (call it from inside PlusMessage or from work the
// plug-in runs there); a call from any other thread is carried out later on the
// main thread and answers 0 at once.

#ifdef __cplusplus
extern "C" {
#endif

typedef int (*PlusMessageFunc)(const char* text);

// Exported by every plug-in.
int PlusMessage(const char* text);

// Exported by the player executable; plug-ins find it with dlsym(RTLD_DEFAULT).
int PlusProc(const char* text);

#ifdef __cplusplus
}
#endif
