#pragma once
// Putting plain geometry into a model: the vertices (optionally turned on
// the way), the faces and their centres, with every limit of the model
// checked. The one place a Polyhedron becomes something the renderer draws.

#include <functional>
#include <string>

#include "base/polyhedron.h"
#include "model/model.h"

namespace velkora {

// Writes shape's vertices (each through place), faces and face centres into
// model and sets the counts; nothing else of model changes. Throws
// ECatalogueError, naming what, when shape has more vertices or faces than a
// model holds, a face with more than 24 corners or a corner that is no vertex;
// model may then be partly written.
void fillShape(Model& model, const Polyhedron& shape, const std::string& what,
               const std::function<Vec3(Vec3)>& place = {});

}  // namespace velkora
