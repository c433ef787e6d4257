#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "core/card/FreePlacement.h"
#include "core/card/ShrinkToFit.h"
#include "core/document/CardDocument.h"
#include "tests/core/render/RenderTestSupport.h"

namespace tavolo {

class CardDocumentTestSeam {
 public:
  static void SetFlags(CardDocument& doc, bool restoring, bool rebuilding, bool forcePush) {
    doc.restoring_ = restoring;
    doc.rebuilding_ = rebuilding;
    doc.forcePush_ = forcePush;
  }
};

namespace {

using test::MakePicture;

const BackgroundTable& Backgrounds() {
  static const BackgroundTable table = [] {
    BackgroundTable t;
    t.Append(MakeBackgroundName("warm"),
             MakePicture(40, 30, [](uint32_t x, uint32_t y) { return 0xC08040u + x + (y << 8); }),
             0.1f);
    t.Append(MakeBackgroundName("cool"),
             MakePicture(40, 30, [](uint32_t x, uint32_t y) { return 0x4080C0u + (x << 8) + y; }),
             0.25f);
    return t;
  }();
  return table;
}

// The main window's editors as lists of lines, made anew when the document replaces the text.
// Like the window, they hand each new box's lines back, and every change the user types.
class Editors final {
 public:
  explicit Editors(CardDocument& doc) : doc_(doc) {
    doc.SetListener({[this] { Rebuild(); }, [this] { ++changes; }});
  }
  void Rebuild() {
    const CardState& live = doc_.Live();
    boxes_.clear();
    for (int b = 0; b < std::clamp(live.boxCount, 0, kTextBoxCount); ++b) {
      boxes_.emplace_back();
      for (int i = 0; i < live.lines[b].count; ++i) boxes_.back() << live.lines[b].line[i];
      doc_.SetBoxLines(b, boxes_.back());
    }
  }
  void Type(int box, const QStringList& lines) {
    boxes_[box] = lines;
    doc_.SetBoxLines(box, lines);
  }
  QStringList Box(int box) const { return boxes_.at(box); }
  int Count() const { return static_cast<int>(boxes_.size()); }

  int changes = 0;  // notifications heard

