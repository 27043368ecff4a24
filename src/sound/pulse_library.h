#pragma once

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/operation.h>
#include <pulse/sample.h>
#include <pulse/stream.h>

namespace mossaline {

/** The libpulse functions the sound code calls. libpulse is opened when the player first reaches for the sound
 * server, which the game does beside its own start-up, not before `main` as a linked library would be. */
struct PulseLibrary {
    decltype(&pa_strerror) strerror;
    decltype(&pa_mainloop_new) mainloop_new;
    decltype(&pa_mainloop_free) mainloop_free;
    decltype(&pa_mainloop_get_api) mainloop_get_api;
    decltype(&pa_mainloop_iterate) mainloop_iterate;
    decltype(&pa_mainloop_prepare) mainloop_prepare;
    decltype(&pa_mainloop_poll) mainloop_poll;
    decltype(&pa_mainloop_dispatch) mainloop_dispatch;
    decltype(&pa_context_new) context_new;
    decltype(&pa_context_unref) context_unref;
    decltype(&pa_context_connect) context_connect;
    decltype(&pa_context_disconnect) context_disconnect;
    decltype(&pa_context_get_state) context_get_state;
    decltype(&pa_context_is_pending) context_is_pending;
    decltype(&pa_context_errno) context_errno;
    decltype(&pa_stream_new) stream_new;
    decltype(&pa_stream_unref) stream_unref;
    decltype(&pa_stream_connect_playback) stream_connect_playback;
    decltype(&pa_stream_disconnect) stream_disconnect;
    decltype(&pa_stream_get_state) stream_get_state;
    decltype(&pa_stream_write) stream_write;
    decltype(&pa_stream_trigger) stream_trigger;
    decltype(&pa_stream_cork) stream_cork;
    decltype(&pa_stream_drain) stream_drain;
    decltype(&pa_stream_update_timing_info) stream_update_timing_info;
    decltype(&pa_stream_get_timing_info) stream_get_timing_info;
    decltype(&pa_operation_unref) operation_unref;
    decltype(&pa_operation_get_state) operation_get_state;
};

/** libpulse's functions, or nullptr if it cannot be opened (then it is not tried again). */
const PulseLibrary* pulse_library();

/** libpulse's functions where a connection has been opened, so they are known to be there. */
inline const PulseLibrary& pulse()
{
    return *pulse_library();
}

} // namespace mossaline
