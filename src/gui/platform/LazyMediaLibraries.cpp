// The media libraries of the windows (libavformat and its siblings for probing sources,
// libmpv for the preview) are loaded when they are first used, not when the program
// starts: linked directly they would add some 200 ms and a few hundred shared libraries to
// every start. This file defines the entry points the program calls; each one loads its
// library on first use and forwards to the real function. When a library cannot be
// loaded, the calls fail the way the library itself reports failure (an error code or a
// null result), which the callers already handle.
//
// A new libav* or mpv_* function used in src/ needs a line here; the link reports it.

#include "platform/MpvLibrary.h"

#include <dlfcn.h>
#include <mpv/client.h>
#include <mpv/render.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/mathematics.h>
}

#include <cerrno>
#include <cstdio>

namespace {

void *openLibrary(const char *name)
{
    void *handle = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        std::fprintf(stderr, "Clipwright: cannot load %s: %s\n", name, dlerror());
    return handle;
}

void *libav()
{
    static void *handle = openLibrary(CLIPWRIGHT_LIBAVFORMAT_SONAME);
    return handle;
}

// libmpv is loaded on the first preview and stays loaded: it registers libavdevice's
// formats with libavformat, which the media probe keeps using, so unloading it would leave
// libavformat pointing into freed code. The GUI thread makes every libmpv call.
struct Mpv
{
    void *handle = nullptr;
    bool failed = false;
    unsigned loads = 0; // tells the forwarders that their entry points are stale
    int players = 0;    // mpv_create results not yet given to mpv_terminate_destroy
};

Mpv &mpvLibrary()
{
    static Mpv m;
    return m;
}

void *libmpv()
{
    Mpv &m = mpvLibrary();
    if (!m.handle && !m.failed) {
        m.handle = openLibrary(CLIPWRIGHT_LIBMPV_SONAME);
        m.failed = !m.handle;
        ++m.loads;
    }
    return m.handle;
}

// The real function from the library (a handle's lookup also searches the libraries it
// depends on, so libavcodec and libavutil are reached through libavformat).
template <typename Fn> Fn resolve(void *library, const char *name)
{
    return library ? reinterpret_cast<Fn>(dlsym(library, name)) : nullptr;
}

} // namespace

