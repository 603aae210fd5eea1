// The drawing layer over an SDL renderer: textures, target textures, textured quads
// (axis-aligned and transformed), untextured fills and outlines, clipping, the back
// buffer and presentation, device-loss events and pixel read-back.
//
// Colours are 0xAARRGGBB. Rectangles are in pixel units with the origin at the top left
// of the current target; pixel (i, j) covers [i, i+1) x [j, j+1).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The SDL_Window* made by platform/window, passed through without the SDL type.
using WindowHandle = void*;

struct FRect {
  float x = 0, y = 0, w = 0, h = 0;
};

// A region of a texture in texture units: (0, 0) top left, (1, 1) bottom right.
// Coordinates beyond 0..1 repeat the texture (wrap addressing).
struct UvRect {
  float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};

struct TexturedVertex {
  float x = 0, y = 0;  // pixels
  float u = 0, v = 0;  // texture units, 0..1
};

struct FPoint {
  float x = 0, y = 0;
};

namespace detail {
struct TextureObject;
struct RendererState;
enum class WindowRenderer;
}  // namespace detail

// A texture owned jointly by whoever holds it; released when the last holder drops it.
// It outliving its device is harmless: it is then simply empty.
class Texture {
 public:
  Texture() = default;
  explicit operator bool() const;
  int Width() const;
  int Height() const;
  // True when every pixel is fully opaque (drawn without blending when possible).
  bool Opaque() const;
  bool IsTarget() const;
  void Reset() { object_.reset(); }

 private:
  friend class Device;
  friend class GlyphAtlas;
  std::shared_ptr<detail::TextureObject> object_;
};

struct DisplayParameters {
  int width = 640;      // back buffer size
  int height = 480;
  bool fullScreen = false;  // accelerated with vsync; windowed: accelerated, no vsync
  // Offscreen: the screen the back buffer is scaled onto, as a window larger than the back
  // buffer is (0: the back buffer's own size). A window's screen is the window.
  int outputWidth = 0, outputHeight = 0;
};

// Where a back buffer of src size is shown on an output of out size: as large as fits
// with its proportions kept, centred, black bars on the other axis (what a monitor's own
// mode switch shows).
FRect FitKeepingAspect(int srcWidth, int srcHeight, int outWidth, int outHeight);
// The whole factor the output is of the back buffer in both directions, 0 when none.
int WholeScale(int srcWidth, int srcHeight, int outWidth, int outHeight);

// True for the GL renderer string of a rasteriser that runs on the CPU (Mesa llvmpipe,
// softpipe, swrast): there the accelerated renderer is no faster than SDL's own.
bool IsSoftwareRasteriser(std::string_view glRenderer);

class Device {
 public:
  // A renderer on the main window: the accelerated one (with vsync in full screen) on a
  // GPU; when it rasterises on the CPU, whichever of it and the software renderer draws
  // a frame for less CPU (the choice is logged). The software renderer when no
  // accelerated one can be made; nothing when no renderer can be made at all.
  static std::unique_ptr<Device> CreateForWindow(WindowHandle window, const DisplayParameters& params,
                                                 std::string* error);
  // The same on the main window of platform/window.
  static std::unique_ptr<Device> CreateForMainWindow(const DisplayParameters& params, std::string* error);
  // The CPU per frame of the accelerated and of the software renderer, timed on a hidden
  // window of that size; nothing when no window can be made.
  static std::optional<std::pair<double, double>> TimeRenderers(int width, int height);
  // The software renderer drawing onto a memory surface: tests, headless screenshots.
  static std::unique_ptr<Device> CreateOffscreen(int width, int height, std::string* error);
  // The same with a screen larger than the back buffer (params' output size).
  static std::unique_ptr<Device> CreateOffscreen(const DisplayParameters& params, std::string* error);

