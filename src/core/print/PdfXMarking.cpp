#include "core/print/PdfXMarking.h"

#include <QDateTime>
#include <QStandardPaths>
#include <QUuid>

#include <qpdf/QPDF.hh>

#include "core/base/Translation.h"
#include "core/storage/FileIo.h"

namespace tavolo {

namespace {

constexpr const char* kSrgbProfile = "color/icc/sRGB.icc";
constexpr const char* kSrgbCondition = "sRGB IEC61966-2.1";
constexpr uintmax_t kMaxProfileBytes = 64u << 20;

struct Intent {
  std::string profile;
  std::string condition;
  std::string info;
  int channels = 3;
};

Outcome<Intent> IntentOf(const std::optional<CmykProfile>& cmyk) {
  if (cmyk) {
    const std::vector<uint8_t>& bytes = cmyk->Bytes();
    return Intent{{bytes.begin(), bytes.end()}, "Custom", cmyk->Description(), 4};
  }
  const QString file = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                              QString::fromLatin1(kSrgbProfile));
  if (file.isEmpty()) {
    return Failure{
        TrMessage("The sRGB colour profile a PDF/X file names was not found (%1 of "
                  "the package icc-profiles-free).",
                  kSrgbProfile)};
  }
  Outcome<std::vector<uint8_t>> read = ReadWholeFile(file.toStdString(), kMaxProfileBytes);
  if (!read) return TranslatedFailure(read);
  return Intent{{read.Value().begin(), read.Value().end()}, kSrgbCondition, kSrgbCondition, 3};
}

QString Xml(const QString& text) {
  return text.toHtmlEscaped();
}

std::string Metadata(const QString& title, const QString& date, const QString& id) {
  const QString xmp = QStringLiteral(
                          "<?xpacket begin=\"\uFEFF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
                          "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
                          " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
                          "  <rdf:Description rdf:about=\"\"\n"
                          "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
                          "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\"\n"
                          "    xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\"\n"
                          "    xmlns:xmpMM=\"http://ns.adobe.com/xap/1.0/mm/\"\n"
                          "    xmlns:pdfxid=\"http://www.npes.org/pdfx/ns/id/\">\n"
                          "   <dc:format>application/pdf</dc:format>\n"
                          "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li>"
                          "</rdf:Alt></dc:title>\n"
                          "   <xmp:CreateDate>%2</xmp:CreateDate>\n"
                          "   <xmp:ModifyDate>%2</xmp:ModifyDate>\n"
                          "   <xmp:MetadataDate>%2</xmp:MetadataDate>\n"
                          "   <xmp:CreatorTool>Tavolo</xmp:CreatorTool>\n"
                          "   <pdf:Producer>Tavolo</pdf:Producer>\n"
                          "   <pdf:Trapped>False</pdf:Trapped>\n"
                          "   <xmpMM:DocumentID>uuid:%3</xmpMM:DocumentID>\n"
                          "   <xmpMM:InstanceID>uuid:%3</xmpMM:InstanceID>\n"
                          "   <xmpMM:VersionID>1</xmpMM:VersionID>\n"
                          "   <xmpMM:RenditionClass>default</xmpMM:RenditionClass>\n"
                          "   <pdfxid:GTS_PDFXVersion>PDF/X-4</pdfxid:GTS_PDFXVersion>\n"
                          "  </rdf:Description>\n"
                          " </rdf:RDF>\n"
                          "</x:xmpmeta>\n"
                          "<?xpacket end=\"w\"?>")
                          .arg(Xml(title), date, id);
  return xmp.toStdString();
}

}  // namespace

Outcome<> MarkPdfX4(QPDF& pdf, const QString& title, const std::optional<CmykProfile>& cmyk) {
  Outcome<Intent> intent = IntentOf(cmyk);
  if (!intent) return Failure{intent.Message(), intent.Error()};
  const QDateTime now = QDateTime::currentDateTimeUtc();
  const QString named = title.isEmpty() ? QStringLiteral("Tavolo") : title;
  const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);

  QPDFObjectHandle trailer = pdf.getTrailer();
  QPDFObjectHandle info = trailer.getKey("/Info");
  if (!info.isDictionary()) {
    info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    trailer.replaceKey("/Info", info);
  }
  const std::string date =
      now.toString(QStringLiteral("'D:'yyyyMMddHHmmss")).toStdString() + "+00'00'";
  info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(named.toStdString()));
  info.replaceKey("/Creator", QPDFObjectHandle::newString("Tavolo"));
  info.replaceKey("/Producer", QPDFObjectHandle::newString("Tavolo"));
  info.replaceKey("/CreationDate", QPDFObjectHandle::newString(date));
  info.replaceKey("/ModDate", QPDFObjectHandle::newString(date));
  info.replaceKey("/Trapped", QPDFObjectHandle::newName("/False"));
  info.replaceKey("/GTS_PDFXVersion", QPDFObjectHandle::newString("PDF/X-4"));

  QPDFObjectHandle root = pdf.getRoot();
  QPDFObjectHandle metadata = pdf.newStream(
      Metadata(named, now.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'+00:00'")), id));
  metadata.getDict().replaceKey("/Type", QPDFObjectHandle::newName("/Metadata"));
  metadata.getDict().replaceKey("/Subtype", QPDFObjectHandle::newName("/XML"));
  root.replaceKey("/Metadata", metadata);

  QPDFObjectHandle profile = pdf.newStream(intent.Value().profile);
  profile.getDict().replaceKey("/N", QPDFObjectHandle::newInteger(intent.Value().channels));
  QPDFObjectHandle outputIntent = QPDFObjectHandle::newDictionary();
  outputIntent.replaceKey("/Type", QPDFObjectHandle::newName("/OutputIntent"));
  outputIntent.replaceKey("/S", QPDFObjectHandle::newName("/GTS_PDFX"));
  outputIntent.replaceKey("/OutputConditionIdentifier",
                          QPDFObjectHandle::newString(intent.Value().condition));
  outputIntent.replaceKey("/Info", QPDFObjectHandle::newString(intent.Value().info));
  outputIntent.replaceKey("/RegistryName", QPDFObjectHandle::newString("http://www.color.org"));
  outputIntent.replaceKey("/DestOutputProfile", profile);
  root.replaceKey("/OutputIntents",
                  QPDFObjectHandle::newArray({pdf.makeIndirectObject(outputIntent)}));
  return {};
}

}  // namespace tavolo
