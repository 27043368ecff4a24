#include "server_streams.h"

#include <pulse/pulseaudio.h>

#include <cstring>

namespace mossaline::test {

namespace {

struct Listing {
    std::string application;
    std::vector<bool> corked;
    bool done = false;
};

void on_input(pa_context*, const pa_sink_input_info* info, int eol, void* data)
{
    auto& listing = *static_cast<Listing*>(data);
    if (eol != 0) {
        listing.done = true;
        return;
    }
    const char* name = pa_proplist_gets(info->proplist, PA_PROP_APPLICATION_NAME);
    if (name != nullptr && listing.application == name)
        listing.corked.push_back(info->corked != 0);
}

} // namespace

std::optional<std::vector<bool>> streams_corked(const std::string& application)
{
    pa_mainloop* loop = pa_mainloop_new();
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "mossaline-test-streams");
    Listing listing{application, {}, false};
    bool asked = false;
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) == 0) {
        for (int turns = 0; turns < 10000 && !listing.done; ++turns) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (!PA_CONTEXT_IS_GOOD(state))
                break;
            if (state == PA_CONTEXT_READY && !asked) {
                pa_operation_unref(pa_context_get_sink_input_info_list(context, on_input, &listing));
                asked = true;
            }
            pa_mainloop_iterate(loop, 1, nullptr);
        }
    }
    pa_context_disconnect(context);
    pa_context_unref(context);
    pa_mainloop_free(loop);
    if (!listing.done)
        return std::nullopt;
    return listing.corked;
}

} // namespace mossaline::test
