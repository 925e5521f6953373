#include "tests/render/real_solids.h"

#include <stdexcept>
#include <string>

#include "catalogue/byte_list.h"
#include "catalogue/text_resource.h"
#include "model/load.h"

namespace velkora::testing {

Model loadCatalogueSolid(int type) {
  ByteList names;
  ByteList vertexLines;
  ByteList faceLines;
  loadTextResource(names, "velkora");
  loadTextResource(vertexLines, "mpoly1");
  loadTextResource(faceLines, "mpoly2");
  std::string suffix(1, '\t');
  suffix += std::to_string(type);
  for (const ByteString& line : names) {
    if (line.size() > suffix.size() && line.ends_with(suffix)) {
      Model model;
      loadModel(model, line, vertexLines, faceLines);
      return model;
    }
  }
  std::string message = "Typ ";
  message += std::to_string(type);
  message += " fehlt in der Namensliste";
  throw std::runtime_error(message);
}

}  // namespace velkora::testing
