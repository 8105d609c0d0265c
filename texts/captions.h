#pragma once

namespace tarvanel::caption {

// The words a field or a figure is known by: drawn beside its control, read
// by assistive technology, and printed in the summary and the reports. Units
// are not part of them.

// The link.
inline constexpr const char* kFrequency = "Συχνότητα";
inline constexpr const char* kChannel = "Κανάλι";
inline constexpr const char* kBand = "Ζώνη";
inline constexpr const char* kChannelWidth = "Εύρος";
inline constexpr const char* kTpc = "Η συσκευή έχει TPC";
inline constexpr const char* kLegalLimit = "Όριο EIRP";
inline constexpr const char* kBandConditions = "Όροι της υποζώνης";
inline constexpr const char* kPosition1 = "Θέση 1";
inline constexpr const char* kPosition2 = "Θέση 2";
inline constexpr const char* kDistanceFromPositions = "Απόσταση από τις θέσεις";
inline constexpr const char* kBearing1 = "Αζιμούθιο 1";
inline constexpr const char* kBearing2 = "Αζιμούθιο 2";
inline constexpr const char* kDeclination = "Απόκλιση πυξίδας";
inline constexpr const char* kCompassBearings = "Πυξίδα 1 / 2";

// Each end (the headings are the picture's "Interface No.1" and "No.2").
inline constexpr const char* kEnd1 = "Interface No.1";
inline constexpr const char* kEnd2 = "Interface No.2";
inline constexpr const char* kPower = "Ισχύς εκπομπής";
inline constexpr const char* kGain = "Απολαβή κεραίας (Gain)";
inline constexpr const char* kLossPerMetre = "Απώλειες καλωδίου";
inline constexpr const char* kLength = "Μήκος καλωδίου";
inline constexpr const char* kConnectors = "Αριθμός συνδετήρων";
inline constexpr const char* kCableLoss = "Συνολικές απώλειες καλωδίου";
inline constexpr const char* kEirp1 = "Interface 1 EIRP";
inline constexpr const char* kEirp2 = "Interface 2 EIRP";
inline constexpr const char* kLegalPower1 = "Νόμιμη ισχύς 1";
inline constexpr const char* kLegalPower2 = "Νόμιμη ισχύς 2";

// The receiver.
inline constexpr const char* kSensitivity = "Ευαισθησία δέκτη";
inline constexpr const char* kFadeMargin = "Fade Margin";

// The results and the read-outs at the link distance.
inline constexpr const char* kGreatestDistance = "Μέγιστη απόσταση";
inline constexpr const char* kFreeSpaceLoss = "Free Space Loss";
inline constexpr const char* kFresnelRadius = "Fresnel Zone Radius";
inline constexpr const char* kLinkDistance = "Απόσταση ζεύξης";
inline constexpr const char* kReceived = "Στάθμη λήψης";
inline constexpr const char* kMargin = "Περιθώριο λήψης";
inline constexpr const char* kClearance = "Ελεύθερο ύψος";

// The path.
inline constexpr const char* kGround1 = "Έδαφος 1";
inline constexpr const char* kMast1 = "Ιστός 1";
inline constexpr const char* kGround2 = "Έδαφος 2";
inline constexpr const char* kMast2 = "Ιστός 2";
inline constexpr const char* kEarthFactor = "Συντελεστής γης k";
inline constexpr const char* kWorstPoint = "Χειρότερο σημείο";
inline constexpr const char* kLineOfSight = "Οπτική ευθεία";
inline constexpr const char* kEarthBulge = "Καμπυλότητα γης";
inline constexpr const char* kPointFresnelRadius = "Ακτίνα Fresnel";
inline constexpr const char* kPointClearance = "Διάκενο";
inline constexpr const char* kFresnelZone = "Ζώνη Fresnel";
inline constexpr const char* kKnifeEdge = "Μία αιχμή";
inline constexpr const char* kDiffractionLoss = "Απώλεια περίθλασης";
inline constexpr const char* kPathMargin = "Περιθώριο";
inline constexpr const char* kLeastMast1 = "Ελάχ. ιστός 1";
inline constexpr const char* kLeastMast2 = "Ελάχ. ιστός 2";
inline constexpr const char* kTilt1 = "Κλίση κεραίας 1";
inline constexpr const char* kTilt2 = "Κλίση κεραίας 2";
inline constexpr const char* kProfilePoints = "Σημεία εδάφους";
inline constexpr const char* kWithoutGround = "Κενά εδάφους";

// The rates and the alignment.
inline constexpr const char* kStandard = "Πρότυπο";
inline constexpr const char* kBestRate = "Καλύτερος ρυθμός";
inline constexpr const char* kRateOverrides = "Ρυθμοί δεδομένων";
inline constexpr const char* kMeasured1 = "Στάθμη 1";
inline constexpr const char* kTarget1 = "Στόχος 1";
inline constexpr const char* kCheck1 = "Έλεγχος 1";
inline constexpr const char* kBeamwidth1 = "Εύρος δέσμης 1";
inline constexpr const char* kOffAxis1 = "Εκτός άξονα 1";
inline constexpr const char* kMeasured2 = "Στάθμη 2";
inline constexpr const char* kTarget2 = "Στόχος 2";
inline constexpr const char* kCheck2 = "Έλεγχος 2";
inline constexpr const char* kBeamwidth2 = "Εύρος δέσμης 2";
inline constexpr const char* kOffAxis2 = "Εκτός άξονα 2";

// The warning beside an EIRP above the legal limit.
inline constexpr const char* kOutsideLegalLimits = "Εκτός νόμιμων ορίων";

} // namespace tarvanel::caption
