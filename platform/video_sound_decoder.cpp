#include "platform/video_sound_decoder.h"

#include <algorithm>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace platform::av {
namespace {

// What a sound stream may claim before it is refused: beyond any real clip.
constexpr int kMaxRate = 384000;
constexpr int kMaxChannels = 32;

struct SoundDecoder {
  AVCodecContext* codec = nullptr;
  SwrContext* resampler = nullptr;
  AVPacket* packet = nullptr;
  AVFrame* frame = nullptr;
  SoundFormat format;
  std::size_t capacity = 0;  // samples (all channels) kept at most
  std::vector<std::int16_t>* out = nullptr;
  // What the resampler was made for.
  int inRate = 0, inFormat = -1, inChannels = 0;

  ~SoundDecoder() {
    swr_free(&resampler);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&codec);
  }

  bool Open(AVStream* stream, const AVCodec* decoder) {
    const AVCodecParameters* p = stream->codecpar;
    if (p->sample_rate <= 0 || p->sample_rate > kMaxRate || p->ch_layout.nb_channels <= 0 ||
        p->ch_layout.nb_channels > kMaxChannels) {
      return false;
    }
    codec = avcodec_alloc_context3(decoder);
    packet = av_packet_alloc();
    frame = av_frame_alloc();
    if (!codec || !packet || !frame) return false;
    if (avcodec_parameters_to_context(codec, p) < 0) return false;
    codec->pkt_timebase = stream->time_base;
    return avcodec_open2(codec, decoder, nullptr) >= 0;
  }

  // The resampler follows the frames: a stream may change its layout or rate midway.
  bool Resampler(const AVFrame* f) {
    AVChannelLayout in{};
    if (f->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || f->ch_layout.nb_channels <= 0) {
      av_channel_layout_default(&in, std::clamp(f->ch_layout.nb_channels, 1, kMaxChannels));
    } else if (av_channel_layout_copy(&in, &f->ch_layout) < 0) {
      return false;
    }
    AVChannelLayout outLayout{};
    av_channel_layout_default(&outLayout, format.channels);
    swr_free(&resampler);
    inRate = f->sample_rate;
    inFormat = f->format;
    inChannels = f->ch_layout.nb_channels;
    int r = swr_alloc_set_opts2(&resampler, &outLayout, AV_SAMPLE_FMT_S16, format.rate, &in,
                                AVSampleFormat(f->format), f->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&in);
    av_channel_layout_uninit(&outLayout);
    return r >= 0 && swr_init(resampler) >= 0;
  }

  // Appends what `f` gives (nullptr: what the resampler still holds). False once full.
  bool Append(const AVFrame* f) {
    if (f && (f->sample_rate <= 0 || f->sample_rate > kMaxRate || f->nb_samples <= 0)) return true;
    const bool changed = f && (f->sample_rate != inRate || f->format != inFormat ||
                               f->ch_layout.nb_channels != inChannels);
    if (changed && !Resampler(f)) return false;
    if (!resampler) return false;
    int room = swr_get_out_samples(resampler, f ? f->nb_samples : 0);
    if (room <= 0) return true;
    std::size_t at = out->size();
    std::size_t want = std::min(std::size_t(room) * format.channels, capacity - at);
    if (want < std::size_t(format.channels)) return false;
    out->resize(at + want);
    auto* dst = reinterpret_cast<std::uint8_t*>(out->data() + at);
    int made = swr_convert(resampler, &dst, int(want / format.channels),
                           f ? const_cast<const std::uint8_t**>(f->extended_data) : nullptr,
                           f ? f->nb_samples : 0);
    out->resize(at + std::size_t(std::max(made, 0)) * format.channels);
    return made >= 0 && out->size() < capacity;
  }

  // Takes the frames the decoder has ready; false once the track is full or broken.
  bool Receive() {
    for (;;) {
      int r = avcodec_receive_frame(codec, frame);
      if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
      if (r < 0) return false;
      bool more = Append(frame);
      av_frame_unref(frame);
      if (!more) return false;
    }
  }
};

}  // namespace

bool DecodeSoundTrack(Input& input, const SoundFormat& format, std::int64_t maxMs,
                      std::vector<std::int16_t>& samples) {
  samples.clear();
  if (format.rate <= 0 || format.channels <= 0 || maxMs <= 0) return false;
  const AVCodec* decoder = nullptr;
  const int stream = av_find_best_stream(input.format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
  if (stream < 0 || !decoder) return false;
  SoundDecoder d;
  d.format = format;
  d.capacity = std::size_t(maxMs * format.rate / 1000) * std::size_t(format.channels);
  d.out = &samples;
  if (!d.Open(input.format->streams[stream], decoder)) return false;
  bool more = true;
  while (more && !input.Stopped() && av_read_frame(input.format, d.packet) >= 0) {
    // A damaged packet is skipped, as the pictures' are.
    if (d.packet->stream_index == stream && avcodec_send_packet(d.codec, d.packet) >= 0) more = d.Receive();
    av_packet_unref(d.packet);
  }
  if (more && !input.Stopped()) {
    avcodec_send_packet(d.codec, nullptr);
    if (d.Receive()) d.Append(nullptr);
  }
  samples.shrink_to_fit();
  return !samples.empty() && !input.Stopped();
}

}  // namespace platform::av