 private:
  CardDocument& doc_;
  std::vector<QStringList> boxes_;
};

// A started document with editors, as the main window holds it.
struct Session {
  explicit Session(const ContactDetails& values = {}) {
    test::EnsureGuiApplication();
    doc.PresetDetails(values);
    doc.Start(nullptr);
  }
  int Steps() const { return doc.History().UndoCount(); }
  CardDocument doc{&Backgrounds(), {}};
  Editors editors{doc};
};

using Action = std::function<void(Session&)>;

void EditStyle(Session& s) {
  CardState live = s.doc.Live();
  live.styles[2].face = QStringLiteral("DejaVu Sans");
  live.styles[2].frameMode = kFrameExact;
  s.doc.SetLive(live);
  s.doc.RecordEdit();
}

using test::Letters;

Action Typing(int box, const QStringList& lines) {
  return [=](Session& s) { s.editors.Type(box, lines); };
}

TEST(CardDocument, EveryEditIsOneStepAndUndoRedoRestoreEachCaptureExactly) {
  const std::vector<std::pair<const char*, Action>> edits = {
      {"typing", Typing(1, {"Ada Lovelace", "Analyst"})},
      {"text style", EditStyle},
      {"slider drag",
       [](Session& s) {
         for (float p : {0.1f, 0.2f, 0.3f}) s.doc.MoveHueSlider(p);
         s.doc.MoveLightnessSlider(-0.2f);
         s.doc.RecordEdit();
       }},
      {"background", [](Session& s) { s.doc.ChooseBackground(0); }},
      {"layout", [](Session& s) { s.doc.SwitchLayout(2); }},
      {"typing in the new layout", Typing(2, {"1 Main St", "", "x"})},
      {"delete logo", [](Session& s) { s.doc.DeletePicture(PictureKind::kLogo); }},
  };
  Session s;
  std::vector<CardState> states{s.doc.Working()};
  for (const auto& [name, edit] : edits) {
    edit(s);
    EXPECT_EQ(s.Steps(), static_cast<int>(states.size())) << name;
    states.push_back(s.doc.Working());
  }
  const QImage last = s.doc.Render(6, 177, 102);

  for (int i = static_cast<int>(states.size()) - 2; i >= 0; --i) {
    ASSERT_TRUE(s.doc.Undo());
    EXPECT_EQ(s.doc.Working(), states[i]) << "undo to " << i;
    EXPECT_EQ(s.doc.Live(), states[i]) << "undo to " << i;
    EXPECT_FALSE(s.doc.Restoring() || s.doc.Rebuilding() || s.doc.ForcePush());
  }
  EXPECT_FALSE(s.doc.Undo());
  for (size_t i = 1; i < states.size(); ++i) {
    ASSERT_TRUE(s.doc.Redo());
    EXPECT_EQ(s.doc.Working(), states[i]) << "redo to " << i;
  }
  EXPECT_FALSE(s.doc.Redo());
  EXPECT_EQ(s.editors.Box(2), (QStringList{"1 Main St", "", "x"}));
  EXPECT_EQ(s.doc.Render(6, 177, 102), last);

  // A new edit after an undo drops the redo steps.
  s.doc.Undo();
  EditStyle(s);
  EXPECT_FALSE(s.doc.CanRedo());
}

TEST(CardDocument, TheRecordingRuleFollowsEachFlag) {
  Session s;
  // Every combination of the flags: an edit pushes when forced, or when neither restoring nor
  // rebuilding.
  for (int flags = 0; flags < 8; ++flags) {
    const bool restoring = flags & 1, rebuilding = flags & 2, forcePush = flags & 4;
    const bool pushes = forcePush || (!restoring && !rebuilding);
    const std::string name = "flags " + std::to_string(flags);
    const auto setFlags = [&] {
      CardDocumentTestSeam::SetFlags(s.doc, restoring, rebuilding, forcePush);
    };
    // A recorded edit always captures; the flags decide the push and stay as they were.
    setFlags();
    CardState live = s.doc.Live();
    ++live.dpi;
    s.doc.SetLive(live);
    int before = s.Steps();
    s.doc.RecordEdit();
    EXPECT_EQ(s.doc.Working().dpi, live.dpi) << name;
    EXPECT_EQ(s.Steps() - before, pushes ? 1 : 0) << name;
    EXPECT_EQ(s.doc.Restoring(), restoring) << name;

    // The rebuild of the editors decides alike, then clears all three flags.
    before = s.Steps();
    s.doc.RebuildFieldEditors();
    EXPECT_EQ(s.Steps() - before, pushes ? 1 : 0) << name;
    EXPECT_FALSE(s.doc.Restoring() || s.doc.Rebuilding() || s.doc.ForcePush()) << name;

    // Typing is ignored altogether while rebuilding; else it is a recorded edit.
    setFlags();
    const CardState working = s.doc.Working();
    before = s.Steps();
    s.editors.Type(0, {"typed " + QString::fromStdString(name)});
    EXPECT_EQ(s.doc.Working() == working, rebuilding) << name;
    EXPECT_EQ(s.Steps() - before, !rebuilding && pushes ? 1 : 0) << name;

    // A background click keeps the tint while rebuilding or forcing, pushes unless rebuilding
    // (restoring does not count) and clears only the rebuilding flag.
    setFlags();
    s.doc.MoveSaturationSlider(0.25f);
    before = s.Steps();
    const bool reset = s.doc.ChooseBackground(0);
    EXPECT_EQ(reset, !rebuilding && !forcePush) << name;
    EXPECT_EQ(s.doc.Live().satShift, reset ? 0.0f : 0.25f) << name;
    EXPECT_EQ(s.Steps() - before, rebuilding ? 0 : 1) << name;
    EXPECT_FALSE(s.doc.Rebuilding()) << name;
    EXPECT_EQ(s.doc.ForcePush(), forcePush) << name;
    s.doc.RebuildFieldEditors();
  }
}

TEST(CardDocument, CancelRestoresTheSnapshotExactlyAndOkRecordsOneStep) {
  const auto edit = [](auto change) {
    return [change](Session& s) {
      // Each change is drawn at once, as the preview redraws it.
      for (int round = 0; round < 3; ++round) {
        CardState live = s.doc.Live();
        change(live, round);
        s.doc.SetLive(live);
        s.doc.Render(6, 177, 102);
      }
    };
  };
  const std::vector<std::pair<const char*, Action>> dialogs = {
      {"Text Options", edit([](CardState& c, int r) {
         TextBoxStyle& s = c.styles[1];
         std::tie(s.size, s.style, s.frameMode, s.opacity) =
             std::tuple(QString::number(40 + r), "Bold Italic", kFrameCardLong, 0.3f);
         SetShrinkToFit(c, 1, r == 1);
       })},
      {"tint and background", edit([](CardState& c, int r) {
         std::tie(c.backgroundIndex, c.hueShift) = std::tuple(0, 0.1f * r);
       })},
      {"Photo and Logo Options", edit([](CardState& c, int r) {
         std::tie(c.photo.name, c.photo.x, c.photo.trimLeft) =
             std::tuple("photo.png", 100 + r, 0.5f);
         std::tie(c.logo.name, c.logo.angle) = std::tuple("logo.png", 90 * r);
       })},
      {"Card properties", edit([](CardState& c, int r) {
         std::tie(c.cardWidth, c.dpi, c.widthUnit) = std::tuple(2124 + r, 600, 1);
       })},
  };
  Session s;
  s.editors.Type(0, {"Tavolo"});
  for (const auto& [name, dialog] : dialogs) {
    const QImage before = s.doc.Render(6, 177, 102);
    const CardState working = s.doc.Working();
    const int steps = s.Steps();

    const CardState snapshot = s.doc.Snapshot();
    dialog(s);
    EXPECT_NE(s.doc.Live(), snapshot) << name;
    s.doc.Revert(snapshot);
    EXPECT_EQ(s.doc.Live(), snapshot) << name;
    EXPECT_EQ(s.doc.Working(), working) << name;
    EXPECT_EQ(s.Steps(), steps) << name;
    EXPECT_EQ(s.doc.Render(6, 177, 102), before) << name;

    dialog(s);
    s.doc.RecordEdit();
    EXPECT_EQ(s.Steps(), steps + 1) << name;
    ASSERT_TRUE(s.doc.Undo());
    EXPECT_EQ(s.doc.Working(), working) << name;
  }
}

TEST(CardDocument, ModifiedSaysTheCardHoldsWorkNotInItsFile) {
  EXPECT_TRUE(CardDocument(nullptr, {}).Modified());
  Session s;
  const std::tuple<const char*, Action, bool> steps[] = {
      {"the blank card at the start", [](Session&) {}, false},
      {"an unchanged capture (a template saved)", [](Session& s) { s.doc.Capture(); }, false},
      {"edited", EditStyle, true},
      {"saved", [](Session& s) { s.doc.MarkSaved("a.tvc"); }, false},
      {"undone past the save", [](Session& s) { s.doc.Undo(); }, true},
      {"redone back to the save", [](Session& s) { s.doc.Redo(); }, false},
      {"new blank", [](Session& s) { s.doc.NewBlankProject(); }, false},
      {"typed", Typing(0, {"x"}), true},
      {"typing undone", [](Session& s) { s.doc.Undo(); }, false},
      {"loaded", [](Session& s) { s.doc.LoadProject(CardState{}, "b.tvc"); }, false},
      // A card made from a template is work in no file, even before it is touched.
      {"new project", [](Session& s) { s.doc.NewProject(CardState{}); }, true},
  };
  for (const auto& [name, step, modified] : steps) {
    step(s);
    EXPECT_EQ(s.doc.Modified(), modified) << name;
  }
  CardDocument fromTemplate(&Backgrounds(), {});
  const CardState chosen;
  fromTemplate.Start(&chosen);
  EXPECT_TRUE(fromTemplate.Modified());
}

TEST(CardDocument, FieldsCorrectedInOneLayoutAreKeptInTheOthers) {
  Session s(Letters());
  s.editors.Type(0, {"Fixed"});
  s.editors.Type(1, {"B", "Boss"});
  // A line added belongs to no field and goes along.
  s.editors.Type(2, {"D", "E", "F", "G", "extra"});
  s.doc.SwitchLayout(2);
  EXPECT_EQ(s.editors.Box(0), QStringList{"Fixed"});
  EXPECT_EQ(s.editors.Box(1), (QStringList{"B", "Boss"}));
  EXPECT_EQ(s.editors.Box(2), (QStringList{"D", "E", "F", "G", "J", "K", "H", "I", "extra"}));

  // A layout shown before keeps its text, with the fields corrected since.
  s.editors.Type(0, {"Again"});
  s.doc.SwitchLayout(0);
  EXPECT_EQ(s.editors.Box(0), QStringList{"Again"});
  EXPECT_EQ(s.editors.Box(1), (QStringList{"B", "Boss"}));
  EXPECT_EQ(s.editors.Box(2), (QStringList{"D", "E", "F", "G", "extra"}));

  // A line joining several fields gives none of them.
  s.doc.SwitchLayout(4);
  ASSERT_EQ(s.editors.Box(3), (QStringList{"D E F G", "J K"}));
  s.editors.Type(3, {"Elsewhere", "J K"});
  s.doc.SwitchLayout(9);
  EXPECT_EQ(s.editors.Box(1), (QStringList{"H", "I", "extra"}));
  EXPECT_EQ(s.editors.Box(2), QStringList{"Again"});
  EXPECT_EQ(s.editors.Box(3), (QStringList{"D", "E", "F", "G"}));
}

TEST(CardDocument, ACustomLayoutIsLeftForAPresetAndComesBackEachInOneStep) {
  Session s(Letters());
  s.editors.Type(1, {"B", "Boss"});
  EXPECT_FALSE(s.doc.SwitchLayout(kCustomLayout));  // none yet
  // Box 1 dragged: the layout becomes Custom, the text stays in its box.
  ASSERT_TRUE(s.doc.PlaceObjectLive({ObjectKind::kTextBox, -1, 1}, {600, 300, 300, 120}));
  s.doc.RecordEdit();
  ASSERT_TRUE(ShowsCustomLayout(s.doc.Live()));
  const CustomLayout custom = *s.doc.Live().custom;
  int steps = s.Steps();
  // The pick; whether it changes the card (one step), shows Custom, and the layout then.
  const std::tuple<int, bool, bool, int> picks[] = {
      {kCustomLayout, false, true, 0},
      {0, true, false, 0},  // its own layout's boxes back in their places
      {0, false, false, 0},
      {kCustomLayout, true, true, 0},
      {4, true, false, 4},
      {kCustomLayout, true, true, 0},  // back in the layout its boxes belong to
  };
  for (const auto& [pick, changes, shown, layout] : picks) {
    EXPECT_EQ(s.doc.SwitchLayout(pick), changes) << pick;
    steps += changes ? 1 : 0;
    EXPECT_EQ(s.Steps(), steps) << pick;
    EXPECT_EQ(ShowsCustomLayout(s.doc.Live()), shown) << pick;
    EXPECT_EQ(s.doc.Live().layoutIndex, layout) << pick;
    EXPECT_EQ(s.doc.Live().custom->boxes, custom.boxes) << pick;
  }
  // The text typed in the box went everywhere with it.
  EXPECT_EQ(s.editors.Box(1), (QStringList{"B", "Boss"}));
  // Undo walks back through the picks.
  ASSERT_TRUE(s.doc.Undo());
  EXPECT_FALSE(ShowsCustomLayout(s.doc.Live()));
  EXPECT_EQ(s.doc.Live().layoutIndex, 4);
}

TEST(CardDocument, TypedLinesAreCutToTheCardsLimitsAndDrawnAsKept) {
  Session s;
  QStringList many;
  for (int i = 0; i < 25; ++i) many << QString(150, QChar('a' + i));
  s.editors.Type(2, many);
  const TextBoxLines& box = s.doc.Working().lines[2];
  EXPECT_EQ(box.count, kMaxLinesPerBox);
  EXPECT_EQ(box.line[19], QString(100, QChar('t')));
  EXPECT_EQ(s.doc.Live().lines[2], box);
  CardRenderer renderer(&Backgrounds(), {});
  EXPECT_EQ(s.doc.Render(6, 177, 102), renderer.Render(s.doc.Working(), 6, 177, 102));

  // Contact details reach the text only when they are distributed; boxes past the count keep
  // their lines.
  s.doc.SwitchLayout(2);
  s.doc.PresetDetails(Letters());
  s.doc.Capture();
  EXPECT_EQ(s.doc.Working().boxCount, 3);
  EXPECT_EQ(s.doc.Working().lines[0].line[0], QStringLiteral("Company Name"));
  EXPECT_EQ(s.doc.Working().lines[3].line[0], QStringLiteral("Email Address"));
}

TEST(CardDocument, NewProjectsDistributeTheValuesAndForgetTypedTextLoadKeepsBoth) {
  CardState card;
  std::tie(card.layoutIndex, card.boxCount) = std::tuple(2, 3);
  card.lines[2] = KeptLines(QStringList{QStringLiteral("Own"), QString()});
  // steps: after typing and a layout change, two
  const std::tuple<const char*, Action, bool, int> cases[] = {
      {"New Project", [&](Session& s) { s.doc.NewProject(card); }, false, 3},
      {"New Blank Project", [](Session& s) { s.doc.NewBlankProject(); }, false, 0},
      {"Load Project", [&](Session& s) { s.doc.LoadProject(card, "card.tvc"); }, true, 3},
  };
  for (const auto& [name, run, loaded, steps] : cases) {
    Session s(Letters());
    s.doc.SetFilePath("before.tvc");
    // Two lines where the layout has one: kept as typed text, no field value.
    s.editors.Type(0, {"Mine", "More"});
    s.doc.SwitchLayout(2);
    run(s);
    ASSERT_EQ(s.doc.Layout().Current(), 2) << name;
    if (loaded) {
      EXPECT_EQ(s.editors.Box(2), (QStringList{"Own", ""}));
      EXPECT_EQ(s.doc.Working(), s.doc.Live());
    } else {
      EXPECT_EQ(s.editors.Box(2).size(), 8) << name;
    }
    EXPECT_EQ(s.Steps(), steps) << name;
    EXPECT_EQ(s.doc.FilePath(), loaded ? "card.tvc" : "") << name;
    s.doc.SwitchLayout(0);
    const QStringList shown = loaded ? QStringList{"Mine", "More"} : QStringList{"A"};
    EXPECT_EQ(s.editors.Box(0), shown) << name;
  }
}

// A blank project is the same white card with black text whatever card was open before it.
TEST(CardDocument, ABlankProjectIsTheSameWhiteCardWithBlackTextWhateverCameBefore) {
  Session fresh, edited;
  CardState card = edited.doc.Live();
  card.styles.fill({.size = "12",
                    .face = "Georgia",
                    .style = "Bold",
                    .textColour = {1, 200, 3},
                    .frameColour = {4, 5, 6},
                    .frameMode = kFrameCardLong,
                    .frameSize = 3,
                    .reserved = 7,
                    .opacity = 0.5f,
                    .brightness = 0.7f});
  std::tie(card.bgShift, card.gradScale, card.gradOrientation, card.backgroundColour,
           card.bgBrightness) =
      std::tuple(0.4f, 0.5f, kGradRightToLeft, HslColour{1, 200, 3}, 0.2f);
  edited.doc.SetLive(card);
  edited.doc.RecordEdit();
  fresh.doc.NewBlankProject();
  edited.doc.NewBlankProject();
  EXPECT_EQ(edited.doc.Working(), fresh.doc.Working());
  const QImage drawn = edited.doc.Render(1, 1062, 615);
  bool black = false;
  for (int y = 0; y < drawn.height(); ++y) {
    for (int x = 0; x < drawn.width(); ++x) {
      const QRgb p = drawn.pixel(x, y);
      ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
      black |= qRed(p) == 0;
    }
  }
  EXPECT_EQ(drawn.pixel(0, 0), qRgb(255, 255, 255));
  EXPECT_TRUE(black);
}

TEST(CardDocument, EachOperationNotifiesOnceAndTypingIntoNoBoxIsIgnored) {
  Session s;
  const std::pair<const char*, Action> operations[] = {
      {"typing", Typing(0, {"x"})},
      {"layout", [](Session& s) { s.doc.SwitchLayout(4); }},
      {"undo", [](Session& s) { s.doc.Undo(); }},
      {"new blank", [](Session& s) { s.doc.NewBlankProject(); }},
      {"dialog edits in one scope",
       [](Session& s) {
         const CardDocument::ChangeScope scope(s.doc);
         EditStyle(s);
         s.doc.DropBackgroundCache();
       }},
  };
  for (const auto& [name, operation] : operations) {
    s.editors.changes = 0;
    operation(s);
    EXPECT_EQ(s.editors.changes, 1) << name;
  }
  const CardState live = s.doc.Live();
  const int steps = s.Steps();
  s.editors.changes = 0;
  s.doc.SetBoxLines(live.boxCount, {"no such box"});
  s.doc.SetBoxLines(-1, {"no such box"});
  EXPECT_EQ(s.doc.Live(), live);
  EXPECT_EQ(s.Steps(), steps);
  EXPECT_EQ(s.editors.changes, 0);
}

TEST(CardDocument, BackgroundIsRebuiltOnlyWhenItsNumberOrTintChanges) {
  Session s;
  const auto builds = [&] {
    s.doc.Render(3, 354, 205);
    return s.doc.Renderer().GetStats().backgroundBuilds;
  };
  const int first = builds();
  EXPECT_EQ(builds(), first);
  s.doc.SwitchLayout(3);
  EditStyle(s);
  EXPECT_EQ(builds(), first);
  s.doc.ChooseBackground(0);
  EXPECT_EQ(builds(), first + 1);
  int expected = first + 1;
  // Each tint slider alone changes the background.
  for (const auto move : {&CardDocument::MoveHueSlider, &CardDocument::MoveSaturationSlider,
                          &CardDocument::MoveLightnessSlider}) {
    (s.doc.*move)(0.2f);
    EXPECT_EQ(builds(), ++expected);
  }
  s.doc.DropBackgroundCache();
  EXPECT_EQ(builds(), ++expected);
  s.doc.Undo();
  EXPECT_EQ(builds(), ++expected);
}

}  // namespace
}  // namespace tavolo
