#include "platform/video_decoder.h"

#include <algorithm>
#include <cmath>
#include <mutex>

#include "platform/padded_bgra.h"
#include "platform/video_container.h"
#include "platform/video_sound_decoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/hwcontext.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace platform {
namespace {

constexpr std::int64_t kDefaultFrameMs = 40;
// Timestamps beyond a day are damage; keeping them bounded keeps the clock's sums exact.
constexpr std::int64_t kMaxClipMs = std::int64_t(24) * 3600 * 1000;

std::string AvError(int code) { return av::ErrorText(code); }

// One VA-API device for the program, tried once; nullptr when the machine offers none.
AVBufferRef* HardwareDevice() {
  static std::once_flag once;
  static AVBufferRef* device = nullptr;
  std::call_once(once, [] {
    if (av_hwdevice_ctx_create(&device, AV_HWDEVICE_TYPE_VAAPI, nullptr, nullptr, 0) < 0) {
      device = nullptr;
    }
  });
  return device;
}

bool DecoderTakesVaapi(const AVCodec* codec) {
  for (int i = 0;; ++i) {
    const AVCodecHWConfig* config = avcodec_get_hw_config(codec, i);
    if (!config) return false;
    if ((config->methods & AV_CODEC_HW_CONFIG_METHOD_HW_DEVICE_CTX) &&
        config->device_type == AV_HWDEVICE_TYPE_VAAPI) {
      return true;
    }
  }
}

AVPixelFormat PreferVaapi(AVCodecContext* context, const AVPixelFormat* formats) {
  for (const AVPixelFormat* f = formats; *f != AV_PIX_FMT_NONE; ++f) {
    if (*f == AV_PIX_FMT_VAAPI) return *f;
  }
  return avcodec_default_get_format(context, formats);
}

}  // namespace

struct VideoDecoder::State {
  explicit State(const std::atomic<bool>* stopFlag) : stop(stopFlag) {}

  const std::atomic<bool>* stop = nullptr;
  VideoLimits limits;
  // What was opened, so that the sound track can be read on an input of its own.
  std::string path;
  std::vector<std::uint8_t> memory;
  bool inMemory = false;
  av::Input input{stop};
  AVFormatContext*& format = input.format;
  AVCodecContext* codec = nullptr;
  AVPacket* packet = nullptr;
  AVFrame* frame = nullptr;
  AVFrame* softFrame = nullptr;
  SwsContext* scaler = nullptr;
  PaddedBgra scaled;
  int stream = -1;
  AVRational timeBase{1, 1000};
  std::int64_t startTs = 0;
  std::int64_t frameMs = kDefaultFrameMs;
  int width = 0, height = 0;  // source size
  int outWidth = 0, outHeight = 0;
  bool hardware = false;
  bool draining = false;
  std::int64_t passOffsetMs = 0;
  std::int64_t passEndMs = 0;
  std::int64_t lastPtsMs = -1;
  int framesInPass = 0;
  std::string error;

  ~State() {
    sws_freeContext(scaler);
    av_frame_free(&softFrame);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
  }

  bool Stopped() const { return input.Stopped(); }

  bool Fail(std::string why) {
    error = std::move(why);
    return false;
  }

  bool SizeAllowed(int w, int h) {
    if (w <= 0 || h <= 0) return Fail("taille d'image inconnue");
    if (w > limits.maxSide || h > limits.maxSide ||
        std::int64_t(w) * h > limits.maxPixels) {
      return Fail("taille d'image refusée " + std::to_string(w) + "x" + std::to_string(h));
    }
    return true;
  }

