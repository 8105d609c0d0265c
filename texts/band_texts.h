#pragma once

#include "band/band.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvanel {

struct LinkFigures;
struct LinkInputs;

// The words the program says about a band (band/band.h), built from its data.

// The legal rule in force, as the path panel and the summary show it.
struct BandTexts {
    // "30 dBm"; "εκτός υποζωνών" (red, `outside`) at a frequency in no
    // sub-band of a band without one rule for all.
    std::string limit;
    bool outside = false;
    std::optional<float> limitDbm;
    // The sub-band's conditions, "μόνο σε εσωτερικό χώρο, DFS"; empty where
    // it has none.
    std::string conditions;
    // A point-to-point link is outdoors: on an indoors-only sub-band it says
    // so in red.
    bool indoorsOnly = false;
};
BandTexts bandTexts(const LinkFigures& figures);

// What the window says beside the warnings while the link is on an
// indoors-only sub-band.
inline constexpr const char* kIndoorsOnlyText = "Μόνο σε\nεσωτερικό χώρο";

// A number of MHz or dBm in its shortest form ("20", "2483.5"), for the fixed
// sentences of tooltips and the README's table.
std::string shortNumber(double value);

// Every band's name: "2,4 GHz και 5 GHz".
std::string bandNames();
// The choices of the band box ("2,4 GHz", "5 GHz") and of the width box at a
// band ("20 MHz", ...).
std::vector<std::string> bandItems(const LinkInputs& inputs);
std::vector<std::string> widthItems(const LinkInputs& inputs);

// The cable-loss fields' tooltip: "Απώλειες του καλωδίου ανά μέτρο στα 2,4 GHz, σε dB/m".
std::string cableLossTip(Band band);
// The cable list's tooltip while the chooser scales the catalogue to
// `megahertz`; empty when it does not.
std::string scaledCatalogueTip(std::optional<double> megahertz);

// The legal-limit warning's tooltip: "Το νόμιμο όριο είναι 20 dBm EIRP, ...".
std::string legalLimitTip(float limitDbm);

// A standard as the rate box offers it: "802.11n", "802.11n, 2 ροές", "802.11g".
std::string rateStandardName(RateSet set);
// The rate box's choices for the link's band and width.
std::vector<std::string> standardItems(const LinkInputs& inputs);

// The rate box's tooltip: "Οι ρυθμοί του προτύπου στο εύρος του καναλιού (2,4 GHz: 20 MHz)".
std::string rateStandardTip();

// The TPC box's tooltip: the sub-bands whose limit TPC raises, and by how much.
std::string tpcTip();

} // namespace tarvanel
