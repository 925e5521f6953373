#include "web/page_api.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "catalogue/inflated_streams.h"
#include "catalogue/resource_table.h"
#include "kaleidoscope/wythoff.h"
#include "model/cp1252.h"
#include "model/polyhedron.h"
#include "nets/layout.h"
#include "nets/net_json.h"
#include "nets/net_options.h"
#include "nets/net_svg.h"
#include "properties/pick_facts.h"
#include "properties/properties.h"
#include "properties/properties_text.h"
#include "render/bitmap.h"
#include "render/face_tints.h"
#include "solid_export/mesh_export.h"
#include "text/number_text.h"
#include "text/ui_text.h"
#include "viewer/viewer.h"

namespace {

using velkora::Viewer;

struct Page {
  Viewer viewer;
  Viewer::Surface surface;
  unsigned changes = 0;
  std::string error;
  std::string text;  // the last text handed out
  std::vector<std::uint8_t> rgba;
  std::vector<std::uint8_t> picture;  // the last picture handed out
  int pictureWidth = 0;
  int pictureHeight = 0;
  int rgbaWidth = 0;
  int rgbaHeight = 0;
  bool started = false;
  // The page's language for the texts the module words itself (the pick's
  // sentence, numbers for people), and its English words.
  bool english = false;
  std::unordered_map<std::string, std::string> words;
};

Page& page() {
  static Page thePage;
  return thePage;
}

// Runs work; a failure is kept for vk_last_error and answers 0.
template <typename Work>
int caught(Work&& work) {
  Page& p = page();
  try {
    work(p);
    p.error.clear();
    return 1;
  } catch (const std::exception& e) {
    p.error = e.what();
  } catch (...) {
    p.error = "Unbekannter Fehler";
  }
  return 0;
}

// Runs a command of the started viewer, as caught does.
template <typename Command>
int guarded(Command&& command) {
  return caught([&](Page& p) {
    if (!p.started) throw std::runtime_error("Der Betrachter ist nicht gestartet.");
    command(p.viewer);
  });
}

// The frame's 0xFFRRGGBB pixels as the canvas's R, G, B, A bytes.
void copyRgba(const velkora::Bitmap& frame, std::vector<std::uint8_t>& rgba) {
  rgba.resize(frame.pixels.size() * 4);
  std::uint8_t* out = rgba.data();
  for (const std::uint32_t pixel : frame.pixels) {
    *out++ = static_cast<std::uint8_t>(pixel >> 16);
    *out++ = static_cast<std::uint8_t>(pixel >> 8);
    *out++ = static_cast<std::uint8_t>(pixel);
    *out++ = 0xFF;
  }
}

void copyFrame(Page& p) {
  const velkora::Bitmap& frame = p.viewer.frameBuffers().frame;
  p.rgbaWidth = frame.width;
  p.rgbaHeight = frame.height;
  copyRgba(frame, p.rgba);
}

velkora::Tool toolOf(int tool) {
  switch (tool) {
    case 0:
      return velkora::Tool::Morph;
    case 1:
      return velkora::Tool::Kaleidoscope;
    case 2:
      return velkora::Tool::Fold;
    case 3:
      return velkora::Tool::Jitterbug;
    default:
      throw std::out_of_range("Kein Werkzeug: " + std::to_string(tool));
  }
}

// A stop of a list, or out_of_range naming the number asked for.
template <typename Stop>
const Stop& stopOf(const std::vector<Stop>& stops, int stop) {
  if (stop < 0 || stop >= static_cast<int>(stops.size()))
    throw std::out_of_range("Kein Haltepunkt: " + std::to_string(stop));
  return stops[static_cast<std::size_t>(stop)];
}

// A text for the page, or null when making it failed.
const char* handedOut(int ok) { return ok ? page().text.c_str() : nullptr; }

// The module's words in English from the page's table; a source not in it stays German.
std::string translated(const char* /*context*/, const char* source) {
  const auto& words = page().words;
  const auto found = words.find(source);
  return found != words.end() ? found->second : std::string(source);
}

// The page's language while one text is worded, German again after: the
// other texts of the module (files, the tables the page translates itself)
// stay as they were.
class InPageLanguage {
 public:
  explicit InPageLanguage(const Page& p) {
    velkora::setTextTranslator(p.english ? translated : nullptr);
    velkora::setDecimalComma(!p.english);
  }
  ~InPageLanguage() {
    velkora::setTextTranslator(nullptr);
    velkora::setDecimalComma(true);
  }
  InPageLanguage(const InPageLanguage&) = delete;
  InPageLanguage& operator=(const InPageLanguage&) = delete;
};

// The table's "source<US>translation<RS>" entries.
std::unordered_map<std::string, std::string> wordsOf(std::string_view table) {
  std::unordered_map<std::string, std::string> words;
  while (!table.empty()) {
    const std::size_t end = std::min(table.find('\x1e'), table.size());
    const std::string_view entry = table.substr(0, end);
    const std::size_t middle = entry.find('\x1f');
    if (middle != std::string_view::npos)
      words.insert_or_assign(std::string(entry.substr(0, middle)),
                             std::string(entry.substr(middle + 1)));
    table.remove_prefix(std::min(end + 1, table.size()));
  }
  return words;
}

velkora::View viewOf(int view) {
  switch (view) {
    case 1:
      return velkora::View::InnerSphere;
    case 2:
      return velkora::View::OuterSphere;
    default:
      return velkora::View::Polyhedron;
  }
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int vk_stream_count() {
  return static_cast<int>(velkora::embeddedResources().size());
}

EMSCRIPTEN_KEEPALIVE const unsigned char* vk_stream_bytes(int index) {
  if (index < 0 || index >= vk_stream_count()) return nullptr;
  return velkora::embeddedResources()[static_cast<std::size_t>(index)].bytes.data();
}

EMSCRIPTEN_KEEPALIVE int vk_stream_size(int index) {
  if (index < 0 || index >= vk_stream_count()) return 0;
  return static_cast<int>(
      velkora::embeddedResources()[static_cast<std::size_t>(index)].bytes.size());
}

EMSCRIPTEN_KEEPALIVE int vk_provide_inflated(int index, const unsigned char* bytes, int size) {
  if (index < 0 || index >= vk_stream_count() || size < 0 || (size > 0 && bytes == nullptr))
    return 0;
  velkora::provideInflated(vk_stream_bytes(index), std::vector<unsigned char>(bytes, bytes + size));
  return 1;
}

EMSCRIPTEN_KEEPALIVE int vk_start(int width, int height, int scale, int position) {
  return caught([&](Page& p) {
    p.surface = {width, height, scale};
    p.viewer.setSurfaceSource([] { return page().surface; });
    p.viewer.setListener([](unsigned changes) {
      Page& listening = page();
      listening.changes |= changes;
      if (changes & velkora::kPictureChanged) copyFrame(listening);
    });
    p.viewer.create();
    p.started = true;
    p.viewer.pick(p.viewer.startPosition(position));
  });
}

EMSCRIPTEN_KEEPALIVE const char* vk_last_error() { return page().error.c_str(); }

EMSCRIPTEN_KEEPALIVE int vk_list_count() {
  return page().started ? static_cast<int>(page().viewer.listLines().size()) : 0;
}

EMSCRIPTEN_KEEPALIVE const char* vk_list_name(int position) {
  Page& p = page();
  if (position < 0 || position >= vk_list_count()) return nullptr;
  const std::string& line = p.viewer.listLines()[static_cast<std::size_t>(position)];
  p.text = velkora::widenWindows1252(std::string_view(line).substr(0, line.find('\t')));
  return p.text.c_str();
}

EMSCRIPTEN_KEEPALIVE int vk_pick(int position) {
  return guarded([&](Viewer& v) {
    if (position < 0 || position >= vk_list_count())
      throw std::out_of_range("Keine Listenposition: " + std::to_string(position));
    v.pick(position);
  });
}
EMSCRIPTEN_KEEPALIVE int vk_reload() {
  return guarded([](Viewer& v) { v.reload(); });
}
EMSCRIPTEN_KEEPALIVE int vk_set_view(int view) {
  return guarded([&](Viewer& v) { v.setView(viewOf(view)); });
}
EMSCRIPTEN_KEEPALIVE int vk_set_marks(int on) {
  return guarded([&](Viewer& v) { v.setMarks(on != 0); });
}
EMSCRIPTEN_KEEPALIVE int vk_set_rotating(int on) {
  return guarded([&](Viewer& v) { v.setRotating(on != 0); });
}
EMSCRIPTEN_KEEPALIVE int vk_tick(int count) {
  return guarded([&](Viewer& v) { v.tick(count < 1 ? 1 : count); });
}
EMSCRIPTEN_KEEPALIVE int vk_set_step(int axis, int value) {
  return guarded([&](Viewer& v) { v.setStep(axis, value); });
}
EMSCRIPTEN_KEEPALIVE int vk_restore_step(int axis, int value) {
  return guarded([&](Viewer& v) { v.restoreStep(axis, value); });
}
EMSCRIPTEN_KEEPALIVE int vk_zoom(int steps) {
  return guarded([&](Viewer& v) { v.zoom(steps); });
}
EMSCRIPTEN_KEEPALIVE int vk_wheel(int angleDelta) {
  return guarded([&](Viewer& v) { v.wheel(angleDelta); });
}
EMSCRIPTEN_KEEPALIVE int vk_press(int x, int y) {
  return guarded([&](Viewer& v) { v.press(true, x, y); });
}
EMSCRIPTEN_KEEPALIVE int vk_move(int x, int y) {
  return guarded([&](Viewer& v) { v.move(x, y); });
}
EMSCRIPTEN_KEEPALIVE int vk_release() {
  return guarded([](Viewer& v) { v.release(); });
}
EMSCRIPTEN_KEEPALIVE int vk_resize(int width, int height, int scale) {
  return guarded([&](Viewer& v) {
    page().surface = {width, height, scale};
    v.surfaceResized();
  });
}
EMSCRIPTEN_KEEPALIVE int vk_set_presentation(int on) {
  return guarded([&](Viewer& v) {
    v.setPresentation(on != 0);
    if (on != 0) {
      v.fitPresentation();
    } else {
      v.draw();
    }
  });
}

EMSCRIPTEN_KEEPALIVE int vk_set_colour_faces(int on) {
  return guarded([&](Viewer& v) { v.setColourFaces(on != 0); });
}
EMSCRIPTEN_KEEPALIVE unsigned vk_kind_tint(int kind) {
  return kind < 0 ? 0u : velkora::kindTint(kind) & 0xFFFFFFu;
}
EMSCRIPTEN_KEEPALIVE int vk_ask(int x, int y) {
  return guarded([&](Viewer& v) {
    if (!v.pickVertex(x, y)) v.pickFace(x, y);
  });
}
EMSCRIPTEN_KEEPALIVE int vk_clear_pick() {
  return guarded([](Viewer& v) { v.clearPick(); });
}
EMSCRIPTEN_KEEPALIVE int vk_has_pick() { return page().started && page().viewer.hasPick() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE const char* vk_pick_text() {
  return handedOut(guarded([](Viewer& v) {
    const InPageLanguage worded(page());
    page().text = velkora::pickText(v.picked());
  }));
}
EMSCRIPTEN_KEEPALIVE int vk_set_language(int english, const char* words) {
  return caught([&](Page& p) {
    p.words = english != 0 && words != nullptr ? wordsOf(words)
                                               : std::unordered_map<std::string, std::string>();
    p.english = english != 0;
  });
}
EMSCRIPTEN_KEEPALIVE const char* vk_people_number(double value, int decimals) {
  return handedOut(caught([&](Page& p) {
    if (decimals < 0 || decimals > 17)
      throw std::out_of_range("Keine Stellenzahl: " + std::to_string(decimals));
    const InPageLanguage worded(p);
    p.text = velkora::peopleNumber(value, decimals);
  }));
}

EMSCRIPTEN_KEEPALIVE int vk_position() { return page().viewer.position(); }
EMSCRIPTEN_KEEPALIVE int vk_view() { return static_cast<int>(page().viewer.view()); }
EMSCRIPTEN_KEEPALIVE int vk_marks() { return page().viewer.marks() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int vk_rotating() { return page().viewer.rotating() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int vk_colour_faces() { return page().viewer.colourFaces() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int vk_caption_family() {
  return static_cast<int>(page().viewer.captionFamily());
}
EMSCRIPTEN_KEEPALIVE int vk_views_off() { return static_cast<int>(page().viewer.viewsOff()); }
EMSCRIPTEN_KEEPALIVE int vk_picture_kind() {
  return page().started ? static_cast<int>(page().viewer.pictureFacts().kind) : 0;
}
EMSCRIPTEN_KEEPALIVE const char* vk_picture_name() {
  Page& p = page();
  // The shown solid's name is UTF-8 already, the catalogue's and the tools' alike.
  p.text = p.started ? p.viewer.pictureFacts().solidName : std::string();
  return p.text.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* vk_properties_json() {
  Page& p = page();
  const int ok = guarded([&](Viewer& v) {
    p.text = velkora::propertiesJson(
        velkora::computeProperties(v.controller().shownSolid(), v.controller().catalogue()));
  });
  return ok ? p.text.c_str() : nullptr;
}
EMSCRIPTEN_KEEPALIVE const unsigned char* vk_solid_file(int format, int currentPose,
                                                        double diameterMm) {
  Page& p = page();
  const int ok = guarded([&](Viewer& v) {
    if (format < 0 || format > 2)
      throw std::out_of_range("Kein Dateiformat: " + std::to_string(format));
    velkora::ViewerController& controller = v.controller();
    const velkora::MeshFormat formats[] = {velkora::MeshFormat::Stl, velkora::MeshFormat::Obj,
                                           velkora::MeshFormat::Off};
    const velkora::Polyhedron geometry = currentPose != 0
                                             ? velkora::polyhedronOf(controller.shownModel())
                                             : controller.shownStartPose();
    p.text =
        velkora::meshFileBytes(geometry, formats[format], diameterMm, controller.shownSolid().name);
  });
  return ok ? reinterpret_cast<const unsigned char*>(p.text.data()) : nullptr;
}
EMSCRIPTEN_KEEPALIVE const char* vk_properties_table() {
  return handedOut(guarded([](Viewer& v) {
    page().text = velkora::propertiesTable(
        velkora::computeProperties(v.controller().shownSolid(), v.controller().catalogue()));
  }));
}

EMSCRIPTEN_KEEPALIVE int vk_open_tool(int tool) {
  return guarded([&](Viewer& v) { v.openTool(toolOf(tool)); });
}
EMSCRIPTEN_KEEPALIVE int vk_close_tool(int tool) {
  return guarded([&](Viewer& v) { v.closeTool(toolOf(tool)); });
}
EMSCRIPTEN_KEEPALIVE int vk_tool_open(int tool) {
  int open = 0;
  guarded([&](Viewer& v) { open = v.toolOpen(toolOf(tool)) ? 1 : 0; });
  return open;
}

EMSCRIPTEN_KEEPALIVE int vk_tool_round(int tool) {
  int round = 0;
  guarded([&](Viewer& v) {
    switch (toolOf(tool)) {
      case velkora::Tool::Morph:
        round = v.morphPaths();
        break;
      case velkora::Tool::Kaleidoscope:
        round = v.kaleidoscopeRounds();
        break;
      case velkora::Tool::Fold:
        round = v.foldRounds();
        break;
      case velkora::Tool::Jitterbug:
        round = v.jitterbugRounds();
        break;
    }
  });
  return round;
}

EMSCRIPTEN_KEEPALIVE int vk_set_morph(double t) {
  return guarded([&](Viewer& v) { v.setMorphParameter(t); });
}
EMSCRIPTEN_KEEPALIVE int vk_set_morph_played(double t) {
  return guarded([&](Viewer& v) { v.setMorphParameter(t, true); });
}
EMSCRIPTEN_KEEPALIVE double vk_morph_t() {
  return page().started ? page().viewer.controller().morphParameter() : 0.0;
}
EMSCRIPTEN_KEEPALIVE int vk_morph_stop_count() {
  return page().started ? static_cast<int>(page().viewer.controller().morphStops().size()) : 0;
}
EMSCRIPTEN_KEEPALIVE double vk_morph_stop_t(int stop) {
  double t = -1.0;
  guarded([&](Viewer& v) { t = stopOf(v.controller().morphStops(), stop).t; });
  return t;
}
EMSCRIPTEN_KEEPALIVE const char* vk_morph_stop_name(int stop) {
  return handedOut(
      guarded([&](Viewer& v) { page().text = stopOf(v.controller().morphStops(), stop).name; }));
}
EMSCRIPTEN_KEEPALIVE int vk_set_touch_marks(int on) {
  return guarded([&](Viewer& v) { v.setTouchMarks(on != 0); });
}

EMSCRIPTEN_KEEPALIVE int vk_set_family(int family) {
  return guarded([&](Viewer& v) {
    if (family < 0 || family > 2)
      throw std::out_of_range("Keine Familie: " + std::to_string(family));
    v.setKaleidoscopeFamily(static_cast<velkora::WythoffFamily>(family));
  });
}
EMSCRIPTEN_KEEPALIVE int vk_family() {
  return static_cast<int>(page().viewer.kaleidoscopeFamily());
}
EMSCRIPTEN_KEEPALIVE int vk_set_weights(double a, double b, double c) {
  return guarded([&](Viewer& v) {
    const auto weights = velkora::normalisedWeights(a, b, c);
    if (!weights) throw std::out_of_range("Kein Punkt im Dreieck: Gewichte ohne positive Summe");
    v.setKaleidoscopeWeights(*weights);
  });
}
EMSCRIPTEN_KEEPALIVE double vk_weight(int corner) {
  const velkora::WythoffWeights w = page().viewer.controller().kaleidoscopeWeights();
  return corner == 0 ? w.a : corner == 1 ? w.b : corner == 2 ? w.c : 0.0;
}
EMSCRIPTEN_KEEPALIVE int vk_kaleidoscope_stop_count() {
  return page().started ? static_cast<int>(page().viewer.controller().kaleidoscopeStops().size())
                        : 0;
}
EMSCRIPTEN_KEEPALIVE double vk_kaleidoscope_stop_weight(int stop, int corner) {
  double weight = -1.0;
  guarded([&](Viewer& v) {
    const velkora::WythoffWeights w = stopOf(v.controller().kaleidoscopeStops(), stop).weights;
    weight = corner == 0 ? w.a : corner == 1 ? w.b : w.c;
  });
  return weight;
}
EMSCRIPTEN_KEEPALIVE const char* vk_kaleidoscope_stop_name(int stop) {
  return handedOut(guarded(
      [&](Viewer& v) { page().text = stopOf(v.controller().kaleidoscopeStops(), stop).name; }));
}
EMSCRIPTEN_KEEPALIVE int vk_set_snub(int snub, int mirror) {
  return guarded([&](Viewer& v) { v.setKaleidoscopeSnub(snub != 0, mirror != 0); });
}
EMSCRIPTEN_KEEPALIVE int vk_snub() { return page().viewer.kaleidoscopeSnub() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int vk_mirror() { return page().viewer.kaleidoscopeMirror() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE int vk_set_fold(double f) {
  return guarded([&](Viewer& v) { v.setFoldStage(f); });
}
EMSCRIPTEN_KEEPALIVE int vk_set_fold_labels(int on) {
  return guarded([&](Viewer& v) { v.setFoldLabels(on != 0); });
}
EMSCRIPTEN_KEEPALIVE int vk_set_fold_played(double f) {
  return guarded([&](Viewer& v) { v.setFoldStage(f, true); });
}
EMSCRIPTEN_KEEPALIVE double vk_fold() {
  return page().started ? page().viewer.controller().foldStage() : 0.0;
}
EMSCRIPTEN_KEEPALIVE int vk_set_jitterbug(double j) {
  return guarded([&](Viewer& v) { v.setJitterbugParameter(j); });
}
EMSCRIPTEN_KEEPALIVE int vk_set_jitterbug_played(double j) {
  return guarded([&](Viewer& v) { v.setJitterbugParameter(j, true); });
}
EMSCRIPTEN_KEEPALIVE double vk_jitterbug_j() {
  return page().started ? page().viewer.controller().jitterbugParameter() : 0.0;
}
EMSCRIPTEN_KEEPALIVE int vk_jitterbug_stop_count() {
  return page().started ? static_cast<int>(page().viewer.controller().jitterbugStops().size()) : 0;
}
EMSCRIPTEN_KEEPALIVE double vk_jitterbug_stop_j(int stop) {
  double j = -1.0;
  guarded([&](Viewer& v) { j = stopOf(v.controller().jitterbugStops(), stop).j; });
  return j;
}
EMSCRIPTEN_KEEPALIVE const char* vk_jitterbug_stop_name(int stop) {
  return handedOut(guarded(
      [&](Viewer& v) { page().text = stopOf(v.controller().jitterbugStops(), stop).name; }));
}
EMSCRIPTEN_KEEPALIVE int vk_play_stopped() {
  return guarded([](Viewer& v) { v.playStopped(); });
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* vk_picture(int scale) {
  Page& p = page();
  const int ok = guarded([&](Viewer& v) {
    if (scale < 1 || scale > 4) throw std::out_of_range("Kein Maßstab: " + std::to_string(scale));
    const Viewer::Surface shown = p.surface;
    p.surface.scale = scale;
    try {
      v.draw();
    } catch (...) {
      p.surface = shown;
      throw;
    }
    const velkora::Bitmap& frame = v.frameBuffers().frame;
    p.pictureWidth = frame.width;
    p.pictureHeight = frame.height;
    copyRgba(frame, p.picture);
    p.surface = shown;
    v.draw();
  });
  return ok ? p.picture.data() : nullptr;
}
EMSCRIPTEN_KEEPALIVE int vk_picture_width() { return page().pictureWidth; }
EMSCRIPTEN_KEEPALIVE int vk_picture_height() { return page().pictureHeight; }

EMSCRIPTEN_KEEPALIVE const unsigned char* vk_net(int format, const char* paper,
                                                 const char* orientation, const char* tabs,
                                                 double edgeMm, int numbers, int faceNumbers,
                                                 int foldAngles, int scaleBar) {
  Page& p = page();
  const int ok = guarded([&](Viewer& v) {
    if (format < 0 || format > 1)
      throw std::out_of_range("Kein Netzformat: " + std::to_string(format));
    velkora::NetOptions options;
    const auto paperKind = velkora::paperNamed(paper != nullptr ? paper : "");
    if (!paperKind)
      throw std::invalid_argument(std::string("Kein Papier: ") + (paper ? paper : ""));
    options.paper = *paperKind;
    const auto orientationKind =
        velkora::orientationNamed(orientation != nullptr ? orientation : "");
    if (!orientationKind)
      throw std::invalid_argument(std::string("Keine Ausrichtung: ") +
                                  (orientation ? orientation : ""));
    options.orientation = *orientationKind;
    const auto tabStyle = velkora::tabStyleNamed(tabs != nullptr ? tabs : "");
    if (!tabStyle) throw std::invalid_argument(std::string("Keine Laschen: ") + (tabs ? tabs : ""));
    velkora::setTabStyle(options, *tabStyle);
    if (edgeMm > 0.0) options.edgeMm = edgeMm;
    options.numbers = numbers != 0;
    options.faceNumbers = faceNumbers != 0;
    options.foldAngles = foldAngles != 0;
    options.scaleBar = scaleBar != 0;
    const velkora::NetDocument net = velkora::buildNet(v.controller().shownSolid(), options);
    p.text = format == 0 ? velkora::netJson(net) : velkora::netSvg(net);
  });
  return ok ? reinterpret_cast<const unsigned char*>(p.text.data()) : nullptr;
}

EMSCRIPTEN_KEEPALIVE int vk_file_size() { return static_cast<int>(page().text.size()); }
EMSCRIPTEN_KEEPALIVE unsigned vk_take_changes() {
  const unsigned changes = page().changes;
  page().changes = 0;
  return changes;
}

EMSCRIPTEN_KEEPALIVE const std::uint8_t* vk_frame_rgba() { return page().rgba.data(); }
EMSCRIPTEN_KEEPALIVE int vk_frame_width() { return page().rgbaWidth; }
EMSCRIPTEN_KEEPALIVE int vk_frame_height() { return page().rgbaHeight; }
}
