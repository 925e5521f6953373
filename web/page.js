'use strict';
// The browser page over the viewer's WebAssembly module: it inflates the
// catalogue with the browser's decompressor, starts the viewer, shows its
// frames on the canvas and turns the page's controls, pointer and keys into
// the viewer's commands. The rules live in the module; this only wires.

(() => {
  const PICTURE_WIDTH = 634;
  const PICTURE_HEIGHT = 663;
  // The surface's logical size: the window's drawing area, or the screen in presentation.
  let surfaceWidth = PICTURE_WIDTH;
  let surfaceHeight = PICTURE_HEIGHT;
  const STEP_MS = 10; // one rotation step per 10 ms, counted by time
  const VIEW_WORDS = ['polyeder', 'inkugel', 'umkugel'];
  const CHANGE_PICTURE = 1;
  const CHANGE_DESCRIPTION = 2;
  const CHANGE_CAPTIONS = 64;
  const CHANGE_ROTATION = 32;
  const CHANGE_PICK = 128;
  // vk_picture_kind of the tools' pictures.
  const PICTURE_MORPH = 2;
  const PICTURE_KALEIDOSCOPE = 3;
  const PICTURE_FOLD = 4;
  const PICTURE_JITTERBUG = 5;
  // A finger held still this long asks the picture, as a Ctrl+click does;
  // moving it further than HOLD_SLOP CSS pixels (along x plus along y) first turns instead.
  const HOLD_MS = 500;
  const HOLD_SLOP = 10;
  let tools = null; // the morph, kaleidoscope and fold panels (page_tools.js)
  let files = null; // pictures, files and the properties (page_files.js)

  // The desktop's English words (from its translation file) and the page's own.
  const ENGLISH = {
/*=ENGLISH=*/
  };
  const PAGE_ENGLISH = {
    'Ansicht': 'View',
    'Präsentation': 'Presentation',
    'Sprache': 'Language',
    'Ausgangslage': 'Start pose',
    'Nicht verstanden und übergangen: ': 'Not understood and passed over: ',
    'Der Betrachter lässt sich nicht starten: ': 'The viewer cannot start: ',
    'Vollbild nicht möglich: ': 'Full screen is not possible: ',
    'Werkzeuge': 'Tools',
    'Speichern': 'Save',
    'Bild (PNG)': 'Picture (PNG)',
    'Körper': 'Solid',
    'Durchmesser (mm)': 'Diameter (mm)',
    'Netz': 'Net',
    'Papier': 'Paper',
    'Klebelaschen': 'Tabs',
    'eine je Paar': 'one per pair',
    'an beiden Kanten': 'on both edges',
    'keine': 'none',
    'Drucken': 'Print',
    'Bild in einfacher Größe': 'Picture at its own size',
    'Bild in doppelter Größe': 'Picture at twice its size',
    'Bild in vierfacher Größe': 'Picture at four times its size',
    'Symmetriefamilie': 'Symmetry family',
    'Spiegeldreieck': 'Triangle of mirrors',
    'Parameter t': 'Parameter t',
    'Faltstufe': 'Folding stage',
    'Gewichte %1 : %2 : %3': 'Weights %1 : %2 : %3',
    // The window's title, not the word inside a sentence of the translation file.
    'Jitterbug': 'Jitterbug',
  };
  // The English words as the module takes them: source, US, translation, RS.
  let moduleWords = null;
  const wordsForModule = () => {
    moduleWords ??= Object.entries({ ...ENGLISH, ...PAGE_ENGLISH })
      .map(([german, english]) => german + '\x1f' + english).join('\x1e');
    return moduleWords;
  };
  let language = 'de';
  // Hands the module the page's language and English words, for the texts it words itself.
  function tellModuleLanguage() {
    if (language !== 'en') {
      core._vk_set_language(0, 0);
      return;
    }
    const text = wordsForModule();
    const size = core.lengthBytesUTF8(text) + 1;
    const pointer = core._malloc(size);
    core.stringToUTF8(text, pointer, size);
    core._vk_set_language(1, pointer);
    core._free(pointer);
  }
  // A German text of the desktop or the page in the language chosen.
  const say = (german) => (language === 'en' ? PAGE_ENGLISH[german] ?? ENGLISH[german] ?? german : german);

  const $ = (id) => document.getElementById(id);
  const canvas = $('picture');
  const context = canvas.getContext('2d');
  let core = null;
  let readyResolve;
  const ready = new Promise((resolve) => { readyResolve = resolve; });

  const note = (text) => { $('note').textContent = text; };
  const noteSaid = (german, detail) => note(say(german) + detail);

  // Calls a command of the module; a failure shows its message.
  function command(name, ...args) {
    const ok = core['_' + name](...args);
    if (!ok) note(core.UTF8ToString(core._vk_last_error()));
    follow();
    return ok;
  }

  async function inflate(bytes) {
    const stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
  }

  // Inflates every embedded stream and hands the bytes to the module.
  async function provideCatalogue() {
    const count = core._vk_stream_count();
    for (let i = 0; i < count; ++i) {
      const start = core._vk_stream_bytes(i);
      const compressed = core.HEAPU8.slice(start, start + core._vk_stream_size(i));
      const inflated = await inflate(compressed);
      const target = core._malloc(Math.max(1, inflated.length));
      core.HEAPU8.set(inflated, target);
      const ok = core._vk_provide_inflated(i, target, inflated.length);
      core._free(target);
      if (!ok) throw new Error('stream ' + i);
    }
  }

  function scale() {
    return Math.max(1, Math.min(4, Math.round(window.devicePixelRatio || 1)));
  }

  function showFrame() {
    const width = core._vk_frame_width();
    const height = core._vk_frame_height();
    if (width === 0 || height === 0) return;
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
    }
    const pixels = new Uint8ClampedArray(core.HEAPU8.buffer, core._vk_frame_rgba(), width * height * 4);
    context.putImageData(new ImageData(pixels, width, height), 0, 0);
  }

  // Brings the page in line with the viewer after a command.
  function follow() {
    const changes = core._vk_take_changes();
    if (changes & CHANGE_PICTURE) showFrame();
    if (changes & CHANGE_CAPTIONS) showCaptions();
    if (changes & CHANGE_ROTATION) showRotation();
    const position = core._vk_position();
    if ($('solids').selectedIndex !== position) $('solids').selectedIndex = position;
    document.querySelectorAll('input[name=view]').forEach((radio) => {
      radio.checked = Number(radio.value) === core._vk_view();
      radio.disabled = core._vk_views_off() !== 0;
    });
    $('marks').checked = core._vk_marks() === 1;
    $('colour-faces').checked = core._vk_colour_faces() === 1;
    if (changes & CHANGE_PICK) showPick();
    if (changes & (CHANGE_PICTURE | CHANGE_DESCRIPTION | CHANGE_PICK)) describePicture();
    if (tools) tools.follow(changes);
    if (files) files.follow(changes);
    writeFragment();
  }

  // The picture's description for screen readers, in the desktop's words.
  function describePicture() {
    if (core._vk_picture_kind() === 0) {
      canvas.setAttribute('aria-label', say('Noch kein Körper geladen'));
      return;
    }
    const german = core.UTF8ToString(core._vk_picture_name());
    const name = say(german);
    const view = ['Ansicht Polyeder', 'Ansicht innere Kugel', 'Ansicht äußere Kugel'][core._vk_view()];
    const marks = say(core._vk_marks() ? 'Ecken markiert' : 'Ecken nicht markiert');
    const number = (x) => core.UTF8ToString(core._vk_people_number(x, 3));
    let text;
    switch (core._vk_picture_kind()) {
      case PICTURE_MORPH:
        text = say('%1, Verwandlung in den dualen Körper bei t = %2, %3')
          .replace('%1', name).replace('%2', number(core._vk_morph_t())).replace('%3', marks);
        break;
      case PICTURE_KALEIDOSCOPE:
        text = say('%1 aus dem Kaleidoskop, %2').replace('%1', name).replace('%2', marks);
        break;
      case PICTURE_FOLD:
        text = say('Netz von %1, gefaltet zu %2 %').replace('%1', name)
          .replace('%2', String(Math.round(core._vk_fold() * 100)));
        break;
      case PICTURE_JITTERBUG: {
        const j = number(core._vk_jitterbug_j());
        // Between its stops the solid is named after the jitterbug itself.
        text = german.startsWith('Jitterbug')
          ? say('Jitterbug bei j = %1, %2').replace('%1', j).replace('%2', marks)
          : say('Jitterbug bei j = %1: %2, %3').replace('%1', j).replace('%2', name).replace('%3', marks);
        break;
      }
      default:
        text = say('%1, %2, %3').replace('%1', name).replace('%2', say(view)).replace('%3', marks);
    }
    if (core._vk_rotating()) text += say(', dreht sich');
    if (pickSentence) text += ' ' + pickSentence;
    canvas.setAttribute('aria-label', text);
  }

  // The answer of the picture when asked: under the picture and above the
  // properties, in the language of the page.
  let pickSentence = '';
  function showPick() {
    const text = core._vk_has_pick() ? core._vk_pick_text() : 0;
    pickSentence = text ? core.UTF8ToString(text) : '';
    $('status').textContent = pickSentence;
    $('properties-pick').textContent = pickSentence;
    $('properties-pick').hidden = pickSentence === '';
  }

  const CAPTIONS = [
    ['Polyeder', 'Velkora', 'Umkugel'],
    ['Polyeder', 'innere Kugel', 'Umkugel'],
    ['Polyeder', 'Velkora', 'äußere Kugel'],
  ];
  function showCaptions() {
    const words = CAPTIONS[core._vk_caption_family()] || CAPTIONS[0];
    words.forEach((word, i) => { $('view' + i).textContent = say(word); });
  }

  // The rotation, stepped by the time passed, whatever the screen's rate.
  let rotationClock = null;
  let stepsDone = 0;
  let rotationRound = 0; // a stop and a quick start must not leave two loops running
  function showRotation() {
    const on = core._vk_rotating() === 1;
    $('rotation').textContent = say(on ? 'Abbruch' : 'Rotation');
    if (on && rotationClock === null) {
      rotationClock = performance.now();
      stepsDone = 0;
      const round = ++rotationRound;
      requestAnimationFrame((now) => rotationFrame(now, round));
    } else if (!on) {
      rotationClock = null;
    }
  }
  function rotationFrame(now, round) {
    if (rotationClock === null || round !== rotationRound) return;
    const due = Math.floor((now - rotationClock) / STEP_MS) - stepsDone;
    if (due > 0) {
      stepsDone += due;
      command('vk_tick', Math.min(due, 100));
    }
    requestAnimationFrame((later) => rotationFrame(later, round));
  }

  // The address's fragment holds the view: a copied link opens the same picture.
  function readFragment() {
    const wanted = {};
    const problems = [];
    for (const part of location.hash.replace(/^#/, '').split('&')) {
      if (!part) continue;
      let key;
      let value;
      try {
        [key, value = ''] = part.split('=').map(decodeURIComponent);
      } catch (error) {
        problems.push(part);
        continue;
      }
      readKey(key, value, wanted, problems);
    }
    if (problems.length) noteSaid('Nicht verstanden und übergangen: ', problems.join(', '));
    return wanted;
  }
  // Reads one key and its value into wanted; a bad one goes to problems.
  function readKey(key, value, wanted, problems) {
    const part = key + '=' + value;
    if (key === 'solid') {
      if (/^\d+$/.test(value) && Number(value) <= 30) wanted.solid = Number(value);
      else problems.push(part);
    } else if (key === 'view') {
      if (VIEW_WORDS.includes(value)) wanted.view = VIEW_WORDS.indexOf(value);
      else problems.push(part);
    } else if (key === 'marks') {
      if (value === '0' || value === '1') wanted.marks = Number(value);
      else problems.push(part);
    } else if (key === 'faces') {
      if (value === 'kind' || value === 'plain') wanted.faces = value === 'kind' ? 1 : 0;
      else problems.push(part);
    } else if (key === 'lang') {
      if (value === 'de' || value === 'en') wanted.lang = value;
      else problems.push(part);
    } else if (!tools.readKey(key, value, wanted, problems)) {
      problems.push(part);
    }
  }
  // Shows what wanted asks for (the keys of the fragment, read).
  function apply(wanted) {
    if (wanted.solid !== undefined && wanted.solid !== core._vk_position()) command('vk_pick', wanted.solid);
    if (wanted.lang !== undefined) useLanguage(wanted.lang);
    if (wanted.marks !== undefined) command('vk_set_marks', wanted.marks);
    if (wanted.view !== undefined) command('vk_set_view', wanted.view);
    if (wanted.faces !== undefined) command('vk_set_colour_faces', wanted.faces);
    tools.apply(wanted);
    follow();
  }
  function state() {
    return {
      solid: String(core._vk_position()),
      view: VIEW_WORDS[core._vk_view()],
      marks: String(core._vk_marks()),
      ...(core._vk_colour_faces() ? { faces: 'kind' } : {}),
      lang: document.documentElement.lang,
      ...(tools ? tools.state() : {}),
    };
  }
  function writeFragment() {
    const text = Object.entries(state()).map(([k, v]) => k + '=' + v).join('&');
    if (location.hash !== '#' + text) history.replaceState(null, '', '#' + text);
  }

  function wireControls() {
    const list = $('solids');
    const count = core._vk_list_count();
    for (let i = 0; i < count; ++i) {
      const option = document.createElement('option');
      option.dataset.text = core.UTF8ToString(core._vk_list_name(i));
      list.appendChild(option);
    }
    $('language').value = language;
    $('language').addEventListener('change', () => {
      useLanguage($('language').value);
      try { localStorage.setItem('korvelindra.lang', language); } catch (error) { /* storage off */ }
      writeFragment();
    });
    list.addEventListener('change', () => command('vk_pick', list.selectedIndex));
    document.querySelectorAll('input[name=view]').forEach((radio) => {
      radio.addEventListener('change', () => command('vk_set_view', Number(radio.value)));
    });
    $('marks').addEventListener('change', () => command('vk_set_marks', $('marks').checked ? 1 : 0));
    $('colour-faces').addEventListener('change', () => {
      command('vk_set_colour_faces', $('colour-faces').checked ? 1 : 0);
    });
    $('rotation').addEventListener('click', () => command('vk_set_rotating', core._vk_rotating() ? 0 : 1));
    $('start-pose').addEventListener('click', () => command('vk_reload'));
    $('zoom-in').addEventListener('click', () => command('vk_zoom', 1));
    $('zoom-out').addEventListener('click', () => command('vk_zoom', -1));
    for (let axis = 0; axis < 3; ++axis) {
      const field = $('step' + axis);
      field.addEventListener('change', () => {
        const value = Math.max(-15, Math.min(15, Math.round(Number(field.value) || 0)));
        field.value = value;
        command('vk_set_step', axis, value);
      });
    }
    wirePointer();
    wirePresentation();
    canvas.addEventListener('wheel', (event) => {
      event.preventDefault();
      const notches = event.deltaMode === 0 ? -event.deltaY / 100 : -event.deltaY / 3;
      command('vk_wheel', Math.round(notches * 120));
    }, { passive: false });
    canvas.addEventListener('keydown', (event) => {
      if (event.key === 'Escape' && !event.ctrlKey && !event.altKey && !event.metaKey && !event.shiftKey) {
        command('vk_clear_pick');
        return;
      }
      const turns = { ArrowLeft: [0, 0, -5], ArrowRight: [0, 0, 5], ArrowUp: [0, -5, 0], ArrowDown: [0, 5, 0] };
      if (!(event.key in turns)) return;
      event.preventDefault();
      // The arrow keys turn as a drag of five pixels would.
      const [, dy, dx] = turns[event.key];
      command('vk_press', 0, 0);
      command('vk_move', dx, dy);
      command('vk_release');
    });
  }

  // One finger (or the mouse) turns as the window's drag does; two pinch-zoom
  // by the buttons' factors. A Ctrl+click, or a finger held still, asks the
  // picture about the vertex or face there instead.
  function wirePointer() {
    const pointers = new Map();
    let pinchDistance = 0;
    // The finger that may become a hold: its timer, where it came down (CSS
    // and surface pixels), and whether it has asked (its moves and lift are then its own).
    let hold = null;
    const cancelHold = () => {
      if (hold) clearTimeout(hold.timer);
      hold = null;
    };
    const at = (event) => {
      const box = canvas.getBoundingClientRect();
      return [Math.round((event.clientX - box.left) * surfaceWidth / box.width),
        Math.round((event.clientY - box.top) * surfaceHeight / box.height)];
    };
    const distance = () => {
      const [a, b] = [...pointers.values()];
      return Math.hypot(a[0] - b[0], a[1] - b[1]);
    };
    canvas.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'mouse' && event.button !== 0) return;
      if (event.ctrlKey && !event.shiftKey && !event.altKey && !event.metaKey && pointers.size === 0) {
        command('vk_ask', ...at(event));
        return;
      }
      canvas.setPointerCapture(event.pointerId);
      pointers.set(event.pointerId, at(event));
      cancelHold();
      if (pointers.size === 1) {
        command('vk_press', ...at(event));
        if (event.pointerType === 'touch') {
          const place = at(event);
          const mine = { id: event.pointerId, x: event.clientX, y: event.clientY, asked: false };
          mine.timer = setTimeout(() => {
            if (hold !== mine) return;
            // As the window does: the drag ends where it began, then the picture is asked.
            mine.asked = true;
            command('vk_release');
            command('vk_ask', ...place);
          }, HOLD_MS);
          hold = mine;
        }
      } else if (pointers.size === 2) {
        command('vk_release');
        pinchDistance = distance();
      }
    });
    canvas.addEventListener('pointermove', (event) => {
      if (!pointers.has(event.pointerId)) return;
      if (hold && hold.id === event.pointerId) {
        if (hold.asked) return;
        if (Math.abs(event.clientX - hold.x) + Math.abs(event.clientY - hold.y) > HOLD_SLOP) cancelHold();
      }
      pointers.set(event.pointerId, at(event));
      if (pointers.size === 1) {
        command('vk_move', ...at(event));
      } else if (pointers.size === 2 && pinchDistance > 0) {
        const now = distance();
        while (now >= pinchDistance * 1.1) { command('vk_zoom', 1); pinchDistance *= 1.1; }
        while (now <= pinchDistance * 10 / 11) { command('vk_zoom', -1); pinchDistance *= 10 / 11; }
      }
    });
    const end = (event) => {
      if (!pointers.delete(event.pointerId)) return;
      const held = hold !== null && hold.id === event.pointerId && hold.asked;
      if (hold !== null && hold.id === event.pointerId) cancelHold();
      if (pointers.size === 0 && !held) command('vk_release');
    };
    // A long press would also open the browser's menu for the picture.
    canvas.addEventListener('contextmenu', (event) => {
      if (hold !== null) event.preventDefault();
    });
    canvas.addEventListener('pointerup', end);
    canvas.addEventListener('pointercancel', end);
  }

  // Presentation: the picture alone on the whole screen, the solid filling
  // 90 % of its shorter side; leaving restores the zoom.
  function wirePresentation() {
    const area = $('picture-area');
    $('presentation').addEventListener('click', () => {
      area.requestFullscreen().catch((error) => noteSaid('Vollbild nicht möglich: ', error.message));
    });
    document.addEventListener('fullscreenchange', () => {
      if (document.fullscreenElement === area) {
        surfaceWidth = window.innerWidth;
        surfaceHeight = window.innerHeight;
        command('vk_resize', surfaceWidth, surfaceHeight, scale());
        command('vk_set_presentation', 1);
      } else {
        surfaceWidth = PICTURE_WIDTH;
        surfaceHeight = PICTURE_HEIGHT;
        command('vk_set_presentation', 0);
        command('vk_resize', surfaceWidth, surfaceHeight, scale());
      }
      canvas.focus();
    });
  }

  // Every text of the page in the language: marked elements, captions, labels.
  function useLanguage(chosen) {
    language = chosen === 'en' ? 'en' : 'de';
    document.documentElement.lang = language;
    document.querySelectorAll('[data-text]').forEach((element) => {
      element.textContent = say(element.dataset.text);
    });
    // The desktop's menu texts, without the letter marked for the keyboard.
    document.querySelectorAll('[data-menu-text]').forEach((element) => {
      element.textContent = say(element.dataset.menuText).replace(/&(.)/, '$1');
    });
    if (core) tellModuleLanguage();
    document.querySelectorAll('[data-label]').forEach((element) => {
      element.setAttribute('aria-label', say(element.dataset.label));
    });
    if (core && core._vk_list_count() > 0) {
      showCaptions();
      showRotation();
      showPick();
      describePicture();
      if (tools) tools.retell();
      if (files) files.retell();
    }
  }

  function rememberedLanguage() {
    try { return localStorage.getItem('korvelindra.lang'); } catch (error) { return null; }
  }

  async function start() {
    try {
      core = await createKorvelindraCore();
      await provideCatalogue();
      const page = {
        core,
        command,
        follow,
        say,
        sayNumbers: (text) => text.replace(/(\d),(\d)/g, '$1.$2'),
        language: () => language,
        note,
        STEP_MS,
      };
      tools = korvelindraTools(page);
      files = korvelindraFiles(page);
      const wanted = readFragment();
      if (!core._vk_start(PICTURE_WIDTH, PICTURE_HEIGHT, scale(), wanted.solid ?? -1)) {
        throw new Error(core.UTF8ToString(core._vk_last_error()));
      }
      useLanguage(wanted.lang ?? rememberedLanguage() ?? 'de');
      wireControls();
      useLanguage(language);
      delete wanted.solid;
      apply(wanted);
      showCaptions();
      showFrame();
      readyResolve();
    } catch (error) {
      noteSaid('Der Betrachter lässt sich nicht starten: ', error.message);
    }
  }

  // What teachers' pages and learning platforms call.
  // show takes the fragment's keys (as strings or numbers) and shows them;
  // a bad key or value rejects the promise and changes nothing.
  function show(keys = {}) {
    return ready.then(() => {
      const wanted = {};
      const problems = [];
      for (const [key, value] of Object.entries(keys)) {
        readKey(key, Array.isArray(value) ? value.join(',') : String(value), wanted, problems);
      }
      if (problems.length) throw new Error(say('Nicht verstanden und übergangen: ') + problems.join(', '));
      if (wanted.lang !== undefined) {
        try { localStorage.setItem('korvelindra.lang', wanted.lang); } catch (error) { /* storage off */ }
        $('language').value = wanted.lang;
      }
      apply(wanted);
      return state();
    });
  }
  window.korvelindra = {
    ready,
    state: () => state(),
    show,
    picture: (options) => files.api.picture(options),
    propertiesJson: () => files.api.propertiesJson(),
    properties: () => files.api.properties(),
    solid: (options) => files.api.solid(options),
    net: (options) => files.api.net(options),
  };
  // Timing hooks for web/tests/frame_bench.mjs, only with ?bench in the address:
  // rounds of ten rotation ticks of the state on show, the module's own (tick)
  // and as the page runs them (shown: the tick and the canvas's update).
  if (new URLSearchParams(location.search).has('bench')) {
    const perTick = (rounds, tick) => {
      const times = [];
      for (let round = 0; round < rounds; ++round) {
        const start = performance.now();
        for (let k = 0; k < 10; ++k) tick();
        times.push((performance.now() - start) / 10);
      }
      times.sort((x, y) => x - y);
      return times[Math.floor(rounds / 2)];
    };
    window.korvelindraBench = {
      ticks: (rounds) => ready.then(() => {
        command('vk_set_rotating', 1);
        // Long enough for the browser to have its optimised code of the module in place.
        for (let k = 0; k < 300; ++k) core._vk_tick(1);
        const result = {
          tick: perTick(rounds, () => core._vk_tick(1)),
          shown: perTick(rounds, () => command('vk_tick', 1)),
        };
        command('vk_set_rotating', 0);
        return result;
      }),
    };
  }
  start();
})();
