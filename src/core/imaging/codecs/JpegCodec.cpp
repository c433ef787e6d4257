// JPEG through libjpeg. libjpeg reports errors through error_exit, which here leaves by longjmp
// to the setjmp of the small function that made the call; those functions hold nothing with a
// destructor, and the library state lives in holders owned by the callers.
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jerror.h>
#include <jpeglib.h>

#include "core/imaging/RasterImage.h"
#include "core/imaging/codecs/Codecs.h"
#include "core/imaging/codecs/GreyRamp.h"
#include "core/imaging/codecs/MemoryStreams.h"
#include "core/storage/UserText.h"

namespace tavolo::codecs {

namespace {

// Progressive files can repeat scans without end; real encoders use a few dozen at most.
constexpr int kMaxScans = 1000;
// libjpeg's own working memory (coefficient buffers of progressive files, mostly).
constexpr long kMaxJpegMemory = 1024L * 1024 * 1024;
constexpr size_t kOutputChunk = 16 * 1024;
// From this quality up colour is not subsampled, as other image tools do at high quality, so that
// small coloured text stays sharp; below it the chroma is halved both ways (4:2:0).
constexpr int kFullColourQuality = 90;
// libjpeg decodes at most this many times smaller.
constexpr unsigned kLargestJpegShrink = 8;

struct JpegError {
  jpeg_error_mgr manager;  // first, so the library's pointer to it leads back here
  std::jmp_buf jump;
  MessageBuffer message;
};

[[noreturn]] void FailJpeg(j_common_ptr cinfo, const char* text) {
  auto* error = reinterpret_cast<JpegError*>(cinfo->err);
  error->message.Set(text);
  std::longjmp(error->jump, 1);
}

[[noreturn]] void OnJpegErrorExit(j_common_ptr cinfo) {
  char text[JMSG_LENGTH_MAX];
  cinfo->err->format_message(cinfo, text);
  FailJpeg(cinfo, text);
}

// Warnings (corrupt or missing data that the library fills in) are kept, never printed.
void OnJpegMessage(j_common_ptr cinfo) {
  char text[JMSG_LENGTH_MAX];
  cinfo->err->format_message(cinfo, text);
  reinterpret_cast<JpegError*>(cinfo->err)->message.Set(text);
}

void OnJpegProgress(j_common_ptr cinfo) {
  if (cinfo->is_decompressor &&
      reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
    FailJpeg(cinfo, UserText("JPEG has too many scans"));
  }
}

// A file that ends before its last scan is refused rather than shown with a grey remainder.
void OnJpegEmitMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF) {
    FailJpeg(cinfo, UserText("JPEG file is truncated"));
  }
  if (level < 0) cinfo->err->output_message(cinfo);
}

void InitJpegError(JpegError& error) {
  jpeg_std_error(&error.manager);
  error.manager.error_exit = OnJpegErrorExit;
  error.manager.output_message = OnJpegMessage;
  error.manager.emit_message = OnJpegEmitMessage;
}

struct JpegDecoder {
  jpeg_decompress_struct info{};
  JpegError error{};
  jpeg_progress_mgr progress{};
  bool created = false;

  JpegDecoder() = default;
  JpegDecoder(const JpegDecoder&) = delete;
  JpegDecoder& operator=(const JpegDecoder&) = delete;
  ~JpegDecoder() {
    if (created) jpeg_destroy_decompress(&info);
  }
};

// Appends the compressed stream to a vector in chunks.
struct JpegDestination {
  jpeg_destination_mgr manager;  // first, so the library's pointer to it leads back here
  std::vector<uint8_t>* out;
  uint8_t buffer[kOutputChunk];
};

void InitJpegDestination(j_compress_ptr cinfo) {
  auto* destination = reinterpret_cast<JpegDestination*>(cinfo->dest);
  destination->manager.next_output_byte = destination->buffer;
  destination->manager.free_in_buffer = sizeof destination->buffer;
}

boolean EmptyJpegDestination(j_compress_ptr cinfo) {
  auto* destination = reinterpret_cast<JpegDestination*>(cinfo->dest);
  if (!AppendBytes(*destination->out, destination->buffer, sizeof destination->buffer)) {
    FailJpeg(reinterpret_cast<j_common_ptr>(cinfo), UserText("JPEG: out of memory"));
  }
  InitJpegDestination(cinfo);
  return TRUE;
}

