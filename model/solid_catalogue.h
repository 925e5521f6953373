#pragma once
// The three embedded texts as the program holds them (name list, vertex and
// face catalogue), the one reading of a name-list line (name, TAB, type
// number), and loading a solid by its list position. Qt-free; names stay
// Windows-1252 bytes except where a function says UTF-8.

#include <string>
#include <string_view>

#include "catalogue/byte_list.h"
#include "catalogue/errors.h"
#include "model/model.h"

namespace velkora {

struct CatalogueTexts {
  ByteList names;        // one line per solid, in list order
  ByteList vertexLines;  // vertex catalogue, line by line
  ByteList faceLines;    // face catalogue, line by line
};

// Inflates the embedded "velkora", "mpoly1" and "mpoly2".
// Throws EResNotFound or EDecompressionError.
CatalogueTexts loadCatalogueTexts();

// The two fields of a name-list line: the name before the first TAB and the
// type text after it. A line without a TAB is all name, and all type text.
struct ListLine {
  std::string_view name;
  std::string_view typeText;
};
ListLine splitListLine(std::string_view line);

// A list position or a name that the name list does not hold.
class ESolidNotFound : public Error {
 public:
  using Error::Error;
};

// The name-list line at position; throws ESolidNotFound outside 0..names-1.
std::string_view listLineAt(const CatalogueTexts& texts, int position);

// The type number of the solid at position. Throws ESolidNotFound or EConvertError.
int typeAt(const CatalogueTexts& texts, int position);

// The list position of type; throws ESolidNotFound when no line has it.
int positionOfType(const CatalogueTexts& texts, int type);

// The German name of the solid at position as UTF-8. Throws ESolidNotFound.
std::string solidNameAt(const CatalogueTexts& texts, int position);

// Loads the solid at position into model exactly as picking it in the list
// does (initial tilt, 260 pixels). Throws what loadModel throws and
// ESolidNotFound; model is unchanged on failure.
void loadSolidAt(Model& model, const CatalogueTexts& texts, int position);

}  // namespace velkora