  ~Device();
  Device(const Device&) = delete;
  Device& operator=(const Device&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool IsSoftware() const;
  std::string RendererName() const;
  // The largest texture side the renderer takes (0 when it names no limit).
  int MaxTextureSize() const;

  // A static texture from RGBA bytes (4 per pixel, rows top to bottom).
  Texture CreateTexture(int width, int height, std::span<const std::uint8_t> rgba, std::string* error);
  // A texture that can be drawn into; its content starts opaque black.
  Texture CreateTarget(int width, int height, std::string* error);
  // Replaces a rectangle of a static texture with RGBA bytes.
  bool UpdateTexture(const Texture& texture, int x, int y, int width, int height,
                     std::span<const std::uint8_t> rgba);

  // A texture replaced whole, frame after frame (a playing clip); stream into it first.
  Texture CreateStreamingTexture(int width, int height, std::string* error);
  // Replaces the whole streaming texture with B, G, R, A bytes (its own pixel order).
  bool StreamTexture(const Texture& texture, std::span<const std::uint8_t> bgra);

  // Drawing goes to the given target texture, or to the back buffer when none.
  bool SetTarget(const Texture* target);
  void Clear(std::uint32_t argb);
  // Drawing outside the rectangle is discarded; nothing = the whole target.
  void SetClip(std::optional<FRect> clip);

  // Texture region uv stretched over dst, modulated by argb. Regions beyond 0..1 are
  // drawn by cutting the quad at whole texture coordinates (wrap addressing).
  void DrawTexture(const Texture& texture, const FRect& dst, const UvRect& uv, std::uint32_t argb);
  // The whole texture turned by 180 degrees into dst (exact, no resampling seam).
  void DrawTextureHalfTurn(const Texture& texture, const FRect& dst, const UvRect& uv, std::uint32_t argb);
  // Four corners drawn as a fan of two triangles (texture coordinates within 0..1).
  void DrawTextureFan(const Texture& texture, const std::array<TexturedVertex, 4>& corners,
                      std::uint32_t argb);
  // The source copied into the destination's top-left corner without blending.
  bool CopyTexture(const Texture& from, const Texture& to);
  // A rectangle of a texture copied to the same place of the current target, pixel for
  // pixel, without blending (cut to the texture).
  void CopyTextureRegion(const Texture& from, int x, int y, int width, int height);
  // The back buffer's content copied into a target texture of the same size.
  bool CopyBackBuffer(const Texture& to);

  void FillRect(const FRect& rect, std::uint32_t argb);
  // Line strip through the points (pixel indices of the end points are drawn).
  void DrawLines(std::span<const FPoint> points, std::uint32_t argb);

  // Shows the back buffer (which keeps its content afterwards).
  void Present();
  // Frames shown since the device was made.
  std::uint64_t PresentCount() const { return presents_; }

  // Pixels (0xAARRGGBB) of the current target; empty on failure.
  std::vector<std::uint32_t> ReadPixels(int x, int y, int width, int height);
  // The back buffer as RGBA bytes with alpha forced to 255 (screenshots).
  std::vector<std::uint8_t> ReadBackBufferRgba();
  // The screen as the last present left it (the back buffer scaled to it), the same way.
  std::vector<std::uint8_t> ReadScreenRgba(int* width, int* height);

  // True once after the renderer reported that its targets or itself were reset.
  bool TakeResetEvent();
  // Makes the renderer again after a device reset (every earlier texture becomes empty).
  bool Recreate(std::string* error);

 private:
  Device() = default;
  bool Init(std::string* error);
  bool MakeWindowRenderer();
  void ChooseWindowRenderer();
  detail::WindowRenderer PickFromVerdict();
  void ConfirmVerdict();
  static detail::WindowRenderer PickOnHiddenWindow(WindowHandle fullScreenWindow, const DisplayParameters& params);
  double FrameCpuMs();
  std::shared_ptr<detail::TextureObject> MakeTextureObject(int access, int width, int height, std::string* error);
  // The software renderer's present of a back buffer k times smaller than its window.
  void PresentEnlarged(int k);
  void CopyRegion(const Texture& texture, const FRect& dst, float u0, float v0, float u1, float v1,
                  std::uint32_t argb, bool halfTurn);

  std::shared_ptr<detail::RendererState> state_;
  int width_ = 0, height_ = 0;
  Texture backBuffer_;
  // PresentEnlarged: one band of the new frame, and a hash of every 64-pixel piece of the
  // frame on screen (a copy of it would cost as much memory as the frame).
  std::vector<std::uint32_t> band_;
  std::vector<std::uint64_t> shownHashes_;
  const void* shownPixels_ = nullptr;  // the surface that holds the last frame, if any
  std::uint64_t presents_ = 0;
  friend class GlyphAtlas;
};

}  // namespace platform
