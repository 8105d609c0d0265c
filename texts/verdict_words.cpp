#include "texts/verdict_words.h"

namespace tarvanel {

std::string_view positionProblemText(PositionProblem problem) {
    switch (problem) {
    case PositionProblem::None:
        return "";
    case PositionProblem::Empty:
        return "Γράψτε το γεωγραφικό πλάτος και μήκος της θέσης.";
    case PositionProblem::Ambiguous:
        return "Το κόμμα διαβάζεται δύο τρόπους: χωρίστε με κενό ή ερωτηματικό.";
    case PositionProblem::NotAnAngle:
        return "Γράψτε γωνίες με ψηφία, ° ′ ″ και μόνο τα γράμματα N, S, E, W.";
    case PositionProblem::OneNumber:
        return "Λείπει ο δεύτερος αριθμός: γράψτε πλάτος και μήκος.";
    case PositionProblem::TooManyNumbers:
        return "Γράψτε μόνο πλάτος και μήκος, με ° ′ ″ ανάμεσα σε μοίρες, λεπτά και δεύτερα.";
    case PositionProblem::HemispheresClash:
        return "Βάλτε N ή S στο πλάτος και E ή W στο μήκος.";
    case PositionProblem::SignAndHemisphere:
        return "Γράψτε πρόσημο ή γράμμα ημισφαιρίου, όχι και τα δύο.";
    case PositionProblem::PastFiftyNine:
        return "Τα λεπτά και τα δεύτερα φτάνουν έως το 59: 60″ είναι ένα λεπτό, 60′ μία μοίρα.";
    case PositionProblem::LatitudeOutOfRange:
        return "Το πλάτος πρέπει να είναι από -90° έως 90°.";
    case PositionProblem::LongitudeOutOfRange:
        return "Το μήκος πρέπει να είναι από -180° έως 180°.";
    }
    return "";
}

std::string_view verdictWords(AlignmentVerdict verdict) {
    switch (verdict) {
    case AlignmentVerdict::Aligned:
        return "ευθυγραμμισμένη";
    case AlignmentVerdict::CheckAim:
        return "ελέγξτε τη στόχευση";
    case AlignmentVerdict::CheckCableConnectorsPath:
        return "ελέγξτε καλώδιο, συνδετήρες και διαδρομή";
    case AlignmentVerdict::CheckInputs:
        return "ελέγξτε τα δεδομένα";
    }
    return {};
}

} // namespace tarvanel
