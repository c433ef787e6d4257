#include "core/print/PdfCmykConversion.h"

#include <array>
#include <map>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <vector>

#include <libdeflate.h>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_String.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include "core/base/Translation.h"

namespace tavolo {

namespace {

using Token = QPDFTokenizer::Token;

constexpr int kDeflateLevel = 6;

// Why a PDF cannot be turned into ink, each a whole sentence for the user.
constexpr const char* kInlinePicture =
    QT_TRANSLATE_NOOP("Tavolo", "The PDF cannot be turned into CMYK: it holds an inline picture.");
constexpr const char* kShading =
    QT_TRANSLATE_NOOP("Tavolo", "The PDF cannot be turned into CMYK: it holds a shading.");
constexpr const char* kColourSpace = QT_TRANSLATE_NOOP(
    "Tavolo",
    "The PDF cannot be turned into CMYK: it paints in a colour space other than RGB or grey.");
constexpr const char* kPictureSpace =
    QT_TRANSLATE_NOOP("Tavolo",
                      "The PDF cannot be turned into CMYK: it holds a picture in a colour space "
                      "other than RGB or grey.");
constexpr const char* kTransparency = QT_TRANSLATE_NOOP(
    "Tavolo", "The PDF cannot be turned into CMYK: it holds transparency that was not flattened.");

enum class Space { kOther, kRgb, kGrey, kCmyk, kRgbPattern };

Space SpaceOf(QPDFObjectHandle space) {
  if (space.isNameAndEquals("/DeviceRGB")) return Space::kRgb;
  if (space.isNameAndEquals("/DeviceGray")) return Space::kGrey;
  if (space.isNameAndEquals("/DeviceCMYK")) return Space::kCmyk;
  if (space.isArray() && space.getArrayNItems() == 2 &&
      space.getArrayItem(0).isNameAndEquals("/Pattern") &&
      space.getArrayItem(1).isNameAndEquals("/DeviceRGB")) {
    return Space::kRgbPattern;
  }
  return Space::kOther;
}

std::string Format(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.4f", value);
  std::string s = text;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s;
}

// The colours of one page's contents in ink. The names the page's colour spaces go by are
// known beforehand; a colour operator's operands are held until the operator comes.
class InkColours : public QPDFObjectHandle::TokenFilter {
 public:
  InkColours(const CmykProfile& profile, std::map<std::string, Space> named, const char*& failure)
      : profile_(profile), named_(std::move(named)), failure_(failure) {}

  void handleToken(const Token& token) override {
    if (token.getType() == QPDFTokenizer::tt_inline_image) {
      failure_ = kInlinePicture;
    }
    if (token.getType() != QPDFTokenizer::tt_word) {
      held_.push_back(token);
      return;
    }
    const std::string& op = token.getValue();
    if (op == "cs" || op == "CS") {
      (op == "cs" ? fill_ : stroke_) = Named(LastName());
      Flush();
    } else if (op == "rg" || op == "RG") {
      Convert(Space::kRgb, op == "rg" ? "k" : "K");
    } else if (op == "g" || op == "G") {
      Convert(Space::kGrey, op == "g" ? "k" : "K");
    } else if (op == "sc" || op == "scn" || op == "SC" || op == "SCN") {
      const bool fill = op == "sc" || op == "scn";
      Convert(fill ? fill_ : stroke_, op);
    } else if (op == "sh") {
      failure_ = kShading;
      Flush();
    } else {
      Flush();
    }
    writeToken(token);
  }
  void handleEOF() override { Flush(); }

 private:
  Space Named(const std::string& name) const {
    if (name == "/DeviceRGB") return Space::kRgb;
    if (name == "/DeviceGray") return Space::kGrey;
    if (name == "/DeviceCMYK") return Space::kCmyk;
    const auto found = named_.find(name);
    return found != named_.end() ? found->second : Space::kOther;
  }
  std::string LastName() const {
    for (auto it = held_.rbegin(); it != held_.rend(); ++it) {
      if (it->getType() == QPDFTokenizer::tt_name) return it->getValue();
    }
    return {};
  }
  // Replaces the held numbers of a colour in `space` by its ink, then `op`.
  void Convert(Space space, const std::string& op) {
    std::vector<double> numbers;
    std::vector<Token> rest;
    for (const Token& held : held_) {
      if (held.getType() == QPDFTokenizer::tt_integer || held.getType() == QPDFTokenizer::tt_real) {
        numbers.push_back(std::stod(held.getValue()));
      } else if (held.getType() == QPDFTokenizer::tt_name) {
        rest.push_back(held);
      }
    }
    const bool grey = space == Space::kGrey && numbers.size() == 1;
    const bool rgb = (space == Space::kRgb || space == Space::kRgbPattern) && numbers.size() == 3;
    if (!grey && !rgb) {
      if (space != Space::kCmyk && !(space == Space::kRgbPattern && numbers.empty())) {
        failure_ = kColourSpace;
      }
      Flush();
      return;
    }
    const std::array<double, 4> ink = grey ? profile_.Convert(numbers[0], numbers[0], numbers[0])
                                           : profile_.Convert(numbers[0], numbers[1], numbers[2]);
    std::string text = " ";
    for (const double part : ink) text += Format(part) + " ";
    write(text);
    for (const Token& name : rest) {
      writeToken(name);
      write(" ");
    }
    held_.clear();
    (void)op;
  }
  void Flush() {
    for (const Token& held : held_) writeToken(held);
    held_.clear();
  }