#define CW_FORWARD(lib, ret, name, params, args, failure)                                      \
    ret name params                                                                            \
    {                                                                                          \
        static const auto real = resolve<ret(*) params>(lib(), #name);                         \
        if (!real)                                                                             \
            return failure;                                                                    \
        return real args;                                                                      \
    }

// A libmpv entry point, looked up again after libmpv was loaded anew.
#define CW_MPV_REAL(ret, name, params)                                                         \
    static ret(*real) params = nullptr;                                                        \
    static unsigned realLoad = 0;                                                              \
    if (void *library = libmpv(); realLoad != mpvLibrary().loads) {                            \
        real = resolve<ret(*) params>(library, #name);                                         \
        realLoad = mpvLibrary().loads;                                                         \
    }

#define CW_FORWARD_MPV(ret, name, params, args, failure)                                       \
    ret name params                                                                            \
    {                                                                                          \
        CW_MPV_REAL(ret, name, params)                                                         \
        if (!real)                                                                             \
            return failure;                                                                    \
        return real args;                                                                      \
    }

#define CW_FORWARD_MPV_VOID(name, params, args)                                                \
    void name params                                                                           \
    {                                                                                          \
        CW_MPV_REAL(void, name, params)                                                        \
        if (real)                                                                              \
            real args;                                                                         \
    }

#define CW_FORWARD_VOID(lib, name, params, args)                                               \
    void name params                                                                           \
    {                                                                                          \
        static const auto real = resolve<void(*) params>(lib(), #name);                        \
        if (real)                                                                              \
            real args;                                                                         \
    }

extern "C" {

// ---- libavformat, libavcodec, libavutil ----
CW_FORWARD(libav, AVFormatContext *, avformat_alloc_context, (void), (), nullptr)
CW_FORWARD(libav, int, avformat_open_input,
           (AVFormatContext * *ps, const char *url, const AVInputFormat *fmt,
            AVDictionary **options),
           (ps, url, fmt, options), AVERROR(ENOSYS))
CW_FORWARD(libav, int, avformat_find_stream_info, (AVFormatContext * ic, AVDictionary **options),
           (ic, options), AVERROR(ENOSYS))
CW_FORWARD_VOID(libav, avformat_close_input, (AVFormatContext * *s), (s))
CW_FORWARD_VOID(libav, avformat_free_context, (AVFormatContext * s), (s))
CW_FORWARD(libav, const AVCodec *, avcodec_find_decoder, (enum AVCodecID id), (id), nullptr)
CW_FORWARD(libav, int64_t, av_rescale_q, (int64_t a, AVRational bq, AVRational cq), (a, bq, cq),
           0)
CW_FORWARD(libav, int, av_dict_set,
           (AVDictionary * *pm, const char *key, const char *value, int flags),
           (pm, key, value, flags), AVERROR(ENOSYS))
CW_FORWARD_VOID(libav, av_dict_free, (AVDictionary * *m), (m))
CW_FORWARD(libav, uint8_t *, av_stream_get_side_data,
           (const AVStream *stream, enum AVPacketSideDataType type, size_t *size),
           (stream, type, size), nullptr)
CW_FORWARD(libav, int, av_strerror, (int errnum, char *errbuf, size_t errbuf_size),
           (errnum, errbuf, errbuf_size), -1)

// ---- libmpv ----
mpv_handle *mpv_create(void)
{
    CW_MPV_REAL(mpv_handle *, mpv_create, (void))
    mpv_handle *handle = real ? real() : nullptr;
    if (handle)
        ++mpvLibrary().players;
    return handle;
}
CW_FORWARD_MPV(int, mpv_initialize, (mpv_handle * ctx), (ctx), MPV_ERROR_UNINITIALIZED)
void mpv_terminate_destroy(mpv_handle *ctx)
{
    CW_MPV_REAL(void, mpv_terminate_destroy, (mpv_handle * ctx))
    if (real && ctx) {
        real(ctx);
        --mpvLibrary().players;
    }
}
CW_FORWARD_MPV(const char *, mpv_error_string, (int error), (error),
           "the preview library is not available")
CW_FORWARD_MPV_VOID(mpv_free, (void *data), (data))
CW_FORWARD_MPV_VOID(mpv_free_node_contents, (mpv_node * node), (node))
CW_FORWARD_MPV(int, mpv_set_option_string,
           (mpv_handle * ctx, const char *name, const char *data), (ctx, name, data),
           MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(int, mpv_command, (mpv_handle * ctx, const char **args), (ctx, args),
           MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(int, mpv_command_string, (mpv_handle * ctx, const char *args), (ctx, args),
           MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(int, mpv_command_async,
           (mpv_handle * ctx, uint64_t reply_userdata, const char **args),
           (ctx, reply_userdata, args), MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(int, mpv_set_property,
           (mpv_handle * ctx, const char *name, mpv_format format, void *data),
           (ctx, name, format, data), MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(int, mpv_set_property_string,
           (mpv_handle * ctx, const char *name, const char *data), (ctx, name, data),
           MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(int, mpv_set_property_async,
           (mpv_handle * ctx, uint64_t reply_userdata, const char *name, mpv_format format,
            void *data),
           (ctx, reply_userdata, name, format, data), MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(int, mpv_get_property,
           (mpv_handle * ctx, const char *name, mpv_format format, void *data),
           (ctx, name, format, data), MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(char *, mpv_get_property_string, (mpv_handle * ctx, const char *name),
           (ctx, name), nullptr)
CW_FORWARD_MPV(int, mpv_observe_property,
           (mpv_handle * mpv, uint64_t reply_userdata, const char *name, mpv_format format),
           (mpv, reply_userdata, name, format), MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(int, mpv_request_log_messages, (mpv_handle * ctx, const char *min_level),
           (ctx, min_level), MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(mpv_event *, mpv_wait_event, (mpv_handle * ctx, double timeout),
           (ctx, timeout), nullptr)
CW_FORWARD_MPV_VOID(mpv_set_wakeup_callback,
                (mpv_handle * ctx, void (*cb)(void *d), void *d), (ctx, cb, d))
CW_FORWARD_MPV(int, mpv_render_context_create,
           (mpv_render_context * *res, mpv_handle *mpv, mpv_render_param *params),
           (res, mpv, params), MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV(int, mpv_render_context_render,
           (mpv_render_context * ctx, mpv_render_param *params), (ctx, params),
           MPV_ERROR_UNINITIALIZED)
CW_FORWARD_MPV_VOID(mpv_render_context_set_update_callback,
                (mpv_render_context * ctx, mpv_render_update_fn callback, void *callback_ctx),
                (ctx, callback, callback_ctx))
CW_FORWARD_MPV(uint64_t, mpv_render_context_update, (mpv_render_context * ctx), (ctx), 0)
CW_FORWARD_MPV_VOID(mpv_render_context_free, (mpv_render_context * ctx), (ctx))

} // extern "C"

bool MpvLibrary::IsLoaded()
{
    return mpvLibrary().handle != nullptr;
}
