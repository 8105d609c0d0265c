#pragma once

#include "engine/link_figures.h"
#include "numbers/number_locale.h"
#include "texts/band_texts.h"
#include "texts/result_text.h"

#include <string>
#include <vector>

namespace tarvanel {

// The figures of a link as the texts the user reads, in the user's locale: the
// one place where numbers become text. A text is empty when the figure it
// shows does not compute; colours and verdicts come from the numbers.

// The read-outs at the link distance.
struct InstallerReadoutTexts {
    std::string legalPower1;     // "7.70 dBm (5.89 mW)"
    std::string legalPower2;     // "6.50 dBm (4.47 mW)"
    std::string freeSpaceLoss;   // "114.13 dB"
    std::string received;        // "-68.33 dBm"
    std::string margin;          // "11.67 dB"
    bool marginMet = false;      // green when true, red when false
    std::string clearance;       // "7.82 m"
    std::string fresnelRadius;   // "12.43 m"
    std::string fresnelPart;     // "7.46 m"
    std::string earthBulge;      // "0.37 m"
    std::string reverseDistance; // "6.061 Km"
    LimitingDirection limiting = LimitingDirection::Unknown;
    // What two read-outs mean beyond their figure (their tooltips, the
    // summary): the greatest distance the other way round and which way
    // limits the link; the terms of the clearance needed, with k.
    std::string wayBack; // "Αντίστροφα (Interface 2 → Interface 1): 6.061 Km. ..."
    std::string clearanceTerms; // "0.6 × Fresnel 7.46 m (Fresnel 12.43 m) + ... (k = 4/3)"
};

// A row of the profile's table: what the point leaves of its zone, and why it
// does not count when it does not.
struct PointTexts {
    PointState state = PointState::NoPath;
    std::string clearance; // "11.05" (m)
    std::string share;     // "91" (% of the first Fresnel radius)
    Verdict verdict = Verdict::Unknown;
};

// The path's results, at its worst point.
struct PathTexts {
    std::string worstAt;       // its distance from end 1, "2.000 km"
    std::string lineOfSight;   // "26.40 m"
    std::string earthBulge;    // "0.35 m"
    std::string fresnelRadius; // "12.17 m"
    std::string clearance;     // "11.05 m"
    std::string fresnelZone; // "91 % ελεύθερη": the share of F1 left free, and the verdict
    Verdict verdict = Verdict::Unknown;
    std::string knifeEdgeLoss; // the worst point as a single edge, "4.99 dB"
    std::string profileLoss;   // over the whole profile (Bullington), "10.69 dB"
    std::string margin;        // the margin at the link distance less that loss
    bool marginMet = false;    // at least the fade margin
    std::string leastMast1;    // mast 1 for 0.6 F1 free everywhere, mast 2 as typed
    std::string leastMast2;
    std::string tilt1;         // "-0.18°", toward the other end
    std::string tilt2;         // "+0.14°"
    std::string withoutGround; // km the elevation files left without ground, "26.530 km"
};

// Where the ends stand, and the link distance in force.
struct PositionTexts {
    // From the positions, km with three decimals ("6.333"), while both read;
    // else the distance as typed.
    std::string linkDistance;
    bool fromPositions = false;
    // Why a typed position is not one; empty while it is, or holds nothing.
    std::string problem1;
    std::string problem2;
    std::string bearing1; // true, at end 1 toward end 2: "38.8°"
    std::string bearing2;
    std::string magnetic; // with a declination: "33.8° / 213.8°"
};

// The rate table's rows, the best rate, and what to aim for at each end.
struct RateRowTexts {
    std::string name;        // "MCS3", or the rate itself for 802.11g: "54 Mb/s"
    std::string megabits;    // "26"
    std::string sensitivity; // in force, "-74.00"
    std::string distance;    // the greatest with the fade margin, "2.413"
    std::string margin;      // at the link distance, the weaker way, "11.63"
    bool marginMet = false;
    bool unreadable = false; // an override typed that does not read
};
struct EndAimTexts {
    std::string target;   // the level to aim for, "-68.33 dBm, 2.67 dB ασθενέστερη"
    std::string check;    // "ευθυγραμμισμένη"
    bool aligned = false; // within 5 dB
    bool belowSensitivity = false; // the target, red: the check says it will not associate
    std::string beamwidth;         // "1 dB: ±5.2°, 3 dB: ±9.0°"
};
struct RateTexts {
    std::vector<RateRowTexts> rows;
    // "MCS3, 26 Mb/s"; when no rate keeps the fade margin, what the nearest
    // lacks, "κανένας: λείπουν 33.63 dB στο MCS0" (`none`); empty while a
    // figure it needs is missing.
    std::string best;
    bool none = false;
    EndAimTexts end1;
    EndAimTexts end2;
};

struct LinkTexts {
    ResultTexts results;
    PositionTexts positions;
    InstallerReadoutTexts readouts;
    PathTexts path;
    RateTexts rates;
    BandTexts band;
    const char* earthFactor = ""; // the label of the k in force, "4/3"
    bool warning1 = false;        // the legal-limit warnings show
    bool warning2 = false;
};

LinkTexts linkTexts(const LinkFigures& figures, const LinkInputs& inputs,
                    const NumberLocale& locale);
// Figures and texts in one step.
LinkTexts linkTexts(const LinkInputs& inputs, const NumberLocale& locale);

// A row of the profile's table as text: asked for only by the rows shown.
PointTexts pointTexts(const PointFigures& point, const NumberLocale& locale);

// A bearing in whole tenths of a degree, never "360.0°": "38.8°".
std::string bearingText(double degrees, const NumberLocale& locale);

// The word of a verdict: "ελεύθερη", "μερικώς εμποδισμένη", "εμποδισμένη".
const char* verdictWord(Verdict verdict);

} // namespace tarvanel
