#include "sound/pulse_library.h"

#include "sound/run_time_library.h"

namespace mossaline {

const PulseLibrary* pulse_library()
{
    // The run-time name of libpulse 0.x, the one PulseAudio and PipeWire's clients share.
    return functions_of<PulseLibrary>("libpulse.so.0", [](void* library, PulseLibrary& pa) {
#define MOSSALINE_BIND(name) bind(library, "pa_" #name, pa.name)
        return MOSSALINE_BIND(strerror) && MOSSALINE_BIND(mainloop_new) && MOSSALINE_BIND(mainloop_free)
            && MOSSALINE_BIND(mainloop_get_api) && MOSSALINE_BIND(mainloop_iterate) && MOSSALINE_BIND(mainloop_prepare)
            && MOSSALINE_BIND(mainloop_poll) && MOSSALINE_BIND(mainloop_dispatch) && MOSSALINE_BIND(context_new)
            && MOSSALINE_BIND(context_unref) && MOSSALINE_BIND(context_connect) && MOSSALINE_BIND(context_disconnect)
            && MOSSALINE_BIND(context_get_state) && MOSSALINE_BIND(context_is_pending) && MOSSALINE_BIND(context_errno)
            && MOSSALINE_BIND(stream_new) && MOSSALINE_BIND(stream_unref) && MOSSALINE_BIND(stream_connect_playback)
            && MOSSALINE_BIND(stream_disconnect) && MOSSALINE_BIND(stream_get_state) && MOSSALINE_BIND(stream_write)
            && MOSSALINE_BIND(stream_trigger) && MOSSALINE_BIND(stream_cork) && MOSSALINE_BIND(stream_drain)
            && MOSSALINE_BIND(stream_update_timing_info) && MOSSALINE_BIND(stream_get_timing_info)
            && MOSSALINE_BIND(operation_unref) && MOSSALINE_BIND(operation_get_state);
#undef MOSSALINE_BIND
    });
}

} // namespace mossaline
