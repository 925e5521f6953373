#include "tests/robustness/catalogue_mutations.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "catalogue/sections.h"

namespace velkora::test {

namespace {

// Count-line texts: signs, spaces, limits of 32 bits, capacity limits, words.
std::vector<std::string> specialCounts(std::size_t count) {
  return {"",
          " ",
          "0",
          "1",
          "2",
          "-1",
          "-0",
          "+5",
          " 7",
          "7 ",
          "007",
          "\t4",
          "4.0",
          "1e2",
          "0x10",
          "500",
          "501",
          "502",
          "1000000",
          "2147483647",
          "2147483648",
          "-2147483648",
          "-2147483649",
          "4294967296",
          "99999999999999999999999",
          "[#]",
          std::to_string(count + 1),
          std::to_string(count - 1),
          std::to_string(2 * count)};
}

// Coordinate texts: very large and very small numbers, words, separators, signs.
const std::vector<std::string>& specialNumbers() {
  static const std::vector<std::string> numbers{"1e306",
                                                "-1e306",
                                                "1e309",
                                                "-1e400",
                                                "1.5e300",
                                                "4.9e-324",
                                                "1e-310",
                                                "1e-300",
                                                "0",
                                                "-0",
                                                "0.0000000000",
                                                "nan",
                                                "NaN",
                                                "inf",
                                                "-inf",
                                                "infinity",
                                                "",
                                                "1,5",
                                                " 1",
                                                "+1",
                                                "--1",
                                                "+-1",
                                                ".5",
                                                "5.",
                                                "1e",
                                                "1e+",
                                                "0x1p3",
                                                "1e-5",
                                                "123456789012345678901234567890"};
  return numbers;
}

// Coordinates next to the largest double, where sums of a few of them overflow.
const std::vector<std::string>& largestNumbers() {
  static const std::vector<std::string> numbers{"1e308", "-1e308", "1.7976931348623157e308"};
  return numbers;
}

// Replaces field (0, 1 or 2, counted at single spaces) of a vertex line by value;
// a line with fewer fields gets value at its end.
void replaceField(std::string& line, std::size_t field, const std::string& value) {
  std::size_t start = 0;
  for (std::size_t f = 0; f < field && start != std::string::npos; ++f) {
    start = line.find(' ', start);
    if (start != std::string::npos) ++start;
  }
  if (start == std::string::npos) start = line.size();
  const std::size_t end = std::min(line.find(' ', start), line.size());
  line.replace(start, end - start, value);
}

// Face-line texts: empty, blanks only, too many corners, corners out of range.
std::vector<std::string> specialFaces(std::size_t vertexCount) {
  const char beyond = static_cast<char>(48 + vertexCount);
  return {"",
          " ",
          "\t\t",
          std::string("\x01\x02", 2),
          std::string(1, '\0'),
          "0",
          "00",
          std::string(24, '0'),
          std::string(25, '0'),
          std::string(200, '1'),
          std::string(1, beyond),
          "01" + std::string(1, beyond),
          "/01",
          "01\xff",
          "[1]",
          "[#]",
          "  012",
          "012  "};
}

// Bytes that matter to the parsers come up more often than the others.
constexpr std::string_view kTellingBytes("0123456789-+.eE \t[]#,\r\n\x7f\xff\xa7\0", 28);

std::string withTypeText(const std::string& listLine, const std::string& typeText) {
  const auto tab = listLine.find('\t');
  return listLine.substr(0, tab) + '\t' + typeText;
}

}  // namespace

CatalogueMutator::CatalogueMutator(const CatalogueTexts& texts, int type, std::uint32_t seed)
    : texts_(texts), type_(type), rng_(seed) {
  const int identifier = sectionIdentifier(type);
  header_ = "[" + std::to_string(identifier) + "]";
  auto locate = [&](const ByteList& list, ByteList LoadInput::*member) {
    const int header = findSection(list, identifier);
    if (header < 0 || static_cast<std::size_t>(header) + 1 >= list.size()) {
      throw std::logic_error("no section " + header_);
    }
    Section s;
    s.header = static_cast<std::size_t>(header);
    s.count = std::stoul(list[s.header + 1]);
    s.lines = member;
    return s;
  };
  vertex_ = locate(texts.vertexLines, &LoadInput::vertexLines);
  face_ = locate(texts.faceLines, &LoadInput::faceLines);
}

LoadInput CatalogueMutator::pristine() const {
  return LoadInput{listLineOf(texts_, type_), texts_.vertexLines, texts_.faceLines, {}};
}

std::size_t CatalogueMutator::below(std::size_t n) {
  return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
}

std::string CatalogueMutator::randomBytes(std::size_t maxLength) {
  std::string text(below(maxLength + 1), '\0');
  for (char& c : text) {
    c = below(2) == 0 ? kTellingBytes[below(kTellingBytes.size())] : static_cast<char>(below(256));
  }
  return text;
}

void CatalogueMutator::editBytes(std::string& text) {
  const std::size_t edits = 1 + below(3);
  for (std::size_t e = 0; e < edits; ++e) {
    const char byte =
        below(2) == 0 ? kTellingBytes[below(kTellingBytes.size())] : static_cast<char>(below(256));
    switch (below(3)) {
      case 0:
        if (!text.empty()) {
          text[below(text.size())] = byte;
          break;
        }
        [[fallthrough]];
      case 1:
        text.insert(text.begin() + static_cast<std::ptrdiff_t>(below(text.size() + 1)), byte);
        break;
      default:
        if (!text.empty()) text.erase(below(text.size()), 1);
        break;
    }
  }
}

const CatalogueMutator::Section& CatalogueMutator::anySection() {
  return below(2) == 0 ? vertex_ : face_;
}

void CatalogueMutator::damageOnce(LoadInput& in) {
  // Positions are taken from the undamaged layout; an earlier damage that moved
  // or removed lines only makes this one land elsewhere, never outside the list.
  const Section& s = anySection();
  ByteList& list = in.*s.lines;
  // Damages 2 to 5 pick their own catalogue; the others act on section s.
  const char* which = s.lines == vertex_.lines ? "vertex" : "face";
  auto line = [&](std::size_t index) -> std::string* {
    return index < list.size() ? &list[index] : nullptr;
  };
  const std::size_t countLine = s.header + 1;
  const std::size_t anyLine = countLine + below(s.count + 1);  // count line or a body line
  std::string note;
  switch (below(14)) {
    case 0:
      if (std::string* l = line(countLine)) editBytes(*l);
      note = "count bytes";
      break;
    case 1: {
      const auto counts = specialCounts(s.count);
      const std::string& value = counts[below(counts.size())];
      if (std::string* l = line(countLine)) *l = value;
      note = "count '" + value + "'";
      break;
    }
    case 2: {
      const std::size_t index = vertex_.header + 2 + below(vertex_.count);
      if (index < in.vertexLines.size()) editBytes(in.vertexLines[index]);
      note = "bytes in vertex line " + std::to_string(index);
      which = nullptr;
      break;
    }
    case 3: {
      const std::size_t index = vertex_.header + 2 + below(vertex_.count);
      if (index < in.vertexLines.size()) {
        const std::string& value = specialNumbers()[below(specialNumbers().size())];
        const std::size_t field = below(3);
        replaceField(in.vertexLines[index], field, value);
        note = "vertex line " + std::to_string(index) + " field " + std::to_string(field) + " '" +
               value + "'";
      }
      which = nullptr;
      break;
    }
    case 4: {
      const std::size_t index = face_.header + 2 + below(face_.count);
      if (index < in.faceLines.size()) editBytes(in.faceLines[index]);
      note = "bytes in face line " + std::to_string(index);
      which = nullptr;
      break;
    }
    case 5: {
      const auto faces = specialFaces(vertex_.count);
      const std::size_t index = face_.header + 2 + below(face_.count);
      if (index < in.faceLines.size()) in.faceLines[index] = faces[below(faces.size())];
      note = "special face line " + std::to_string(index);
      which = nullptr;
      break;
    }
    case 6:
      list.insert(list.begin() + static_cast<std::ptrdiff_t>(std::min(anyLine, list.size())), "");
      note = "empty line";
      break;
    case 7:
      if (anyLine < list.size()) list.erase(list.begin() + static_cast<std::ptrdiff_t>(anyLine));
      note = "line deleted";
      break;
    case 8:
      if (std::string* l = line(s.header)) {
        switch (below(3)) {
          case 0:
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(s.header));
            break;
          case 1:
            *l += ' ';
            break;
          default:
            (*l)[0] = '(';
            break;
        }
      }
      note = "header damaged";
      break;
    case 9:
      list.resize(std::min(list.size(), s.header + below(s.count + 3)));
      note = "cut short";
      break;
    case 10: {
      std::string typeText = std::to_string(type_);
      editBytes(typeText);
      in.listLine = below(4) == 0 ? in.listLine.substr(0, in.listLine.find('\t')) + typeText
                                  : withTypeText(in.listLine, typeText);
      note = "type text";
      break;
    }
    case 11:
      if (std::string* l = line(anyLine)) *l = randomBytes(40);
      note = "random line";
      break;
    case 12: {
      const std::size_t other = countLine + below(s.count + 1);
      if (anyLine < list.size() && other < list.size()) std::swap(list[anyLine], list[other]);
      note = "lines swapped";
      break;
    }
    default:
      if (const std::size_t before = std::min(s.header, list.size()); before > 0) {
        list[below(before)] = header_;
      }
      note = "header copied earlier";
      break;
  }
  in.damage += which == nullptr ? note + "; " : note + " (" + which + " section); ";
}

