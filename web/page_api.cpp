#include "web/page_api.h"

#include <emscripten/emscripten.h>

#include <exception>
#include <string>
#include <vector>

#include "catalogue/inflated_streams.h"
#include "catalogue/resource_table.h"
#include "model/cp1252.h"
#include "model/polyhedron.h"
#include "properties/properties.h"
#include "properties/properties_text.h"
#include "solid_export/mesh_export.h"
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
  int rgbaWidth = 0;
  int rgbaHeight = 0;
  bool started = false;
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
void copyFrame(Page& p) {
  const velkora::Bitmap& frame = p.viewer.frameBuffers().frame;
  p.rgbaWidth = frame.width;
  p.rgbaHeight = frame.height;
  p.rgba.resize(frame.pixels.size() * 4);
  std::uint8_t* out = p.rgba.data();
  for (const std::uint32_t pixel : frame.pixels) {
    *out++ = static_cast<std::uint8_t>(pixel >> 16);
    *out++ = static_cast<std::uint8_t>(pixel >> 8);
    *out++ = static_cast<std::uint8_t>(pixel);
    *out++ = 0xFF;
  }
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

EMSCRIPTEN_KEEPALIVE int vk_position() { return page().viewer.position(); }
EMSCRIPTEN_KEEPALIVE int vk_view() { return static_cast<int>(page().viewer.view()); }
EMSCRIPTEN_KEEPALIVE int vk_marks() { return page().viewer.marks() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int vk_rotating() { return page().viewer.rotating() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int vk_caption_family() {
  return static_cast<int>(page().viewer.captionFamily());
}
EMSCRIPTEN_KEEPALIVE int vk_views_off() { return static_cast<int>(page().viewer.viewsOff()); }
EMSCRIPTEN_KEEPALIVE int vk_picture_kind() {
  return page().started ? static_cast<int>(page().viewer.pictureFacts().kind) : 0;
}
EMSCRIPTEN_KEEPALIVE const char* vk_picture_name() {
  Page& p = page();
  p.text = p.started ? velkora::widenWindows1252(p.viewer.pictureFacts().solidName) : std::string();
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