  bool Open() {
    if (std::string why = input.Open(path, inMemory ? &memory : nullptr); !why.empty()) return Fail(why);
    const AVCodec* decoder = nullptr;
    stream = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (stream == AVERROR_STREAM_NOT_FOUND) return Fail("pas de piste vidéo");
    if (stream < 0 || !decoder) return Fail("pas de décodeur pour la piste vidéo");
    AVStream* st = format->streams[stream];
    if (!SizeAllowed(st->codecpar->width, st->codecpar->height)) return false;
    timeBase = st->time_base;
    if (timeBase.num <= 0 || timeBase.den <= 0) timeBase = {1, 1000};
    startTs = st->start_time != AV_NOPTS_VALUE ? st->start_time : 0;
    AVRational rate = st->avg_frame_rate.num > 0 ? st->avg_frame_rate : st->r_frame_rate;
    if (rate.num > 0 && rate.den > 0) {
      frameMs = std::clamp<std::int64_t>(av_rescale(1000, rate.den, rate.num), 1, 1000);
    }
    if (!OpenDecoder(decoder, st, HardwareDevice()) && !OpenDecoder(decoder, st, nullptr)) {
      return false;
    }
    packet = av_packet_alloc();
    frame = av_frame_alloc();
    softFrame = av_frame_alloc();
    if (!packet || !frame || !softFrame) return Fail("mémoire insuffisante");
    width = st->codecpar->width;
    height = st->codecpar->height;
    ChooseOutputSize(width, height);
    return true;
  }

  // With a device the decoder decodes on VA-API when it can; without, in software.
  bool OpenDecoder(const AVCodec* decoder, AVStream* st, AVBufferRef* device) {
    if (device && !DecoderTakesVaapi(decoder)) return false;
    avcodec_free_context(&codec);
    codec = avcodec_alloc_context3(decoder);
    if (!codec) return Fail("mémoire insuffisante");
    int r = avcodec_parameters_to_context(codec, st->codecpar);
    if (r < 0) return Fail("piste vidéo illisible (" + AvError(r) + ")");
    codec->pkt_timebase = st->time_base;
    codec->thread_count = 2;
    codec->thread_type = FF_THREAD_SLICE;
    if (device) {
      codec->hw_device_ctx = av_buffer_ref(device);
      codec->get_format = PreferVaapi;
    }
    r = avcodec_open2(codec, decoder, nullptr);
    if (r < 0) return Fail("décodeur indisponible (" + AvError(r) + ")");
    hardware = device != nullptr;
    error.clear();
    return true;
  }

  void ChooseOutputSize(int w, int h) {
    double pixels = double(w) * h;
    double scale = 1.0;
    if (pixels > double(limits.maxOutputPixels)) {
      scale = std::sqrt(double(limits.maxOutputPixels) / pixels);
    }
    outWidth = std::max(1, int(w * scale));
    outHeight = std::max(1, int(h * scale));
  }

  bool Convert(AVFrame* decoded, VideoFrame& out) {
    AVFrame* source = decoded;
    if (decoded->format == AV_PIX_FMT_VAAPI) {
      av_frame_unref(softFrame);
      int r = av_hwframe_transfer_data(softFrame, decoded, 0);
      if (r < 0) return Fail("image matérielle illisible (" + AvError(r) + ")");
      source = softFrame;
    }
    if (!SizeAllowed(source->width, source->height)) return false;
    if (source->width != width || source->height != height) {
      width = source->width;
      height = source->height;
      ChooseOutputSize(width, height);
    }
    scaler = sws_getCachedContext(scaler, width, height, AVPixelFormat(source->format), outWidth,
                                  outHeight, AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr,
                                  nullptr);
    if (!scaler) return Fail("format d'image non pris en charge");
    // The converter writes whole SIMD blocks, past the row's last pixel: it converts into
    // padded rows, which are then copied out without the padding.
    scaled.Resize(outWidth, outHeight);
    std::uint8_t* planes[4] = {scaled.data(), nullptr, nullptr, nullptr};
    int strides[4] = {scaled.stride(), 0, 0, 0};
    sws_scale(scaler, source->data, source->linesize, 0, height, planes, strides);
    if (!scaled.GuardIntact()) return Fail(std::string(kConversionOverrun));
    scaled.CopyTo(out.bgra);
    out.width = outWidth;
    out.height = outHeight;
    out.sourceWidth = width;
    out.sourceHeight = height;
    out.ptsMs = FrameTime(decoded);
    out.passStartMs = passOffsetMs;
    ++framesInPass;
    return true;
  }

  // A stream time in milliseconds from the clip's start, within [0, kMaxClipMs]; damaged
  // stamps near the ends of the 64-bit range must not overflow the sums below.
  std::int64_t ClipMs(std::int64_t ts, std::int64_t from) const {
    if ((from < 0 && ts > INT64_MAX + from) || (from > 0 && ts < INT64_MIN + from)) {
      return from < 0 ? kMaxClipMs : 0;
    }
    std::int64_t ms = av_rescale_q(ts - from, timeBase, AVRational{1, 1000});
    return std::clamp<std::int64_t>(ms, 0, kMaxClipMs);
  }

