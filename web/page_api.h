#pragma once
// The functions the browser page calls (exported from the WebAssembly
// module): the catalogue's streams for the page to inflate, then the viewer's
// commands and queries with plain numbers and UTF-8 texts. Owns the one
// viewer of the page and the frame's copy in the canvas's byte order. No
// call throws: a failure returns 0 (or null) and leaves its message for
// vk_last_error.

#include <cstdint>

extern "C" {

// The embedded zlib streams, for the page's decompressor.
int vk_stream_count();
const unsigned char* vk_stream_bytes(int index);
int vk_stream_size(int index);
// Hands in the inflated bytes of stream index (the page allocated them with
// malloc; they are copied).
int vk_provide_inflated(int index, const unsigned char* bytes, int size);

// Loads the catalogue and shows the solid at position (the Ikosaeder when it
// is none) on a surface of width x height logical pixels at scale.
int vk_start(int width, int height, int scale, int position);
const char* vk_last_error();

// The list: count, and the German name of a position.
int vk_list_count();
const char* vk_list_name(int position);

// Commands. View 0 polyhedron, 1 inner sphere, 2 outer sphere.
int vk_pick(int position);
int vk_reload();
int vk_set_view(int view);
int vk_set_marks(int on);
int vk_set_rotating(int on);
// Turns by the steps count times and draws once.
int vk_tick(int count);
int vk_set_step(int axis, int value);
int vk_restore_step(int axis, int value);
int vk_zoom(int steps);
int vk_wheel(int angleDelta);
int vk_press(int x, int y);
int vk_move(int x, int y);
int vk_release();
int vk_resize(int width, int height, int scale);
int vk_set_presentation(int on);
// Faces filled in the tints of their kinds (the desktop's "Flächen nach Art färben").
int vk_set_colour_faces(int on);
// The tint of face kind kind (0, 1, ...) as 0xRRGGBB.
unsigned vk_kind_tint(int kind);
// Asking the picture at the logical pixel (x, y): the vertex there, else the
// kind of the face there; none found clears the question. vk_clear_pick
// clears it; vk_pick_text is its sentence in the page's language (empty for
// none).
int vk_ask(int x, int y);
int vk_clear_pick();
int vk_has_pick();
const char* vk_pick_text();
// The language of the texts the module words for the page (the pick's
// sentence, vk_people_number): english 0 German, 1 English with words,
// "source<US>translation<RS>" entries (US 0x1F, RS 0x1E), copied. The
// module's other texts stay German.
int vk_set_language(int english, const char* words);
// A number for people: exactly decimals places with the language's decimal mark.
const char* vk_people_number(double value, int decimals);

// Queries.
int vk_position();
int vk_view();
int vk_marks();
int vk_rotating();
int vk_colour_faces();
int vk_caption_family();  // 0 Platonic, 1 Archimedean, 2 Catalan
int vk_views_off();       // 0 no, 1 folding, 2 a tool's solid
// What the picture shows, for its description: kind (0 none, 1 solid, 2
// morph, 3 kaleidoscope, 4 fold, 5 jitterbug) and the solid's German name (UTF-8).
int vk_picture_kind();
const char* vk_picture_name();
// The properties of the solid on show as the command line's --properties
// --json prints them (without its closing line break); null on a failure.
const char* vk_properties_json();
// The solid on show as a file: format 0 STL (binary), 1 OBJ, 2 OFF, in the
// start pose or the current one, twice its largest vertex distance
// diameterMm; the same bytes as the desktop's export. Null on a failure
// (a size out of range says why); the size of the last file handed out.
const unsigned char* vk_solid_file(int format, int currentPose, double diameterMm);
int vk_file_size();
// The paper net of the solid on show as the desktop's --export-net writes it:
// format 0 JSON, 1 SVG; paper a4, a3 or letter; orientation portrait,
// landscape or auto; tabs one, both or none; edgeMm the longest edge (0: the
// largest that fits); the four switches as --no-numbers, --no-face-numbers,
// --fold-angles and --no-scale-bar set them. Null on a failure.
const unsigned char* vk_net(int format, const char* paper, const char* orientation,
                            const char* tabs, double edgeMm, int numbers, int faceNumbers,
                            int foldAngles, int scaleBar);
// The rows of the properties window ("label<TAB>value" lines, German, a
// decimal comma); null on a failure.
const char* vk_properties_table();

// The tools: 0 morph, 1 kaleidoscope, 2 fold, 3 jitterbug. The morph, the
// kaleidoscope and the jitterbug exclude each other (opening one closes the
// others; the jitterbug picks the Kuboktaeder); the fold fails for a solid
// without a net.
int vk_open_tool(int tool);
int vk_close_tool(int tool);
int vk_tool_open(int tool);
// Counts the morph's paths, the kaleidoscope's rounds and the fold's nets
// begun: when it moved, the tool's stops are new.
int vk_tool_round(int tool);
// The morph into the dual: t from 0 to 1, its stops (the solids it passes)
// and the touching points of the edges and the midsphere.
int vk_set_morph(double t);
double vk_morph_t();
int vk_morph_stop_count();
double vk_morph_stop_t(int stop);
const char* vk_morph_stop_name(int stop);
int vk_set_touch_marks(int on);
// The kaleidoscope: family 0 T, 1 O, 2 I; the point's weights (normalised
// by the viewer; a point with no positive weight fails); the stops of the
// family's copies; the snub (copies under the rotations alone) and its
// mirror form.
int vk_set_family(int family);
int vk_family();
int vk_set_weights(double a, double b, double c);
double vk_weight(int corner);
int vk_kaleidoscope_stop_count();
double vk_kaleidoscope_stop_weight(int stop, int corner);
const char* vk_kaleidoscope_stop_name(int stop);
int vk_set_snub(int snub, int mirror);
int vk_snub();
int vk_mirror();
// The folding net: f from 0 (flat) to 1 (closed).
int vk_set_fold(double f);
double vk_fold();
// The numbers of the cut edges on the folding net.
int vk_set_fold_labels(int on);
// The jitterbug: j from 0 (the Kuboktaeder) to 1 (the Oktaeder) and its
// stops, the solids it passes.
int vk_set_jitterbug(double j);
double vk_jitterbug_j();
int vk_jitterbug_stop_count();
double vk_jitterbug_stop_j(int stop);
const char* vk_jitterbug_stop_name(int stop);
// Tells the viewer that a tool's play stopped, so that the picture is
// described again; a play's steps pass playTick 1.
int vk_play_stopped();
int vk_set_morph_played(double t);
int vk_set_fold_played(double f);
int vk_set_jitterbug_played(double j);

// The picture as the desktop exports it: the frame of the present state at
// scale (1 to 4) device pixels per logical pixel, as RGBA bytes; the
// page's own frame is drawn again at its own scale. Null on a failure.
const std::uint8_t* vk_picture(int scale);
int vk_picture_width();
int vk_picture_height();

// The changes (ViewerChange bits) since the last call, which clears them.
unsigned vk_take_changes();

// The last frame as RGBA bytes, row after row, for an ImageData.
const std::uint8_t* vk_frame_rgba();
int vk_frame_width();
int vk_frame_height();
}
