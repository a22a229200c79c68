#ifndef SORVI_MPEG_ENGINE_H
#define SORVI_MPEG_ENGINE_H

/* The decoder engine module "mpeg.so": the contract between the module and the
 * program that loads it with dlopen and looks each function up by name.
 *
 * This contract only grows: functions, command codes and notification codes may
 * be added; the existing signatures, codes and record layout never change.
 *
 * Every function returns 0 on success and a negative number on failure. Commands
 * are queued and carried out by the engine's own worker thread, so no function
 * blocks on file or network input or on the sound server.
 *
 * Notifications: the engine's threads call target->post(target->context,
 * message, wParam, lParam) with message >= MPEG_NOTIFY_BASE. The receiver hands
 * the same three values to control_win32_params_to_message, preferably on its
 * own thread, to get an MpegMessage record back. No notification is posted after
 * player_delete has returned. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define MPEG_NOTIFY_BASE 0x9000u

/* Command codes (control_message_send_*). */
enum {
    MPEG_CMD_PLAY = 4,  /* N: start playing the open input; resume from pause */
    MPEG_CMD_PAUSE = 5, /* N */
    MPEG_CMD_STOP = 6,  /* N */
    MPEG_CMD_SEEK = 7,  /* II: second, total seconds (offset within that range) */
    MPEG_CMD_OPEN = 8,  /* S: file path, or an http:// or https:// URL */
    MPEG_CMD_CLOSE = 9  /* N */
};

/* Notification codes (MpegMessage.code). */
enum {
    MPEG_MSG_NACK = 75,     /* bytes[0]: the command code that failed */
    MPEG_MSG_STATE = 78,    /* bytes[0]: MPEG_STATE_* */
    MPEG_MSG_TIMECODE = 87, /* bytes[0..3]: hours, minutes, seconds, hundredths (audio heard) */
    MPEG_MSG_DURATION = 111, /* value: duration in whole seconds, 0 while unknown */
    MPEG_MSG_STREAM_TITLE = 112 /* value: count of titles so far; the stream named a new title,
                                   read it with player_get_stream_title */
};

enum { MPEG_STATE_STOPPED = 0, MPEG_STATE_PLAYING = 1, MPEG_STATE_PAUSED = 2, MPEG_STATE_EOS = 3 };

typedef struct MpegPlayer MpegPlayer;

/* Owned by the caller; copied by player_new. */
typedef struct MpegNotifyTarget {
    void (*post)(void* context, unsigned message, uintptr_t wParam, intptr_t lParam);
    void* context;
} MpegNotifyTarget;

typedef struct MpegMessage {
    uint32_t code;
    union {
        uint8_t bytes[4];
        uint32_t value;
    } data;
} MpegMessage;

typedef int (*player_new_t)(MpegPlayer** player, const MpegNotifyTarget* target);
typedef int (*player_delete_t)(MpegPlayer* player);
typedef int (*player_set_priority_t)(MpegPlayer* player, int priority);
typedef int (*control_message_send_N_t)(MpegPlayer* player, int code);
typedef int (*control_message_send_S_t)(MpegPlayer* player, int code, const char* text);
typedef int (*control_message_send_II_t)(MpegPlayer* player, int code, int first, int second);
typedef int (*player_get_stream_title_t)(MpegPlayer* player, char* buffer, int size);
typedef int (*control_win32_params_to_message_t)(MpegPlayer* player, MpegMessage* message, unsigned msg,
                                                 uintptr_t wParam, intptr_t lParam);

/* Creates a player (with its worker thread) into *player; *player is NULL on failure. */
int player_new(MpegPlayer** player, const MpegNotifyTarget* target);
/* Stops the player and returns at once, without waiting for input or for the
 * sound server: the engine's threads end and free what they hold by themselves
 * (a write to the sound server is interrupted). No notification is posted after
 * it has returned. NULL is ignored. */
int player_delete(MpegPlayer* player);
/* 0 (lowest) to 7 (highest), 4 normal: the worker thread's scheduling niceness. */
int player_set_priority(MpegPlayer* player, int priority);
int control_message_send_N(MpegPlayer* player, int code);
int control_message_send_S(MpegPlayer* player, int code, const char* text);
int control_message_send_II(MpegPlayer* player, int code, int first, int second);
int control_win32_params_to_message(MpegPlayer* player, MpegMessage* message, unsigned msg, uintptr_t wParam,
                                    intptr_t lParam);
/* Copies the title the playing stream named last (internet radio metadata:
 * the bytes as the station sent them) into buffer, zero-terminated and cut to
 * size - 1 bytes. Returns the title's full length; 0 when there is none. */
int player_get_stream_title(MpegPlayer* player, char* buffer, int size);

#ifdef __cplusplus
}
#endif

#endif