void TermJpegDestination(j_compress_ptr cinfo) {
  auto* destination = reinterpret_cast<JpegDestination*>(cinfo->dest);
  const size_t used = sizeof destination->buffer - destination->manager.free_in_buffer;
  if (!AppendBytes(*destination->out, destination->buffer, used)) {
    FailJpeg(reinterpret_cast<j_common_ptr>(cinfo), UserText("JPEG: out of memory"));
  }
}

struct JpegEncoder {
  jpeg_compress_struct info{};
  JpegError error{};
  JpegDestination destination{};
  bool created = false;

  JpegEncoder() = default;
  JpegEncoder(const JpegEncoder&) = delete;
  JpegEncoder& operator=(const JpegEncoder&) = delete;
  ~JpegEncoder() {
    if (created) jpeg_destroy_compress(&info);
  }
};

bool ReadJpegHeader(JpegDecoder* d, const uint8_t* data, size_t size) {
  if (setjmp(d->error.jump)) return false;
  jpeg_create_decompress(&d->info);
  d->created = true;
  d->info.mem->max_memory_to_use = kMaxJpegMemory;
  d->progress.progress_monitor = OnJpegProgress;
  d->info.progress = &d->progress;
  jpeg_mem_src(&d->info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&d->info, TRUE);
  return true;
}

// The output size: the file's, or 1/2, 1/4 or 1/8 of it when the image asks for no more than
// `budget` pixels. Returns the denominator, or 0 when libjpeg failed.
unsigned ChooseJpegScale(JpegDecoder* d, uint64_t budget) {
  if (setjmp(d->error.jump)) return 0;
  unsigned denominator = 1;
  for (;; denominator *= 2) {
    d->info.scale_num = 1;
    d->info.scale_denom = denominator;
    jpeg_calc_output_dimensions(&d->info);
    const uint64_t pixels = uint64_t{d->info.output_width} * d->info.output_height;
    if (budget == 0 || pixels <= budget || denominator == kLargestJpegShrink) break;
  }
  return denominator;
}

// CMYK as ImageMagick turns it into RGB: r = c × k / 255, rounded. Adobe's files, which are
// nearly all CMYK JPEGs there are, store the inks inverted; files without Adobe's marker are
// read the same way, as ImageMagick and the browsers do.
inline uint8_t InkToLevel(unsigned ink, unsigned black) {
  return static_cast<uint8_t>((ink * black + 127) / 255);
}

bool ReadJpegRows(JpegDecoder* d, RasterImage* image, uint8_t* cmykRow) {
  if (setjmp(d->error.jump)) return false;
  jpeg_start_decompress(&d->info);
  const JDIMENSION height = d->info.output_height;
  while (d->info.output_scanline < height) {
    uint8_t* target = image->GetBits(height - 1 - d->info.output_scanline);
    JSAMPROW row = cmykRow != nullptr ? cmykRow : target;
    if (jpeg_read_scanlines(&d->info, &row, 1) != 1) {
      FailJpeg(reinterpret_cast<j_common_ptr>(&d->info), UserText("JPEG: no more rows"));
    }
    if (cmykRow != nullptr) {
      for (JDIMENSION x = 0; x < d->info.output_width; ++x) {
        const uint8_t* ink = cmykRow + 4 * static_cast<size_t>(x);
        target[3 * x] = InkToLevel(ink[2], ink[3]);
        target[3 * x + 1] = InkToLevel(ink[1], ink[3]);
        target[3 * x + 2] = InkToLevel(ink[0], ink[3]);
      }
    }
  }
  return true;
}

struct JpegWriteSettings {
  int components;
  J_COLOR_SPACE colourSpace;
  int quality;
  UINT16 densityX;
  UINT16 densityY;
};

bool WriteJpeg(JpegEncoder* e, const RasterImage* image, const JpegWriteSettings* s) {
  if (setjmp(e->error.jump)) return false;
  jpeg_create_compress(&e->info);
  e->created = true;
  e->destination.manager.init_destination = InitJpegDestination;
  e->destination.manager.empty_output_buffer = EmptyJpegDestination;
  e->destination.manager.term_destination = TermJpegDestination;
  e->info.dest = &e->destination.manager;
  e->info.image_width = image->GetWidth();
  e->info.image_height = image->GetHeight();
  e->info.input_components = s->components;
  e->info.in_color_space = s->colourSpace;
  jpeg_set_defaults(&e->info);
  jpeg_set_quality(&e->info, s->quality, TRUE);
  if (s->components == 3 && s->quality >= kFullColourQuality) {
    // Every component at full resolution (4:4:4): colour keeps the sharpness of the lightness.
    e->info.comp_info[0].h_samp_factor = 1;
    e->info.comp_info[0].v_samp_factor = 1;
  }
  if (s->densityX > 0 && s->densityY > 0) {
    e->info.density_unit = 1;
    e->info.X_density = s->densityX;
    e->info.Y_density = s->densityY;
  }
  jpeg_start_compress(&e->info, TRUE);
  const JDIMENSION height = e->info.image_height;
  while (e->info.next_scanline < height) {
    // libjpeg reads the rows without writing to them.
    JSAMPROW row = const_cast<uint8_t*>(image->GetBits(height - 1 - e->info.next_scanline));
    jpeg_write_scanlines(&e->info, &row, 1);
  }
  jpeg_finish_compress(&e->info);
  return true;
}