LoadInput CatalogueMutator::randomCase() {
  LoadInput in = pristine();
  const std::size_t roll = below(10);
  const std::size_t damages = roll < 6 ? 1 : roll < 9 ? 2 : 3;
  for (std::size_t d = 0; d < damages; ++d) {
    damageOnce(in);
  }
  return in;
}

void CatalogueMutator::forEachFixedCase(const std::function<void(const LoadInput&)>& visit) const {
  // Each case is built, visited and dropped: all of them at once would hold
  // hundreds of copies of both catalogues.
  auto add = [&](std::string damage, auto&& change) {
    LoadInput in = pristine();
    in.damage = std::move(damage);
    change(in);
    visit(in);
  };

  for (const Section* s : {&vertex_, &face_}) {
    const std::string which = s == &vertex_ ? "vertex count '" : "face count '";
    for (const std::string& value : specialCounts(s->count)) {
      add(which + value + "'", [&](LoadInput& in) { (in.*s->lines)[s->header + 1] = value; });
    }
    add(std::string(s == &vertex_ ? "vertex" : "face") + " header deleted", [&](LoadInput& in) {
      auto& list = in.*s->lines;
      list.erase(list.begin() + static_cast<std::ptrdiff_t>(s->header));
    });
    add(std::string(s == &vertex_ ? "vertex" : "face") + " header with a space",
        [&](LoadInput& in) { (in.*s->lines)[s->header] += ' '; });
    add(std::string(s == &vertex_ ? "vertex" : "face") + " empty line before the count",
        [&](LoadInput& in) {
          auto& list = in.*s->lines;
          list.insert(list.begin() + static_cast<std::ptrdiff_t>(s->header + 1), "");
        });
    add(std::string(s == &vertex_ ? "vertex" : "face") + " empty line after the count",
        [&](LoadInput& in) {
          auto& list = in.*s->lines;
          list.insert(list.begin() + static_cast<std::ptrdiff_t>(s->header + 2), "");
        });
    // Cut at every line from the header to the end of the body.
    for (std::size_t keep = s->header; keep <= s->header + 1 + s->count; ++keep) {
      add(std::string(s == &vertex_ ? "vertex" : "face") + " list cut to " + std::to_string(keep) +
              " lines",
          [&](LoadInput& in) { (in.*s->lines).resize(keep); });
    }
  }

  // Special numbers in the two vertices that give the edge and in the last one.
  forEachVertexField(specialNumbers(), add);
  // Whole solids near the edges of the double range: the edge stays usable, the
  // other corners are large (or as small as a double allows).
  for (const char* extreme :
       {"1e307 1e307 1e307", "-1e306 1e306 -1e306", "1e-300 1e-300 1e-300", "4.9e-324 0 0"}) {
    add(std::string("vertices from 2 on at ") + extreme, [&](LoadInput& in) {
      for (std::size_t v = 2; v < vertex_.count; ++v) {
        in.vertexLines[vertex_.header + 2 + v] = extreme;
      }
    });
  }
  // Every number written with the exponent e-300: a valid solid, 1e300 times smaller.
  add("every coordinate times 1e-300", [&](LoadInput& in) {
    for (std::size_t v = 0; v < vertex_.count; ++v) {
      std::string& l = in.vertexLines[vertex_.header + 2 + v];
      for (std::size_t space = l.find(' '); space != std::string::npos;
           space = l.find(' ', space + 6)) {
        l.insert(space, "e-300");
      }
      l += "e-300";
    }
  });

  for (const std::size_t f : {std::size_t{0}, face_.count - 1}) {
    for (const std::string& value : specialFaces(vertex_.count)) {
      add("face " + std::to_string(f) + " '" + value + "'",
          [&](LoadInput& in) { in.faceLines[face_.header + 2 + f] = value; });
    }
  }

  for (const char* typeText :
       {"", " ", "-1", "31", "2147483648", " 3", "3 ", "+3", "03", "3\t4", "\xff", "4001"}) {
    add(std::string("type text '") + typeText + "'",
        [&](LoadInput& in) { in.listLine = withTypeText(in.listLine, typeText); });
  }
  add("list line without TAB",
      [&](LoadInput& in) { in.listLine = in.listLine.substr(0, in.listLine.find('\t')); });
}

