#include "GalleryCatalog.h"

#include <QLabel>
#include <QPixmap>
#include <memory>

#include "core/base/CheckedCall.h"
#include "core/base/ColourModel.h"
#include "core/base/ProgramFolder.h"
#include "core/card/LayoutTable.h"
#include "core/document/CardDocument.h"
#include "core/library/BackgroundLibrary.h"
#include "ui/app/FatalErrorDialog.h"
#include "ui/card/CardPreview.h"
#include "ui/choosers/BackgroundChooser.h"
#include "ui/choosers/LayoutChooser.h"
#include "ui/controls/ColourButton.h"
#include "ui/controls/ColourLine.h"
#include "ui/controls/ColourStripSlider.h"
#include "ui/controls/FieldNameLabel.h"
#include "ui/controls/HueLightnessPicker.h"
#include "ui/controls/HueSlider.h"
#include "ui/controls/PillButton.h"
#include "ui/controls/PillButtonFaces.h"
#include "ui/controls/SaturationLightnessSquare.h"
#include "ui/controls/Slider.h"

namespace tavolo {

namespace {

QString Hsl(HslColour c) {
  return QStringLiteral("(%1, %2, %3)").arg(c.h, 0, 'f', 1).arg(c.s, 0, 'f', 1).arg(c.l, 0, 'f', 1);
}

GalleryItem Button(const QString& title, QSize size, const QString& text, unsigned char symbol,
                   bool active) {
  return {QStringLiteral("Buttons"), title, size,
          [=](QWidget* parent, const GalleryReport& report) {
            auto* button = new PillButton(parent);
            button->SetText(text);
            button->SetSymbol(symbol);
            button->SetActive(active);
            QObject::connect(button, &PillButton::clicked,
                             [report, title] { report(title + QStringLiteral(": clicked")); });
            return button;
          }};
}

GalleryItem Faces() {
  return {QStringLiteral("Buttons"), QStringLiteral("PillButton faces (x3)"), QSize(270, 90),
          [](QWidget* parent, const GalleryReport&) {
            QImage strip(3 * kPillButtonFaceSize, kPillButtonFaceSize, QImage::Format_RGB32);
            const PillButtonFace faces[] = {PillButtonFace::Normal, PillButtonFace::Hover,
                                            PillButtonFace::Pressed};
            for (int i = 0; i < 3; ++i) {
              const QImage& face = PillButtonFacePicture(faces[i]);
              for (int y = 0; y < kPillButtonFaceSize; ++y) {
                for (int x = 0; x < kPillButtonFaceSize; ++x) {
                  strip.setPixel(i * kPillButtonFaceSize + x, y, face.pixel(x, y));
                }
              }
            }
            auto* label = new QLabel(parent);
            label->setPixmap(QPixmap::fromImage(strip.scaled(strip.size() * 3)));
            return label;
          }};
}

GalleryItem PlainSlider(const QString& title, float position, bool enabled) {
  return {QStringLiteral("Sliders"), title, QSize(160, 14),
          [=](QWidget* parent, const GalleryReport& report) {
            auto* slider = new Slider(parent);
            slider->SetPosition(position);
            slider->setEnabled(enabled);
            QObject::connect(slider, &Slider::clicked, [report, slider, title] {
              report(title + QStringLiteral(": position %1").arg(slider->Position(), 0, 'f', 3));
            });
            return slider;
          }};
}

GalleryItem CentredSlider(const QString& title, int mode, float hue, float position) {
  return {QStringLiteral("Sliders"), title, QSize(200, 25),
          [=](QWidget* parent, const GalleryReport& report) {
            auto* slider = new ColourStripSlider(parent);
            slider->SetMode(mode);
            slider->SetHue(hue);
            slider->SetPosition(position);
            QObject::connect(slider, &ColourStripSlider::clicked, [report, slider, title] {
              report(title + QStringLiteral(": position %1").arg(slider->Position(), 0, 'f', 3));
            });
            QObject::connect(slider, &ColourStripSlider::released,
                             [report, title] { report(title + QStringLiteral(": released")); });
            return slider;
          }};
}

GalleryItem Swatch(const QString& title, ColourRef colour, bool enabled) {
  return {QStringLiteral("Colours"), title, QSize(40, 24),
          [=](QWidget* parent, const GalleryReport& report) {
            auto* swatch = new ColourButton(parent);
            swatch->SetColour(colour);
            swatch->setEnabled(enabled);
            QObject::connect(swatch, &ColourButton::clicked,
                             [report, title] { report(title + QStringLiteral(": clicked")); });
            return swatch;
          }};
}

GalleryItem Line(const QString& title, bool enabled) {
  return {QStringLiteral("Colours"), title, QSize(140, 42),
          [=](QWidget* parent, const GalleryReport& report) {
            auto* line = new ColourLine(parent);
            line->setEnabled(enabled);
            QObject::connect(line, &ColourLine::clicked, [report, line, title] {
              report(title + QStringLiteral(": picked ") + Hsl(line->CurrentColour()));
            });
            return line;
          }};
}

GalleryItem Label() {
  return {QStringLiteral("Colours"), QStringLiteral("FieldNameLabel"), QSize(120, 20),
          [](QWidget* parent, const GalleryReport&) {
            auto* label = new FieldNameLabel(parent);
            label->SetText(QStringLiteral("Company Name"));
            return label;
          }};
}

GalleryItem Hue() {
  return {QStringLiteral("Pickers"), QStringLiteral("HueSlider"), QSize(240, 20),
          [](QWidget* parent, const GalleryReport& report) {
            auto* picker = new HueSlider(parent);
            picker->SetPosition(0.6f);
            QObject::connect(picker, &HueSlider::clicked, [report, picker] {
              report(QStringLiteral("HueSlider: hue %1").arg(picker->Position() * 239, 0, 'f', 1));
            });
            return picker;
          }};
}

GalleryItem SaturationLightness() {
  return {QStringLiteral("Pickers"), QStringLiteral("SaturationLightnessSquare"), QSize(240, 160),
          [](QWidget* parent, const GalleryReport& report) {
            auto* picker = new SaturationLightnessSquare(parent);
            picker->SetHue(0.6f);
            picker->SetSaturation(0.75f);
            picker->SetLightness(0.4f);
            QObject::connect(picker, &SaturationLightnessSquare::clicked, [report, picker] {
              report(QStringLiteral("SaturationLightnessSquare: saturation %1, lightness %2")
                         .arg(picker->Saturation() * 240, 0, 'f', 1)
                         .arg(picker->Lightness() * 240, 0, 'f', 1));
            });
            return picker;
          }};
}

GalleryItem Palette() {
  return {QStringLiteral("Pickers"), QStringLiteral("HueLightnessPicker"), QSize(240, 170),
          [](QWidget* parent, const GalleryReport& report) {
            auto* picker = new HueLightnessPicker(parent);
            QObject::connect(picker, &HueLightnessPicker::clicked, [report, picker] {
              report(QStringLiteral("HueLightnessPicker: picked ") + Hsl(picker->CurrentColour()));
            });
            return picker;
          }};
}

GalleryItem FatalError() {
  return {QStringLiteral("Dialogs"), QStringLiteral("Fatal Error"), QSize(150, 30),
          [](QWidget* parent, const GalleryReport& report) {
            auto* button = new PillButton(parent);
            button->SetText(QStringLiteral("Show the dialog"));
            QObject::connect(button, &PillButton::clicked, [report] {
              // A sample report; the choice is only shown, so "Cancel" ends nothing here.
              const ErrorScope scope("m_hCursor!=0", __FILE__, __LINE__);
              const FatalChoice choice =
                  ShowFatalErrorDialog(BuildFatalReportText(0, "m_hCursor!=0"));
              report(choice == FatalChoice::Retry ? QStringLiteral("Fatal Error: Retry")
                                                  : QStringLiteral("Fatal Error: Cancel"));
            });
            return button;
          }};
}

// The background chooser on the shipped backgrounds, with the main window's paging buttons.
GalleryItem BackgroundChooserItem() {
  return {
      QStringLiteral("Choosers"), QStringLiteral("BackgroundChooser with Prev. and Next"),
      QSize(300, 435), [](QWidget* parent, const GalleryReport& report) {
        auto* panel = new QWidget(parent);
        auto table = std::make_shared<BackgroundTable>();
        const BackgroundLoading loaded = ReadBGFile(*table);
        auto* chooser = new BackgroundChooser(panel);
        chooser->setGeometry(0, 35, 300, 400);
        chooser->SetBackgrounds(table.get());
        // The table lives as long as the chooser that shows it.
        QObject::connect(chooser, &QObject::destroyed, [table] {});
        auto* previous = new PillButton(panel);
        previous->setGeometry(10, 5, 50, 30);
        previous->SetSymbol(kSymbolArrowLeft);
        auto* next = new PillButton(panel);
        next->setGeometry(70, 5, 50, 30);
        next->SetSymbol(kSymbolArrowRight);
        const auto enable = [=] {
          previous->SetActive(chooser->CanPageBack() && chooser->First() > 0);
          next->SetActive(chooser->CanPageForward());
        };
        QObject::connect(previous, &PillButton::clicked, [=] {
          chooser->PageBack();
          enable();
        });
        QObject::connect(next, &PillButton::clicked, [=] {
          chooser->PageForward();
          enable();
        });
        enable();
        QObject::connect(chooser, &BackgroundChooser::clicked, [report, chooser] {
          report(
              QStringLiteral("BackgroundChooser: clicked, selected %1").arg(chooser->Selected()));
        });
        if (!loaded.Ok()) report(QString::fromStdString(loaded.Message()));
        return panel;
      }};
}

GalleryItem LayoutChooserItem() {
  return {QStringLiteral("Choosers"), QStringLiteral("LayoutChooser"), QSize(1000, 120),
          [](QWidget* parent, const GalleryReport& report) {
            auto* chooser = new LayoutChooser(parent);
            QObject::connect(chooser, &LayoutChooser::layoutPicked, [report](int layout) {
              report(QStringLiteral("LayoutChooser: %1 picked, %2 boxes")
                         .arg(LayoutName(layout))
                         .arg(LayoutBoxCount(layout)));
            });
            return chooser;
          }};
}

// The card preview on the shipped backgrounds, showing the default texts of layout 1.
GalleryItem CardPreviewItem() {
  return {QStringLiteral("Card"), QStringLiteral("CardPreview"), QSize(745, 310),
          [](QWidget* parent, const GalleryReport& report) {
            auto table = std::make_shared<BackgroundTable>();
            const BackgroundLoading loaded = ReadBGFile(*table);
            auto document = std::make_shared<CardDocument>(table.get(), CustomPhotosFolder());
            auto* preview = new CardPreview(*document, parent);
            // The document and its table live as long as the preview that draws them.
            QObject::connect(preview, &QObject::destroyed, [table, document] {});
            CardState card;
            card.layoutIndex = 1;
            card.backgroundIndex = 3;
            card.boxCount = FieldDistribution(card.layoutIndex, DefaultContactDetails(), card.lines);
            for (TextBoxStyle& style : card.styles) style.brightness = 0.1f;
            document->LoadProject(card, {});
            if (!loaded.Ok()) report(QString::fromStdString(loaded.Message()));
            return preview;
          }};
}

}  // namespace

std::vector<GalleryItem> GalleryItems() {
  return {
      Button(QStringLiteral("PillButton"), QSize(150, 30), QStringLiteral("Background options"), 0,
             true),
      Button(QStringLiteral("PillButton inactive"), QSize(90, 30), QStringLiteral("Print"), 0,
             false),
      Button(QStringLiteral("Prev."), QSize(50, 30), QStringLiteral("Prev."), kSymbolArrowLeft,
             true),
      Button(QStringLiteral("Next"), QSize(50, 30), QStringLiteral("Next"), kSymbolArrowRight,
             true),
      Button(QStringLiteral("PillButton 29 high (not painted)"), QSize(90, 29),
             QStringLiteral("OK"), 0, true),
      Faces(),
      PlainSlider(QStringLiteral("Slider"), 0.3f, true),
      PlainSlider(QStringLiteral("Slider disabled"), 0.7f, false),
      CentredSlider(QStringLiteral("ColourStripSlider hue"), 0, 0, 0.0f),
      CentredSlider(QStringLiteral("ColourStripSlider saturation"), 1, 160, 0.2f),
      CentredSlider(QStringLiteral("ColourStripSlider grey"), 2, 0, -0.3f),
      Swatch(QStringLiteral("ColourButton"), MakeColourRef(200, 40, 60), true),
      Swatch(QStringLiteral("ColourButton disabled"), MakeColourRef(200, 40, 60), false),
      Line(QStringLiteral("ColourLine"), true),
      Line(QStringLiteral("ColourLine disabled"), false),
      Label(),
      Hue(),
      SaturationLightness(),
      Palette(),
      FatalError(),
      CardPreviewItem(),
      BackgroundChooserItem(),
      LayoutChooserItem(),
  };
}

}  // namespace tavolo
