#include "platform/video_writer.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/files.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace platform {
namespace {

constexpr int kIoBufferSize = 64 * 1024;
constexpr int kSoundChunk = 1024;

struct MemoryOut {
  std::vector<std::uint8_t> bytes;
  std::size_t pos = 0;

  static int Write(void* opaque, std::uint8_t* buf, int size) {
    auto* m = static_cast<MemoryOut*>(opaque);
    if (m->pos + std::size_t(size) > m->bytes.size()) m->bytes.resize(m->pos + size);
    std::memcpy(m->bytes.data() + m->pos, buf, std::size_t(size));
    m->pos += std::size_t(size);
    return size;
  }
  static std::int64_t Seek(void* opaque, std::int64_t offset, int whence) {
    auto* m = static_cast<MemoryOut*>(opaque);
    if (whence & AVSEEK_SIZE) return std::int64_t(m->bytes.size());
    std::int64_t base = (whence & ~AVSEEK_FORCE) == SEEK_CUR   ? std::int64_t(m->pos)
                        : (whence & ~AVSEEK_FORCE) == SEEK_END ? std::int64_t(m->bytes.size())
                                                               : 0;
    if (base + offset < 0) return AVERROR(EINVAL);
    m->pos = std::size_t(base + offset);
    return std::int64_t(m->pos);
  }
};

struct Encoder {
  AVCodecContext* codec = nullptr;
  AVStream* stream = nullptr;
  ~Encoder() { avcodec_free_context(&codec); }
};

struct Session {
  MemoryOut out;
  AVIOContext* io = nullptr;
  AVFormatContext* format = nullptr;
  Encoder video, sound;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  SwsContext* scaler = nullptr;
  std::string error;

  ~Session() {
    sws_freeContext(scaler);
    av_packet_free(&packet);
    av_frame_free(&frame);
    if (format) avformat_free_context(format);
    if (io) {
      av_freep(&io->buffer);
      avio_context_free(&io);
    }
  }

  bool Fail(const std::string& why) {
    error = why;
    return false;
  }

  bool Drain(Encoder& e, const AVFrame* input) {
    if (avcodec_send_frame(e.codec, input) < 0) return Fail("encodage refusé");
    for (;;) {
      int r = avcodec_receive_packet(e.codec, packet);
      if (r == AVERROR(EAGAIN) || r == AVERROR_EOF) return true;
      if (r < 0) return Fail("encodage impossible");
      // MP4 ends its edit list with the last packet's duration: without one the last
      // frame would be cut off.
      if (packet->duration == 0 && &e == &video) packet->duration = 1;
      av_packet_rescale_ts(packet, e.codec->time_base, e.stream->time_base);
      packet->stream_index = e.stream->index;
      if (av_interleaved_write_frame(format, packet) < 0) return Fail("écriture impossible");
    }
  }

