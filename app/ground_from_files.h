#pragma once

#include "engine/link_inputs.h"

#include <optional>

class QWidget;

namespace tarvanel {

class ElevationReader;

// The inputs with the ground profile and both ends' ground read from the
// user's elevation files along the geodesic between the two positions: asks
// for the folder (remembered for the next time), reads it through the
// elevation plugin and tells in one message what was missing or void. Nothing
// when the positions do not both read, the user cancels or nothing was read.
std::optional<LinkInputs> groundFromFiles(QWidget* parent, const LinkInputs& inputs,
                                          ElevationReader& reader);

} // namespace tarvanel
