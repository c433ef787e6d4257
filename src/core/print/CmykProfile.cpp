#include "core/print/CmykProfile.h"

#include <lcms2.h>

#include <cerrno>

#include "core/base/Translation.h"
#include "core/storage/FileIo.h"
#include "core/storage/PrintableName.h"

namespace tavolo {

namespace {

// A profile is a few hundred kilobytes; past this it is not one.
constexpr uintmax_t kMaxProfileBytes = 64u << 20;

// Relative colorimetric with black point compensation: the card's colours kept where the ink
// can print them, and its darkest black the ink's darkest.
constexpr cmsUInt32Number kIntent = INTENT_RELATIVE_COLORIMETRIC;
constexpr cmsUInt32Number kFlags = cmsFLAGS_BLACKPOINTCOMPENSATION;

struct ProfileCloser {
  void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using ProfileHandle = std::unique_ptr<void, ProfileCloser>;

struct TransformDeleter {
  void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using TransformHandle = std::unique_ptr<void, TransformDeleter>;

}  // namespace

struct CmykProfile::Shared {
  std::vector<uint8_t> bytes;
  std::string description;
  TransformHandle colours;  // doubles: RGB 0..1 in, CMYK 0..100 out
  TransformHandle pixels;   // 8-bit RGB in, 8-bit CMYK out
};

CmykProfile::CmykProfile(std::shared_ptr<const Shared> shared) : shared_(std::move(shared)) {}

Outcome<CmykProfile> CmykProfile::Load(const std::filesystem::path& file) {
  Outcome<std::vector<uint8_t>> read = ReadWholeFile(file, kMaxProfileBytes);
  if (!read) return TranslatedFailure(read);
  const std::string name = PrintableName(file.string());
  auto shared = std::make_shared<Shared>();
  shared->bytes = std::move(read).Value();
  const ProfileHandle output(cmsOpenProfileFromMem(
      shared->bytes.data(), static_cast<cmsUInt32Number>(shared->bytes.size())));
  if (!output) return Failure{TrMessage("'%1' is not an ICC colour profile", name), EINVAL};
  if (cmsGetColorSpace(output.get()) != cmsSigCmykData ||
      !cmsIsIntentSupported(output.get(), kIntent, LCMS_USED_AS_OUTPUT)) {
    return Failure{TrMessage("'%1' is not a profile for printing in CMYK", name), EINVAL};
  }
  const ProfileHandle srgb(cmsCreate_sRGBProfile());
  shared->colours.reset(
      cmsCreateTransform(srgb.get(), TYPE_RGB_DBL, output.get(), TYPE_CMYK_DBL, kIntent, kFlags));
  shared->pixels.reset(
      cmsCreateTransform(srgb.get(), TYPE_RGB_8, output.get(), TYPE_CMYK_8, kIntent, kFlags));
  if (!shared->colours || !shared->pixels) {
    return Failure{TrMessage("'%1' is not a profile for printing in CMYK", name), EINVAL};
  }
  char text[256] = {};
  cmsGetProfileInfoASCII(output.get(), cmsInfoDescription, "en", "US", text, sizeof text);
  shared->description = text[0] != '\0' ? text : file.filename().string();
  return CmykProfile(std::move(shared));
}

const std::vector<uint8_t>& CmykProfile::Bytes() const {
  return shared_->bytes;
}

const std::string& CmykProfile::Description() const {
  return shared_->description;
}

std::array<double, 4> CmykProfile::Convert(double red, double green, double blue) const {
  const double rgb[3] = {red, green, blue};
  double ink[4] = {};
  cmsDoTransform(shared_->colours.get(), rgb, ink, 1);
  std::array<double, 4> cmyk{};
  for (size_t i = 0; i < cmyk.size(); ++i) cmyk[i] = std::clamp(ink[i] / 100.0, 0.0, 1.0);
  return cmyk;
}

void CmykProfile::ConvertRow(std::span<const uint8_t> rgb, std::span<uint8_t> cmyk,
                             size_t pixels) const {
  if (rgb.size() / 3 < pixels || cmyk.size() / 4 < pixels) return;
  cmsDoTransform(shared_->pixels.get(), rgb.data(), cmyk.data(),
                 static_cast<cmsUInt32Number>(pixels));
}

}  // namespace tavolo