  const CmykProfile& profile_;
  std::map<std::string, Space> named_;
  const char*& failure_;
  std::vector<Token> held_;
  Space fill_ = Space::kGrey;  // every page starts in DeviceGray
  Space stroke_ = Space::kGrey;
};

// The resources' colour spaces by name, each turned into its CMYK counterpart.
std::map<std::string, Space> ConvertColourSpaces(QPDFObjectHandle resources) {
  std::map<std::string, Space> named;
  if (!resources.isDictionary()) return named;
  QPDFObjectHandle spaces = resources.getKey("/ColorSpace");
  if (!spaces.isDictionary()) return named;
  for (auto& [name, space] : spaces.ditems()) {
    const Space kind = SpaceOf(space);
    named["/" + name.substr(name.front() == '/' ? 1 : 0)] = kind;
    if (kind == Space::kRgb || kind == Space::kGrey) {
      spaces.replaceKey(name, QPDFObjectHandle::newName("/DeviceCMYK"));
    } else if (kind == Space::kRgbPattern) {
      spaces.replaceKey(name,
                        QPDFObjectHandle::newArray({QPDFObjectHandle::newName("/Pattern"),
                                                    QPDFObjectHandle::newName("/DeviceCMYK")}));
    }
  }
  return named;
}

// `data` compressed for /FlateDecode by libdeflate, a few times quicker than the zlib the PDF
// writer would use, which matters for a picture of a whole card's pixels.
std::string Deflated(const std::string& data) {
  std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor(
      libdeflate_alloc_compressor(kDeflateLevel), &libdeflate_free_compressor);
  if (!compressor) throw std::bad_alloc();
  std::string compressed(libdeflate_zlib_compress_bound(compressor.get(), data.size()), '\0');
  const size_t size = libdeflate_zlib_compress(compressor.get(), data.data(), data.size(),
                                               compressed.data(), compressed.size());
  compressed.resize(size);
  return compressed;
}

// A picture's pixels in ink; the reason when it cannot be converted.
const char* ConvertPicture(QPDFObjectHandle image, const CmykProfile& profile) {
  QPDFObjectHandle dict = image.getDict();
  if (dict.getKey("/ImageMask").isBool() && dict.getKey("/ImageMask").getBoolValue()) {
    return nullptr;
  }
  if (!dict.getKey("/SMask").isNull()) return kTransparency;
  QPDFObjectHandle space = dict.getKey("/ColorSpace");
  const Space kind = SpaceOf(space);
  if (kind == Space::kCmyk) return nullptr;
  const bool indexed = space.isArray() && space.getArrayNItems() == 4 &&
                       space.getArrayItem(0).isNameAndEquals("/Indexed") &&
                       SpaceOf(space.getArrayItem(1)) == Space::kRgb;
  if (indexed) {
    QPDFObjectHandle lookup = space.getArrayItem(3);
    std::string rgb = lookup.isString() ? lookup.getStringValue() : std::string();
    if (lookup.isStream()) {
      const std::shared_ptr<Buffer> data = lookup.getStreamData(qpdf_dl_all);
      rgb.assign(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
    }
    std::string cmyk(rgb.size() / 3 * 4, '\0');
    profile.ConvertRow({reinterpret_cast<const uint8_t*>(rgb.data()), rgb.size()},
                       {reinterpret_cast<uint8_t*>(cmyk.data()), cmyk.size()}, rgb.size() / 3);
    dict.replaceKey("/ColorSpace", QPDFObjectHandle::newArray(
                                       {QPDFObjectHandle::newName("/Indexed"),
                                        QPDFObjectHandle::newName("/DeviceCMYK"),
                                        space.getArrayItem(2), QPDFObjectHandle::newString(cmyk)}));
    return nullptr;
  }
  if ((kind != Space::kRgb && kind != Space::kGrey) ||
      !dict.getKey("/BitsPerComponent").isInteger() ||
      dict.getKey("/BitsPerComponent").getIntValue() != 8 || !dict.getKey("/Decode").isNull()) {
    return kPictureSpace;
  }
  const std::shared_ptr<Buffer> data = image.getStreamData(qpdf_dl_all);
  const size_t channels = kind == Space::kRgb ? 3 : 1;
  const size_t pixels = data->getSize() / channels;
  const uint8_t* from = data->getBuffer();
  std::string cmyk(pixels * 4, '\0');
  auto* to = reinterpret_cast<uint8_t*>(cmyk.data());
  constexpr size_t kRow = 4096;
  std::vector<uint8_t> rgb(kRow * 3);
  for (size_t done = 0; done < pixels; done += kRow) {
    const size_t count = std::min(kRow, pixels - done);
    if (channels == 3) {
      std::copy(from + done * 3, from + (done + count) * 3, rgb.begin());
    } else {
      for (size_t i = 0; i < count; ++i)
        rgb[3 * i] = rgb[3 * i + 1] = rgb[3 * i + 2] = from[done + i];
    }
    profile.ConvertRow({rgb.data(), count * 3}, {to + done * 4, count * 4}, count);
  }
  image.replaceStreamData(Deflated(cmyk), QPDFObjectHandle::newName("/FlateDecode"),
                          QPDFObjectHandle::newNull());
  dict.replaceKey("/ColorSpace", QPDFObjectHandle::newName("/DeviceCMYK"));
  return nullptr;
}

// Whether a graphics state paints with anything but opaque, plain colour.
bool IsTransparent(QPDFObjectHandle state) {
  for (const char* alpha : {"/ca", "/CA"}) {
    QPDFObjectHandle value = state.getKey(alpha);
    if (value.isNumber() && value.getNumericValue() < 1.0) return true;
  }
  QPDFObjectHandle mask = state.getKey("/SMask");
  QPDFObjectHandle blend = state.getKey("/BM");
  return (!mask.isNull() && !mask.isNameAndEquals("/None")) ||
         (!blend.isNull() && !blend.isNameAndEquals("/Normal") &&
          !blend.isNameAndEquals("/Compatible"));
}

}  // namespace

Outcome<> ConvertPdfToCmyk(QPDF& pdf, const CmykProfile& profile) {
  const char* failure = nullptr;
  std::set<QPDFObjGen> converted;
  std::map<QPDFObjGen, std::map<std::string, Space>> spacesOf;
  for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
    QPDFObjectHandle resources = page.getAttribute("/Resources", false);
    std::map<std::string, Space> named;
    if (resources.isIndirect()) {
      const auto [at, isNew] = spacesOf.try_emplace(resources.getObjGen());
      if (isNew) at->second = ConvertColourSpaces(resources);
      named = at->second;
    } else {
      named = ConvertColourSpaces(resources);
    }
    if (resources.isDictionary()) {
      QPDFObjectHandle states = resources.getKey("/ExtGState");
      if (states.isDictionary()) {
        for (auto& [name, state] : states.ditems()) {
          if (IsTransparent(state)) failure = kTransparency;
        }
      }
      QPDFObjectHandle objects = resources.getKey("/XObject");
      if (objects.isDictionary()) {
        for (auto& [name, object] : objects.ditems()) {
          if (!object.isStream() ||
              !object.getDict().getKey("/Subtype").isNameAndEquals("/Image") ||
              (object.isIndirect() && !converted.insert(object.getObjGen()).second)) {
            continue;
          }
          if (const char* why = ConvertPicture(object, profile)) failure = why;
        }
      }
    }
    QPDFObjectHandle group = page.getObjectHandle().getKey("/Group");
    if (group.isDictionary()) group.replaceKey("/CS", QPDFObjectHandle::newName("/DeviceCMYK"));
    std::string inked;
    Pl_String sink("ink", nullptr, inked);
    InkColours colours(profile, std::move(named), failure);
    page.filterContents(&colours, &sink);
    page.getObjectHandle().replaceKey("/Contents", pdf.newStream(inked));
    if (failure != nullptr) return Failure{TrMessage(failure)};
  }
  return {};
}

}  // namespace tavolo
