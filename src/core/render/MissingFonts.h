// The faces a card's text names that are not installed. Such a face stays in the card as it is
// (a save writes it back), and the text is drawn in the installed face the font matching picks;
// the card says so when it opens.
#pragma once

#include <optional>
#include <vector>

#include <QString>

#include "core/card/CardState.h"

namespace tavolo {

struct MissingFace {
  QString face;
  QString standIn;  // the installed face drawn in its place
  friend bool operator==(const MissingFace&, const MissingFace&) = default;
};

// Whether text in `face` is drawn in that face: it is installed, or it is one of the faces whose
// metric twin the system draws in its place (Arial as Liberation Sans). Needs a QGuiApplication.
bool FaceInstalled(const QString& face);
// The installed face text in `face` is drawn in.
QString StandInFace(const QString& face);
// The face of box `box` when it is not installed; none when it is (or the box is not used).
std::optional<MissingFace> MissingFaceOf(const CardState& face, int box);
// Each face the boxes in use and the added text boxes on both sides of `card` (or its shown side
// alone) name that is not installed, once, in the order of the boxes, then of the objects.
std::vector<MissingFace> MissingFaces(const CardState& card, bool withBack = true);

}  // namespace tavolo
