// JPEG through libjpeg. Its default error handler ends the process, so errors come
// back here through longjmp and the decode is abandoned cleanly.
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

#include "platform/image_decoders.h"

namespace platform::detail {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr info) {
  auto* mgr = reinterpret_cast<ErrorManager*>(info->err);
  mgr->base.format_message(info, mgr->message);
  std::longjmp(mgr->jump, 1);
}

void OnMessage(j_common_ptr /*info*/, int /*level*/) {}  // warnings stay quiet

// A progressive file may hold thousands of tiny scans to burn CPU; a real one has few.
void OnProgress(j_common_ptr common) {
  auto* info = reinterpret_cast<j_decompress_ptr>(common);
  if (info->is_decompressor && info->input_scan_number > 200) {
    auto* mgr = reinterpret_cast<ErrorManager*>(common->err);
    std::snprintf(mgr->message, sizeof mgr->message, "too many JPEG scans");
    std::longjmp(mgr->jump, 1);
  }
}

}  // namespace

std::optional<Image> DecodeJpeg(std::span<const std::uint8_t> bytes, std::string& error, ImageSize floor,
                                ImageSize* fullSize) {
  // Everything touched after setjmp and read after longjmp lives outside the jump's reach.
  struct State {
    jpeg_decompress_struct info{};
    ErrorManager err{};
    jpeg_progress_mgr progress{};
    std::optional<Image> image;
    std::vector<std::uint8_t> row;
  };
  auto state = std::make_unique<State>();
  State& s = *state;
  s.info.err = jpeg_std_error(&s.err.base);
  s.err.base.error_exit = OnError;
  s.err.base.emit_message = OnMessage;
  s.err.message[0] = 0;
  if (setjmp(s.err.jump)) {
    jpeg_destroy_decompress(&s.info);
    error = s.err.message[0] ? s.err.message : "JPEG data unreadable";
    return std::nullopt;
  }
  jpeg_create_decompress(&s.info);
  s.progress.progress_monitor = OnProgress;
  s.info.progress = &s.progress;
  s.info.mem->max_memory_to_use = 512L << 20;
  jpeg_mem_src(&s.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&s.info, TRUE);
  if (!CheckDimensions(s.info.image_width, s.info.image_height, bytes.size(), 1024, error)) {
    jpeg_destroy_decompress(&s.info);
    return std::nullopt;
  }
  if (fullSize) *fullSize = {static_cast<int>(s.info.image_width), static_cast<int>(s.info.image_height)};
  const bool cmyk = s.info.jpeg_color_space == JCS_CMYK || s.info.jpeg_color_space == JCS_YCCK;
  s.info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  // The inverse DCT at 1/2, 1/4 or 1/8 averages each block: a large picture wanted small
  // never exists at full size.
  if (floor.width > 0 && floor.height > 0) {
    unsigned denom = 8;
    while (denom > 1 && (s.info.image_width / denom < static_cast<unsigned>(floor.width) ||
                         s.info.image_height / denom < static_cast<unsigned>(floor.height)))
      denom /= 2;
    s.info.scale_num = 1;
    s.info.scale_denom = denom;
  }
  jpeg_start_decompress(&s.info);
  const int width = static_cast<int>(s.info.output_width);
  const int height = static_cast<int>(s.info.output_height);
  const int comps = s.info.output_components;
  if (comps != 3 && comps != 4) {
    jpeg_destroy_decompress(&s.info);
    error = "unsupported JPEG colour layout";
    return std::nullopt;
  }
  s.image = MakeImage(width, height);
  s.row.resize(static_cast<std::size_t>(width) * comps);
  // Adobe writes CMYK inverted; every CMYK JPEG met in practice comes from it.
  const bool inverted = cmyk && s.info.saw_Adobe_marker;
  while (s.info.output_scanline < s.info.output_height) {
    JSAMPROW rows[1] = {s.row.data()};
    const int y = static_cast<int>(s.info.output_scanline);
    if (jpeg_read_scanlines(&s.info, rows, 1) != 1) break;
    std::uint8_t* out = s.image->rgba.data() + static_cast<std::size_t>(y) * width * 4;
    for (int x = 0; x < width; ++x) {
      const std::uint8_t* in = &s.row[static_cast<std::size_t>(x) * comps];
      if (comps == 3) {
        out[0] = in[0];
        out[1] = in[1];
        out[2] = in[2];
      } else {
        int c = in[0], m = in[1], ye = in[2], k = in[3];
        if (!inverted) {
          c = 255 - c; m = 255 - m; ye = 255 - ye; k = 255 - k;
        }
        out[0] = static_cast<std::uint8_t>(c * k / 255);
        out[1] = static_cast<std::uint8_t>(m * k / 255);
        out[2] = static_cast<std::uint8_t>(ye * k / 255);
      }
      out[3] = 255;
      out += 4;
    }
  }
  jpeg_finish_decompress(&s.info);
  jpeg_destroy_decompress(&s.info);
  return std::move(s.image);
}

}  // namespace platform::detail
