'use strict';
// The page's four tools over the viewer's module: the morph into the dual
// (slider, stops, play, touching points), the kaleidoscope (family, snub,
// the triangle of mirrors with its stops), the folding net (slider, play,
// cut numbers) and the jitterbug (slider, stops, play, the legend of its
// tints). Each panel opens with its button; the rules stay in the module.

// eslint-disable-next-line no-unused-vars
function korvelindraTools(page) {
  const $ = (id) => document.getElementById(id);
  const core = page.core;
  const MORPH = 0;
  const KALEIDOSCOPE = 1;
  const FOLD = 2;
  const JITTERBUG = 3;
  const SLIDER_STEPS = 1000;
  const PLAY_STEP = 1 / 200; // 2 s from one end to the other at one step per 10 ms
  const STEPWISE = 1 / 10; // one press with reduced motion
  const FAMILIES = ['T', 'O', 'I'];
  const reducedMotion = window.matchMedia ? window.matchMedia('(prefers-reduced-motion: reduce)') : null;

  // A number as people read it: up to digits decimals, a decimal comma in German.
  const shown = (value, digits) => {
    const text = String(Number(value.toFixed(digits)));
    return page.language() === 'de' ? text.replace('.', ',') : text;
  };
  // A number as the desktop's windows write it: exactly digits decimals.
  const people = (value, digits) => core.UTF8ToString(core._vk_people_number(value, digits));
  const solidName = (pointer) => page.say(core.UTF8ToString(pointer));
  // A tool's stops as the core lists them: each one's parameter and its solid's name.
  const stopsOf = (count, parameter, name) => {
    const stops = [];
    for (let k = 0; k < count(); ++k) stops.push({ at: parameter(k), name: solidName(name(k)) });
    return stops;
  };
  // Where a slider is, in the desktop's words: "t = 0,250", and the stop's name at a stop.
  const positionText = (letter, value, stops) => {
    const stop = stops.find((s) => Math.abs(s.at - value) < 1e-9);
    return letter + ' = ' + people(value, 3) + (stop ? ': ' + stop.name : '');
  };
  const open = (tool) => core._vk_tool_open(tool) === 1;

  // One "Abspielen"/"Anhalten" button moving a slider back and forth, by time
  // (not by frames); with reduced motion each press moves a tenth instead.
  function player(button, get, set, stopped) {
    let clock = null;
    let direction = 1;
    let round = 0;
    const advance = (amount) => {
      let value = get() + direction * amount;
      if (value >= 1) { value = 1; direction = -1; } else if (value <= 0) { value = 0; direction = 1; }
      set(value);
    };
    const caption = () => {
      button.textContent = page.say(clock === null ? 'Abspielen' : 'Anhalten');
      button.setAttribute('aria-pressed', clock === null ? 'false' : 'true');
    };
    const stop = () => {
      if (clock === null) return;
      clock = null;
      caption();
      stopped();
    };
    const frame = (now, mine, done) => {
      if (clock === null || mine !== round) return;
      const due = Math.floor((now - clock) / page.STEP_MS) - done;
      if (due > 0) advance(Math.min(due, 100) * PLAY_STEP);
      requestAnimationFrame((later) => frame(later, mine, done + Math.max(due, 0)));
    };
    button.addEventListener('click', () => {
      if (reducedMotion && reducedMotion.matches) {
        stop();
        advance(STEPWISE);
        stopped();
        return;
      }
      if (clock !== null) { stop(); return; }
      clock = performance.now();
      const mine = ++round;
      caption();
      requestAnimationFrame((now) => frame(now, mine, 0));
    });
    return { stop, caption, playing: () => clock !== null };
  }

  // Stop buttons under a slider or the triangle, one per stop.
  function stopButtons(box, count, name, choose) {
    box.replaceChildren();
    for (let k = 0; k < count; ++k) {
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset.stop = String(k);
      button.textContent = name(k);
      button.addEventListener('click', () => choose(k));
      box.appendChild(button);
    }
  }

  // A slider over 0 to 1 with its stops marked: at a stop's mark it gives the
  // stop's own parameter, not the rounded one.
  const parameterAt = (stops, value) => {
    const stop = stops.find((parameter) => Math.round(parameter * SLIDER_STEPS) === value);
    return stop ?? value / SLIDER_STEPS;
  };
  const showMarks = (list, stops) => list.replaceChildren(...stops.map(({ at, name }) => {
    const option = document.createElement('option');
    option.value = String(Math.round(at * SLIDER_STEPS));
    option.label = name;
    return option;
  }));

  // ---- The morph ----
  const morphSlider = $('morph-t');
  const morphStops = () => stopsOf(core._vk_morph_stop_count, core._vk_morph_stop_t, core._vk_morph_stop_name);
  function showMorph() {
    const t = core._vk_morph_t();
    morphSlider.value = String(Math.round(t * SLIDER_STEPS));
    $('morph-stop').textContent = positionText('t', t, morphStops());
  }
  function showMorphPath() {
    const stops = morphStops();
    stopButtons($('morph-stops'), stops.length, (k) => stops[k].name, (k) => {
      morphPlayer.stop();
      page.command('vk_set_morph', stops[k].at);
    });
    showMarks($('morph-marks'), stops);
    showMorph();
  }
  const morphPlayer = player($('morph-play'), () => core._vk_morph_t(),
    (t) => page.command('vk_set_morph_played', t), () => page.command('vk_play_stopped'));
  morphSlider.addEventListener('input', () => {
    page.command('vk_set_morph', parameterAt(morphStops().map((stop) => stop.at), Number(morphSlider.value)));
  });
  $('touch-marks').addEventListener('change', () => page.command('vk_set_touch_marks', $('touch-marks').checked ? 1 : 0));

  // ---- The kaleidoscope ----
  const triangle = $('triangle');
  const drawing = triangle.getContext('2d');
  const MARGIN = 36;
  const SNAP = 8; // CSS pixels within which a tap lands on a stop
  const corners = () => {
    const w = triangle.width - 2 * MARGIN;
    const h = triangle.height - 2 * MARGIN;
    return [[MARGIN, MARGIN + h], [MARGIN + w, MARGIN + h], [MARGIN + w / 2, MARGIN]];
  };
  const pointOf = (weights) => {
    const c = corners();
    return [0, 1].map((i) => c[0][i] * weights[0] + c[1][i] * weights[1] + c[2][i] * weights[2]);
  };
  const kaleidoscopeStops = () => {
    const stops = [];
    for (let k = 0; k < core._vk_kaleidoscope_stop_count(); ++k) {
      stops.push({
        weights: [0, 1, 2].map((i) => core._vk_kaleidoscope_stop_weight(k, i)),
        name: solidName(core._vk_kaleidoscope_stop_name(k)),
      });
    }
    return stops;
  };
  const weights = () => [0, 1, 2].map((i) => core._vk_weight(i));
  // The weights of a place on the triangle (outside it: the nearest point in it);
  // a place near a stop is that stop.
  function weightsAt(x, y, snap) {
    if (snap) {
      const near = kaleidoscopeStops().find((stop) => {
        const [px, py] = pointOf(stop.weights);
        return Math.hypot(px - x, py - y) <= SNAP * triangle.width / triangle.getBoundingClientRect().width;
      });
      if (near) return near.weights;
    }
    const c = corners();
    const cross = (p, q, r) => (q[0] - p[0]) * (r[1] - p[1]) - (q[1] - p[1]) * (r[0] - p[0]);
    const place = [x, y];
    const area = cross(c[0], c[1], c[2]);
    return [cross(place, c[1], c[2]) / area, cross(place, c[2], c[0]) / area, cross(place, c[0], c[1]) / area]
      .map((w) => Math.max(w, 0));
  }
  function drawTriangle() {
    const c = corners();
    drawing.clearRect(0, 0, triangle.width, triangle.height);
    drawing.fillStyle = '#ffffff';
    drawing.strokeStyle = '#333333';
    drawing.lineWidth = 2;
    drawing.beginPath();
    drawing.moveTo(...c[0]);
    drawing.lineTo(...c[1]);
    drawing.lineTo(...c[2]);
    drawing.closePath();
    drawing.fill();
    drawing.stroke();
    drawing.fillStyle = '#111111';
    drawing.font = '16px "DejaVu Sans", sans-serif';
    drawing.textAlign = 'center';
    drawing.textBaseline = 'middle';
    const middle = pointOf([1 / 3, 1 / 3, 1 / 3]);
    ['A', 'B', 'C'].forEach((letter, k) => {
      drawing.fillText(letter, c[k][0] + (c[k][0] - middle[0]) * 0.12, c[k][1] + (c[k][1] - middle[1]) * 0.12);
    });
    drawing.fillStyle = '#1a5fb4';
    for (const stop of kaleidoscopeStops()) {
      const [x, y] = pointOf(stop.weights);
      drawing.beginPath();
      drawing.arc(x, y, 4, 0, 2 * Math.PI);
      drawing.fill();
    }
    const [x, y] = pointOf(weights());
    drawing.fillStyle = '#c01c28';
    drawing.beginPath();
    drawing.arc(x, y, 7, 0, 2 * Math.PI);
    drawing.fill();
  }
  function showKaleidoscope() {
    $('family').value = String(core._vk_family());
    $('snub').checked = core._vk_snub() === 1;
    $('mirror').checked = core._vk_mirror() === 1;
    $('mirror').disabled = !$('snub').checked;
    const w = weights();
    let text = page.say('Gewichte %1 : %2 : %3').replace('%1', shown(w[0], 3))
      .replace('%2', shown(w[1], 3)).replace('%3', shown(w[2], 3));
    const at = kaleidoscopeStops().find((stop) => stop.weights.every((v, i) => Math.abs(v - w[i]) < 1e-6));
    if (at) text += ': ' + at.name;
    $('kaleidoscope-stop').textContent = text;
    drawTriangle();
  }
  function showKaleidoscopeStops() {
    const stops = kaleidoscopeStops();
    stopButtons($('kaleidoscope-stops'), stops.length, (k) => stops[k].name,
      (k) => page.command('vk_set_weights', ...stops[k].weights));
    showKaleidoscope();
  }
  $('family').addEventListener('change', () => page.command('vk_set_family', Number($('family').value)));
  const snubChanged = () => page.command('vk_set_snub', $('snub').checked ? 1 : 0, $('mirror').checked ? 1 : 0);
  $('snub').addEventListener('change', snubChanged);
  $('mirror').addEventListener('change', snubChanged);
  // A tap or a drag on the triangle moves the point.
  const placeAt = (event, snap) => {
    const box = triangle.getBoundingClientRect();
    const x = (event.clientX - box.left) * triangle.width / box.width;
    const y = (event.clientY - box.top) * triangle.height / box.height;
    page.command('vk_set_weights', ...weightsAt(x, y, snap));
  };
  let placing = false;
  triangle.addEventListener('pointerdown', (event) => {
    placing = true;
    triangle.setPointerCapture(event.pointerId);
    placeAt(event, !event.shiftKey);
  });
  triangle.addEventListener('pointermove', (event) => { if (placing) placeAt(event, !event.shiftKey); });
  const endPlacing = () => { placing = false; };
  triangle.addEventListener('pointerup', endPlacing);
  triangle.addEventListener('pointercancel', endPlacing);
  triangle.addEventListener('keydown', (event) => {
    const moves = { ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1] };
    if (!(event.key in moves)) return;
    event.preventDefault();
    const step = 0.02 * (corners()[1][0] - corners()[0][0]);
    const [x, y] = pointOf(weights());
    page.command('vk_set_weights', ...weightsAt(x + moves[event.key][0] * step, y + moves[event.key][1] * step, false));
  });

  // ---- The folding net ----
  const foldSlider = $('fold-f');
  function showFold() {
    const f = core._vk_fold();
    foldSlider.value = String(Math.round(f * SLIDER_STEPS));
    const percent = Math.round(f * 100);
    $('fold-stage').textContent = percent === 0 ? page.say('Das Netz liegt flach.')
      : percent === 100 ? page.say('Der Körper ist geschlossen.')
        : page.say('Gefaltet zu %1 %').replace('%1', String(percent));
  }
  const foldPlayer = player($('fold-play'), () => core._vk_fold(),
    (f) => page.command('vk_set_fold_played', f), () => page.command('vk_play_stopped'));
  foldSlider.addEventListener('input', () => page.command('vk_set_fold', Number(foldSlider.value) / SLIDER_STEPS));
  $('fold-labels').addEventListener('change', () => {
    page.command('vk_set_fold_labels', $('fold-labels').checked ? 1 : 0);
  });

  // ---- The jitterbug ----
  const jitterbugSlider = $('jitterbug-j');
  const jitterbugStops = () =>
    stopsOf(core._vk_jitterbug_stop_count, core._vk_jitterbug_stop_j, core._vk_jitterbug_stop_name);
  function showJitterbug() {
    const j = core._vk_jitterbug_j();
    jitterbugSlider.value = String(Math.round(j * SLIDER_STEPS));
    $('jitterbug-stop').textContent = positionText('j', j, jitterbugStops());
  }
  // The legend: a box of each tint where the text has its placeholder.
  function showJitterbugTints() {
    const box = (kind) => {
      const swatch = document.createElement('span');
      swatch.className = 'tint';
      swatch.setAttribute('aria-hidden', 'true');
      swatch.style.backgroundColor = '#' + (core._vk_kind_tint(kind) >>> 0).toString(16).padStart(6, '0');
      return swatch;
    };
    const text = page.say('%1 die acht drehenden Dreiecke, %2 die Flächen, die sich dazwischen öffnen');
    $('jitterbug-tints').replaceChildren(...text.split(/(%[12])/).filter((part) => part !== '')
      .map((part) => (part === '%1' ? box(0) : part === '%2' ? box(1) : document.createTextNode(part))));
  }
  function showJitterbugStops() {
    const stops = jitterbugStops();
    stopButtons($('jitterbug-stops'), stops.length, (k) => stops[k].name + ' (j = ' + people(stops[k].at, 4) + ')',
      (k) => {
        jitterbugPlayer.stop();
        page.command('vk_set_jitterbug', stops[k].at);
      });
    showMarks($('jitterbug-marks'), stops);
    showJitterbugTints();
    showJitterbug();
  }
  const jitterbugPlayer = player($('jitterbug-play'), () => core._vk_jitterbug_j(),
    (j) => page.command('vk_set_jitterbug_played', j), () => page.command('vk_play_stopped'));
  jitterbugSlider.addEventListener('input', () => {
    page.command('vk_set_jitterbug', parameterAt(jitterbugStops().map((stop) => stop.at), Number(jitterbugSlider.value)));
  });

  // ---- Opening and closing ----
  const panels = [
    { tool: MORPH, button: $('open-morph'), panel: $('morph-panel'), players: [morphPlayer] },
    { tool: KALEIDOSCOPE, button: $('open-kaleidoscope'), panel: $('kaleidoscope-panel'), players: [] },
    { tool: FOLD, button: $('open-fold'), panel: $('fold-panel'), players: [foldPlayer] },
    { tool: JITTERBUG, button: $('open-jitterbug'), panel: $('jitterbug-panel'), players: [jitterbugPlayer] },
  ];
  for (const { tool, button, players } of panels) {
    button.addEventListener('click', () => {
      if (open(tool)) {
        players.forEach((p) => p.stop());
        page.command('vk_close_tool', tool);
      } else {
        page.command('vk_open_tool', tool);
      }
    });
  }
  let rounds = { morph: -1, kaleidoscope: -1, jitterbug: -1 };
  const snubRound = () => core._vk_tool_round(KALEIDOSCOPE) + ':' + core._vk_family();
  // Brings the panels in line with the viewer after a command.
  function follow() {
    for (const { tool, button, panel, players } of panels) {
      const isOpen = open(tool);
      button.setAttribute('aria-pressed', isOpen ? 'true' : 'false');
      if (!isOpen) players.forEach((p) => p.stop());
      panel.hidden = !isOpen;
    }
    if (open(MORPH)) {
      const path = core._vk_tool_round(MORPH);
      if (rounds.morph !== path) { rounds.morph = path; showMorphPath(); } else showMorph();
    } else {
      rounds.morph = -1;
    }
    if (open(KALEIDOSCOPE)) {
      const round = snubRound();
      if (rounds.kaleidoscope !== round) { rounds.kaleidoscope = round; showKaleidoscopeStops(); } else showKaleidoscope();
    } else {
      rounds.kaleidoscope = -1;
    }
    if (open(FOLD)) showFold();
    if (open(JITTERBUG)) {
      const round = core._vk_tool_round(JITTERBUG);
      if (rounds.jitterbug !== round) { rounds.jitterbug = round; showJitterbugStops(); } else showJitterbug();
    } else {
      rounds.jitterbug = -1;
    }
  }
  // The texts in the language chosen.
  function retell() {
    morphPlayer.caption();
    foldPlayer.caption();
    jitterbugPlayer.caption();
    FAMILIES.forEach((letter, k) => {
      $('family').options[k].textContent = page.say(['T: Tetraeder-Familie', 'O: Oktaeder-Familie', 'I: Ikosaeder-Familie'][k]);
    });
    rounds = { morph: -1, kaleidoscope: -1, jitterbug: -1 };
    follow();
  }

  // The tools' keys of the address's fragment, and the state they give.
  function state() {
    const keys = {};
    if (open(MORPH)) keys.morph = String(core._vk_morph_t());
    if (open(KALEIDOSCOPE)) {
      keys.wythoff = FAMILIES[core._vk_family()];
      keys.at = weights().map((w) => String(w)).join(',');
      if (core._vk_snub()) keys.snub = core._vk_mirror() ? 'mirror' : '1';
    }
    if (open(FOLD)) keys.fold = String(core._vk_fold());
    if (open(JITTERBUG)) keys.jitterbug = String(core._vk_jitterbug_j());
    return keys;
  }
  const unit = (value) => (/^(0|1|0?\.\d+|1\.0*)$/.test(value) ? Number(value) : null);
  // Reads one key of the fragment into wanted; false when it is none of the tools'.
  function readKey(key, value, wanted, problems) {
    if (key === 'morph') {
      if (unit(value) !== null) wanted.morph = unit(value); else problems.push(key + '=' + value);
    } else if (key === 'jitterbug') {
      if (unit(value) !== null) wanted.jitterbug = unit(value); else problems.push(key + '=' + value);
    } else if (key === 'fold') {
      if (unit(value) !== null) wanted.fold = unit(value); else problems.push(key + '=' + value);
    } else if (key === 'wythoff') {
      if (FAMILIES.includes(value)) wanted.wythoff = FAMILIES.indexOf(value); else problems.push(key + '=' + value);
    } else if (key === 'at') {
      const parts = value.split(',');
      const numbers = parts.map((part) => (/^\d*\.?\d+$/.test(part) ? Number(part) : NaN));
      if (parts.length === 3 && numbers.every(Number.isFinite) && numbers.some((n) => n > 0)) wanted.at = numbers;
      else problems.push(key + '=' + value);
    } else if (key === 'snub') {
      if (value === '0' || value === '1' || value === 'mirror') wanted.snub = value; else problems.push(key + '=' + value);
    } else {
      return false;
    }
    return true;
  }
  // Opens the tools a fragment or show() asks for; the morph, the
  // kaleidoscope and the jitterbug exclude each other: the morph wins, then
  // the kaleidoscope.
  function apply(wanted) {
    if (wanted.morph !== undefined) {
      if (!open(MORPH)) page.command('vk_open_tool', MORPH);
      page.command('vk_set_morph', wanted.morph);
    } else if (wanted.wythoff !== undefined || wanted.at !== undefined) {
      if (!open(KALEIDOSCOPE)) page.command('vk_open_tool', KALEIDOSCOPE);
      if (wanted.snub !== undefined) page.command('vk_set_snub', wanted.snub === '0' ? 0 : 1, wanted.snub === 'mirror' ? 1 : 0);
      if (wanted.wythoff !== undefined) page.command('vk_set_family', wanted.wythoff);
      if (wanted.at !== undefined) page.command('vk_set_weights', ...wanted.at);
    } else if (wanted.jitterbug !== undefined) {
      if (!open(JITTERBUG)) page.command('vk_open_tool', JITTERBUG);
      page.command('vk_set_jitterbug', wanted.jitterbug);
    }
    if (wanted.fold !== undefined) {
      if (!open(FOLD)) page.command('vk_open_tool', FOLD);
      if (open(FOLD)) page.command('vk_set_fold', wanted.fold);
    }
  }
  return { follow, retell, state, readKey, apply };
}