UINT16 DensityFromDpi(int32_t dpi) {
  return static_cast<UINT16>(std::clamp(dpi, 0, 65535));
}

}  // namespace

bool DecodeJpeg(std::span<const uint8_t> data, RasterImage& image) {
  if (data.size() < 3 || data[0] != 0xFF || data[1] != 0xD8 || data[2] != 0xFF) {
    image.SetLastError(UserText("Not a JPEG"));
    return false;
  }
  JpegDecoder decoder;
  InitJpegError(decoder.error);
  decoder.info.err = &decoder.error.manager;
  if (!ReadJpegHeader(&decoder, data.data(), data.size())) {
    image.SetLastError(decoder.error.message.text);
    return false;
  }
  jpeg_decompress_struct& info = decoder.info;
  const bool grey = info.jpeg_color_space == JCS_GRAYSCALE;
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_EXT_BGR;
  const uint32_t bpp = grey ? 8 : 24;
  // The limits hold for the picture in the file, however small it is decoded.
  if (!CheckImageSize(info.image_width, info.image_height, bpp, image)) return false;
  const unsigned shrink = ChooseJpegScale(&decoder, image.GetDecodePixelBudget());
  if (shrink == 0) {
    image.SetLastError(decoder.error.message.text);
    return false;
  }
  if (!CheckImageSize(info.output_width, info.output_height, bpp, image)) return false;
  if (!image.Create(info.output_width, info.output_height, bpp, kFormatJpeg)) return false;
  if (shrink > 1) image.SetDecodeShrink(shrink, info.image_width, info.image_height);
  if (grey) SetGreyRamp(image);
  if (info.saw_JFIF_marker && info.X_density > 0 && info.Y_density > 0) {
    if (info.density_unit == 1) {
      image.SetXDpi(info.X_density);
      image.SetYDpi(info.Y_density);
    } else if (info.density_unit == 2) {
      image.SetXPelsPerMeter(info.X_density * 100);
      image.SetYPelsPerMeter(info.Y_density * 100);
    }
  }
  std::vector<uint8_t> cmykRow;
  if (cmyk) {
    try {
      cmykRow.resize(static_cast<size_t>(info.output_width) * 4);
    } catch (const std::bad_alloc&) {
      image.SetLastError(UserText("RasterImage::Create can't allocate memory"));
      return false;
    }
  }
  if (!ReadJpegRows(&decoder, &image, cmyk ? cmykRow.data() : nullptr)) {
    image.SetLastError(decoder.error.message.text);
    return false;
  }
  // A warning (data filled in where the file was damaged) is left for the caller.
  if (!decoder.error.message.Empty()) image.SetLastError(decoder.error.message.text);
  return true;
}

bool EncodeJpeg(RasterImage& image, std::vector<uint8_t>& out) {
  const bool grey = HasGreyRamp(image);
  if (image.GetBpp() != 24 && !grey) {
    image.SetLastError(UserText("JPEG can save only RGB or GreyScale images"));
    return false;
  }
  OutputGuard guard(out);
  JpegEncoder encoder;
  InitJpegError(encoder.error);
  encoder.info.err = &encoder.error.manager;
  encoder.destination.out = &out;
  // A resolution given only one way is written for both.
  const int32_t x = image.GetXPelsPerMeter() > 0 ? image.GetXDpi() : image.GetYDpi();
  const int32_t y = image.GetYPelsPerMeter() > 0 ? image.GetYDpi() : image.GetXDpi();
  const JpegWriteSettings settings{
      grey ? 1 : 3,
      grey ? JCS_GRAYSCALE : JCS_EXT_BGR,
      std::min<int>(image.GetJpegQuality(), 100),
      DensityFromDpi(x),
      DensityFromDpi(y),
  };
  if (!WriteJpeg(&encoder, &image, &settings)) {
    image.SetLastError(encoder.error.message.text);
    return false;
  }
  guard.Commit();
  return true;
}

}  // namespace tavolo::codecs