template <typename Add>
void CatalogueMutator::forEachVertexField(const std::vector<std::string>& values, Add& add) const {
  const std::array<std::size_t, 3> vertices{0, 1, vertex_.count - 1};
  std::size_t field = 0;
  for (const std::size_t v : vertices) {
    for (const std::string& value : values) {
      const std::size_t f = field++ % 3;
      add("vertex " + std::to_string(v) + " field " + std::to_string(f) + " '" + value + "'",
          [&](LoadInput& in) { replaceField(in.vertexLines[vertex_.header + 2 + v], f, value); });
    }
  }
}

void CatalogueMutator::forEachLargestCase(
    const std::function<void(const LoadInput&)>& visit) const {
  auto add = [&](std::string damage, auto&& change) {
    LoadInput in = pristine();
    in.damage = std::move(damage);
    change(in);
    visit(in);
  };
  forEachVertexField(largestNumbers(), add);
  for (const char* extreme : {"1e308 1e308 1e308", "-1e308 1e308 -1e308"}) {
    add(std::string("vertices from 2 on at ") + extreme, [&](LoadInput& in) {
      for (std::size_t v = 2; v < vertex_.count; ++v) {
        in.vertexLines[vertex_.header + 2 + v] = extreme;
      }
    });
  }
}

}  // namespace velkora::test
