#pragma once
// The small dialog before printing or saving a paper net: paper, orientation,
// edge size (by default the largest that fits the whole net on one page),
// glue tabs and edge numbers.

#include <optional>

#include <QString>

#include "model/polyhedron.h"
#include "nets/net_types.h"

class QWidget;

namespace velkora {

struct NetChoices;

// Asks for the net options for solid; empty when the user cancels. With
// remembered the dialog opens with those choices and an accepted dialog
// keeps its new ones there.
std::optional<NetOptions> askNetOptions(QWidget* parent, const Polyhedron& solid,
                                        const QString& title, NetChoices* remembered = nullptr);

}  // namespace velkora