  std::int64_t FrameTime(const AVFrame* decoded) {
    std::int64_t ts = decoded->best_effort_timestamp;
    std::int64_t rel = ts == AV_NOPTS_VALUE ? passEndMs : ClipMs(ts, startTs);
#if LIBAVUTIL_VERSION_INT >= AV_VERSION_INT(58, 2, 100)
    std::int64_t units = decoded->duration;  // the field's name from FFmpeg 6 on
#else
    std::int64_t units = decoded->pkt_duration;
#endif
    std::int64_t duration = units > 0 ? ClipMs(units, 0) : frameMs;
    if (duration <= 0) duration = frameMs;
    std::int64_t pts = std::max(passOffsetMs + rel, lastPtsMs + 1);
    lastPtsMs = pts;
    passEndMs = std::max(passEndMs, pts - passOffsetMs + duration);
    return pts;
  }

  bool Next(VideoFrame& out) {
    if (!codec) return false;
    for (;;) {
      if (Stopped()) return Fail("arrêté");
      int r = avcodec_receive_frame(codec, frame);
      if (r == 0) {
        bool ok = Convert(frame, out);
        av_frame_unref(frame);
        return ok;
      }
      if (r == AVERROR_EOF) return false;
      if (r != AVERROR(EAGAIN)) return Fail("image illisible (" + AvError(r) + ")");
      if (draining) return false;
      r = av_read_frame(format, packet);
      if (r == AVERROR_EXIT) return Fail("arrêté");
      if (r < 0) {
        // The end of the file, or a cut or damaged one: what was read is shown.
        draining = true;
        avcodec_send_packet(codec, nullptr);
        continue;
      }
      if (packet->stream_index == stream) {
        // A damaged packet is skipped; the decoder resynchronises on the next key frame.
        avcodec_send_packet(codec, packet);
      }
      av_packet_unref(packet);
    }
  }

  bool Rewind() {
    if (!codec) return false;
    if (framesInPass == 0) return Fail(error.empty() ? "aucune image décodable" : error);
    int r = av_seek_frame(format, stream, startTs, AVSEEK_FLAG_BACKWARD);
    if (r < 0) r = avformat_seek_file(format, -1, INT64_MIN, 0, INT64_MAX, 0);
    if (r < 0) return Fail("retour au début impossible (" + AvError(r) + ")");
    avcodec_flush_buffers(codec);
    draining = false;
    passOffsetMs += passEndMs;
    lastPtsMs = std::max(lastPtsMs, passOffsetMs - 1);
    passEndMs = 0;
    framesInPass = 0;
    return true;
  }
};

VideoDecoder::VideoDecoder(const std::atomic<bool>* stop, VideoLimits limits)
    : s_(std::make_unique<State>(stop)) {
  s_->limits = limits;
}

VideoDecoder::~VideoDecoder() = default;

bool VideoDecoder::OpenFile(const std::string& path) {
  s_->path = path;
  return s_->Open();
}

bool VideoDecoder::OpenMemory(std::vector<std::uint8_t> bytes) {
  s_->memory = std::move(bytes);
  s_->inMemory = true;
  return s_->Open();
}

bool VideoDecoder::DecodeSound(const SoundFormat& format, std::int64_t maxMs,
                               std::vector<std::int16_t>& samples) {
  if (!s_->codec) return false;
  av::Input sound(s_->stop);
  if (!sound.Open(s_->path, s_->inMemory ? &s_->memory : nullptr).empty()) return false;
  return DecodeSoundTrack(sound, format, maxMs, samples);
}

bool VideoDecoder::NextFrame(VideoFrame& out) { return s_->Next(out); }
bool VideoDecoder::Rewind() { return s_->Rewind(); }
int VideoDecoder::width() const { return s_->outWidth; }
int VideoDecoder::height() const { return s_->outHeight; }
bool VideoDecoder::hardware() const { return s_->hardware; }
const std::string& VideoDecoder::error() const { return s_->error; }

}  // namespace platform
