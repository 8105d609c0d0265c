#include "sites/site_columns.h"

#include "geo/geo_position.h"
#include "numbers/number_text.h"
#include "texts/verdict_words.h"

#include <algorithm>

namespace tarvanel {

namespace {

const std::array<SiteColumn, SiteColumnCount> kColumns{{
    {"name", "Όνομα", "Το όνομα της τοποθεσίας· δύο ίδια επιτρέπονται και σημειώνονται", false},
    {"position", "Θέση",
     "Γεωγραφικό πλάτος και μήκος, σε όποια μορφή δέχεται η σελίδα Θέσεις (37.97552, 23.73484)",
     false},
    {"ground_m", "Έδαφος m",
     "Υψόμετρο εδάφους σε m· κενό: από τα αρχεία υψομέτρων της έρευνας, αλλιώς 0", true},
    {"mast_m", "Ιστός m", "Ύψος της κεραίας πάνω από το έδαφος, σε m", true},
    {"power", "Ισχύς", "Ισχύς εκπομπής, στη μονάδα της διπλανής στήλης", true},
    {"power_unit", "Μονάδα", "dBm ή mW", false},
    {"gain_dbi", "Απολαβή dBi", "Απολαβή κεραίας, dBi", true},
    {"cable_loss_db_per_m", "Απώλειες dB/m", "Απώλειες καλωδίου ανά μέτρο, dB/m", true},
    {"cable_length_m", "Καλώδιο m", "Μήκος καλωδίου, m", true},
    {"connectors", "Συνδετήρες", "Αριθμός συνδετήρων, 0.25 dB ο καθένας", true},
    {"sensitivity_dbm", "Ευαισθησία dBm", "Ευαισθησία δέκτη, dBm (80 και -80 το ίδιο)", true},
}};

// The text member of a column; none for the unit.
std::string* textOf(Site& site, std::size_t column) {
    switch (column) {
    case NameColumn:
        return &site.name;
    case PositionColumn:
        return &site.position;
    case GroundColumn:
        return &site.ground;
    case MastColumn:
        return &site.mast;
    case PowerColumn:
        return &site.radio.power;
    case GainColumn:
        return &site.radio.gain;
    case LossColumn:
        return &site.radio.lossPerMetre;
    case LengthColumn:
        return &site.radio.length;
    case ConnectorsColumn:
        return &site.radio.connectors;
    case SensitivityColumn:
        return &site.sensitivity;
    default:
        return nullptr;
    }
}

bool sameLetters(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

const std::array<SiteColumn, SiteColumnCount>& siteColumns() {
    return kColumns;
}

std::string cellText(const Site& site, std::size_t column) {
    if (column == UnitColumn)
        return site.radio.unit == PowerUnit::mW    ? "mW"
               : site.radio.unit == PowerUnit::dBm ? "dBm"
                                                   : "";
    std::string* text = textOf(const_cast<Site&>(site), column);
    return text ? *text : std::string();
}

bool setCell(Site& site, std::size_t column, std::string_view text) {
    if (std::string* cell = textOf(site, column)) {
        *cell = text;
        return true;
    }
    if (column != UnitColumn) return false;
    if (text.empty() || sameLetters(text, "dBm"))
        site.radio.unit = PowerUnit::dBm;
    else if (sameLetters(text, "mW"))
        site.radio.unit = PowerUnit::mW;
    else
        return false;
    return true;
}

std::string siteProblem(const Site& site, const NumberLocale& locale) {
    const PositionReading position = readPosition(site.position, locale);
    if (!position.ok())
        return std::string(kColumns[PositionColumn].caption) + ": " +
               std::string(positionProblemText(position.problem));
    for (std::size_t column = 0; column < SiteColumnCount; ++column) {
        const std::string text = cellText(site, column);
        if (kColumns[column].numeric && !text.empty() && !isNumeric(text, locale))
            return std::string(kColumns[column].caption) + ": δεν είναι αριθμός.";
    }
    return {};
}

} // namespace tarvanel
