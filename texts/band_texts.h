#pragma once

#include "band/band.h"

#include <string>

namespace tarvanel {

// The words the window says about a band (band/band.h), built from its data.

// A number of MHz or dBm in its shortest form ("20", "2483.5"), for the fixed
// sentences of tooltips.
std::string shortNumber(double value);

// Every band's name: "2,4 GHz", or "2,4 GHz και 5 GHz".
std::string bandNames();

// The cable-loss fields' tooltip: "Απώλειες του καλωδίου ανά μέτρο στα 2,4 GHz, σε dB/m".
std::string cableLossTip(Band band);

// The legal-limit warning's tooltip: "Το νόμιμο όριο είναι 20 dBm EIRP, ...".
std::string legalLimitTip(float limitDbm);

// A standard as the rate box offers it: "802.11n", "802.11n, 2 ροές", "802.11g".
std::string rateStandardName(RateSet set);

// The rate box's tooltip for a band: "Οι ρυθμοί του προτύπου (802.11n σε 20 MHz)".
std::string rateStandardTip(Band band);

} // namespace tarvanel