  // FLV has no MPEG-4 part 2: it gets its own Sorenson H.263.
  bool AddVideo(const ClipRecipe& r, const std::string& container) {
    const AVCodec* c =
        avcodec_find_encoder(container == "flv" ? AV_CODEC_ID_FLV1 : AV_CODEC_ID_MPEG4);
    if (!c) return Fail("pas d'encodeur vidéo");
    video.stream = avformat_new_stream(format, nullptr);
    video.codec = avcodec_alloc_context3(c);
    if (!video.stream || !video.codec) return Fail("mémoire insuffisante");
    video.codec->width = r.width;
    video.codec->height = r.height;
    video.codec->pix_fmt = AV_PIX_FMT_YUV420P;
    video.codec->time_base = AVRational{1, r.fps};
    video.codec->framerate = AVRational{r.fps, 1};
    video.codec->gop_size = 12;
    video.codec->bit_rate = std::int64_t(r.width) * r.height * r.fps / 4;
    if (format->oformat->flags & AVFMT_GLOBALHEADER) {
      video.codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    if (avcodec_open2(video.codec, c, nullptr) < 0) return Fail("encodeur vidéo refusé");
    video.stream->time_base = video.codec->time_base;
    avcodec_parameters_from_context(video.stream->codecpar, video.codec);
    return true;
  }

  bool AddSound(const ClipRecipe& r) {
    const AVCodec* c = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
    if (!c) return Fail("pas d'encodeur PCM");
    sound.stream = avformat_new_stream(format, nullptr);
    sound.codec = avcodec_alloc_context3(c);
    if (!sound.stream || !sound.codec) return Fail("mémoire insuffisante");
    sound.codec->sample_fmt = AV_SAMPLE_FMT_S16;
    sound.codec->sample_rate = r.soundRate;
    av_channel_layout_default(&sound.codec->ch_layout, 1);
    sound.codec->time_base = AVRational{1, r.soundRate};
    if (avcodec_open2(sound.codec, c, nullptr) < 0) return Fail("encodeur PCM refusé");
    sound.stream->time_base = sound.codec->time_base;
    avcodec_parameters_from_context(sound.stream->codecpar, sound.codec);
    return true;
  }

  bool EncodeVideo(const ClipRecipe& r) {
    Image picture;
    for (int i = 0; i < r.frames; ++i) {
      picture.width = r.width;
      picture.height = r.height;
      picture.rgba.assign(std::size_t(r.width) * r.height * 4, 0);
      if (r.draw) r.draw(i, picture);
      av_frame_unref(frame);
      frame->format = AV_PIX_FMT_YUV420P;
      frame->width = r.width;
      frame->height = r.height;
      if (av_frame_get_buffer(frame, 0) < 0) return Fail("mémoire insuffisante");
      scaler = sws_getCachedContext(scaler, r.width, r.height, AV_PIX_FMT_RGBA, r.width,
                                    r.height, AV_PIX_FMT_YUV420P, SWS_BILINEAR, nullptr,
                                    nullptr, nullptr);
      if (!scaler) return Fail("conversion impossible");
      const std::uint8_t* src[4] = {picture.rgba.data(), nullptr, nullptr, nullptr};
      int stride[4] = {r.width * 4, 0, 0, 0};
      sws_scale(scaler, src, stride, 0, r.height, frame->data, frame->linesize);
      frame->pts = i;
      if (!Drain(video, frame)) return false;
    }
    return Drain(video, nullptr);
  }

  bool EncodeSound(const ClipRecipe& r) {
    std::size_t at = 0;
    while (at < r.sound.size()) {
      int n = int(std::min<std::size_t>(kSoundChunk, r.sound.size() - at));
      av_frame_unref(frame);
      frame->format = AV_SAMPLE_FMT_S16;
      frame->sample_rate = r.soundRate;
      frame->nb_samples = n;
      av_channel_layout_default(&frame->ch_layout, 1);
      if (av_frame_get_buffer(frame, 0) < 0) return Fail("mémoire insuffisante");
      std::memcpy(frame->data[0], r.sound.data() + at, std::size_t(n) * 2);
      frame->pts = std::int64_t(at);
      if (!Drain(sound, frame)) return false;
      at += std::size_t(n);
    }
    return Drain(sound, nullptr);
  }

  bool Run(const ClipRecipe& r, const std::string& container) {
    // Odd sizes are allowed: the decoder's tests need clips whose rows end mid-block.
    if (r.video && (r.width < 1 || r.height < 1 || r.fps <= 0 || r.frames <= 0)) {
      return Fail("dimensions de clip invalides");
    }
    std::string name = "clip." + container;
    if (avformat_alloc_output_context2(&format, nullptr, nullptr, name.c_str()) < 0 || !format) {
      return Fail("conteneur inconnu: " + container);
    }
    auto* buffer = static_cast<unsigned char*>(av_malloc(kIoBufferSize));
    io = buffer ? avio_alloc_context(buffer, kIoBufferSize, 1, &out, nullptr, &MemoryOut::Write,
                                     &MemoryOut::Seek)
                : nullptr;
    if (!io) {
      av_free(buffer);
      return Fail("mémoire insuffisante");
    }
    format->pb = io;
    frame = av_frame_alloc();
    packet = av_packet_alloc();
    if (!frame || !packet) return Fail("mémoire insuffisante");
    if (r.video && !AddVideo(r, container)) return false;
    if (!r.sound.empty() && !AddSound(r)) return false;
    if (avformat_write_header(format, nullptr) < 0) return Fail("en-tête refusé");
    if (r.video && !EncodeVideo(r)) return false;
    if (sound.codec && !EncodeSound(r)) return false;
    if (av_write_trailer(format) < 0) return Fail("fin de fichier refusée");
    avio_flush(io);
    return true;
  }
};

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeClip(const ClipRecipe& recipe,
                                                    const std::string& container,
                                                    std::string* error) {
  Session s;
  if (!s.Run(recipe, container)) {
    if (error) *error = s.error;
    return std::nullopt;
  }
  return std::move(s.out.bytes);
}

bool WriteClipFile(const std::string& path, const ClipRecipe& recipe, std::string* error) {
  auto dot = path.find_last_of('.');
  std::string container = dot == std::string::npos ? "" : path.substr(dot + 1);
  std::transform(container.begin(), container.end(), container.begin(),
                 [](unsigned char c) { return char(std::tolower(c)); });
  auto bytes = EncodeClip(recipe, container, error);
  if (!bytes) return false;
  if (!WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes->data()),
                                                  bytes->size()))) {
    if (error) *error = "écriture impossible";
    return false;
  }
  return true;
}

}  // namespace platform
