// A template's sample number often carries its label ("Tel. 01242 555 063", "Mobile +49 151 …").
// A user who types only the number into that field gets the label the template shows in front
// of it, so the card reads as its preview did; a field left empty loses its label with it.
#pragma once

#include <QString>

#include "core/card/ContactDetails.h"

namespace tavolo {

// The label in front of a phone number in `sample` ("Tel." of "Tel. 0117 496 0730", "24 h" of
// "24 h 07700 900 862"), or an empty string when the sample is no labelled number.
QString NumberLabelOf(const QString& sample);

// The typed details with each template label put back: a value that starts as a number does
// ("01234" becomes "Tel. 01234"); a value with a label of its own, or an empty one, stays as it is.
ContactDetails WithTemplateLabels(ContactDetails typed, const ContactDetails& sample);

}  // namespace tavolo
